#include "app/form_hlav.h"

#include "app/message_box.h"
#include "dialogs/about_dialog.h"
#include "model/defaults.h"
#include "model/normalise.h"

#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace {
QAction* Item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {}) {
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setProperty("en", caption);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}
bool CtrlHeld() {
    return QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
}

const char* const kFileFilter = "Ignition Parametrs(*.ign);;All Files (*.*)";
const char* const kSaveFilter = "Ignition Parametrs(*.ign)";

// Whether a file can be written at path (its folder exists and takes files,
// an existing file is not read-only), asked before anything is taken from
// the pages so a refused save changes nothing.
bool CanWriteFile(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable()) return false;
    return !file.exists() || (file.isFile() && file.isWritable());
}
} // namespace

void TFormHlav::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto menu = [&](const char* name, const char* caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setProperty("en", caption);
        return m;
    };

    MenuFile = menu("MenuFile", "&File");
    MenuNew = Item(MenuFile, "MenuNew", "&New", QKeySequence("Ctrl+N"));
    MenuNewPage = Item(MenuFile, "MenuNewPage", "&New for actual page", QKeySequence("Ctrl+Alt+N"));
    MenuFile->addSeparator();
    MenuOpen = Item(MenuFile, "MenuOpen", "&Open", QKeySequence(Qt::Key_F3));
    MenuOpenExeDir = Item(MenuFile, "MenuOpenExeDir", "Open from exe dir", QKeySequence("Ctrl+F3"));
    MenuOpenPage = Item(MenuFile, "MenuOpenPage", "Open for actual page", QKeySequence("Shift+F3"));
    MenuFile->addSeparator();
    MenuSave = Item(MenuFile, "MenuSave", "&Save", QKeySequence(Qt::Key_F2));
    MenuSaveExeDir = Item(MenuFile, "MenuSaveExeDir", "Save to exe dir", QKeySequence("Ctrl+F2"));
    MenuFile->addSeparator();
    for (int i = 0; i < 9; ++i) {
        MenuHistory[i] = MenuFile->addAction(QString());
        MenuHistory[i]->setObjectName(QString("MenuHistory%1").arg(i + 1));
        MenuHistory[i]->setVisible(false);
        connect(MenuHistory[i], &QAction::triggered, this, [this, i] { OpenHistory(i + 1); });
    }
    MenuHistoryEnd = MenuFile->addSeparator();
    MenuHistoryEnd->setObjectName("MenuHistoryEnd");
    MenuHistoryEnd->setVisible(false);
    MenuPrint = Item(MenuFile, "MenuPrint", "&Print", QKeySequence("Ctrl+P"));
    MenuPrint->setEnabled(false); // printing is not offered in this build
    MenuFile->addSeparator();
    MenuExit = Item(MenuFile, "MenuExit", "E&xit");

    MenuCom = menu("MenuCom", "&Com");
    BuildComMenu();

    MenuDevice = menu("MenuDevice", "&Ignition");
    MenuRead = Item(MenuDevice, "MenuRead", "&Read", QKeySequence(Qt::Key_F7));
    MenuVerify = Item(MenuDevice, "MenuVerify", "&Verify", QKeySequence(Qt::Key_F8));
    MenuProgram = Item(MenuDevice, "MenuProgram", "&Program", QKeySequence(Qt::Key_F9));
    MenuDevice->addSeparator();
    MenuReset = Item(MenuDevice, "MenuReset", "&Reset");

    MenuTools = menu("MenuTools", "Tools");
    MenuAdvanceMinus = Item(MenuTools, "MenuAdvanceMinus", "Advance -", QKeySequence(Qt::Key_F4));
    MenuAdvancePlus = Item(MenuTools, "MenuAdvancePlus", "Advance +", QKeySequence(Qt::Key_F5));
    // Offered with their hints; no action is bound to them.
    MenuAdvanceMinus->setToolTip("Curve A minus");
    MenuAdvanceMinus->setStatusTip("Take off 1 degree of curve A");
    MenuAdvancePlus->setToolTip("Curve A plus");
    MenuAdvancePlus->setStatusTip("Add 1 degree of curve A");
    MenuZpet = Item(MenuTools, "MenuZpet", "Undo", QKeySequence("Ctrl+Z"));
    MenuZnovu = Item(MenuTools, "MenuZnovu", "Redo", QKeySequence("Ctrl+Alt+Z"));

    MenuLanguage = menu("MenuLanguage", "&Language");
    MenuEnglish = Item(MenuLanguage, "MenuEnglish", "&English");
    MenuGerman = Item(MenuLanguage, "MenuGerman", "&German - Deutsch");
    MenuFrench = Item(MenuLanguage, "MenuFrench", "&French - Francais");
    MenuCzech = Item(MenuLanguage, "MenuCzech", QString::fromUtf8("&Czech - Česky"));
    const QAction* langItems[] = {MenuEnglish, MenuGerman, MenuFrench, MenuCzech};
    for (int i = 0; i < 4; ++i) {
        auto* a = const_cast<QAction*>(langItems[i]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { SetLanguage(i); });
    }

    MenuHelp = menu("MenuHelp", "&Help");
    MenuContens = Item(MenuHelp, "MenuContens", "&Contents...", QKeySequence(Qt::Key_F1));
    MenuAbout = Item(MenuHelp, "MenuAbout", "&About...");

    connect(MenuNew, &QAction::triggered, this, [this] { New(false); });
    connect(MenuNewPage, &QAction::triggered, this, [this] { New(true); });
    connect(MenuOpen, &QAction::triggered, this, [this] { Open(false, false); });
    connect(MenuOpenExeDir, &QAction::triggered, this, [this] { Open(true, false); });
    connect(MenuOpenPage, &QAction::triggered, this, [this] { Open(false, true); });
    connect(MenuSave, &QAction::triggered, this, [this] { Save(false); });
    connect(MenuSaveExeDir, &QAction::triggered, this, [this] { Save(true); });
    connect(MenuExit, &QAction::triggered, this, &QWidget::close);
    connect(MenuRead, &QAction::triggered, this, &TFormHlav::Read);
    connect(MenuVerify, &QAction::triggered, this, &TFormHlav::Verify);
    connect(MenuProgram, &QAction::triggered, this, &TFormHlav::Program);
    connect(MenuReset, &QAction::triggered, this, &TFormHlav::Reset);
    connect(MenuZpet, &QAction::triggered, this, &TFormHlav::Undo);
    connect(MenuZnovu, &QAction::triggered, this, &TFormHlav::Redo);
    connect(MenuContens, &QAction::triggered, this, &TFormHlav::OpenManual);
    connect(MenuAbout, &QAction::triggered, this, &TFormHlav::ShowAbout);

    // Toolbar: Ctrl on Open and Save proposes the default file, as the exe-dir items do.
    connect(SpeedButtonNew, &QToolButton::clicked, this, [this] { New(false); });
    connect(SpeedButtonOpen, &QToolButton::clicked, this, [this] { Open(CtrlHeld(), false); });
    connect(SpeedButtonSave, &QToolButton::clicked, this, [this] { Save(CtrlHeld()); });
    connect(SpeedButtonZpet, &QToolButton::clicked, this, &TFormHlav::Undo);
    connect(SpeedButtonZnovu, &QToolButton::clicked, this, &TFormHlav::Redo);
    connect(ButtonRead, &QPushButton::clicked, this, &TFormHlav::Read);
    connect(BitBtnVerify, &QPushButton::clicked, this, &TFormHlav::Verify);
    connect(BitBtnProgram, &QPushButton::clicked, this, &TFormHlav::Program);
}

void TFormHlav::BuildComMenu() {
    auto* group = new QActionGroup(this);
    // A port given on the command line leaves every item unchecked.
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < 31; ++i) {
        QString caption = i == 30 ? QString("Com Auto") : QString("Com %1").arg(i + 1);
        if (i < 30 && options_.comCaption) caption = options_.comCaption(i);
        ComItems[i] = MenuCom->addAction(caption);
        ComItems[i]->setObjectName(QString("MenuCom%1").arg(i + 1));
        ComItems[i]->setCheckable(true);
        group->addAction(ComItems[i]);
        connect(ComItems[i], &QAction::triggered, this, [this, i] { ChoosePort(i); });
    }
}

void TFormHlav::ChoosePort(int index) {
    settings_.comPortIndex = index;
    link_->ChoosePort(index);
}

void TFormHlav::UpdateCaption() {
    const bool released = link_ && !link_->State().PortEnabled;
    setWindowTitle(ComposeWindowTitle(currentFile_, released ? releaseText_ : QString()));
}

// --- file commands ---

void TFormHlav::New(bool actualPage) {
    const int page = page_.activePage;
    const PageSelection sel =
        actualPage ? PageSelection::Only(PageGroup(page)) : PageSelection::All();
    // Every answer resets, as users of this program have always seen it.
    ShowMessageBox(this, {TBoxKind::Question, texts_.warning, texts_.defaultSetting});
    ApplyDefaults(image_, sel);
    ShowPages(false);
    ApplyChanges(CauseNew, sender());
    LabelHlaseni->hide();
    CGaugeProgram->hide();
    currentFile_.clear();
    UpdateCaption();
}

void TFormHlav::Open(bool presetDefault, bool actualPage) {
    const PageSelection sel =
        actualPage ? PageSelection::Only(PageGroup(page_.activePage)) : PageSelection::All();
    TFileDialogRequest r;
    r.title = "Open";
    r.filter = kFileFilter;
    r.defaultSuffix = "ign";
    if (presetDefault) dialogFile_ = defaultFile_;
    r.presetPath = dialogFile_;
    const QString path = ShowFileDialog(this, r);
    if (path.isEmpty()) return;
    dialogFile_ = path;
    if (settings_.firstRun) {
        settings_.firstRun = false;
        StoreSettings();
    }
    LoadFile(path, sel);
}

void TFormHlav::OpenFile(const QString& path, PageSelection sel) {
    LoadFile(path, sel);
}

// Item k (1..9) opens history entry k; entry 0 is the file in use.
void TFormHlav::OpenHistory(int item) {
    const auto& entries = settings_.history.entries;
    if (item < 1 || item >= int(entries.size()) || entries[item].empty()) return;
    LoadFile(QString::fromStdString(entries[item]), PageSelection::All());
}

void TFormHlav::RebuildHistoryMenu() {
    const auto& entries = settings_.history.entries;
    for (int k = 1; k <= 9; ++k) {
        const bool has = HistoryItemVisible(settings_.history, k);
        MenuHistory[k - 1]->setVisible(has);
        if (has) MenuHistory[k - 1]->setText(QString::fromStdString(HistoryCaption(k, entries[k])));
    }
    MenuHistoryEnd->setVisible(HistorySeparatorVisible(settings_.history));
}

void TFormHlav::Save(bool presetDefault) {
    TFileDialogRequest r;
    r.save = true;
    r.title = "Save";
    r.filter = kSaveFilter;
    r.defaultSuffix = "ign";
    if (presetDefault) dialogFile_ = defaultFile_;
    r.presetPath = dialogFile_;
    const QString path = ShowFileDialog(this, r);
    if (path.isEmpty()) return;
    dialogFile_ = path;
    if (!CanWriteFile(path)) {
        ShowMessageBox(this, {TBoxKind::Error, QString(), texts_.openFileError});
        return;
    }
    SetLogAction("MenuSave");
    ReadActivePage();
    NormaliseImage(image_);
    ShowPages(false);
    if (!SaveImageFile(path)) {
        ShowMessageBox(this, {TBoxKind::Error, QString(), texts_.openFileError});
        return;
    }
    currentFile_ = path;
    UpdateCaption();
    settings_.iniDir = settings_.file = path.toStdString();
    AddToHistory(settings_.history, path.toStdString());
    RebuildHistoryMenu();
}

// --- device commands ---

void TFormHlav::Read() {
    link_->StartRead();
    currentFile_.clear();
    UpdateCaption();
}

void TFormHlav::Verify() {
    SetLogAction("MenuVerify");
    ReadActivePage();
    NormaliseImage(image_);
    ShowPages(false);
    link_->StartVerify();
}

void TFormHlav::Program() {
    if (settings_.firstRun) {
        ShowMessageBox(this, {TBoxKind::Error, texts_.attention, texts_.newInstallation, true});
        return;
    }
    SetLogAction("MenuProgram");
    ReadActivePage();
    NormaliseImage(image_);
    ShowPages(false);
    link_->StartProgram();
}

void TFormHlav::Reset() {
    link_->StartReset();
}

void TFormHlav::SetLanguage(int lang) {
    settings_.language = lang;
    ApplyLanguage();
    ShowPages(false);
}

void TFormHlav::OpenManual() {
    const QString path = QDir::current().absoluteFilePath(texts_.helpFile);
    const bool ok = QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!ok) ShowMessageBox(this, {TBoxKind::Error, QString(), texts_.helpError});
}

void TFormHlav::ShowAbout() {
    TFormAbout about(this);
    about.exec();
}

void TFormHlav::DropFiles(const QStringList& paths) {
    for (const QString& p : paths) {
        if (p.size() >= 4 && p.right(4).toLower() == ".ign") {
            // The dialogs propose the dropped name; the file is opened under
            // its real name (file names are case-sensitive here).
            dialogFile_ = p;
            LoadFile(p, PageSelection::All());
            return;
        }
    }
}

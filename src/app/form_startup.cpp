#include "app/form_hlav.h"

#include "app/form_link_observer.h"
#include "files/image_backup.h"
#include "files/window_fit.h"
#include "lang/startup_language.h"
#include "model/defaults.h"
#include "model/normalise.h"
#include "platform/locations.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {
// A null port for a window started without one (tests of the pages).
class TNoPort : public ISerialPort {
  public:
    bool Open(const std::string&) override { return false; }
    void Close() override {}
    bool IsOpen() const override { return false; }
    int BytesWaiting() override { return 0; }
    int Read(uint8_t*, int) override { return 0; }
    bool Write(const uint8_t*, int) override { return false; }
    void WaitTransmitEmpty() override {}
};
} // namespace

TFormHlav::TFormHlav(TFormOptions options) : options_(std::move(options)) {
    commandLine_ = ParseCommandLine(options_.arguments);
    port_ = options_.makePort ? options_.makePort() : nullptr;
    if (!port_) port_ = std::make_unique<TNoPort>();
    observer_ = std::make_unique<Observer>(*this);
    link_ = std::make_unique<TLinkEngine>(image_, *port_, *observer_);
    // Replies are examined as they arrive (outside a tick), so a transfer is
    // not held to one frame per tick.
    port_->SetDataArrived([this] {
        if (!inTick_) link_->PollReceive();
    });
    link_->SetTranslator([this](std::string_view en) {
        return TrText(QString::fromUtf8(en.data(), qsizetype(en.size())), Lang()).toStdString();
    });
    if (options_.portNamer) link_->SetPortNamer(options_.portNamer);
    if (!commandLine_.fixedPort.isEmpty())
        link_->SetFixedDevice(commandLine_.fixedPort.toStdString());

    BuildWindow();
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(55);
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    FormCreate();
    if (options_.runTimer) Timer1->start();
}

TFormHlav::~TFormHlav() {
    if (!closed_) FormClose();
}

void TFormHlav::FormCreate() {
    // The status bar shows the long part of the hint under the mouse.
    statusBar()->showMessage(QString());
    values_ = TPageValues{};
    built_ = true;

    // The factory image until the backup of the last run replaces it.
    image_ = StartupImage();

    // Centred on the screen.
    resize(1010, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
    defaultFile_ = QDir(options_.programDir.isEmpty() ? QApplication::applicationDirPath()
                                                      : options_.programDir)
                       .filePath("data.ign");

    // Settings, then the image backup over the defaults.
    settings_ = TSettings{};
    settings_.left = x();
    settings_.top = y();
    settings_.width = width();
    settings_.height = height();
    LoadSettings(SettingsFilePath(), settings_);
    PlaceWindow();
    currentFile_ = QString::fromStdString(settings_.file);
    dialogFile_ = QString::fromStdString(settings_.iniDir);
    LoadImageBackup(ImageBackupFilePath(), image_);
    RebuildHistoryMenu();
    std::optional<std::string_view> firstArg;
    const std::string arg0 =
        options_.arguments.isEmpty() ? std::string() : options_.arguments.first().toStdString();
    if (!options_.arguments.isEmpty()) firstArg = arg0;
    settings_.language = StartupLanguage(settings_.language, firstArg);

    NormaliseImage(image_);
    ClampSettings(settings_);
    link_->SetChosenPort(settings_.comPortIndex);
    link_->SetScanPort(settings_.comScanIndex);
    texts_ = MakeWindowTexts(Lang());
    ApplyPageTexts();
    const int page = std::clamp(settings_.activePage, 0, kPageTabCount - 1);
    if (PageControl1->isTabVisible(page)) SelectPage(page);
    page_.activePage = PageControl1->currentIndex();
    ShowPages(false);
    undo_.Reset(image_, page_.activePage);
    UpdateUndoControls();
    ApplyLanguage();
    link_->OpenPort();
    ShowPages(false);

    LabelHlaseni->hide();
    CGaugeProgram->hide();
    CGaugeProgram->setMaximum(5);
    LabelEeDataErr->hide();
    LabelVersion->hide();

    log_.path = DiagnosticLogPath();
    log_.debug = debug_ = DebugMarkerPresent(DebugMarkerPath());
    LogPanel->setVisible(debug_);
    RefreshLiveDisplay();
    LabelSpojeni->setVisible(link_->State().SilenceCounter >= kSilenceLimit);
    setAcceptDrops(true);
}

// The stored bounds, moved onto a monitor that exists now.
void TFormHlav::PlaceWindow() {
    std::vector<TRect> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->availableGeometry();
        monitors.push_back({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    }
    if (settings_.width <= 0 || settings_.height <= 0) return;
    const TRect r =
        FitWindowToMonitors({settings_.left, settings_.top, settings_.left + settings_.width,
                             settings_.top + settings_.height},
                            monitors);
    setGeometry(r.left, r.top, r.width(), r.height());
}

void TFormHlav::StoreSettings() {
    settings_.activePage = page_.activePage;
    settings_.comPortIndex = link_->State().ChosenPort;
    settings_.comScanIndex = link_->State().ScanPort;
    settings_.file = currentFile_.toStdString();
    const QRect g = geometry();
    settings_.left = g.x();
    settings_.top = g.y();
    settings_.width = g.width();
    settings_.height = g.height();
    SaveSettings(SettingsFilePath(), settings_);
    SaveImageBackup(ImageBackupFilePath(), image_);
}

void TFormHlav::FormClose() {
    if (closed_) return;
    closed_ = true;
    Timer1->stop();
    link_->ClosePort();
    ReadActivePage();
    NormaliseImage(image_);
    ClampSettings(settings_);
    StoreSettings();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormHlav::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFormHlav::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& u : event->mimeData()->urls())
        if (u.isLocalFile()) paths << u.toLocalFile();
    DropFiles(paths);
    event->acceptProposedAction();
}

void TFormHlav::BootloaderMessage(int portIndex, uint32_t code) {
    link_->BootloaderMessage(portIndex, code);
}

#include "app/form_hlav.h"

#include "dialogs/logo_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

// A hint "short|long": the short part pops up, the long part goes to the status bar.
void SetHint(QWidget* w, const QString& hint) {
    const int bar = hint.indexOf('|');
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

namespace {
QLabel* LiveLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAutoFillBackground(true);
    l->setMinimumWidth(250);
    return l;
}

QToolButton* ToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize({22, 22});
    b->setAutoRaise(true);
    SetHint(b, hint);
    return b;
}

QPushButton* PushButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setProperty("en", caption);
    SetHint(b, hint);
    return b;
}

QLabel* RedLabel(QWidget* parent, const char* name, const QString& english) {
    auto* l = new QLabel(english, parent);
    l->setObjectName(name);
    l->setProperty("en", english);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet("color: red;");
    return l;
}
} // namespace

void TFormHlav::BuildWindow() {
    setObjectName("FormHlav");
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);

    BuildToolBar(central);
    outer->addWidget(GroupBoxToolBar);

    auto* middle = new QHBoxLayout;
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setFixedSize(700, 530);
    middle->addWidget(PageControl1, 0, Qt::AlignTop);
    auto* live = new QWidget(central);
    live->setObjectName("PanelLive");
    BuildLivePanel(live);
    middle->addWidget(live, 1, Qt::AlignTop);
    outer->addLayout(middle);

    auto* bottom = new QWidget(central);
    BuildStatusArea(bottom);
    outer->addWidget(bottom);

    LogPanel = new QFrame(central);
    BuildLogPanel(LogPanel);
    outer->addWidget(LogPanel);
    outer->addStretch(1);

    setStatusBar(new QStatusBar(this));
    statusBar()->setObjectName("StatusBar1");

    BuildPages();
    BuildMenus();
}

void TFormHlav::BuildToolBar(QWidget* parent) {
    GroupBoxToolBar = new QFrame(parent);
    GroupBoxToolBar->setObjectName("GroupBoxToolBar");
    GroupBoxToolBar->setFrameShape(QFrame::StyledPanel);
    auto* lay = new QHBoxLayout(GroupBoxToolBar);
    lay->setContentsMargins(4, 2, 4, 2);
    SpeedButtonNew = ToolButton(GroupBoxToolBar, "SpeedButtonNew", QStyle::SP_FileIcon,
                                "New|Set default parametrs");
    SpeedButtonOpen = ToolButton(GroupBoxToolBar, "SpeedButtonOpen", QStyle::SP_DialogOpenButton,
                                 "Open|Open file with parametrs");
    SpeedButtonSave = ToolButton(GroupBoxToolBar, "SpeedButtonSave", QStyle::SP_DialogSaveButton,
                                 "Save|Save parametrs to file");
    SpeedButtonPrint = ToolButton(GroupBoxToolBar, "SpeedButtonPrint",
                                  QStyle::SP_FileDialogDetailedView, "Print|Print parametrs");
    SpeedButtonZpet = ToolButton(GroupBoxToolBar, "SpeedButtonZpet", QStyle::SP_ArrowBack, "Undo");
    SpeedButtonZnovu =
        ToolButton(GroupBoxToolBar, "SpeedButtonZnovu", QStyle::SP_ArrowForward, "Redo");
    ButtonRead =
        PushButton(GroupBoxToolBar, "ButtonRead", "&Read", "Read|Reading parametrs from ignition");
    BitBtnVerify = PushButton(GroupBoxToolBar, "BitBtnVerify", "&Verify",
                              "Verify|Compare set parametrs  with parametrs of ignition");
    BitBtnProgram = PushButton(GroupBoxToolBar, "BitBtnProgram", "&Program",
                               "Programing|Programing  set parametrs to ignition");
    BitBtnVerify->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtnProgram->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    for (QWidget* w :
         {static_cast<QWidget*>(SpeedButtonNew), static_cast<QWidget*>(SpeedButtonOpen),
          static_cast<QWidget*>(SpeedButtonSave), static_cast<QWidget*>(SpeedButtonPrint)})
        lay->addWidget(w);
    lay->addSpacing(12);
    lay->addWidget(SpeedButtonZpet);
    lay->addWidget(SpeedButtonZnovu);
    lay->addSpacing(12);
    lay->addWidget(ButtonRead);
    lay->addWidget(BitBtnVerify);
    lay->addWidget(BitBtnProgram);
    lay->addSpacing(12);
    CheckBoxProgHned = new QCheckBox("Programming after change", GroupBoxToolBar);
    CheckBoxProgHned->setObjectName("CheckBoxProgHned");
    CheckBoxProgHned->setProperty("en", "Programming after change");
    lay->addWidget(CheckBoxProgHned);
    lay->addStretch(1);
    // Printing is not offered in this build.
    SpeedButtonPrint->setEnabled(false);
}

void TFormHlav::BuildStatusArea(QWidget* parent) {
    auto* lay = new QGridLayout(parent);
    lay->setContentsMargins(0, 0, 0, 0);
    LabelHlaseni = new QLabel(parent);
    LabelHlaseni->setObjectName("LabelHlaseni");
    QFont bold = LabelHlaseni->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    LabelHlaseni->setFont(bold);
    LabelHlaseni->setAutoFillBackground(true);
    LabelHlaseni->setMinimumWidth(400);
    CGaugeProgram = new QProgressBar(parent);
    CGaugeProgram->setObjectName("CGaugeProgram");
    CGaugeProgram->setTextVisible(false);
    CGaugeProgram->setMaximumHeight(10);
    CGaugeProgram->setRange(0, 5);
    LabelSpojeni = RedLabel(parent, "LabelSpojeni", "No Connection");
    LabelCom = new QLabel(parent);
    LabelCom->setObjectName("LabelCom");
    LabelFile1 = new QLabel(parent);
    LabelFile1->setObjectName("LabelFile1");
    LabelFile1->hide();
    lay->addWidget(LabelHlaseni, 0, 0);
    lay->addWidget(CGaugeProgram, 1, 0);
    lay->addWidget(LabelSpojeni, 0, 1);
    lay->addWidget(LabelCom, 0, 2);
    lay->setColumnStretch(0, 1);
}

void TFormHlav::BuildLivePanel(QWidget* parent) {
    auto* lay = new QVBoxLayout(parent);
    lay->setContentsMargins(4, 24, 4, 0);
    lay->setSpacing(3);
    LabelRpm = LiveLabel(parent, "LabelRpm");
    QFont big = LabelRpm->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 3);
    LabelRpm->setFont(big);
    CGaugeRpm = new QProgressBar(parent);
    CGaugeRpm->setObjectName("CGaugeRpm");
    CGaugeRpm->setRange(0, 100);
    CGaugeRpm->setTextVisible(false);
    CGaugeRpm->setMaximumHeight(14);
    LabelNapeti = LiveLabel(parent, "LabelNapeti");
    lay->addWidget(LabelRpm);
    lay->addWidget(CGaugeRpm);
    lay->addWidget(LabelNapeti);
    lay->addSpacing(6);
    const char* advNames[] = {"LabelAdvance1", "LabelAdvance2", "LabelAdvance3", "LabelAdvance4"};
    for (int i = 0; i < 4; ++i) lay->addWidget(LabelAdvance[i] = LiveLabel(parent, advNames[i]));
    lay->addSpacing(6);
    lay->addWidget(LabelMonSnimac[0] = LiveLabel(parent, "LabelMonSnimac1"));
    lay->addWidget(LabelMonSnimac[1] = LiveLabel(parent, "LabelMonSnimac2"));
    for (auto* l : LabelMonSnimac) l->setWordWrap(true);
    lay->addSpacing(6);
    lay->addWidget(LabelKillSwitch = LiveLabel(parent, "LabelKillSwitch"));
    lay->addWidget(LabelBlocking1 = LiveLabel(parent, "LabelBlocking1"));
    lay->addWidget(LabelClutchMon = LiveLabel(parent, "LabelClutchMon"));
    lay->addWidget(LabelMonRetard = LiveLabel(parent, "LabelMonRetard"));
    lay->addWidget(LabelMonStartLimiterOut = LiveLabel(parent, "LabelMonStartLimiterOut"));
    lay->addWidget(LabelMonPOut[0] = LiveLabel(parent, "LabelMonPOut1"));
    lay->addWidget(LabelMonPOut[1] = LiveLabel(parent, "LabelMonPOut2"));
    lay->addWidget(LabelPriveraPoz = LiveLabel(parent, "LabelPriveraPoz"));
    lay->addWidget(LabelPriveraMer = LiveLabel(parent, "LabelPriveraMer"));
    lay->addSpacing(6);
    LabelVersion = RedLabel(parent, "LabelVersion", QString());
    LabelVersion->setWordWrap(true);
    LabelEeDataErr = RedLabel(parent, "LabelEeDataErr", "Programmed data error");
    LabelDwellCalibError =
        RedLabel(parent, "LabelDwellCalibError", "Stored dwell calibration value out of limits");
    LabelDwellCalibError->setWordWrap(true);
    lay->addWidget(LabelVersion);
    lay->addWidget(LabelEeDataErr);
    lay->addWidget(LabelDwellCalibError);
    for (int i = 0; i < 8; ++i) {
        LabelTest[i] = LiveLabel(parent, QString("LabelTest%1").arg(i + 1).toLatin1().constData());
        lay->addWidget(LabelTest[i]);
    }
    lay->addStretch(1);
    // The product logo below the live values.
    auto* logo = new TLogoWidget(parent);
    logo->setObjectName("ImageLogo");
    lay->addWidget(logo, 0, Qt::AlignHCenter);
}

void TFormHlav::BuildLogPanel(QWidget* parent) {
    auto* lay = new QHBoxLayout(parent);
    lay->setContentsMargins(0, 0, 0, 0);
    LogOpen = new QPushButton("Log Open", parent);
    LogOpen->setObjectName("LogOpen");
    LogFind = new QPushButton("Log find and load", parent);
    LogFind->setObjectName("LogFind");
    Log_Edit = new QLineEdit(parent);
    Log_Edit->setObjectName("Log_Edit");
    Log_Edit->setMaximumWidth(240);
    lay->addWidget(LogOpen);
    lay->addWidget(LogFind);
    lay->addWidget(Log_Edit);
    lay->addStretch(1);
    connect(LogOpen, &QPushButton::clicked, this, &TFormHlav::LogOpenClick);
    connect(LogFind, &QPushButton::clicked, this, &TFormHlav::LogFindClick);
}

void TFormHlav::BuildPages() {
    static const char* const kNames[kPageTabCount] = {"TabSheetRuzne",   "TabSheetBike",
                                                      "TabSheetAdvance", "TabSheetPwrOut",
                                                      "TabSheetServo",   "TabSheet_Ladeni"};
    static const char* const kCaptions[kPageTabCount] = {"Miscellaneous", "Bike",  "Advance Map",
                                                         "Power Out",     "Servo", "Test"};
    for (int i = 0; i < kPageTabCount; ++i) {
        TabSheets[i] = new QWidget;
        TabSheets[i]->setObjectName(kNames[i]);
        TabSheets[i]->setProperty("en", kCaptions[i]);
        PageControl1->addTab(TabSheets[i], kCaptions[i]);
    }
    misc.Build(TabSheets[PageMisc]);
    bike.Build(TabSheets[PageBike]);
    advance.Build(TabSheets[PageAdvance]);
    test.Build(TabSheets[PageTest]);
    // Power outputs and the servo are carried in the image but not offered here.
    PageControl1->setTabVisible(PagePowerOut, false);
    PageControl1->setTabVisible(PageServo, false);
    ConnectPageEvents();
}

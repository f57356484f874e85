#include "app/form_hlav.h"

#include "app/form_link_observer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTabWidget>

namespace {
// Only what changed is touched: this runs on every tick.
void Paint(QLabel* w, const TLabel& l) {
    const QString text = QString::fromStdString(l.text);
    if (w->text() != text) w->setText(text);
    const QString c = ColourCss(l.colour);
    const QString css = c.isEmpty() ? QString() : "background: " + c + ";";
    if (w->styleSheet() != css) w->setStyleSheet(css);
    if (w->isHidden() == l.visible) w->setVisible(l.visible);
    if (w->isEnabled() != l.enabled) w->setEnabled(l.enabled);
}

void SetCss(QWidget* w, const QString& css) {
    if (w->styleSheet() != css) w->setStyleSheet(css);
}
} // namespace

void TFormHlav::Timer1Timer() {
    // A box opened by a step runs its own event loop; no tick may start inside one.
    if (inTick_) return;
    inTick_ = true;
    const auto done = qScopeGuard([this] { inTick_ = false; });
    ++tickTotal_;
    // A deferred up-down click is applied once its quiet time has passed.
    if (page_.upDown.pending && tickTotal_ >= page_.upDown.deadline)
        ApplyChanges(CauseUpDown, page_.upDown.sender);
    link_->PollReceive();
    link_->OperationTick();
    link_->StatusTick();
    link_->SuperviseConnection();
    RefreshLiveDisplay();
    if (link_->State().NoConnectionShown) LabelVersion->hide();
    UpdateAvailability();
    if (page_.activePage == PageAdvance) SpeedIndicator();
}

// The live elements: look of the window, monitor labels, the page's own labels.
void TFormHlav::RefreshLiveDisplay() {
    statusBar()->setVisible(!printing_);
    GroupBoxToolBar->setVisible(!printing_);
    CheckBoxProgHned->setVisible(!printing_);
    SetCss(CheckBoxProgHned, CheckBoxProgHned->isChecked() ? "color: red;" : "");
    PaintMonitorLabels();
}

void TFormHlav::PaintMonitorLabels() {
    TMonitorLabels m = link_->Labels();
    ApplyLabelRules(m, link_->Live(), image_, link_->State().Connected);
    if (link_->HasLiveValues()) {
        Paint(LabelRpm, m.rpm);
        CGaugeRpm->setValue(std::clamp(m.rpmGauge, 0, 100));
        Paint(LabelNapeti, m.voltage);
        for (int i = 0; i < 4; ++i) Paint(LabelAdvance[i], m.advance[i]);
        for (int i = 0; i < 2; ++i) Paint(LabelMonSnimac[i], m.pickup[i]);
        for (int i = 0; i < 2; ++i) Paint(LabelMonPOut[i], m.powerOut[i]);
        Paint(LabelBlocking1, m.motorOff);
        Paint(LabelMonStartLimiterOut, m.startLimiter);
        Paint(LabelMonRetard, m.retard);
        Paint(LabelPriveraPoz, m.servoDesired);
        Paint(LabelPriveraMer, m.servoMeasured);
        Paint(LabelClutchMon, m.clutch);
        Paint(LabelKillSwitch, m.killSwitch);
        Paint(misc.LabelMonInput1In, m.input[0]);
        Paint(bike.LabelPocetProgramovani, m.programmings);
        for (int i = 0; i < 8; ++i) {
            m.test[i].visible = debug_; // the unit's test values are for debugging only
            Paint(LabelTest[i], m.test[i]);
        }
        LabelVersion->setText(QString::fromStdString(m.version.text));
        LabelVersion->setVisible(m.version.visible);
        LabelEeDataErr->setVisible(m.dataError.visible);
    } else {
        // Before the first packet only the visibility rules apply.
        for (int i = 0; i < 4; ++i) LabelAdvance[i]->setVisible(m.advance[i].visible);
        LabelMonSnimac[1]->setVisible(m.pickup[1].visible);
        LabelPriveraPoz->setVisible(m.servoDesired.visible);
        LabelPriveraMer->setVisible(m.servoMeasured.visible);
        for (auto* l : {LabelBlocking1, LabelClutchMon, LabelKillSwitch, LabelMonRetard,
                        LabelMonStartLimiterOut})
            l->setEnabled(false);
        LabelBlocking1->setEnabled(m.motorOff.enabled);
        LabelClutchMon->setEnabled(m.clutch.enabled);
        LabelKillSwitch->setEnabled(m.killSwitch.enabled);
        LabelMonRetard->setEnabled(m.retard.enabled);
        LabelMonStartLimiterOut->setEnabled(m.startLimiter.enabled);
    }
    LabelDwellCalibError->setVisible(m.dwellCalibError.visible);
    CGaugeRpm->setVisible(!printing_);
    if (!link_->HasLiveValues())
        for (int i = 0; i < 8; ++i) LabelTest[i]->setVisible(debug_);
}

// The parameter pages and the device commands need a unit of our version.
void TFormHlav::UpdateAvailability() {
    const bool ok = LabelVersion->isHidden();
    auto setTab = [this](int p, bool visible) {
        if (PageControl1->isTabVisible(p) != visible) PageControl1->setTabVisible(p, visible);
    };
    for (int p : {PageMisc, PageBike, PageAdvance}) setTab(p, ok);
    setTab(PagePowerOut, false);
    setTab(PageServo, false);
    for (QPushButton* b : {ButtonRead, BitBtnVerify, BitBtnProgram}) b->setEnabled(ok);
    for (QAction* a : {MenuRead, MenuVerify, MenuProgram}) a->setEnabled(ok);
}

// The base-advance label lights up while the engine runs below the map's first speed.
void TFormHlav::SpeedIndicator() {
    const int firstSpeed = image_.get(Field::AdvSpeedAxis, 0) * 100;
    const bool below = link_->HasLiveValues() && link_->Live().speed < firstSpeed;
    SetCss(advance.LabelBaseAdv, below ? "background: lime;" : "");
}

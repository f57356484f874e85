#include "app/form_link_observer.h"

#include "app/message_box.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

QString ColourCss(ColourRole role) {
    switch (role) {
    case ColourRole::Error: return "red";
    case ColourRole::Warning: return "yellow";
    case ColourRole::Lime: return "lime";
    case ColourRole::Teal: return "teal";
    case ColourRole::Fuchsia: return "fuchsia";
    case ColourRole::Aqua: return "aqua";
    case ColourRole::White: return "white";
    case ColourRole::Normal: break;
    }
    return {};
}

void TFormHlav::Observer::StatusChanged(const TStatusDisplay& s) {
    form_.ShowStatus(s);
}

void TFormHlav::Observer::ShowMessage(const std::string& text) {
    form_.MessageFromLink(text);
}

void TFormHlav::Observer::ShowImage() {
    form_.ShowPages(false);
}

void TFormHlav::Observer::LogRecord(std::string_view action, int number) {
    form_.log_.action = std::string(action);
    form_.log_.source.clear();
    form_.log_.sourceNumber = number;
    WriteLogRecord(form_.log_, form_.image_);
}

void TFormHlav::Observer::ReadCompleted() {
    if (!form_.settings_.firstRun) return;
    form_.settings_.firstRun = false;
    form_.StoreSettings();
}

void TFormHlav::Observer::PortReleased(const std::string& releaseText) {
    form_.releaseText_ = QString::fromStdString(releaseText);
    form_.UpdateCaption();
}

void TFormHlav::Observer::PortReturned() {
    form_.ApplyLanguage();
}

void TFormHlav::Observer::PortLabelChanged(const std::string& text) {
    // A device given on the command line is shown in full.
    form_.LabelCom->setText(form_.commandLine_.fixedPort.isEmpty()
                                ? QString::fromStdString(text)
                                : "Port= " + form_.commandLine_.fixedPort);
}

void TFormHlav::Observer::PortMenuChecked(int index) {
    const bool fixed = !form_.commandLine_.fixedPort.isEmpty();
    for (int i = 0; i < int(form_.ComItems.size()); ++i)
        form_.ComItems[i]->setChecked(!fixed && i == index);
}

void TFormHlav::Observer::MonitorUpdated() {
    form_.PaintMonitorLabels();
    form_.UpdateAvailability();
}

void TFormHlav::Observer::Pickup2Changed() {
    form_.RefreshLiveDisplay();
}

void TFormHlav::Observer::ConnectionChanged(bool noConnection) {
    form_.LabelSpojeni->setVisible(noConnection && !form_.printing_);
}

void TFormHlav::ShowStatus(const TStatusDisplay& s) {
    LabelHlaseni->setText(QString::fromStdString(s.text));
    const QString bg = printing_ ? QString("white") : ColourCss(s.colour);
    LabelHlaseni->setStyleSheet(bg.isEmpty() ? QString() : "background: " + bg + ";");
    LabelHlaseni->setVisible(s.labelVisible && !printing_);
    CGaugeProgram->setMaximum(s.gaugeMax);
    CGaugeProgram->setValue(std::min(s.gaugeProgress, s.gaugeMax));
    CGaugeProgram->setVisible(s.gaugeVisible);
}

// The link reports from inside a tick; its boxes are shown once the tick is over.
void TFormHlav::MessageFromLink(const std::string& text) {
    pendingMessages_.push_back(QString::fromStdString(text));
    QTimer::singleShot(0, this, &TFormHlav::ShowPendingMessages);
}

void TFormHlav::ShowPendingMessages() {
    while (!pendingMessages_.isEmpty()) {
        const QString text = pendingMessages_.takeFirst();
        ShowMessageBox(this, {TBoxKind::Error, QString(), text});
    }
}

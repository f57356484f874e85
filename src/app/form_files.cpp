#include "app/form_hlav.h"

#include "app/message_box.h"
#include "files/log_finder.h"
#include "files/param_file_format.h"
#include "files/param_file_load.h"
#include "lang/text_sets.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {
QString MessageText(const std::string& key, int lang) {
    if (key == kMsgOlderFileVersion) return QString::fromStdString(OldFileWarningText(lang));
    return TrText(QString::fromStdString(key), lang);
}
} // namespace

bool TFormHlav::LoadFile(const QString& path, PageSelection sel) {
    const TParamLoadOutcome out = LoadParamFile(path.toStdString(), image_, sel);
    for (const std::string& m : out.messages)
        ShowMessageBox(this, {TBoxKind::Information, QString(), MessageText(m, Lang())});
    if (out.accepted()) {
        log_.action = "FormFinalise";
        ShowPages(true);
        ApplyChanges(CauseFileLoaded, nullptr);
        currentFile_ = path;
        UpdateCaption();
        settings_.iniDir = path.toStdString();
        settings_.file = path.toStdString();
        dialogFile_ = path;
        AddToHistory(settings_.history, path.toStdString());
        RebuildHistoryMenu();
    }
    LabelHlaseni->hide();
    CGaugeProgram->hide();
    return out.accepted();
}

bool TFormHlav::SaveImageFile(const QString& path) {
    TParamFileFooter footer = DefaultParamFileFooter();
    const TUnitInfo& info = link_->UnitInfo();
    footer.hexDate = info.Date();
    footer.hexTime = info.Time();
    footer.hexName = info.Name();
    if (link_->State().Connected && link_->HasLiveValues())
        footer.monCalibCoef = link_->Live().dwellCoefficient;
    return SaveParamFile(path.toStdString(), image_, footer).saved;
}

// --- diagnostic log viewer (debug mode) ---

void TFormHlav::LogOpenClick() {
    logViewerPath_.clear();
    TFileDialogRequest r;
    r.title = "Log Open";
    const QString path = ShowFileDialog(this, r);
    if (!path.isEmpty() && QFileInfo(path).isReadable()) logViewerPath_ = path;
    const bool open = !logViewerPath_.isEmpty();
    LogFind->setVisible(open);
    Log_Edit->setVisible(open);
}

void TFormHlav::LogFindClick() {
    if (logViewerPath_.isEmpty() || Log_Edit->text().isEmpty()) return;
    const TLogFindResult r =
        FindInLogFile(logViewerPath_.toStdString(), Log_Edit->text().toStdString());
    Log_Edit->setText(QString::fromStdString(r.editText));
    if (!r.found) return;
    // Taken as it is: no change cycle, no undo step, no log record.
    image_ = r.image;
    ShowPages(true);
}

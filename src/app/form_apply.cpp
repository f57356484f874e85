#include "app/form_hlav.h"

#include "app/message_box.h"
#include "model/normalise.h"
#include "model/presets.h"
#include "model/sync_change.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

// --- event wiring ---

void TFormHlav::WatchEdit(QLineEdit* edit) {
    edit->installEventFilter(this);
    // Typed text not yet taken is taken when the page is switched.
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (!page_.refreshing) editTyped_ = true;
    });
}

void TFormHlav::ConnectPageEvents() {
    auto watchPair = [this](TEditPair& p) {
        WatchEdit(p.edit);
        p.updown->onClick = [this](TUpDown* u) { UpDownClicked(u); };
    };
    for (auto* p : misc.Pairs()) watchPair(*p);
    for (auto* p : bike.Pairs()) watchPair(*p);
    watchPair(advance.BaseAdv);
    for (auto& p : advance.KorAdv) watchPair(p);

    connect(misc.RadioGroupInput1.group, &QButtonGroup::idClicked, this,
            [this] { ControlChanged(CauseRadioGroup, misc.RadioGroupInput1.box); });
    for (auto* c : bike.CheckBoxes())
        connect(c, &QCheckBox::clicked, this, [this, c] { ControlChanged(CauseCheckBox, c); });
    connect(CheckBoxProgHned, &QCheckBox::clicked, this,
            [this] { ControlChanged(CauseCheckBox, CheckBoxProgHned); });
    connect(bike.ComboBoxNasobekPalcu, &QComboBox::activated, this,
            [this] { ControlChanged(CauseLeaveEdit, bike.ComboBoxNasobekPalcu); });
    connect(bike.ComboBoxSynchro, &QComboBox::activated, this, &TFormHlav::SyncMethodChanged);
    for (int i = 0; i < 3; ++i)
        connect(test.ButtonTestIgn[i], &QPushButton::clicked, this,
                [this, i] { TestButtonClick(i + 1); });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFormHlav::PageControl1Change);
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::ShortcutOverride) {
        // Undo and redo of the parameters win over the edit's own text undo.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->modifiers() | key->key());
        if (pressed == MenuZpet->shortcut() || pressed == MenuZnovu->shortcut()) {
            event->ignore();
            return true;
        }
    }
    if (edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The arrow keys step the value as the arrows beside the edit do.
        auto* updown = dynamic_cast<TUpDown*>(edit->property("updown").value<QObject*>());
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && updown && !updown->isHidden() &&
            edit->isEnabled()) {
            key == Qt::Key_Up ? updown->ClickUp() : updown->ClickDown();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter takes the value and moves on, as in a form.
            enterPressed_ = true;
            focusNextChild();
            enterPressed_ = false;
            ControlChanged(CauseEnter, edit);
            return true;
        }
    }
    if (edit && event->type() == QEvent::FocusOut && !enterPressed_) {
        // Leaving the edit counts; the window losing focus to a menu or a
        // message box does not (a box shown in the middle of loading a file
        // must not write the old controls over the new image).
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ControlChanged(CauseLeaveEdit, edit);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormHlav::ControlChanged(int cause, QObject* sender) {
    if (page_.refreshing || !built_) return;
    ApplyChanges(cause, sender);
}

void TFormHlav::UpDownClicked(QObject* sender) {
    if (page_.refreshing || !built_) return;
    // Quick clicks on one up-down are gathered into one change; a click on
    // another control first applies the waiting one.
    if (page_.upDown.pending && page_.upDown.sender != sender)
        ApplyChanges(CauseUpDown, page_.upDown.sender);
    page_.upDown = {sender, true, tickTotal_ + kUpDownDelayTicks};
}

void TFormHlav::SyncMethodChanged() {
    if (page_.refreshing || !built_) return;
    const int method = bike.ComboBoxSynchro->currentIndex();
    const auto ask = [this] {
        switch (ShowMessageBox(this, {TBoxKind::Question, texts_.warning, texts_.defaultSetting})) {
        case TBoxAnswer::Yes: return DefaultAnswer::Yes;
        case TBoxAnswer::No: return DefaultAnswer::No;
        default: return DefaultAnswer::Cancel;
        }
    };
    const SyncChangeResult r =
        ChangeSyncMethod(image_, values_, PresetIndexForCode(values_.bikeCode), method, ask);
    if (r.cancelled) {
        ShowPages(false);
        return;
    }
    ShowPages(false);
    ApplyChanges(r.changeCause, bike.ComboBoxSynchro);
}

void TFormHlav::TestButtonClick(int channel) {
    link_->RequestTestFire(channel);
}

void TFormHlav::PageControl1Change(int index) {
    // An edit or arrow click still waiting on the page being left is applied
    // there first, so switching pages never loses it.
    if (built_ && index != page_.activePage && !page_.refreshing && !page_.guard &&
        (editTyped_ || page_.upDown.pending))
        ApplyChanges(CauseLeaveEdit, PageControl1);
    page_.activePage = index;
    if (built_) ShowPage(index);
}

void TFormHlav::SelectPage(int index) {
    PageControl1->setCurrentIndex(index);
}

// --- pages <-> values <-> image ---

void TFormHlav::ReadPage(int page) {
    switch (page) {
    case PageMisc: misc.Read(values_); break;
    case PageBike: bike.Read(values_); break;
    case PageAdvance: advance.Read(values_); break;
    default: break; // the other pages hold no visible values
    }
}

void TFormHlav::ShowPage(int page) {
    const bool wasRefreshing = page_.refreshing;
    page_.refreshing = true;
    switch (page) {
    case PageMisc:
        PinMiscPageValues(values_);
        misc.Show(values_);
        break;
    case PageBike:
        PinBikePageValues(values_);
        ForceSecondEdgesForMethod8(values_);
        bike.Show(values_);
        break;
    case PageAdvance: advance.Show(values_); break;
    default: break;
    }
    UpdatePageStates(page);
    page_.refreshing = wasRefreshing;
}

void TFormHlav::UpdatePageStates(int page) {
    switch (page) {
    case PageMisc: misc.UpdateStates(values_); break;
    case PageBike: bike.UpdateStates(values_); break;
    case PageAdvance: advance.UpdateStates(values_); break;
    default: break;
    }
}

void TFormHlav::ShowHeaderLabels() {
    const TUnitInfo& info = link_->UnitInfo();
    bike.LabelVerze1->setText(QString::fromStdString(info.Name()));
    bike.LabelVerze2->setText(QString::fromStdString(info.Date()));
    bike.LabelVerze3->setText(QString::fromStdString(info.Time()));
}

void TFormHlav::ShowPages(bool all) {
    if (page_.guard) return;
    page_.guard = true;
    ImageToValues(image_, values_);
    ShowHeaderLabels();
    if (all)
        for (int p = 0; p < kPageTabCount; ++p) ShowPage(p);
    else
        ShowPage(page_.activePage);
    page_.guard = false;
}

void TFormHlav::ReadActivePage() {
    ReadPage(page_.activePage);
    ValuesToImage(values_, image_);
    WriteLogRecord(log_, image_);
}

void TFormHlav::SetLogAction(const char* action) {
    log_.action = action;
}

void TFormHlav::ApplyChanges(int cause, QObject* sender) {
    ++applyCount_;
    page_.upDown.pending = false; // a pending up-down value is taken along
    editTyped_ = false;
    if (!page_.guard) {
        ReadPage(page_.activePage);
        ValuesToImage(values_, image_);
        if (log_.action == kLogActionCleared) log_.action = "FormFinalise";
        log_.source = sender ? sender->objectName().toStdString() : std::string();
        log_.sourceNumber = cause;
        WriteLogRecord(log_, image_);
    }
    NormaliseImage(image_);
    if (!page_.guard) {
        page_.guard = true;
        ImageToValues(image_, values_);
        ShowPage(page_.activePage);
        ShowHeaderLabels();
        page_.guard = false;
    }
    UndoSnapshot();
}

// A map editor committed a change: its parts are the cause and the sheet is
// the source in the log.  Changes reported while the window is still being
// built are picked up by the first show.
void TFormHlav::TabEvent(int parts, QObject* sheet) {
    if (!built_) return;
    SetLogAction("TabEvent");
    ApplyChanges(parts, sheet);
}

// --- undo and redo ---

void TFormHlav::ProgramAfterChange() {
    // Never before the unit's own setting was read or a file opened.
    if (CheckBoxProgHned->isChecked() && !settings_.firstRun) link_->StartProgram();
}

void TFormHlav::UndoSnapshot() {
    if (!undo_.Snapshot(image_, page_.activePage)) return;
    UpdateUndoControls();
    ProgramAfterChange();
}

void TFormHlav::UpdateUndoControls() {
    SpeedButtonZpet->setEnabled(undo_.CanUndo());
    MenuZpet->setEnabled(undo_.CanUndo());
    SpeedButtonZnovu->setEnabled(undo_.CanRedo());
    MenuZnovu->setEnabled(undo_.CanRedo());
}

void TFormHlav::RestoreUndoStep(const TUndoStep& step) {
    // The restored state replaces whatever was typed or clicked but not yet taken.
    page_.upDown.pending = false;
    editTyped_ = false;
    image_ = step.image;
    ShowPages(false);
    if (page_.activePage != step.slotPage) SelectPage(step.switchPage);
    ShowPages(false);
    UpdateUndoControls();
    ProgramAfterChange();
}

void TFormHlav::Undo() {
    if (const auto step = undo_.Undo()) RestoreUndoStep(*step);
}

void TFormHlav::Redo() {
    if (const auto step = undo_.Redo()) RestoreUndoStep(*step);
}

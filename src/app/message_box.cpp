#include "app/message_box.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
TMessageBoxFn& BoxFn() {
    static TMessageBoxFn fn;
    return fn;
}
TFileDialogFn& DialogFn() {
    static TFileDialogFn fn;
    return fn;
}

TBoxAnswer RealBox(QWidget* parent, const TBoxRequest& r) {
    QMessageBox box(parent);
    box.setWindowTitle(r.title);
    box.setText(r.text);
    if (r.systemModal) box.setWindowModality(Qt::ApplicationModal);
    switch (r.kind) {
    case TBoxKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TBoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TBoxKind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return TBoxAnswer::Yes;
    case QMessageBox::No: return TBoxAnswer::No;
    case QMessageBox::Cancel: return TBoxAnswer::Cancel;
    default: return TBoxAnswer::Ok;
    }
}

QString RealFileDialog(QWidget* parent, const TFileDialogRequest& r) {
    QFileDialog dlg(parent, r.title, QString(), r.filter);
    dlg.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(r.defaultSuffix);
    if (!r.presetPath.isEmpty()) dlg.selectFile(r.presetPath);
    if (r.save) dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
}
} // namespace

void SetMessageBoxFunction(TMessageBoxFn fn) {
    BoxFn() = std::move(fn);
}

TBoxAnswer ShowMessageBox(QWidget* parent, const TBoxRequest& request) {
    return BoxFn() ? BoxFn()(parent, request) : RealBox(parent, request);
}

void SetFileDialogFunction(TFileDialogFn fn) {
    DialogFn() = std::move(fn);
}

QString ShowFileDialog(QWidget* parent, const TFileDialogRequest& request) {
    return DialogFn() ? DialogFn()(parent, request) : RealFileDialog(parent, request);
}

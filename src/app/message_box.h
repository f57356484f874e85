#pragma once
// Every message box of the window goes through one replaceable function, so
// tests can answer and record boxes instead of blocking on them.

#include <QString>

#include <functional>

class QWidget;

enum class TBoxKind { Information, Error, Question };
enum class TBoxAnswer { Ok, Yes, No, Cancel };

struct TBoxRequest {
    TBoxKind kind = TBoxKind::Information;
    QString title;
    QString text;
    bool systemModal = false;
};

using TMessageBoxFn = std::function<TBoxAnswer(QWidget* parent, const TBoxRequest&)>;

// Installs a replacement (an empty function restores the real boxes).
void SetMessageBoxFunction(TMessageBoxFn fn);
TBoxAnswer ShowMessageBox(QWidget* parent, const TBoxRequest& request);

// File dialogs likewise: returns the chosen path, or an empty text on cancel.
struct TFileDialogRequest {
    bool save = false;
    QString title;
    QString presetPath; // the file name the dialog proposes
    QString filter;
    QString defaultSuffix;
};
using TFileDialogFn = std::function<QString(QWidget* parent, const TFileDialogRequest&)>;
void SetFileDialogFunction(TFileDialogFn fn);
QString ShowFileDialog(QWidget* parent, const TFileDialogRequest& request);

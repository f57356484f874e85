#pragma once
// A numeric edit with its up-down arrows.  The arrows hold the legal range and
// the step; the edit shows the arrows' position with digit groups.

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
  public:
    TUpDown(QWidget* parent, const QString& name, int min, int max, int increment);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Increment() const { return increment_; }
    int Position() const { return position_; }
    // Sets the position, limited to Min..Max.
    void SetPosition(int value);

    // The buddy edit: its text follows the position after a click.
    void SetBuddy(QLineEdit* edit) { buddy_ = edit; }
    QLineEdit* Buddy() const { return buddy_; }

    // Runs after an arrow changed (or tried to change) the position.
    std::function<void(TUpDown*)> onClick;

    void ClickUp() { Step(+1); }
    void ClickDown() { Step(-1); }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  private:
    void Step(int direction);

    int min_, max_, increment_, position_;
    QLineEdit* buddy_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
};

// The separator the edits use between digit groups (the user's locale).
QString ThousandsSeparator();

// An edit, its arrows and its caption label, bound to one value.
struct TEditPair {
    QLineEdit* edit = nullptr;
    TUpDown* updown = nullptr;

    // Shows a value: the position is limited to the range and the edit shows
    // the resulting position; nothing changes when both already agree.
    void Show(int value);
    // Takes the edit text when it is a number within range; otherwise the
    // previous position stays (and the next Show writes it back).
    int Read();
    void SetVisible(bool editVisible, bool arrowsVisible);
};

// Builds an edit with its arrows at (x, y) on `parent`; the edit is `width`
// wide and the arrows sit at its right.
TEditPair MakeEditPair(QWidget* parent, const QString& editName, const QString& upDownName, int min,
                       int max, int increment, int x, int y, int width = 64);

QString FormatForEdit(int value);

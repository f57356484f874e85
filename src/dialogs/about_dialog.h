#pragma once
// The About box: product name, version and the build stamp.

#include <QDialog>

class QLabel;

class TFormAbout : public QDialog {
  public:
    explicit TFormAbout(QWidget* parent = nullptr);

    QLabel* LabelAbout = nullptr;
    QLabel* LabelDate = nullptr;
    QLabel* LabelTime = nullptr;
    QLabel* LabelRsKey = nullptr;
    QLabel* LabelExit = nullptr;

    // Build date and time in the compiler's forms ("Mmm dd yyyy", "hh:mm:ss").
    static QString BuildDate();
    static QString BuildTime();
    static QString VersionText();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void CentreOnScreen();
};

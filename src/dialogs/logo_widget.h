#pragma once
// The product logo, painted rather than loaded so the dialog needs no files.

#include <QWidget>

class TLogoWidget : public QWidget {
  public:
    explicit TLogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {240, 120}; }

  protected:
    void paintEvent(QPaintEvent*) override;
};

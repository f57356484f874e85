#include "dialogs/logo_widget.h"

#include <QPainter>
#include <QPainterPath>

TLogoWidget::TLogoWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMinimumSize(sizeHint());
}

// A spark inside a ring, with the product name below it.
void TLogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent(200, 40, 30);
    const QColor dark(40, 40, 48);

    const int d = qMin(height() - 34, 80);
    const QRectF ring((width() - d) / 2.0, 4, d, d);
    p.setPen(QPen(dark, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);

    const QPointF c = ring.center();
    const double s = d / 80.0;
    QPainterPath bolt;
    bolt.moveTo(c + QPointF(6, -30) * s);
    bolt.lineTo(c + QPointF(-14, 4) * s);
    bolt.lineTo(c + QPointF(0, 4) * s);
    bolt.lineTo(c + QPointF(-6, 30) * s);
    bolt.lineTo(c + QPointF(14, -6) * s);
    bolt.lineTo(c + QPointF(0, -6) * s);
    bolt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPath(bolt);

    QFont f = font();
    f.setPixelSize(22);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.setPen(dark);
    p.drawText(QRectF(0, ring.bottom() + 4, width(), 28), Qt::AlignCenter, "ARDENTIX");
}

#include "dialogs/about_dialog.h"

#include "dialogs/logo_widget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kVersion = 97;
constexpr int kSubVersion = 0;

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

QString TFormAbout::BuildDate() {
    return QStringLiteral(__DATE__);
}
QString TFormAbout::BuildTime() {
    return QStringLiteral(__TIME__);
}
QString TFormAbout::VersionText() {
    return QString("Version - %1.%2").arg(kVersion).arg(kSubVersion);
}

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("FormAbout");
    setWindowTitle("Ardentix");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(30, 30, 30));
    setPalette(pal);
    setFixedSize(342, 420);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(16, 16, 16, 12);
    lay->setSpacing(4);

    LabelAbout = CentredLabel(this, "LabelAbout", "Programm for setting of ignition");
    QFont big = LabelAbout->font();
    big.setPointSizeF(big.pointSizeF() + 1);
    big.setBold(true);
    LabelAbout->setFont(big);
    lay->addWidget(LabelAbout);

    lay->addWidget(new TLogoWidget(this), 0, Qt::AlignHCenter);

    lay->addWidget(CentredLabel(this, "LabelMaker1", "Ardentix Engine Electronics"));
    lay->addWidget(CentredLabel(this, "LabelMaker2", "Workshop and support"));
    lay->addWidget(CentredLabel(this, "LabelMaker3", "support@ardentix.example"));
    lay->addSpacing(8);

    LabelRsKey = CentredLabel(this, "LabelRsKey", QString());
    LabelDate = CentredLabel(this, "LabelDate", QString());
    LabelTime = CentredLabel(this, "LabelTime", QString());
    lay->addWidget(LabelRsKey);
    lay->addWidget(LabelDate);
    lay->addWidget(LabelTime);
    lay->addStretch(1);

    LabelExit = CentredLabel(this, "LabelExit", "OK");
    QFont ok = LabelExit->font();
    ok.setPixelSize(23);
    ok.setBold(true);
    LabelExit->setFont(ok);
    LabelExit->setCursor(Qt::PointingHandCursor);
    LabelExit->installEventFilter(this);
    lay->addWidget(LabelExit);

    FormCreate();
}

void TFormAbout::FormCreate() {
    LabelDate->setText(BuildDate());
    LabelTime->setText(BuildTime());
    LabelRsKey->setText(VersionText());
    CentreOnScreen();
}

void TFormAbout::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    move(s.width() / 2 - width() / 2, s.height() / 2 - height() / 2);
}

// The "OK" label is the close button.
bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelExit && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

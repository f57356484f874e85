#include "app/updown_pair.h"

#include "app/updown_text.h"

#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent, const QString& name, int min, int max, int increment)
    : QWidget(parent), min_(min), max_(max), increment_(increment), position_(min) {
    setObjectName(name);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (auto* b : {up_, down_}) {
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        lay->addWidget(b);
    }
    setFixedSize(16, 22);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    SetPosition(position_);
}

void TUpDown::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
}

void TUpDown::Step(int direction) {
    // The arrows start from what the edit shows when that is a legal number.
    if (buddy_) {
        const auto typed =
            ParseUpDownText(buddy_->text().toStdString(), ThousandsSeparator().toStdString());
        if (typed && *typed >= min_ && *typed <= max_) position_ = *typed;
    }
    SetPosition(position_ + direction * increment_);
    if (buddy_) buddy_->setText(FormatForEdit(position_));
    if (onClick) onClick(this);
}

QString ThousandsSeparator() {
    return QLocale().groupSeparator();
}

QString FormatForEdit(int value) {
    return QString::fromStdString(FormatUpDownValue(value, ThousandsSeparator().toStdString()));
}

void TEditPair::Show(int value) {
    if (updown->Position() == value && edit->text() == FormatForEdit(value)) return;
    updown->SetPosition(value);
    edit->setText(FormatForEdit(updown->Position()));
}

int TEditPair::Read() {
    const auto typed =
        ParseUpDownText(edit->text().toStdString(), ThousandsSeparator().toStdString());
    if (typed && *typed >= updown->Min() && *typed <= updown->Max()) updown->SetPosition(*typed);
    return updown->Position();
}

void TEditPair::SetVisible(bool editVisible, bool arrowsVisible) {
    edit->setVisible(editVisible);
    updown->setVisible(arrowsVisible);
}

TEditPair MakeEditPair(QWidget* parent, const QString& editName, const QString& upDownName, int min,
                       int max, int increment, int x, int y, int width) {
    TEditPair p;
    p.edit = new QLineEdit(parent);
    p.edit->setObjectName(editName);
    p.edit->setGeometry(x, y, width, 22);
    p.edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    p.updown = new TUpDown(parent, upDownName, min, max, increment);
    p.updown->move(x + width, y);
    p.updown->SetBuddy(p.edit);
    p.edit->setProperty("updown", QVariant::fromValue(static_cast<QObject*>(p.updown)));
    p.edit->setText(FormatForEdit(p.updown->Position()));
    return p;
}

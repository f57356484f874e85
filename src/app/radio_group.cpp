#include "app/radio_group.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

int TRadioGroup::ItemIndex() const {
    return group->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < int(items.size())) {
        items[index]->setChecked(true);
        return;
    }
    // No item stands for an unknown value; the value itself is kept by the caller.
    group->setExclusive(false);
    for (auto* b : items) b->setChecked(false);
    group->setExclusive(true);
}

void TRadioGroup::SetItems(const QStringList& texts) {
    for (int i = 0; i < int(items.size()) && i < texts.size(); ++i) items[i]->setText(texts[i]);
}

TRadioGroup MakeRadioGroup(QWidget* parent, const QString& name, const QString& title,
                           const QStringList& itemTexts, int x, int y, int w, int h) {
    TRadioGroup g;
    g.box = new QGroupBox(title, parent);
    g.box->setObjectName(name);
    g.box->setGeometry(x, y, w, h);
    g.group = new QButtonGroup(g.box);
    auto* lay = new QVBoxLayout(g.box);
    lay->setContentsMargins(8, 4, 8, 4);
    lay->setSpacing(2);
    for (int i = 0; i < itemTexts.size(); ++i) {
        auto* b = new QRadioButton(itemTexts[i], g.box);
        b->setObjectName(QString("%1_Item%2").arg(name).arg(i));
        g.group->addButton(b, i);
        g.items.push_back(b);
        lay->addWidget(b);
    }
    lay->addStretch(1);
    return g;
}

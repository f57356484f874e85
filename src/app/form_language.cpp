#include "app/form_hlav.h"

#include "lang/lang_index.h"
#include "lang/text_sets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void SetCaption(QObject* o, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(text);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(text);
}

void SetHint(QObject* o, const QString& text) {
    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(text);
        w->setStatusTip(text);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(text);
        a->setStatusTip(text);
    }
}
} // namespace

void TFormHlav::ApplyLanguage() {
    // 1. Caption (and the addition used while the bootloader holds the port).
    releaseText_ = Q(ReleaseText(Lang()));
    UpdateCaption();
    // 2. Message texts kept for later use.
    texts_ = MakeWindowTexts(Lang());
    // 3-5. Menus, hints, pages.
    ApplyMenuTexts();
    ApplyHintTexts();
    ApplyPageTexts();
}

void TFormHlav::ApplyMenuTexts() {
    for (const TextSet& row : MenuTexts())
        ForEachControl(row, [&](std::string_view name) {
            const QString n = Q(name);
            QObject* o = findChild<QAction*>(n);
            if (!o) o = findChild<QWidget*>(n);
            if (auto* m = qobject_cast<QMenu*>(o)) o = m->menuAction();
            if (o) SetCaption(o, Q(SetText(row, Lang())));
        });
    const std::array<QAction*, 4> items{MenuEnglish, MenuGerman, MenuFrench, MenuCzech};
    for (int i = 0; i < 4; ++i) items[i]->setChecked(i == Lang());
    MenuFrench->setVisible(false); // French only through the command line
}

void TFormHlav::ApplyHintTexts() {
    for (const TextSet& row : HintTexts())
        ForEachControl(row, [&](std::string_view name) {
            const QString n = Q(name);
            QObject* o = findChild<QAction*>(n);
            if (!o) o = findChild<QWidget*>(n);
            if (auto* m = qobject_cast<QMenu*>(o)) o = m->menuAction();
            if (o) SetHint(o, Q(SetText(row, Lang())));
        });
}

void TFormHlav::ApplyPageTexts() {
    for (const TextSet& row : PageTexts())
        ForEachControl(row, [&](std::string_view key) {
            const QString text = Q(SetText(row, Lang()));
            const QString k = Q(key);
            const int dot = k.indexOf('.');
            if (dot < 0) {
                QWidget* w = findChild<QWidget*>(k);
                if (!w) return;
                const int tab = PageControl1->indexOf(w);
                if (tab >= 0)
                    PageControl1->setTabText(tab, text);
                else
                    SetCaption(w, text);
                return;
            }
            const QString owner = k.left(dot), part = k.mid(dot + 1);
            if (part == "Items") {
                // Radio group items, one per line, replaced by position.
                if (auto* g = findChild<QGroupBox*>(owner)) {
                    const QStringList items = text.split('\n');
                    int i = 0;
                    for (auto* b : g->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
                        if (i < items.size()) b->setText(items[i++]);
                }
                return;
            }
            if (auto* c = findChild<QComboBox*>(owner)) {
                bool ok = false;
                const int index = part.toInt(&ok);
                // The selected entry stays selected by position.
                if (ok && index < c->count()) c->setItemText(index, text);
            }
        });
    // Composed labels show their word and the waiting tail until live data arrives.
    if (!link_ || !link_->HasLiveValues())
        for (const ComposedLabel& c : ComposedLabels())
            if (auto* l = findChild<QLabel*>(c.control))
                l->setText(Q(ComposedLabelText(c.control, Lang())));
    bike.FitColumnHeads();
    advance.correctionsPrefix = texts_.correctionPrefix;
    advance.UpdateStates(values_);
}

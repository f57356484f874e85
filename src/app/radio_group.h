#pragma once
// A titled group of radio buttons whose selection is an item index.

#include <QStringList>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QWidget;

struct TRadioGroup {
    QGroupBox* box = nullptr;
    QButtonGroup* group = nullptr;
    std::vector<QRadioButton*> items;

    // -1 when no item is checked.
    int ItemIndex() const;
    // An index outside the list checks no item.
    void SetItemIndex(int index);
    void SetItems(const QStringList& texts); // keeps meaning by position
};

TRadioGroup MakeRadioGroup(QWidget* parent, const QString& name, const QString& title,
                           const QStringList& items, int x, int y, int w, int h);

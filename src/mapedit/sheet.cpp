#include "mapedit/sheet.h"

#include <algorithm>

int CollapsedIndexOf(CAxe& axis) {
    int last = std::max(axis.Count - 1, 0);
    int index;
    switch (axis.CollapsePosition) {
    case kCollapseFirst: index = 0; break;
    case kCollapseLast: index = last; break;
    case kCollapseMiddle: index = axis.Count / 2; break;
    default: index = axis.CollapsePosition; break;
    }
    axis.CollapsedIndex = std::clamp(index, 0, last);
    return axis.CollapsedIndex;
}

int PartAt(int x, int y) {
    if (y == -1 && x >= 0) return kAxisX;
    if (x == -1 && y >= 0) return kAxisY;
    if (x >= 0 && y >= 0) return kAxisData;
    return 0;
}

CAxe* AxisOfPart(CSheet& sheet, int part) {
    switch (part) {
    case kAxisX: return &sheet.X;
    case kAxisY: return &sheet.Y;
    case kAxisData: return &sheet.Data;
    default: return nullptr;
    }
}

const CAxe* AxisOfPart(const CSheet& sheet, int part) {
    return AxisOfPart(const_cast<CSheet&>(sheet), part);
}

int32_t* ValueAt(CSheet& sheet, int x, int y) {
    switch (PartAt(x, y)) {
    case kAxisX:
        return x < sheet.X.Count && size_t(x) < sheet.X.Values.size() ? &sheet.X.Values[size_t(x)]
                                                                      : nullptr;
    case kAxisY:
        return y < sheet.Y.Count && size_t(y) < sheet.Y.Values.size() ? &sheet.Y.Values[size_t(y)]
                                                                      : nullptr;
    case kAxisData:
        return sheet.inTable(x, y) && !sheet.Data.Values.empty() ? &sheet.cell(x, y) : nullptr;
    default: return nullptr;
    }
}

const int32_t* ValueAt(const CSheet& sheet, int x, int y) {
    return ValueAt(const_cast<CSheet&>(sheet), x, y);
}

#include "paste_fuzz_body.h"

#include "editor_sheets.h"
#include "mapedit/clipboard_paste.h"
#include "mapedit/in_place_edit.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using DefineFn = int (*)(CTabModel&);
constexpr DefineFn kSheets[] = {DefineAdvanceSheet, DefineServoSheet, DefineTpsSensorSheet,
                                DefineIapSensorSheet};

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void checkAxis(const CAxe& a, bool ordered) {
    require(a.Count >= a.MinCount && a.Count <= a.MaxCount, "count within limits");
    require(a.Count <= int(a.Values.size()), "count within capacity");
    if (!ordered) return;
    for (int i = 0; i < a.Count; ++i) {
        require(a.Values[size_t(i)] >= a.Min && a.Values[size_t(i)] <= a.Max, "breakpoint range");
        if (i > 0) require(a.Values[size_t(i)] > a.Values[size_t(i - 1)], "breakpoint order");
    }
}

void checkSheet(const CSheet& s) {
    checkAxis(s.X, s.X.Editable);
    checkAxis(s.Y, s.Y.Editable);
    for (int y = 0; y < s.Y.Count; ++y)
        for (int x = 0; x < s.X.Count; ++x)
            require(s.cell(x, y) >= s.Data.Min && s.cell(x, y) <= s.Data.Max, "cell range");
    require(s.Sel.Count >= 0 && s.Sel.Count <= 1500 + 80, "selection count");
    require(s.X.CollapsedIndex >= 0 && s.X.CollapsedIndex < s.X.Count, "collapsed X index");
    require(s.Y.CollapsedIndex >= 0 && s.Y.CollapsedIndex < s.Y.Count, "collapsed Y index");
}

struct Round {
    EditorFixture f;
    std::string_view text;
    uint8_t control = 0;
    Round(const uint8_t* data, size_t size)
        : f(kSheets[size ? data[0] % 4 : 0]),
          text(reinterpret_cast<const char*>(data) + (size ? 1 : 0), size ? size - 1 : 0),
          control(size ? data[0] : 0) {}
};

} // namespace

void FuzzPasteTextOnce(const uint8_t* data, size_t size) {
    Round r(data, size);
    CSheet& s = r.f.sheet();
    int x = (r.control >> 2) % 17 - 1, y = (r.control >> 4) % 12 - 1;
    if (x == -1 && y == -1) y = 0;
    if (r.control & 0x80)
        StartEdit(r.f.m, x, y, false, true);
    else if (x < s.X.Count && y < s.Y.Count)
        SelectItem(s.Sel, x, y);
    PasteText(r.f.m, r.text);
    require(r.f.m.Edit.Text.size() <= size_t(kEditMaxChars), "edit text length");
    CommitEdit(r.f.m);
    checkSheet(s);
}

void FuzzPasteSheetOnce(const uint8_t* data, size_t size) {
    Round r(data, size);
    PasteSheet(r.f.m, r.text);
    checkSheet(r.f.sheet());
}

#include "mapedit/clipboard_paste.h"

#include "mapedit/change_commit.h"
#include "mapedit/in_place_edit.h"
#include "mapedit/number_text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

constexpr size_t kMaxToken = 64;
constexpr size_t kMaxHeaderLine = 64;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNumberChar(char c) {
    return isDigit(c) || c == '-' || c == '.' || c == ',';
}

std::string_view upToZero(std::string_view text) {
    size_t z = text.find('\0');
    return z == std::string_view::npos ? text : text.substr(0, z);
}

void addToToken(std::string& token, char c) {
    if (token.size() < kMaxToken) token += c == ',' ? '.' : c;
}

// A space followed by exactly three digits and then a non-digit groups thousands.
bool isThousandsGap(std::string_view t, size_t i) {
    for (size_t k = 1; k <= 3; ++k)
        if (i + k >= t.size() || !isDigit(t[i + k])) return false;
    return i + 4 >= t.size() || !isDigit(t[i + 4]);
}

struct Area {
    int kind = skNone; // selection kind of the target
    int x0 = 0, y0 = 0, xHi = -1, yHi = -1;
    bool contains(int x, int y) const { return x >= x0 && x <= xHi && y >= y0 && y <= yHi; }
};

// Narrows a collapsed axis to its one line; false when the selection misses it.
bool narrowCollapsed(const CAxe& axis, int selMin, int selMax, int& lo, int& hi) {
    if (!axis.Collapsed) return true;
    int ci = axis.CollapsedIndex;
    if (ci < selMin || ci > selMax) return false;
    lo = hi = ci;
    return true;
}

std::optional<Area> targetArea(const CSheet& s) {
    const TSel& sel = s.Sel;
    if (sel.Count == 0) return std::nullopt;
    Area a;
    a.x0 = sel.MinX;
    a.y0 = sel.MinY;
    a.xHi = s.X.Count - 1;
    a.yHi = s.Y.Count - 1;
    if (a.y0 == -1)
        a.kind = skXHeader, a.yHi = -1;
    else if (a.x0 == -1)
        a.kind = skYHeader, a.xHi = -1;
    else
        a.kind = skCells;
    if (a.x0 < -1 || a.y0 < -1) return std::nullopt;
    if (!AxisOfPart(s, PartOfKind(a.kind))->Editable) return std::nullopt;
    if (a.kind != skYHeader && !narrowCollapsed(s.X, sel.MinX, sel.MaxX, a.x0, a.xHi))
        return std::nullopt;
    if (a.kind != skXHeader && !narrowCollapsed(s.Y, sel.MinY, sel.MaxY, a.y0, a.yHi))
        return std::nullopt;
    return a;
}

void pasteIntoEdit(CEditBuffer& e, std::string_view text) {
    std::string filtered;
    for (char c : text) {
        if (c == '\t' || c == '\n') break;
        if (isNumberChar(c) || c == ' ') filtered += c == ',' ? '.' : c;
    }
    InsertText(e, filtered);
}

// Stores one token of a plain-text paste.
int storeToken(CSheet& s, const Area& a, int x, int y, const std::string& token) {
    if (token.empty() || !a.contains(x, y)) return 0;
    std::optional<double> v = ReadReal(token);
    int32_t* slot = ValueAt(s, x, y);
    if (!v || !slot) return 0;
    const CAxe& axis = *AxisOfPart(s, PartOfKind(a.kind));
    double raw = *v / axis.Scale;
    // Cells pasted in base units (mV for a volt axis) arrive far beyond the range.
    if (a.kind == skCells && raw > 5.0 * s.Data.Max) raw *= 0.001;
    *slot = RoundToRaw(raw);
    if (uint16_t* mk = s.Sel.mark(x, y)) *mk = kMarkSelected;
    return PartOfKind(a.kind);
}

int scanPlain(CSheet& s, const Area& a, std::string_view t) {
    int parts = 0, x = a.x0, y = a.y0;
    std::string token;
    auto close = [&] {
        parts |= storeToken(s, a, x, y, token);
        token.clear();
    };
    for (size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (isNumberChar(c)) {
            addToToken(token, c);
        } else if (c == ' ') {
            if (isThousandsGap(t, i)) continue;
            size_t j = i;
            while (j < t.size() && t[j] == ' ') ++j;
            bool endsField = j >= t.size() || t[j] == '\t' || t[j] == '\n' || t[j] == '\r';
            if (!token.empty() && !endsField) {
                close();
                ++x;
            }
            i = j - 1;
        } else if (c == '\t') {
            close();
            ++x;
        } else if (c == '\n') {
            close();
            x = a.x0;
            ++y;
        }
    }
    close();
    return parts;
}

struct SheetHeader {
    int matched = 0; // 1 X, 2 Y, 4 data symbol
    int sizeX = 0, sizeY = 0;
    bool collapseX = false, collapseY = false;
    size_t gridStart = std::string_view::npos;
};

int readSize(std::string_view value) {
    std::string s(value);
    errno = 0;
    long v = std::strtol(s.c_str(), nullptr, 0);
    if (errno == ERANGE || v > INT_MAX || v < INT_MIN) return v < 0 ? INT_MIN : INT_MAX;
    return int(v);
}

SheetHeader readHeader(const CSheet& s, std::string_view t) {
    SheetHeader h;
    size_t pos = 0;
    while (pos < t.size() && t[pos] != '\t') {
        size_t lf = t.find('\n', pos);
        if (lf == std::string_view::npos || lf - pos > kMaxHeaderLine) break;
        std::string_view line = t.substr(pos, lf - pos);
        pos = lf + 1;
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        std::string_view key = line.substr(0, tab), value = line.substr(tab + 1);
        if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
        if (key == "LabelX:" && value == s.X.Symbol)
            h.matched |= kAxisX;
        else if (key == "LabelY:" && value == s.Y.Symbol)
            h.matched |= kAxisY;
        else if (key == "LabelData:" && value == s.Data.Symbol)
            h.matched |= kAxisData;
        else if (key == "SizeX:")
            h.sizeX = readSize(value);
        else if (key == "SizeY:")
            h.sizeY = readSize(value);
        else if (key == "OnlyXY:" && !value.empty()) {
            h.collapseX = value[0] == 'X';
            h.collapseY = value[0] == 'Y';
        }
    }
    if (pos < t.size() && t[pos] == '\t')
        h.gridStart = pos;
    else if (size_t g = t.find("\n\t", pos); g != std::string_view::npos)
        h.gridStart = g + 1;
    return h;
}

bool sizeAccepted(const CAxe& axis, int size, bool labelMatched, bool dataMatched) {
    return size == axis.Count || (axis.Editable && axis.Resizable && labelMatched && dataMatched);
}

bool applyCollapseRequest(CAxe& axis, bool requested) {
    if (axis.CollapseOption == 0) requested = false;
    if (axis.CollapseOption == 2) requested = true;
    if (requested) axis.Collapsed = true;
    return requested;
}

int scanGrid(CSheet& s, int matched, std::string_view t) {
    int parts = 0, x = -1, y = -1;
    std::string token;
    auto close = [&] {
        std::optional<double> v;
        if (!token.empty() && x >= -1 && x < s.X.Count && y >= -1 && y < s.Y.Count &&
            !(x == -1 && y == -1))
            v = ReadReal(token);
        token.clear();
        if (!v) return;
        int part = PartAt(x, y);
        CAxe* axis = AxisOfPart(s, part);
        int32_t* slot = ValueAt(s, x, y);
        if (!axis || !slot || !axis->Editable || !(matched & part)) return;
        *slot = RoundToRaw(*v / axis->Scale);
        parts |= part;
    };
    for (char c : t) {
        if (isNumberChar(c))
            addToToken(token, c);
        else if (c == '\t')
            close(), ++x;
        else if (c == '\n')
            close(), x = -1, ++y;
    }
    close();
    return parts;
}

} // namespace

bool PasteText(CTabModel& m, std::string_view text) {
    text = upToZero(text);
    if (m.Edit.Active) {
        pasteIntoEdit(m.Edit, text);
        m.Redraw |= 1;
        return true;
    }
    CSheet* s = m.current();
    if (!s) return false;
    std::optional<Area> area = targetArea(*s);
    if (!area) return false;
    NoteChange(m, 0, ChangeBegin);
    ClearSelection(s->Sel);
    s->Sel.Mode = area->kind;
    int parts = scanPlain(*s, *area, text);
    UpdateSelectionBounds(s->Sel);
    AnalyseSelection(s->Sel);
    m.Redraw |= 1;
    NoteChange(m, parts, ChangeEnd);
    return parts != 0;
}

CPasteResult PasteSheet(CTabModel& m, std::string_view text) {
    text = upToZero(text);
    CSheet* s = m.current();
    if (!s) return {};
    SheetHeader h = readHeader(*s, text);
    if (h.sizeX == 0 || h.sizeY == 0 || h.matched == 0) return {};
    bool data = h.matched & kAxisData;
    if (!sizeAccepted(s->X, h.sizeX, h.matched & kAxisX, data) ||
        !sizeAccepted(s->Y, h.sizeY, h.matched & kAxisY, data))
        return {false, CEditorMessage{"Table dimensions are not eqal and there is unable to change "
                                      "it !\nInsertion canceled...",
                                      "Error"}};
    CommitEdit(m);
    NoteChange(m, 0, ChangeBegin);
    int parts = h.matched;
    int sizeX = std::clamp(h.sizeX, s->X.MinCount, s->X.MaxCount);
    int sizeY = std::clamp(h.sizeY, s->Y.MinCount, s->Y.MaxCount);
    if (sizeX != s->X.Count) parts |= kAxisX | kAxisData;
    if (sizeY != s->Y.Count) parts |= kAxisY | kAxisData;
    s->X.Count = sizeX;
    s->Y.Count = sizeY;
    applyCollapseRequest(s->X, h.collapseX);
    applyCollapseRequest(s->Y, h.collapseY);
    if (h.gridStart != std::string_view::npos)
        parts |= scanGrid(*s, h.matched, text.substr(h.gridStart));
    RequestLayout(m);
    ClearSelection(s->Sel);
    NoteChange(m, parts, ChangeEnd);
    return {true, std::nullopt};
}

CPasteResult Paste(CTabModel& m, const std::optional<std::string>& plain,
                   const std::optional<std::string>& sheet) {
    if (sheet) return PasteSheet(m, *sheet);
    if (plain) return {PasteText(m, *plain), std::nullopt};
    return {};
}

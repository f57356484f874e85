#include "mapedit/in_place_edit.h"

#include "mapedit/change_commit.h"
#include "mapedit/format.h"
#include "mapedit/number_text.h"

bool StartEdit(CTabModel& m, int x, int y, bool clearText, bool selectAll) {
    CSheet* s = m.current();
    if (!s) return false;
    const int32_t* value = ValueAt(*s, x, y);
    const CAxe* axis = AxisOfPart(*s, PartAt(x, y));
    if (!value || !axis || !axis->Editable) return false;
    BeginEditText(m.Edit, x, y, clearText ? std::string() : FormatValue(*value, axis->Scale));
    if (selectAll) SelectAllText(m.Edit);
    m.Redraw |= 1;
    return true;
}

void CommitEdit(CTabModel& m) {
    if (!m.Edit.Active) return;
    std::string text = m.Edit.Text;
    int x = m.Edit.X, y = m.Edit.Y;
    EndEditText(m.Edit);
    m.Redraw |= 1;
    CSheet* s = m.current();
    if (!s) return;
    if (size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    std::optional<double> v = ReadReal(text);
    int kind = PartAt(x, y);
    const CAxe* axis = AxisOfPart(*s, kind);
    int32_t* slot = ValueAt(*s, x, y);
    if (!v || !axis || !axis->Editable || !slot) return;
    NoteChange(m, 0, ChangeBegin);
    *slot = RoundToRaw(*v / axis->Scale);
    NoteChange(m, kind, ChangeEnd);
}

void CancelEdit(CTabModel& m) {
    if (!m.Edit.Active) return;
    EndEditText(m.Edit);
    m.Redraw |= 1;
}

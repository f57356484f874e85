#include "mapedit/edit_buffer.h"

#include <algorithm>
#include <cstdlib>

namespace {

void caretMoved(CEditBuffer& e, int caret, bool extend) {
    e.Caret = std::clamp(caret, 0, int(e.Text.size()));
    if (!extend) e.Anchor = e.Caret;
    e.Blink = 0;
}

void removeSelection(CEditBuffer& e) {
    if (!e.hasSelection()) return;
    int from = e.selStart();
    e.Text.erase(size_t(from), size_t(e.selEnd() - from));
    e.Caret = e.Anchor = from;
}

} // namespace

std::string CEditBuffer::selectedText() const {
    int from = std::clamp(selStart(), 0, int(Text.size()));
    int to = std::clamp(selEnd(), from, int(Text.size()));
    return Text.substr(size_t(from), size_t(to - from));
}

bool IsEditChar(char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

void BeginEditText(CEditBuffer& e, int x, int y, std::string_view text) {
    e.Active = true;
    e.X = x;
    e.Y = y;
    e.Text = std::string(text.substr(0, kEditMaxChars));
    caretMoved(e, int(e.Text.size()), false);
}

void SelectAllText(CEditBuffer& e) {
    e.Anchor = 0;
    e.Caret = int(e.Text.size());
    e.Blink = 0;
}

void EndEditText(CEditBuffer& e) {
    e.Active = false;
    e.Text.clear();
    e.Caret = e.Anchor = 0;
}

bool TypeChar(CEditBuffer& e, char c) {
    if (!IsEditChar(c)) return false;
    removeSelection(e);
    if (int(e.Text.size()) >= kEditMaxChars) return false;
    e.Text.insert(size_t(e.Caret), 1, c);
    caretMoved(e, e.Caret + 1, false);
    return true;
}

void InsertText(CEditBuffer& e, std::string_view text) {
    removeSelection(e);
    size_t room = size_t(kEditMaxChars) - std::min(e.Text.size(), size_t(kEditMaxChars));
    std::string_view part = text.substr(0, room);
    e.Text.insert(size_t(e.Caret), part);
    caretMoved(e, e.Caret + int(part.size()), false);
}

void EditKeyPress(CEditBuffer& e, EditKey key, bool shift) {
    switch (key) {
    case EditKey::Backspace:
    case EditKey::Delete: {
        if (e.hasSelection()) {
            removeSelection(e);
        } else if (key == EditKey::Backspace && e.Caret > 0) {
            e.Text.erase(size_t(e.Caret - 1), 1);
            e.Caret--;
        } else if (key == EditKey::Delete && e.Caret < int(e.Text.size())) {
            e.Text.erase(size_t(e.Caret), 1);
        }
        caretMoved(e, e.Caret, false);
        break;
    }
    case EditKey::Home: caretMoved(e, 0, shift); break;
    case EditKey::End: caretMoved(e, int(e.Text.size()), shift); break;
    case EditKey::Left: caretMoved(e, e.Caret - 1, shift); break;
    case EditKey::Right: caretMoved(e, e.Caret + 1, shift); break;
    }
}

void PlaceCaret(CEditBuffer& e, std::span<const int> boundaries, int x) {
    int best = 0;
    int n = std::min(int(boundaries.size()), int(e.Text.size()) + 1);
    for (int i = 1; i < n; ++i)
        if (std::abs(boundaries[size_t(i)] - x) < std::abs(boundaries[size_t(best)] - x)) best = i;
    caretMoved(e, best, false);
}

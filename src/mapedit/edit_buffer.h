#pragma once
// The in-place edit of one table item: at most 16 characters, a caret and a
// text selection between an anchor and the caret.

#include <span>
#include <string>
#include <string_view>

inline constexpr int kEditMaxChars = 16;

struct CEditBuffer {
    bool Active = false;
    int X = -2, Y = -2; // edited item
    std::string Text;
    int Caret = 0;
    int Anchor = 0; // selection runs between Anchor and Caret
    int Blink = 0;  // ticks since the caret was last moved; the view blinks from it

    int selStart() const { return Anchor < Caret ? Anchor : Caret; }
    int selEnd() const { return Anchor < Caret ? Caret : Anchor; }
    bool hasSelection() const { return Anchor != Caret; }
    std::string selectedText() const;
};

enum class EditKey { Backspace, Delete, Home, End, Left, Right };

// Characters the edit accepts as typed: space, ",", "-", ".", digits.
bool IsEditChar(char c);

void BeginEditText(CEditBuffer& e, int x, int y, std::string_view text);
void SelectAllText(CEditBuffer& e);
void EndEditText(CEditBuffer& e);
// Types one character; false when it is not accepted or the text is full.
bool TypeChar(CEditBuffer& e, char c);
// Inserts text at the caret (replacing the selection), cut to the capacity.
void InsertText(CEditBuffer& e, std::string_view text);
void EditKeyPress(CEditBuffer& e, EditKey key, bool shift);
// Places the caret at the character boundary nearest to a click; boundaries
// holds the pixel position before each character and after the last one.
void PlaceCaret(CEditBuffer& e, std::span<const int> boundaries, int x);

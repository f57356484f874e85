#pragma once
// The link composes its texts from English captions; the window plugs in the
// current language through this function.

#include <functional>
#include <string>
#include <string_view>

using Translator = std::function<std::string(std::string_view english)>;

inline std::string English(std::string_view text) {
    return std::string(text);
}

// Looks a caption up, falling back to the English text when no translator is set.
inline std::string Translate(const Translator& tr, std::string_view english) {
    return tr ? tr(english) : std::string(english);
}

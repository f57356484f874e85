#include "files/history.h"

#include <algorithm>

bool AddToHistory(THistory& history, const std::string& path) {
    if (path.empty() || path.size() > kHistoryPathMax) return false;
    auto& e = history.entries;
    auto found = std::find(e.begin(), e.end(), path);
    if (found != e.end()) {
        std::rotate(e.begin(), found, found + 1);
        return true;
    }
    e.insert(e.begin(), path);
    if (e.size() > size_t(kHistoryMax)) e.resize(kHistoryMax);
    return true;
}

std::string HistoryCaption(int index, const std::string& path) {
    size_t cut = path.rfind('\\');
    if (cut == std::string::npos) cut = path.rfind('/');
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    std::string caption = std::to_string(index) + " " + name;
    const size_t dot = caption.rfind('.');
    if (dot != std::string::npos) caption.resize(dot);
    if (caption.size() > kHistoryCaptionMax) caption.resize(kHistoryCaptionMax);
    return caption;
}

bool HistoryItemVisible(const THistory& history, int k) {
    return k >= 1 && k < kHistoryMax && size_t(k) < history.entries.size();
}

bool HistorySeparatorVisible(const THistory& history) {
    return history.entries.size() > 1;
}

THistory HistoryFromStored(const std::vector<std::string>& values) {
    THistory h;
    const int n = std::min<int>(int(values.size()), kHistoryMax);
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (!values[i].empty() && values[i].size() <= kHistoryPathMax) count = i + 1;
    for (int i = 0; i < count; ++i)
        h.entries.push_back(values[i].size() <= kHistoryPathMax ? values[i] : std::string());
    return h;
}

#include "sim_state.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::string ImageToText(const TParamImage& image) {
    std::string out;
    char cell[16];
    for (int i = 0; i < kImageSize; ++i) {
        std::snprintf(cell, sizeof cell, "%5u ", unsigned(image.bytes[i]));
        out += cell;
        if (i % 10 == 9) out += '\n';
        if (i % 100 == 99) out += '\n';
    }
    return out;
}

std::optional<TParamImage> ImageFromText(const std::string& text) {
    std::istringstream in(text);
    TParamImage image;
    for (int i = 0; i < kImageSize; ++i) {
        long v = -1;
        if (!(in >> v) || v < 0 || v > 255) return std::nullopt;
        image.bytes[i] = uint8_t(v);
    }
    std::string rest;
    if (in >> rest) return std::nullopt;
    return image;
}

std::optional<TParamImage> LoadImageFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::stringstream buf;
    buf << in.rdbuf();
    return ImageFromText(buf.str());
}

bool SaveImageFile(const std::string& path, const TParamImage& image) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::trunc);
        out << ImageToText(image);
        if (!out.flush()) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

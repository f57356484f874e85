#include "files/image_backup.h"

#include "files/file_io.h"
#include "files/token_reader.h"

#include <cstdio>

std::string ImageBackupText(const TParamImage& img) {
    std::string text;
    text.reserve(kImageSize * 6 + 70);
    for (int i = 0; i < kImageSize; ++i) {
        char s[16];
        std::snprintf(s, sizeof s, "%5u ", unsigned(img[i]));
        text += s;
        if (i % 10 == 9) text += '\n';
        if (i % 100 == 99) text += '\n';
    }
    return text;
}

int ReadImageBackupText(std::string_view text, TParamImage& img) {
    TokenReader tokens(text);
    int n = 0;
    while (n < kImageSize) {
        auto v = tokens.nextNumber(false);
        if (!v) break;
        img[n++] = uint8_t(*v % 256);
    }
    return n;
}

bool SaveImageBackup(const std::string& path, const TParamImage& img) {
    EnsureParentDirectory(path);
    return AtomicWriteFile(path, ImageBackupText(img));
}

int LoadImageBackup(const std::string& path, TParamImage& img) {
    auto text = ReadWholeFile(path);
    return text ? ReadImageBackupText(*text, img) : 0;
}

#include "fuzz_entries.h"

#include "files/image_backup.h"
#include "files/param_file_load.h"
#include "files/param_file_writer.h"
#include "model/defaults.h"
#include "model/normalise.h"

#include <cstdlib>
#include <string_view>

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

bool SameReserved(const TParamImage& a, const TParamImage& b) {
    for (const FieldDesc& f : {Field::Reserved60, Field::Reserved83, Field::Reserved157})
        for (int k = f.offset; k < f.end(); ++k)
            if (a[k] != b[k]) return false;
    return true;
}

} // namespace

void FuzzParamFileInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The last byte picks the selection: all groups or one page.
    const int page = size ? data[size - 1] % 7 : 6;
    const PageSelection sel =
        page == 6 ? PageSelection::All() : PageSelection::Only(PageGroup(page));

    const TParamImage start = StartupImage();
    TParamImage img = start;
    const auto out = LoadParamText(text, img, sel);
    Require(out.accepted() || img == start);
    Require(SameReserved(img, start));
    NormaliseImage(img);
    Require(SameReserved(img, start));

    // Whatever was loaded can be written and read back.
    if (out.accepted()) {
        TParamImage again = img;
        const auto back = LoadParamText(ParamFileWriter(img, DefaultParamFileFooter()), again, sel);
        Require(back.version == 97);
    }
}

void FuzzImageBackupInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TParamImage img = StartupImage();
    const int n = ReadImageBackupText(text, img);
    Require(n >= 0 && n <= kImageSize);
    NormaliseImage(img);
    TParamImage back;
    Require(ReadImageBackupText(ImageBackupText(img), back) == kImageSize && back == img);
}

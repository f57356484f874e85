#include "model/presets.h"

namespace {

using A4 = std::array<uint8_t, 4>;
using Ex = std::array<PresetExtra, 2>;

constexpr PresetExtra Set(const FieldDesc& f, uint8_t v) {
    return {&f, v};
}
constexpr PresetExtra kInterchanged = Set(Field::PickupsInterchanged, 1);
constexpr PresetExtra kCamshaft = Set(Field::IgnitionsPerRev, 0);

// clang-format off
// index, text, code, has sync, method, lobes, outputs, channels, max-advance, start-advance,
// pulses, input 1, neutral/stand, extras
constexpr BikePreset kPresets[kPresetCount] = {
    {0, "3 Cylinder, 1 pickup", 23, true, 1, 4, 3, 3, A4{1, 2, 3}, A4{65, 66, 67}, 1, 0, 0, Ex{}},
    {1, "24-1 4 cyl, cam", 37, true, 12, 46, 4, 4, A4{91, 103, 80, 68}, A4{94, 106, 83, 71}, 1, 0, 0, Ex{kInterchanged, kCamshaft}},
    {2, "24-2 4 cyl, cam", 36, true, 12, 44, 4, 4, A4{90, 102, 80, 68}, A4{93, 105, 83, 71}, 1, 0, 0, Ex{kInterchanged, kCamshaft}},
    {3, "Ducati inj. 48-2", 32, true, 8, 46, 2, 2, A4{82, 100}, A4{87, 105}, 2, 0, 0, Ex{kCamshaft}},
    {4, "Kawasaki KZ 1300", 35, true, 9, 4, 3, 3, A4{1, 129, 131}, A4{2, 130, 132}, 1, 0, 0, Ex{}},
    {5, "Kawasaki ZX", 0, true, 1, 3, 2, 2, A4{1, 2}, A4{65, 66}, 2, 2, 0, Ex{}},
    {6, "Kawasaki ZX9R 00", 27, true, 2, 4, 4, 4, A4{4, 2, 2, 4}, A4{1, 3, 3, 1}, 2, 2, 0, Ex{}},
    {7, "KTM 690", 38, true, 13, 18, 1, 1, A4{79}, A4{91}, 1, 0, 0, Ex{}},
    {8, "Harley", 31, true, 7, 2, 2, 2, A4{1, 2}, A4{65, 66}, 2, 0, 0, Ex{Set(Field::Pickup1Polarity, 1), kCamshaft}},
    {9, "Honda CBR 7P", 1, true, 4, 7, 2, 2, A4{2, 6}, A4{67, 71}, 2, 0, 0, Ex{}},
    {10, "Honda CBR 9P", 2, true, 3, 9, 2, 2, A4{1, 7}, A4{67, 73}, 2, 2, 1, Ex{}},
    {11, "Honda Shadow", 3, true, 3, 9, 2, 2, A4{6, 8}, A4{7, 9}, 2, 0, 0, Ex{}},
    {12, "Honda VFR 400", 4, true, 4, 7, 2, 2, A4{4, 6}, A4{5, 7}, 4, 0, 0, Ex{}},
    {13, "Honda VFR 750", 24, true, 4, 11, 4, 4, A4{68, 71, 74, 65}, A4{69, 72, 75, 66}, 2, 2, 0, Ex{}},
    {14, "Honda VT 600 Shadow", 5, true, 4, 7, 2, 2, A4{65, 197}, A4{66, 198}, 2, 0, 0, Ex{}},
    {15, "Honda VT 1100", 6, true, 4, 7, 2, 2, A4{3, 4}, A4{68, 69}, 2, 0, 0, Ex{}},
    {16, "Classic (1 lobe, 1 or 2 pick-up) ", 7, true, 0, 1, 2, 4, A4{1, 129, 129, 1}, A4{65, 193, 193, 65}, 1, 0, 0, Ex{}},
    {17, "Classic (2 lobe per revolution, 1 or 2 pick-up)", 28, true, 0, 1, 2, 4, A4{1, 129, 129, 1}, A4{65, 193, 193, 65}, 1, 0, 0, Ex{Set(Field::IgnitionsPerRev, 2)}},
    {18, "Classic (3 lobe per revolution, 1 pick-up)", 29, true, 0, 1, 1, 4, A4{1, 129, 129, 1}, A4{65, 193, 193, 65}, 1, 0, 0, Ex{Set(Field::IgnitionsPerRev, 3)}},
    {19, "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", 30, true, 0, 1, 2, 4, A4{1, 129, 129, 1}, A4{65, 193, 193, 65}, 1, 0, 0, Ex{kCamshaft}},
    {20, "Laverda 3x120", 33, true, 9, 2, 3, 3, A4{1, 129, 130}, A4{65, 193, 194}, 2, 0, 0, Ex{}},
    {21, "Suzuki 800", 8, true, 3, 4, 2, 2, A4{1, 3}, A4{2, 4}, 1, 0, 0, Ex{}},
    {22, "Suzuki GSF 400 A", 9, true, 2, 6, 2, 2, A4{1, 4}, A4{2, 5}, 1, 0, 0, Ex{}},
    {23, "Suzuki GSF 400 B", 10, true, 2, 6, 2, 2, A4{2, 5}, A4{3, 6}, 1, 0, 0, Ex{}},
    {24, "Suzuki GSX", 11, true, 2, 4, 2, 2, A4{4, 2}, A4{1, 3}, 1, 0, 0, Ex{}},
    {25, "Suzuki SV 650", 12, true, 2, 4, 2, 2, A4{4, 1}, A4{1, 2}, 1, 0, 0, Ex{}},
    {26, "Suzuki Tci 125", 13, true, 3, 4, 2, 2, A4{2, 3}, A4{3, 4}, 1, 0, 0, Ex{}},
    {27, "Suzuki VS 800", 14, true, 2, 4, 2, 2, A4{3, 2}, A4{4, 3}, 1, 0, 0, Ex{}},
    {28, "TDM 850", 15, true, 2, 4, 2, 2, A4{3, 4}, A4{4, 1}, 2, 2, 0, Ex{}},
    {29, "Triumph Tigra", 26, true, 5, 7, 3, 3, A4{2, 4, 6}, A4{3, 5, 1}, 1, 0, 0, Ex{}},
    {30, "Virago XV", 16, true, 3, 2, 2, 2, A4{1, 2}, A4{65, 66}, 2, 0, 0, Ex{}},
    {31, "Yamaha 125 SR", 17, true, 4, 2, 2, 2, A4{2, 193}, A4{193, 194}, 2, 1, 0, Ex{}},
    {32, "Yamaha Fz 750", 18, true, 2, 8, 2, 2, A4{3, 7}, A4{4, 8}, 2, 2, 0, Ex{}},
    {33, "Yamaha R1", 19, true, 2, 4, 2, 2, A4{3, 1}, A4{4, 2}, 2, 2, 0, Ex{Set(Field::ServoEnabled, 1)}},
    {34, "Yamaha R6", 20, true, 1, 5, 2, 2, A4{65, 67}, A4{66, 68}, 2, 2, 0, Ex{}},
    {35, "Yamaha XT600E", 21, true, 2, 4, 1, 2, A4{4, 2}, A4{1, 3}, 1, 2, 0, Ex{Set(Field::LowerAdvanceAtStart, 1)}},
    {36, "Yamaha XVZ 1300", 25, true, 1, 7, 4, 4, A4{65, 66, 68, 69}, A4{66, 67, 69, 70}, 2, 2, 0, Ex{}},
    {37, "3 Cylinder, 1 pickup - kick start", 34, true, 10, 4, 3, 3, A4{2, 3, 4}, A4{66, 67, 68}, 1, 0, 0, Ex{}},
    {38, "Special setting", kBikeCodeSpecial, false, 0, 0, 0, 0, A4{}, A4{}, std::nullopt, 0, 0, Ex{}},
};
// clang-format on

constexpr bool IndicesInOrder() {
    for (int i = 0; i < kPresetCount; ++i)
        if (kPresets[i].index != i) return false;
    return true;
}
static_assert(IndicesInOrder(), "preset entries must be listed by index");

constexpr bool CodesCoverTable() {
    std::array<bool, kPresetCount> seen{};
    for (const auto& p : kPresets) {
        if (p.code < 0 || p.code >= kPresetCount || seen[p.code]) return false;
        seen[p.code] = true;
    }
    return true;
}
static_assert(CodesCoverTable(), "every code 0..38 must appear exactly once");

} // namespace

int PresetCodeForIndex(int index) {
    if (index < 0 || index >= kPresetCount) return -1;
    return kPresets[index].code;
}

std::optional<int> PresetIndexForCode(int code) {
    for (const auto& p : kPresets)
        if (p.code == code) return p.index;
    return std::nullopt;
}

const char* PresetEntryText(int index) {
    if (index < 0 || index >= kPresetCount) return "";
    return kPresets[index].text;
}

const BikePreset* PresetForCode(int code) {
    for (const auto& p : kPresets)
        if (p.code == code) return &p;
    return nullptr;
}

void ApplyPreset(TParamImage& img, int code, PageSelection sel) {
    const BikePreset* p = PresetForCode(code);
    if (!p || !p->hasSync) return;
    if (sel.includes(PageGroup::Bike)) {
        img.set(Field::SyncMethod, p->method);
        img.set(Field::LobeCount, p->lobes);
        img.set(Field::OutputCount, p->outputs);
        for (int ch = 0; ch < p->triggerCount; ++ch) {
            img.set(Field::MaxAdvTrigger, ch, p->maxAdv[ch]);
            img.set(Field::StartAdvTrigger, ch, p->startAdv[ch]);
        }
    }
    for (const PresetExtra& e : p->extras)
        if (e.field && sel.includes(e.field->fileGroup)) img.set(*e.field, e.value);
}

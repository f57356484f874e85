#pragma once
// The unit's 500-byte parameter image and the meaning of every byte in it.
// All other code addresses the image through the named fields below, never
// through bare offsets.

#include <array>
#include <cstdint>
#include <span>

inline constexpr int kImageSize = 500;
inline constexpr int kBlockSize = 100;
inline constexpr int kBlockCount = 5;
inline constexpr int kWordCount = 30; // words 0..29 cover bytes 0..59

// The six page groups that own image fields.  None marks a field that a file
// load or a reset to defaults does not touch.
enum class PageGroup : int8_t {
    None = -1,
    Miscellaneous = 0,
    Bike = 1,
    AdvanceMap = 2,
    PowerOut = 3,
    Servo = 4,
    Test = 5,
};
inline constexpr int kPageGroupCount = 6;

// All six groups, or exactly one of them.
struct PageSelection {
    bool all = true;
    PageGroup group = PageGroup::None;

    static constexpr PageSelection All() { return {true, PageGroup::None}; }
    static constexpr PageSelection Only(PageGroup g) { return {false, g}; }
    constexpr bool includes(PageGroup g) const {
        return g != PageGroup::None && (all || g == group);
    }
};

// How a stored value turns into the value the user sees.
enum class Encoding : uint8_t {
    Raw,       // v
    Times10,   // 10 v
    Times20,   // 20 v
    Times5,    // 5 v
    Times100,  // 100 v (speeds in hundreds of rpm)
    Minus100,  // v - 100 (signed degrees or percent)
    Word,      // unsigned 16-bit little-endian word
    LobeRef,   // lobe number | 64 second edge | 128 second pick-up
    Bits,      // on/off bits
    ServoCell, // 20 mV units or percent, by the servo percent flag
    Reserved,  // kept exactly as received
};

struct FieldDesc {
    int offset; // byte offset in the image (for word fields: 2 * word index)
    int count;  // number of elements (bytes, or words for word fields)
    Encoding rule;
    int minDisplay; // range in display units (informational; normalisation owns the clamps)
    int maxDisplay;
    PageGroup fileGroup;    // group used when loading from a file
    PageGroup defaultGroup; // group used when resetting to defaults

    constexpr bool isWord() const { return rule == Encoding::Word; }
    constexpr int wordIndex(int i = 0) const { return offset / 2 + i; }
    constexpr int byteOffset(int i = 0) const { return offset + (isWord() ? 2 * i : i); }
    constexpr int byteWidth() const { return isWord() ? 2 * count : count; }
    constexpr int end() const { return offset + byteWidth(); }
};

namespace Field {
using G = PageGroup;
using E = Encoding;
constexpr FieldDesc W(int word, int n, int lo, int hi, G g) {
    return {2 * word, n, E::Word, lo, hi, g, g};
}

// --- word fields (words 0..29) ---
inline constexpr FieldDesc TpsLow = W(0, 1, 0, 5000, G::Miscellaneous);  // mV at 0 % throttle
inline constexpr FieldDesc TpsHigh = W(1, 1, 0, 5000, G::Miscellaneous); // mV at 100 % throttle
inline constexpr FieldDesc IapPressure1 = W(2, 1, 0, 999, G::Miscellaneous);
inline constexpr FieldDesc IapVoltage1 = W(3, 1, 0, 5000, G::Miscellaneous);
inline constexpr FieldDesc IapPressure2 = W(4, 1, 0, 999, G::Miscellaneous);
inline constexpr FieldDesc IapVoltage2 = W(5, 1, 0, 5000, G::Miscellaneous);
inline constexpr FieldDesc AdvLoadAxis = W(6, 10, 0, 1000, G::AdvanceMap);
inline constexpr FieldDesc ServoLoadAxis = W(16, 10, 0, 1000, G::Servo);
inline constexpr FieldDesc PowerOut1Load = W(26, 2, 0, 999, G::PowerOut); // lower, upper
inline constexpr FieldDesc PowerOut2Load = W(28, 2, 0, 999, G::PowerOut);

// --- byte fields (bytes 60..499) ---
inline constexpr FieldDesc Reserved60 = {60, 21, E::Reserved, 0, 255, G::None, G::None};
inline constexpr FieldDesc StartLimiter = {
    81, 1, E::Times100, 1000, 25000, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc BikeCode = {82, 1, E::Raw, 0, 38, G::Bike, G::None};
inline constexpr FieldDesc Reserved83 = {83, 1, E::Reserved, 0, 255, G::None, G::None};
inline constexpr FieldDesc SyncMethod = {84, 1, E::Raw, 0, 13, G::Bike, G::Bike};
inline constexpr FieldDesc LobeCount = {85, 1, E::Raw, 1, 58, G::Bike, G::Bike};
inline constexpr FieldDesc OutputCount = {86, 1, E::Raw, 1, 4, G::Bike, G::Bike};
inline constexpr FieldDesc IgnitionsPerRev = {87, 1, E::Raw, 0, 3, G::Bike, G::Miscellaneous};
inline constexpr FieldDesc Pickup1Polarity = {88, 1, E::Raw, 0, 2, G::Bike, G::Bike};
inline constexpr FieldDesc Pickup2Polarity = {89, 1, E::Raw, 0, 2, G::Bike, G::Bike};
inline constexpr FieldDesc BaseAdvance = {90, 1, E::Raw, 0, 40, G::AdvanceMap, G::Bike};
inline constexpr FieldDesc AdvMapMode = {91, 1, E::Raw, 0, 1, G::AdvanceMap, G::AdvanceMap};
inline constexpr FieldDesc LoadSensor = {92, 1, E::Raw, 0, 2, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc RevsWithoutIgnition = {93, 1, E::Raw, 0, 40, G::Bike, G::Miscellaneous};
inline constexpr FieldDesc TachoPulses = {94, 1, E::Raw, 0, 6, G::Bike, G::Bike};
inline constexpr FieldDesc TachoCorrection = {95, 1, E::Minus100, -60, 60, G::Bike, G::Bike};
inline constexpr FieldDesc Limiter = {
    96, 1, E::Times100, 999, 25000, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellMode = {97, 1, E::Raw, 0, 3, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellTime = {
    98, 1, E::Times100, 0, 20000, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellCorrection = {
    99, 1, E::Raw, 25, 250, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellDynamic = {
    100, 1, E::Raw, 0, 30, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellMaxTime = {
    101, 1, E::Times100, 0, 20000, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc DwellLobeMaxSpeed = {
    102, 1, E::Times100, 100, 25000, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc ServoEnabled = {103, 1, E::Raw, 0, 1, G::Servo, G::Servo};
inline constexpr FieldDesc ServoPercent = {104, 1, E::Raw, 0, 1, G::Servo, G::Servo};
inline constexpr FieldDesc ServoHysteresis = {105, 1, E::Times5, 0, 1275, G::Servo, G::Servo};
inline constexpr FieldDesc ServoOffPosition = {106, 1, E::Raw, 0, 250, G::Servo, G::Servo};
inline constexpr FieldDesc CylCorrection = {
    107, 4, E::Minus100, -30, 30, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc Compensation = {
    111, 4, E::Raw, 0, 255, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc ClutchTime = {
    115, 1, E::Times10, 0, 2500, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc ClutchPause = {
    116, 1, E::Times10, 0, 2500, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc Retard = {117, 1, E::Raw, 0, 25, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc MaxAdvTrigger = {118, 4,       E::LobeRef, 0,
                                            255, G::Bike, G::Bike}; // channel 1..4
inline constexpr FieldDesc StartAdvTrigger = {122, 4,       E::LobeRef, 0,
                                              255, G::Bike, G::Bike}; // channel 1..4
inline constexpr FieldDesc Input1Function = {
    126, 1, E::Raw, 0, 6, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc Input2Function = {
    127, 1, E::Raw, 0, 6, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc InputsNeutralStand = {
    128, 1, E::Raw, 0, 1, G::Miscellaneous, G::Miscellaneous};
inline constexpr FieldDesc PickupsInterchanged = {129, 1, E::Raw, 0, 1, G::Bike, G::Bike};
inline constexpr FieldDesc NoLobeCheck = {130, 1, E::Raw, 0, 1, G::Bike, G::Bike};
inline constexpr FieldDesc SparkBeforeLobe = {131, 1, E::Raw, 0, 1, G::Bike, G::Bike};
inline constexpr FieldDesc LowerAdvanceAtStart = {132, 1, E::Raw, 0, 1, G::Bike, G::Bike};
inline constexpr FieldDesc TestSpeed = {133, 1, E::Times100, 200, 25000, G::None, G::Test};
inline constexpr FieldDesc ServoTestTime = {134, 1, E::Times10, 10, 2500, G::None, G::Test};
inline constexpr FieldDesc PowerOut1Mode = {135, 1, E::Raw, 0, 3, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut2Mode = {136, 1, E::Raw, 0, 3, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut1Speeds = {137,   3,           E::Times100, 300,
                                              25000, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut2Speeds = {140,   3,           E::Times100, 300,
                                              25000, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut1Hysteresis = {143,  1,           E::Times10, 0,
                                                  2500, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut2Hysteresis = {144,  1,           E::Times10, 0,
                                                  2500, G::PowerOut, G::PowerOut};
inline constexpr FieldDesc PowerOut1Grid = {
    145, 3, E::Bits, 0, 15, G::PowerOut, G::None}; // load zone r, bit c speed zone
inline constexpr FieldDesc PowerOut2Grid = {148, 3, E::Bits, 0, 15, G::PowerOut, G::None};
inline constexpr FieldDesc SpecialDwellStart = {151, 1, E::Raw, 0, 1, G::Bike, G::Bike};
inline constexpr FieldDesc InterlockInput = {152, 1, E::Raw, 0, 1, G::Bike, G::None};
inline constexpr FieldDesc ServoMapMode = {153, 1, E::Raw, 0, 2, G::Servo, G::None};
inline constexpr FieldDesc MinDischarge = {154,    1, E::Times100, 1000, 3000, G::Miscellaneous,
                                           G::Bike};
inline constexpr FieldDesc AdvColumns = {155, 1, E::Raw, 1, 15, G::AdvanceMap, G::AdvanceMap};
inline constexpr FieldDesc ServoColumns = {156, 1, E::Raw, 1, 15, G::Servo, G::Servo};
inline constexpr FieldDesc Reserved157 = {157, 13, E::Reserved, 0, 255, G::None, G::None};
inline constexpr FieldDesc ServoSpeedAxis = {170, 15, E::Times100, 300, 20500, G::Servo, G::Servo};
inline constexpr FieldDesc AdvSpeedAxis = {185,           15,           E::Times100, 300, 20000,
                                           G::AdvanceMap, G::AdvanceMap};
inline constexpr FieldDesc AdvanceMap = {200, 150,           E::Minus100,  -30,
                                         60,  G::AdvanceMap, G::AdvanceMap};
inline constexpr FieldDesc ServoMap = {350, 150, E::ServoCell, 0, 5000, G::Servo, G::Servo};
} // namespace Field

// Both maps: 10 rows (load axis) by 15 columns (speed axis), row stride 15.
inline constexpr int kMapRows = 10;
inline constexpr int kMapColumns = 15;
constexpr int MapCell(const FieldDesc& map, int row, int col) {
    return map.offset + kMapColumns * row + col;
}

// The fields of each power output, 0 and 1.
struct PowerOutputFields {
    FieldDesc mode, speeds, hysteresis, load, grid;
};
inline constexpr PowerOutputFields kPowerOutputs[2] = {
    {Field::PowerOut1Mode, Field::PowerOut1Speeds, Field::PowerOut1Hysteresis, Field::PowerOut1Load,
     Field::PowerOut1Grid},
    {Field::PowerOut2Mode, Field::PowerOut2Speeds, Field::PowerOut2Hysteresis, Field::PowerOut2Load,
     Field::PowerOut2Grid},
};

// LobeRef bits.
inline constexpr uint8_t kLobeNumberMask = 0x3F;
inline constexpr uint8_t kLobeSecondEdge = 0x40;
inline constexpr uint8_t kLobeSecondPickup = 0x80;

// Bike code of the special setting (no preset).
inline constexpr uint8_t kBikeCodeSpecial = 22;

// Every field, in offset order.  Used by the layout checks and by code that
// walks the whole image (e.g. showing or comparing fields by name).
struct NamedField {
    const char* name;
    FieldDesc field;
};
inline constexpr NamedField kAllFields[] = {
    {"TpsLow", Field::TpsLow},
    {"TpsHigh", Field::TpsHigh},
    {"IapPressure1", Field::IapPressure1},
    {"IapVoltage1", Field::IapVoltage1},
    {"IapPressure2", Field::IapPressure2},
    {"IapVoltage2", Field::IapVoltage2},
    {"AdvLoadAxis", Field::AdvLoadAxis},
    {"ServoLoadAxis", Field::ServoLoadAxis},
    {"PowerOut1Load", Field::PowerOut1Load},
    {"PowerOut2Load", Field::PowerOut2Load},
    {"Reserved60", Field::Reserved60},
    {"StartLimiter", Field::StartLimiter},
    {"BikeCode", Field::BikeCode},
    {"Reserved83", Field::Reserved83},
    {"SyncMethod", Field::SyncMethod},
    {"LobeCount", Field::LobeCount},
    {"OutputCount", Field::OutputCount},
    {"IgnitionsPerRev", Field::IgnitionsPerRev},
    {"Pickup1Polarity", Field::Pickup1Polarity},
    {"Pickup2Polarity", Field::Pickup2Polarity},
    {"BaseAdvance", Field::BaseAdvance},
    {"AdvMapMode", Field::AdvMapMode},
    {"LoadSensor", Field::LoadSensor},
    {"RevsWithoutIgnition", Field::RevsWithoutIgnition},
    {"TachoPulses", Field::TachoPulses},
    {"TachoCorrection", Field::TachoCorrection},
    {"Limiter", Field::Limiter},
    {"DwellMode", Field::DwellMode},
    {"DwellTime", Field::DwellTime},
    {"DwellCorrection", Field::DwellCorrection},
    {"DwellDynamic", Field::DwellDynamic},
    {"DwellMaxTime", Field::DwellMaxTime},
    {"DwellLobeMaxSpeed", Field::DwellLobeMaxSpeed},
    {"ServoEnabled", Field::ServoEnabled},
    {"ServoPercent", Field::ServoPercent},
    {"ServoHysteresis", Field::ServoHysteresis},
    {"ServoOffPosition", Field::ServoOffPosition},
    {"CylCorrection", Field::CylCorrection},
    {"Compensation", Field::Compensation},
    {"ClutchTime", Field::ClutchTime},
    {"ClutchPause", Field::ClutchPause},
    {"Retard", Field::Retard},
    {"MaxAdvTrigger", Field::MaxAdvTrigger},
    {"StartAdvTrigger", Field::StartAdvTrigger},
    {"Input1Function", Field::Input1Function},
    {"Input2Function", Field::Input2Function},
    {"InputsNeutralStand", Field::InputsNeutralStand},
    {"PickupsInterchanged", Field::PickupsInterchanged},
    {"NoLobeCheck", Field::NoLobeCheck},
    {"SparkBeforeLobe", Field::SparkBeforeLobe},
    {"LowerAdvanceAtStart", Field::LowerAdvanceAtStart},
    {"TestSpeed", Field::TestSpeed},
    {"ServoTestTime", Field::ServoTestTime},
    {"PowerOut1Mode", Field::PowerOut1Mode},
    {"PowerOut2Mode", Field::PowerOut2Mode},
    {"PowerOut1Speeds", Field::PowerOut1Speeds},
    {"PowerOut2Speeds", Field::PowerOut2Speeds},
    {"PowerOut1Hysteresis", Field::PowerOut1Hysteresis},
    {"PowerOut2Hysteresis", Field::PowerOut2Hysteresis},
    {"PowerOut1Grid", Field::PowerOut1Grid},
    {"PowerOut2Grid", Field::PowerOut2Grid},
    {"SpecialDwellStart", Field::SpecialDwellStart},
    {"InterlockInput", Field::InterlockInput},
    {"ServoMapMode", Field::ServoMapMode},
    {"MinDischarge", Field::MinDischarge},
    {"AdvColumns", Field::AdvColumns},
    {"ServoColumns", Field::ServoColumns},
    {"Reserved157", Field::Reserved157},
    {"ServoSpeedAxis", Field::ServoSpeedAxis},
    {"AdvSpeedAxis", Field::AdvSpeedAxis},
    {"AdvanceMap", Field::AdvanceMap},
    {"ServoMap", Field::ServoMap},
};

// Layout checks at build time: word fields stay in the word area, byte fields
// in the byte area, and the fields tile the image without gap or overlap.
namespace layout_check {
constexpr bool FieldsTileImage() {
    int next = 0;
    for (const auto& nf : kAllFields) {
        if (nf.field.offset != next) return false;
        next = nf.field.end();
    }
    return next == kImageSize;
}
constexpr bool WordFieldsInWordArea() {
    for (const auto& nf : kAllFields)
        if (nf.field.isWord() != (nf.field.offset < 2 * kWordCount)) return false;
    for (const auto& nf : kAllFields)
        if (nf.field.isWord() && nf.field.end() > 2 * kWordCount) return false;
    return true;
}
static_assert(FieldsTileImage(), "image fields must tile bytes 0..499 without overlap");
static_assert(WordFieldsInWordArea(), "word fields must lie within words 0..29");
static_assert(MapCell(Field::AdvanceMap, kMapRows - 1, kMapColumns - 1) == 349);
static_assert(MapCell(Field::ServoMap, kMapRows - 1, kMapColumns - 1) == 499);
} // namespace layout_check

// The image itself: a plain 500-byte value.
struct TParamImage {
    std::array<uint8_t, kImageSize> bytes{};

    uint8_t& operator[](int offset) { return bytes[offset]; }
    uint8_t operator[](int offset) const { return bytes[offset]; }

    uint16_t word(int w) const { return uint16_t(bytes[2 * w] | (bytes[2 * w + 1] << 8)); }
    void setWord(int w, uint16_t v) {
        bytes[2 * w] = uint8_t(v & 0xFF);
        bytes[2 * w + 1] = uint8_t(v >> 8);
    }

    // Element i of a field: a byte, or a word for word fields.
    int get(const FieldDesc& f, int i = 0) const {
        return f.isWord() ? word(f.wordIndex(i)) : bytes[f.offset + i];
    }
    void set(const FieldDesc& f, int i, int v) {
        if (f.isWord())
            setWord(f.wordIndex(i), uint16_t(v));
        else
            bytes[f.offset + i] = uint8_t(v);
    }
    void set(const FieldDesc& f, int v) { set(f, 0, v); }

    // Block k (1..5) = bytes 100(k-1) .. 100k-1.
    std::span<uint8_t, kBlockSize> block(int k) {
        return std::span<uint8_t, kBlockSize>(bytes.data() + kBlockSize * (k - 1), kBlockSize);
    }
    std::span<const uint8_t, kBlockSize> block(int k) const {
        return std::span<const uint8_t, kBlockSize>(bytes.data() + kBlockSize * (k - 1),
                                                    kBlockSize);
    }

    bool operator==(const TParamImage&) const = default;
};

// Display value of a stored value by rule (ServoCell needs the percent flag).
int ToDisplay(Encoding rule, int stored, bool servoPercent = false);
// Stored value of a display value by rule: integer division truncates;
// Minus100 wraps modulo 256.
int ToStored(Encoding rule, int display, bool servoPercent = false);

// Block 0 as last reported by the unit; not part of the image.
struct THeaderBlock {
    std::array<uint8_t, kBlockSize> bytes{};

    static constexpr int NameChars = 0;  // three characters, bytes 0..2
    static constexpr int NameNumber = 3; // two-digit number
    static constexpr int Day = 4;
    static constexpr int Month = 5; // coded
    static constexpr int Year = 6;  // two-digit year
    static constexpr int Hour = 7;
    static constexpr int Minute = 8;
    static constexpr int Version = 10;
    static constexpr int SubVersion = 11;
    static constexpr int LongName = 16; // up to 30 characters, replaces the name if byte 16 != 0
    static constexpr int LongNameLength = 30;

    uint8_t operator[](int i) const { return bytes[i]; }
    uint8_t& operator[](int i) { return bytes[i]; }
    bool operator==(const THeaderBlock&) const = default;
};

// Protocol version of both sides.
inline constexpr int kProtocolVersion = 97;
inline constexpr int kProtocolSubVersion = 0;

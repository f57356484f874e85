#include "files/param_file_reader.h"

#include "files/param_file_format.h"
#include "files/token_reader.h"
#include "model/defaults.h"

#include <algorithm>
#include <array>

namespace {

// How a value read from the file is stored.
enum class Conv : uint8_t {
    Raw,
    Div5,
    Div10,
    Div20,
    Div100,
    Plus100,
    AtMost1,    // map mode derived from the old combined TPS_MAPA value
    LobeNumber, // low 6 bits of the value replace the whole LobeRef
    LobeEdge,   // sets the second-edge bit when the value is not 0
    LobePickup, // sets the second-pick-up bit when the value is not 0
    GridBit,    // power-output grid: bit of row `element`
};

struct Slot {
    int value; // index among the keyword's values
    FieldDesc field;
    int element;
    Conv conv;
    int bit = 0;
    PageGroup group = PageGroup::None; // when set, overrides the field's file group
};

enum class Post : uint8_t { None, OldSpeedAxis, OldAdvanceMap };

struct Keyword {
    std::string_view name;
    int count;
    std::vector<Slot> slots;
    Post post = Post::None;
};

std::vector<Slot> Run(int firstValue, const FieldDesc& f, int firstElement, int n, Conv c) {
    std::vector<Slot> s;
    for (int i = 0; i < n; ++i) s.push_back({firstValue + i, f, firstElement + i, c});
    return s;
}

std::vector<Slot> Join(std::initializer_list<std::vector<Slot>> parts) {
    std::vector<Slot> s;
    for (const auto& p : parts) s.insert(s.end(), p.begin(), p.end());
    return s;
}

std::vector<Slot> One(const FieldDesc& f, Conv c = Conv::Raw) {
    return {{0, f, 0, c}};
}

// One value for each field, in order.
std::vector<Slot> Each(std::initializer_list<FieldDesc> fields, Conv c = Conv::Raw) {
    std::vector<Slot> s;
    for (const FieldDesc& f : fields) s.push_back({int(s.size()), f, 0, c});
    return s;
}

std::vector<Slot> BikeSlots() {
    std::vector<Slot> s = {{0, Field::BikeCode, 0, Conv::Raw},
                           {1, Field::SyncMethod, 0, Conv::Raw},
                           {2, Field::LobeCount, 0, Conv::Raw},
                           {3, Field::OutputCount, 0, Conv::Raw}};
    int v = 4;
    for (int ch = 0; ch < 4; ++ch) {
        for (const FieldDesc& f : {Field::MaxAdvTrigger, Field::StartAdvTrigger}) {
            s.push_back({v++, f, ch, Conv::LobeNumber});
            s.push_back({v++, f, ch, Conv::LobeEdge});
            s.push_back({v++, f, ch, Conv::LobePickup});
        }
    }
    s.push_back({v++, Field::RevsWithoutIgnition, 0, Conv::Raw});
    for (int i = 0; i < 4; ++i) s.push_back({v++, Field::Compensation, i, Conv::Raw});
    return s;
}

std::vector<Slot> PowerOutSlots(const PowerOutputFields& f) {
    std::vector<Slot> s =
        Join({Run(0, f.mode, 0, 1, Conv::Raw), Run(1, f.speeds, 0, 3, Conv::Div100),
              Run(4, f.hysteresis, 0, 1, Conv::Div10), Run(5, f.load, 0, 2, Conv::Raw)});
    int v = 7;
    for (int row = 0; row < 3; ++row)
        for (int bit = 0; bit < 4; ++bit) s.push_back({v++, f.grid, row, Conv::GridBit, bit});
    return s;
}

std::vector<Slot> AdvanceSlots(bool oldFile) {
    std::vector<Slot> s;
    const int columns = oldFile ? 10 : kMapColumns;
    for (int row = 0; row < kMapRows; ++row)
        for (int col = 0; col < columns; ++col)
            s.push_back(
                {row * columns + col, Field::AdvanceMap, row * kMapColumns + col, Conv::Plus100});
    return s;
}

std::vector<Keyword> BuildKeywords(bool oldFile) {
    return {
        {"BIKE", 33, BikeSlots()},
        {"CORR_ADVANCE", 4, Run(0, Field::CylCorrection, 0, 4, Conv::Plus100)},
        {"GEBER_MODE", 1, One(Field::IgnitionsPerRev)},
        {"INPUT", 5,
         Each({Field::Pickup1Polarity, Field::Pickup2Polarity, Field::Input1Function,
               Field::Input2Function, Field::InputsNeutralStand})},
        {"PICKUPS_INTERCHANGE", 1, One(Field::PickupsInterchanged)},
        {"NO_LOBE_CHECK", 1, One(Field::NoLobeCheck)},
        {"INTERLOCK_INPUT", 1, One(Field::InterlockInput)},
        {"SPARK_BEFORE_LOBE", 1, One(Field::SparkBeforeLobe)},
        {"SPECIAL_START", 1, One(Field::LowerAdvanceAtStart)},
        {"SPECIAL_DWELL_START", 1, One(Field::SpecialDwellStart)},
        {"BASE_ADV", 1, One(Field::BaseAdvance)},
        {"LIMITER", 1, One(Field::Limiter)},
        {"START_LIM", 1, One(Field::StartLimiter)},
        {"PILOT_LIGHT", 1, {{0, Field::PowerOut2Speeds, 0, Conv::Div100}}},
        {"PILOT_LIGHT_INV_OUT", 1, {}},
        {"CLUTCH", 2, Each({Field::ClutchTime, Field::ClutchPause}, Conv::Div10)},
        {"RETARD", 1, One(Field::Retard)},
        {"TPS", 2, Each({Field::TpsLow, Field::TpsHigh})},
        {"RPM", 2,
         Join({One(Field::TachoPulses), Run(1, Field::TachoCorrection, 0, 1, Conv::Plus100)})},
        {"EXCITATION", 1, One(Field::DwellMode)},
        // Stored as read: the file carries the dwell values in stored units.
        {"DWELL", 6,
         Each({Field::DwellMode, Field::DwellTime, Field::DwellCorrection, Field::DwellDynamic,
               Field::DwellMaxTime, Field::DwellLobeMaxSpeed})},
        {"DUR_DISCHARG", 1, One(Field::MinDischarge)},
        // Older files kept sensor and map mode in one value.  It belongs to the
        // map: the load axis means nothing without its sensor type, so both
        // halves load with the Advance Map group.
        {"TPS_MAPA",
         1,
         {{0, Field::AdvMapMode, 0, Conv::AtMost1},
          {0, Field::LoadSensor, 0, Conv::Raw, 0, PageGroup::AdvanceMap}}},
        {"ADV_MAPA", 1, One(Field::AdvMapMode)},
        {"TPSIAP_SENSOR", 1, One(Field::LoadSensor)},
        {"ADV_IAP", 10, Run(0, Field::AdvLoadAxis, 0, 10, Conv::Raw)},
        {"SERVO_IAP", 10, Run(0, Field::ServoLoadAxis, 0, 10, Conv::Raw)},
        {"IAP_SENSOR", 4,
         Each({Field::IapPressure1, Field::IapVoltage1, Field::IapPressure2, Field::IapVoltage2})},
        {"ADV_COLUMNS", 1, One(Field::AdvColumns)},
        {"RPM_ADV", oldFile ? 10 : 15,
         Run(0, Field::AdvSpeedAxis, 0, oldFile ? 10 : 15, Conv::Div100),
         oldFile ? Post::OldSpeedAxis : Post::None},
        {"ADVANCE", oldFile ? 100 : 150, AdvanceSlots(oldFile),
         oldFile ? Post::OldAdvanceMap : Post::None},
        {"SERVO_ENABLE", 1, One(Field::ServoEnabled)},
        {"SERVO_PERCENT", 1, One(Field::ServoPercent)},
        {"SERVO_HYSTER", 1, One(Field::ServoHysteresis, Conv::Div5)},
        {"SERVO_NO", 1, One(Field::ServoOffPosition)},
        {"SERVO_COLUMNS", 1, One(Field::ServoColumns)},
        {"SERVO_MAPA", 1, One(Field::ServoMapMode)},
        {"SERVO_RPM", 15, Run(0, Field::ServoSpeedAxis, 0, 15, Conv::Div100)},
        {"SERVO_MV", 150, Run(0, Field::ServoMap, 0, 150, Conv::Div20)},
        {"POWER_OUT1", 19, PowerOutSlots(kPowerOutputs[0])},
        {"POWER_OUT2", 19, PowerOutSlots(kPowerOutputs[1])},
    };
}

const std::vector<Keyword>& Keywords(bool oldFile) {
    static const std::vector<Keyword> current = BuildKeywords(false);
    static const std::vector<Keyword> old = BuildKeywords(true);
    return oldFile ? old : current;
}

int64_t Converted(Conv c, int64_t v) {
    switch (c) {
    case Conv::Div5: return v / 5;
    case Conv::Div10: return v / 10;
    case Conv::Div20: return v / 20;
    case Conv::Div100: return v / 100;
    case Conv::Plus100: return v + 100;
    default: return v;
    }
}

void Store(const Slot& s, int64_t v, TParamImage& img) {
    const FieldDesc& f = s.field;
    switch (s.conv) {
    case Conv::LobeNumber: img.set(f, s.element, int(v & kLobeNumberMask)); return;
    case Conv::LobeEdge:
        if (v != 0) img.set(f, s.element, img.get(f, s.element) | kLobeSecondEdge);
        return;
    case Conv::LobePickup:
        if (v != 0) img.set(f, s.element, img.get(f, s.element) | kLobeSecondPickup);
        return;
    case Conv::GridBit:
        if (s.element == 0 && s.bit == 0)
            for (int row = 0; row < f.count; ++row) img.set(f, row, 0);
        if (v != 0) img.set(f, s.element, img.get(f, s.element) | (1 << s.bit));
        return;
    default: break;
    }
    const int64_t modulus = f.isWord() ? 65536 : 256;
    int64_t x = ((Converted(s.conv, v) % modulus) + modulus) % modulus;
    if (s.conv == Conv::AtMost1) x = std::min<int64_t>(x, 1);
    img.set(f, s.element, int(x));
}

void ApplyPost(Post post, TParamImage& img, PageSelection sel) {
    if (post == Post::None || !sel.includes(PageGroup::AdvanceMap)) return;
    if (post == Post::OldSpeedAxis) {
        img.set(Field::AdvColumns, 10);
        for (int i = 10; i < kMapColumns; ++i)
            img.set(Field::AdvSpeedAxis, i, uint8_t(img.get(Field::AdvSpeedAxis, i - 1) + 1));
    } else {
        for (int row = 0; row < kMapRows; ++row)
            for (int col = 10; col < kMapColumns; ++col)
                img[MapCell(Field::AdvanceMap, row, col)] = img[MapCell(Field::AdvanceMap, row, 9)];
    }
}

// Reads up to the keyword's count of numbers; stops at the first token that is
// not a number, which the caller then reads as an ordinary token.
void ReadKeyword(const Keyword& kw, TokenReader& tokens, TParamImage& img, PageSelection sel) {
    std::array<int64_t, 150> values{};
    int got = 0;
    while (got < kw.count) {
        auto v = tokens.nextNumber();
        if (!v) break;
        values[got++] = *v;
    }
    for (const Slot& s : kw.slots)
        if (s.value < got && sel.includes(s.group != PageGroup::None ? s.group : s.field.fileGroup))
            Store(s, values[s.value], img);
    ApplyPost(kw.post, img, sel);
}

void ConvertOlderVersion(int version, TParamImage& img, PageSelection sel, bool showMessages,
                         std::vector<std::string>& messages) {
    using G = PageGroup;
    if (sel.includes(G::Bike) || sel.includes(G::Miscellaneous))
        ApplyDefaults(img, sel, TriggerReset::Keep); // older files keep their triggers
    if (showMessages) messages.emplace_back(kMsgOlderFileVersion);
    if (sel.includes(G::PowerOut)) WritePowerOutDefaults(img);
    if (sel.includes(G::Bike)) {
        for (const FieldDesc& f :
             {Field::PickupsInterchanged, Field::NoLobeCheck, Field::SparkBeforeLobe,
              Field::LowerAdvanceAtStart, Field::SpecialDwellStart})
            img.set(f, 0);
    }
    if (sel.includes(G::Servo)) img.set(Field::ServoOffPosition, 0);
    if (version == 48) {
        if (sel.includes(G::Bike)) img.set(Field::IgnitionsPerRev, 1);
        if (sel.includes(G::Miscellaneous)) {
            img.set(Field::Input1Function, 2);
            img.set(Field::Input2Function, 3);
            img.set(Field::InputsNeutralStand, 0);
        }
    }
}

const Keyword* FindKeyword(std::string_view token, bool oldFile) {
    for (const Keyword& kw : Keywords(oldFile))
        if (kw.name == token) return &kw;
    return nullptr;
}

} // namespace

bool IsAcceptedParamFileVersion(int version) {
    if (version == kParamFileVersion) return true;
    return std::find(std::begin(kOlderParamFileVersions), std::end(kOlderParamFileVersions),
                     version) != std::end(kOlderParamFileVersions);
}

TParamReadResult ParamFileReader(std::string_view text, TParamImage& img, PageSelection sel,
                                 bool showMessages) {
    TParamReadResult result;
    TokenReader tokens(text);
    for (;;) {
        auto t = tokens.next();
        if (!t) return result; // no magic word: nothing loaded, nothing said
        if (*t == kParamFileMagic) break;
    }
    const auto parsed = tokens.nextNumber();
    const int version = parsed && *parsed > 0 && *parsed < 1000 ? int(*parsed) : 0;
    if (!IsAcceptedParamFileVersion(version)) {
        if (showMessages) result.messages.emplace_back(kMsgUnmatchedFileVersion);
        return result;
    }
    if (version != kParamFileVersion)
        ConvertOlderVersion(version, img, sel, showMessages, result.messages);

    const bool oldFile = version < kFirstFullMapVersion;
    while (auto t = tokens.next())
        if (const Keyword* kw = FindKeyword(*t, oldFile)) ReadKeyword(*kw, tokens, img, sel);
    result.version = version;
    return result;
}

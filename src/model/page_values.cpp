#include "model/page_values.h"

#include "model/normalise.h"

#include <algorithm>

namespace {

int Display(const TParamImage& img, const FieldDesc& f, int i = 0) {
    return ToDisplay(f.rule, img.get(f, i));
}

// Inverse rule; outside the stored width the value stops at the nearest
// limit (the signed offset rule wraps by definition and is left to ToStored).
void Store(TParamImage& img, const FieldDesc& f, int i, int display) {
    int stored = ToStored(f.rule, display);
    if (f.rule != Encoding::Minus100) stored = std::clamp(stored, 0, f.isWord() ? 0xFFFF : 0xFF);
    img.set(f, i, stored);
}
void Store(TParamImage& img, const FieldDesc& f, int display) {
    Store(img, f, 0, display);
}

template <size_t N>
void ReadArray(const TParamImage& img, const FieldDesc& f, std::array<int, N>& out) {
    for (size_t i = 0; i < N; ++i) out[i] = Display(img, f, int(i));
}
template <size_t N>
void StoreArray(TParamImage& img, const FieldDesc& f, const std::array<int, N>& in) {
    for (size_t i = 0; i < N; ++i) Store(img, f, int(i), in[i]);
}

int Flag(int ref, uint8_t bit) {
    return (ref & bit) ? 1 : 0;
}

uint8_t LobeRef(int lobe, int secondEdge, int secondPickup) {
    return uint8_t(std::clamp(lobe, 0, int(kLobeNumberMask)) | (secondEdge ? kLobeSecondEdge : 0) |
                   (secondPickup ? kLobeSecondPickup : 0));
}

const FieldDesc* const kDwellFields[] = {&Field::DwellMode,       &Field::DwellTime,
                                         &Field::DwellCorrection, &Field::DwellDynamic,
                                         &Field::DwellMaxTime,    &Field::DwellLobeMaxSpeed};

// Every single-value field and the member that holds it; one table serves
// both directions, so a field cannot be read from one place and stored to
// another.
struct ScalarBinding {
    const FieldDesc* field;
    int TPageValues::*value;
};
const ScalarBinding kScalars[] = {
    // Miscellaneous
    {&Field::Limiter, &TPageValues::limiter},
    {&Field::StartLimiter, &TPageValues::startLimiter},
    {&Field::ClutchTime, &TPageValues::clutchTime},
    {&Field::ClutchPause, &TPageValues::clutchPause},
    {&Field::Retard, &TPageValues::retard},
    {&Field::RevsWithoutIgnition, &TPageValues::revsWithoutIgnition},
    {&Field::LoadSensor, &TPageValues::loadSensor},
    {&Field::DwellMode, &TPageValues::dwellMode},
    {&Field::DwellTime, &TPageValues::dwellTime},
    {&Field::DwellCorrection, &TPageValues::dwellCorrection},
    {&Field::DwellDynamic, &TPageValues::dwellDynamic},
    {&Field::DwellMaxTime, &TPageValues::dwellMaxTime},
    {&Field::DwellLobeMaxSpeed, &TPageValues::dwellLobeMaxSpeed},
    {&Field::MinDischarge, &TPageValues::minDischarge},
    {&Field::TpsLow, &TPageValues::tpsLow},
    {&Field::TpsHigh, &TPageValues::tpsHigh},
    {&Field::IapPressure1, &TPageValues::iapPressure1},
    {&Field::IapVoltage1, &TPageValues::iapVoltage1},
    {&Field::IapPressure2, &TPageValues::iapPressure2},
    {&Field::IapVoltage2, &TPageValues::iapVoltage2},
    {&Field::InputsNeutralStand, &TPageValues::inputsNeutralStand},
    {&Field::Input1Function, &TPageValues::input1Function},
    {&Field::Input2Function, &TPageValues::input2Function},
    // Bike
    {&Field::BikeCode, &TPageValues::bikeCode},
    {&Field::TachoPulses, &TPageValues::tachoPulses},
    {&Field::TachoCorrection, &TPageValues::tachoCorrection},
    {&Field::Pickup1Polarity, &TPageValues::pickup1Polarity},
    {&Field::Pickup2Polarity, &TPageValues::pickup2Polarity},
    {&Field::PickupsInterchanged, &TPageValues::pickupsInterchanged},
    {&Field::NoLobeCheck, &TPageValues::noPolarityCheck},
    {&Field::InterlockInput, &TPageValues::interlockInput},
    {&Field::SparkBeforeLobe, &TPageValues::sparkBeforeLobe},
    {&Field::LowerAdvanceAtStart, &TPageValues::lowerAdvanceAtStart},
    {&Field::SpecialDwellStart, &TPageValues::specialDwellStart},
    {&Field::SyncMethod, &TPageValues::syncMethod},
    {&Field::LobeCount, &TPageValues::lobeCount},
    {&Field::OutputCount, &TPageValues::outputCount},
    {&Field::IgnitionsPerRev, &TPageValues::ignitionsCode},
    // Advance map
    {&Field::AdvMapMode, &TPageValues::advMapMode},
    {&Field::BaseAdvance, &TPageValues::baseAdvance},
    // Servo
    {&Field::ServoEnabled, &TPageValues::servoEnabled},
    {&Field::ServoPercent, &TPageValues::servoPercent},
    {&Field::ServoHysteresis, &TPageValues::servoHysteresis},
    {&Field::ServoOffPosition, &TPageValues::servoOffPosition},
    {&Field::ServoMapMode, &TPageValues::servoMapMode},
    // Test
    {&Field::TestSpeed, &TPageValues::testSpeed},
    {&Field::ServoTestTime, &TPageValues::servoTestTime},
};

// The multi-value fields, visited the same way in both directions.
template <typename Values, typename Visit>
void ForEachArray(Values& v, Visit visit) {
    visit(Field::Compensation, v.compensation);
    visit(Field::AdvLoadAxis, v.advLoadAxis);
    visit(Field::CylCorrection, v.cylCorrection);
    visit(Field::ServoLoadAxis, v.servoLoadAxis);
}

void ReadChannels(const TParamImage& img, TPageValues& v) {
    for (int ch = 0; ch < 4; ++ch) {
        const int maxRef = img.get(Field::MaxAdvTrigger, ch);
        const int startRef = img.get(Field::StartAdvTrigger, ch);
        v.channels[ch] = {maxRef & kLobeNumberMask,        Flag(maxRef, kLobeSecondEdge),
                          Flag(maxRef, kLobeSecondPickup), startRef & kLobeNumberMask,
                          Flag(startRef, kLobeSecondEdge), Flag(startRef, kLobeSecondPickup)};
    }
}

void StoreChannels(const TPageValues& v, TParamImage& img) {
    for (int ch = 0; ch < 4; ++ch) {
        const TChannelValues& c = v.channels[ch];
        img.set(Field::MaxAdvTrigger, ch,
                LobeRef(c.maxAdvLobe, c.maxAdvSecondEdge, c.maxAdvSecondPickup));
        img.set(Field::StartAdvTrigger, ch,
                LobeRef(c.startAdvLobe, c.startAdvSecondEdge, c.startAdvSecondPickup));
    }
}

void ReadPowerOut(const TParamImage& img, TPageValues& v) {
    for (int n = 0; n < 2; ++n) {
        const PowerOutputFields& f = kPowerOutputs[n];
        TPowerOutValues& out = v.powerOut[n];
        out.mode = Display(img, f.mode);
        out.hysteresis = Display(img, f.hysteresis);
        ReadArray(img, f.speeds, out.speeds);
        ReadArray(img, f.load, out.loads);
        ReadArray(img, f.grid, out.grid);
    }
}

void StorePowerOut(const TPageValues& v, TParamImage& img) {
    for (int n = 0; n < 2; ++n) {
        const PowerOutputFields& f = kPowerOutputs[n];
        const TPowerOutValues& out = v.powerOut[n];
        Store(img, f.mode, out.mode);
        Store(img, f.hysteresis, out.hysteresis);
        StoreArray(img, f.speeds, out.speeds);
        StoreArray(img, f.load, out.loads);
        StoreArray(img, f.grid, out.grid);
    }
}

} // namespace

void ImageToValues(const TParamImage& img, TPageValues& v) {
    for (const ScalarBinding& b : kScalars) v.*b.value = Display(img, *b.field);
    v.outputCount = std::clamp(v.outputCount, 1, 4);
    ForEachArray(v, [&](const FieldDesc& f, auto& values) { ReadArray(img, f, values); });
    ReadChannels(img, v);
    ReadPowerOut(img, v);
}

TPageValues ImageToValues(const TParamImage& img) {
    TPageValues v;
    ImageToValues(img, v);
    return v;
}

void ValuesToImage(const TPageValues& v, TParamImage& img) {
    for (const ScalarBinding& b : kScalars) Store(img, *b.field, v.*b.value);
    // This edition offers no dwell settings: the dwell bytes are always stored as 0.
    for (const FieldDesc* f : kDwellFields) img.set(*f, 0);
    ForEachArray(v, [&](const FieldDesc& f, const auto& values) { StoreArray(img, f, values); });
    StoreChannels(v, img);
    StorePowerOut(v, img);
}

void PinBikePageValues(TPageValues& v) {
    v.bikeCode = kBikeCodeSpecial;
    v.tachoPulses = 1;
    v.tachoCorrection = 0;
    v.pickup1Polarity = 1; // Minus
    v.pickupsInterchanged = 1;
    v.noPolarityCheck = 1;
    v.lowerAdvanceAtStart = 0;
    for (int i = 0; i < 3; ++i) v.compensation[i] = 11;
}

void PinMiscPageValues(TPageValues& v) {
    v.inputsNeutralStand = 0;
    v.input2Function = 0;
    v.loadSensor = 0;
    if (v.input1Function > 1) v.input1Function = 0;
}

void ApplyBikePageReadRule(TPageValues& v) {
    if (v.bikeCode == kBikeCodeSpecial) return;
    v.noPolarityCheck = 0;
    v.interlockInput = 0;
    v.sparkBeforeLobe = 0;
}

void ForceSecondEdgesForMethod8(TPageValues& v) {
    if (v.syncMethod != 8) return;
    for (TChannelValues& c : v.channels) {
        c.maxAdvSecondEdge = 1;
        c.startAdvSecondEdge = 1;
    }
}

int IgnitionsCodeForIndex(int index) {
    return ((index + 1) % 4 + 4) % 4;
}
int IgnitionsIndexForCode(int code) {
    return ((code + 3) % 4 + 4) % 4;
}

void ApplyEditionPins(TParamImage& img) {
    TPageValues v = ImageToValues(img);
    PinMiscPageValues(v);
    PinBikePageValues(v);
    ForceSecondEdgesForMethod8(v);
    ValuesToImage(v, img);
    NormaliseImage(img);
}

#include "model/defaults.h"

#include "model/presets.h"

#include <algorithm>

// clang-format off
const std::array<std::array<int8_t, kDefaultAdvColumns>, kMapRows> kDefaultAdvanceDegrees = {{
    {10, 13, 16, 25, 28, 32, 33, 33, 33, 33},
    {10, 16, 22, 31, 33, 35, 35, 35, 35, 35},
    {10, 24, 35, 44, 45, 45, 43, 41, 41, 41},
    {10, 19, 32, 39, 45, 47, 46, 43, 43, 43},
    {10, 12, 15, 25, 31, 33, 32, 32, 32, 31},
    {10, 12, 16, 25, 28, 30, 33, 32, 32, 32},
    {10, 12, 16, 25, 28, 30, 33, 31, 33, 31},
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},
}};

const ServoTable kServoTableA = {
    {1200, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000},
    {2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900},
};
const ServoTable kServoTableB = {
    {300, 400, 4100, 4600, 6500, 7000, 7500, 8300, 9000, 10500},
    {600, 900, 900, 1220, 1220, 1290, 1360, 1610, 1860, 1860},
};
// clang-format on

namespace {

constexpr int kServoTableBCode = 19;
constexpr std::array<int, 15> kDefaultAdvSpeedAxis = {15, 20,  30,  40,  50,  60,  70, 80,
                                                      90, 100, 101, 102, 103, 104, 105};
constexpr std::array<int, 10> kDefaultLoadAxis = {30, 50, 60, 70, 75, 80, 85, 90, 95, 100};

template <size_t N>
void SetAll(TParamImage& img, const FieldDesc& f, const std::array<int, N>& values) {
    for (size_t i = 0; i < N; ++i) img.set(f, int(i), values[i]);
}
void Fill(TParamImage& img, const FieldDesc& f, int value) {
    for (int i = 0; i < f.count; ++i) img.set(f, i, value);
}

// Columns 0..9 from the table, 10..14 repeating column 9.
template <typename Cell>
void FillMap(TParamImage& img, const FieldDesc& map, Cell cell) {
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            img[MapCell(map, r, c)] = uint8_t(cell(r, std::min(c, kDefaultAdvColumns - 1)));
}

void WriteMiscDefaults(TParamImage& img, int code) {
    img.set(Field::Limiter, 110);
    img.set(Field::StartLimiter, 100);
    img.set(Field::TpsLow, 700);
    img.set(Field::TpsHigh, 3790);
    img.set(Field::IapPressure1, 55);
    img.set(Field::IapVoltage1, 2305);
    img.set(Field::IapPressure2, 105);
    img.set(Field::IapVoltage2, 3756);
    img.set(Field::LoadSensor, 0);
    img.set(Field::DwellMode, 3);
    img.set(Field::DwellTime, 30);
    img.set(Field::DwellCorrection, 100);
    img.set(Field::DwellDynamic, 12);
    img.set(Field::DwellMaxTime, 100);
    img.set(Field::DwellLobeMaxSpeed, 9);
    img.set(Field::RevsWithoutIgnition, 1);
    Fill(img, Field::CylCorrection, 100);
    Fill(img, Field::Compensation, 11);
    img.set(Field::ClutchTime, 10);
    img.set(Field::ClutchPause, 50);
    img.set(Field::Retard, 6);
    const BikePreset* p = PresetForCode(code);
    img.set(Field::Input1Function, p ? p->input1 : 0);
    img.set(Field::Input2Function, 0);
    img.set(Field::InputsNeutralStand, p ? p->neutralStand : 0);
}

void WriteBikeDefaults(TParamImage& img, int code) {
    img.set(Field::BaseAdvance, 10);
    img.set(Field::Pickup1Polarity, 2);
    img.set(Field::Pickup2Polarity, 2);
    for (const FieldDesc* f :
         {&Field::PickupsInterchanged, &Field::NoLobeCheck, &Field::SparkBeforeLobe,
          &Field::LowerAdvanceAtStart, &Field::SpecialDwellStart})
        img.set(*f, 0);
    img.set(Field::MinDischarge, 20);
    img.set(Field::TachoCorrection, 100);
    const BikePreset* p = PresetForCode(code);
    if (p && p->pulses) img.set(Field::TachoPulses, *p->pulses);
}

void WriteAdvanceDefaults(TParamImage& img) {
    img.set(Field::AdvMapMode, 0);
    SetAll(img, Field::AdvSpeedAxis, kDefaultAdvSpeedAxis);
    img.set(Field::AdvColumns, 10);
    SetAll(img, Field::AdvLoadAxis, kDefaultLoadAxis);
    FillMap(img, Field::AdvanceMap, [](int r, int c) {
        return ToStored(Encoding::Minus100, kDefaultAdvanceDegrees[r][c]);
    });
}

void WriteServoDefaults(TParamImage& img, int code) {
    img.set(Field::ServoEnabled, 0);
    img.set(Field::ServoPercent, 0);
    img.set(Field::ServoHysteresis, 20);
    img.set(Field::ServoOffPosition, 0);
    const ServoTable& t = code == kServoTableBCode ? kServoTableB : kServoTableA;
    const int n = int(t.speedsRpm.size());
    for (int i = 0; i < Field::ServoSpeedAxis.count; ++i) {
        // Breakpoints past the tenth continue in steps of 100 rpm.
        const int rpm = i < n ? t.speedsRpm[i] : t.speedsRpm[n - 1] + 100 * (i - n + 1);
        img.set(Field::ServoSpeedAxis, i, ToStored(Encoding::Times100, rpm));
    }
    FillMap(img, Field::ServoMap,
            [&](int, int c) { return ToStored(Encoding::ServoCell, t.voltagesMv[c], false); });
    img.set(Field::ServoColumns, 10);
    SetAll(img, Field::ServoLoadAxis, kDefaultLoadAxis);
}

void WriteTestDefaults(TParamImage& img) {
    img.set(Field::TestSpeed, 50);
    img.set(Field::ServoTestTime, 50);
}

} // namespace

void WritePowerOutDefaults(TParamImage& img) {
    img.set(Field::PowerOut1Mode, 1); // fuel pump
    SetAll(img, Field::PowerOut1Speeds, std::array<int, 3>{40, 125, 140});
    img.set(Field::PowerOut1Hysteresis, 10);
    SetAll(img, Field::PowerOut1Load, std::array<int, 2>{75, 90});
    img.set(Field::PowerOut2Mode, 2); // pilot light
    SetAll(img, Field::PowerOut2Speeds, std::array<int, 3>{90, 125, 140});
    img.set(Field::PowerOut2Hysteresis, 10);
    SetAll(img, Field::PowerOut2Load, std::array<int, 2>{75, 90});
}

void WriteGroupDefaults(TParamImage& img, PageSelection sel) {
    const int code = img.get(Field::BikeCode);
    if (sel.includes(PageGroup::Miscellaneous)) WriteMiscDefaults(img, code);
    if (sel.includes(PageGroup::Bike)) WriteBikeDefaults(img, code);
    if (sel.includes(PageGroup::AdvanceMap)) WriteAdvanceDefaults(img);
    if (sel.includes(PageGroup::PowerOut)) WritePowerOutDefaults(img);
    if (sel.includes(PageGroup::Servo)) WriteServoDefaults(img, code);
    if (sel.includes(PageGroup::Test)) WriteTestDefaults(img);
}

void ResetForBikeCode(TParamImage& img, PageSelection sel, TriggerReset triggers) {
    if (img.get(Field::BikeCode) == kBikeCodeSpecial) return;
    if (sel.includes(PageGroup::Bike) && triggers == TriggerReset::Clear) {
        Fill(img, Field::MaxAdvTrigger, 0);
        Fill(img, Field::StartAdvTrigger, 0);
    }
    if (sel.includes(PageGroup::Miscellaneous)) img.set(Field::IgnitionsPerRev, 1);
}

void ApplyDefaults(TParamImage& img, PageSelection sel, TriggerReset triggers) {
    WriteGroupDefaults(img, sel);
    ResetForBikeCode(img, sel, triggers);
    ApplyPreset(img, img.get(Field::BikeCode), sel);
}

void ApplyDefaults(TParamImage& img, PageSelection sel) {
    ApplyDefaults(img, sel, TriggerReset::Clear);
}

void NewImage(TParamImage& img, PageSelection sel) {
    ApplyDefaults(img, sel);
}

TParamImage StartupImage() {
    TParamImage img;
    img.set(Field::BikeCode, 20);
    ApplyDefaults(img, PageSelection::All());
    return img;
}

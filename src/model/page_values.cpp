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

struct PowerOutFields {
    const FieldDesc& mode;
    const FieldDesc& hysteresis;
    const FieldDesc& speeds;
    const FieldDesc& load;
    const FieldDesc& grid;
};
const PowerOutFields kPowerOut[2] = {
    {Field::PowerOut1Mode, Field::PowerOut1Hysteresis, Field::PowerOut1Speeds, Field::PowerOut1Load,
     Field::PowerOut1Grid},
    {Field::PowerOut2Mode, Field::PowerOut2Hysteresis, Field::PowerOut2Speeds, Field::PowerOut2Load,
     Field::PowerOut2Grid},
};

const FieldDesc* const kDwellFields[] = {&Field::DwellMode,       &Field::DwellTime,
                                         &Field::DwellCorrection, &Field::DwellDynamic,
                                         &Field::DwellMaxTime,    &Field::DwellLobeMaxSpeed};

void ReadMisc(const TParamImage& img, TPageValues& v) {
    v.limiter = Display(img, Field::Limiter);
    v.startLimiter = Display(img, Field::StartLimiter);
    v.clutchTime = Display(img, Field::ClutchTime);
    v.clutchPause = Display(img, Field::ClutchPause);
    v.retard = Display(img, Field::Retard);
    v.revsWithoutIgnition = Display(img, Field::RevsWithoutIgnition);
    v.loadSensor = Display(img, Field::LoadSensor);
    v.dwellMode = Display(img, Field::DwellMode);
    v.dwellTime = Display(img, Field::DwellTime);
    v.dwellCorrection = Display(img, Field::DwellCorrection);
    v.dwellDynamic = Display(img, Field::DwellDynamic);
    v.dwellMaxTime = Display(img, Field::DwellMaxTime);
    v.dwellLobeMaxSpeed = Display(img, Field::DwellLobeMaxSpeed);
    v.minDischarge = Display(img, Field::MinDischarge);
    v.tpsLow = Display(img, Field::TpsLow);
    v.tpsHigh = Display(img, Field::TpsHigh);
    v.iapPressure1 = Display(img, Field::IapPressure1);
    v.iapVoltage1 = Display(img, Field::IapVoltage1);
    v.iapPressure2 = Display(img, Field::IapPressure2);
    v.iapVoltage2 = Display(img, Field::IapVoltage2);
    v.inputsNeutralStand = Display(img, Field::InputsNeutralStand);
    v.input1Function = Display(img, Field::Input1Function);
    v.input2Function = Display(img, Field::Input2Function);
}

void StoreMisc(const TPageValues& v, TParamImage& img) {
    Store(img, Field::Limiter, v.limiter);
    Store(img, Field::StartLimiter, v.startLimiter);
    Store(img, Field::ClutchTime, v.clutchTime);
    Store(img, Field::ClutchPause, v.clutchPause);
    Store(img, Field::Retard, v.retard);
    Store(img, Field::RevsWithoutIgnition, v.revsWithoutIgnition);
    Store(img, Field::LoadSensor, v.loadSensor);
    // This edition offers no dwell settings: the dwell bytes are always stored as 0.
    for (const FieldDesc* f : kDwellFields) img.set(*f, 0);
    Store(img, Field::MinDischarge, v.minDischarge);
    Store(img, Field::TpsLow, v.tpsLow);
    Store(img, Field::TpsHigh, v.tpsHigh);
    Store(img, Field::IapPressure1, v.iapPressure1);
    Store(img, Field::IapVoltage1, v.iapVoltage1);
    Store(img, Field::IapPressure2, v.iapPressure2);
    Store(img, Field::IapVoltage2, v.iapVoltage2);
    Store(img, Field::InputsNeutralStand, v.inputsNeutralStand);
    Store(img, Field::Input1Function, v.input1Function);
    Store(img, Field::Input2Function, v.input2Function);
}

void ReadBike(const TParamImage& img, TPageValues& v) {
    v.bikeCode = Display(img, Field::BikeCode);
    v.tachoPulses = Display(img, Field::TachoPulses);
    v.tachoCorrection = Display(img, Field::TachoCorrection);
    v.pickup1Polarity = Display(img, Field::Pickup1Polarity);
    v.pickup2Polarity = Display(img, Field::Pickup2Polarity);
    v.pickupsInterchanged = Display(img, Field::PickupsInterchanged);
    v.noPolarityCheck = Display(img, Field::NoLobeCheck);
    v.interlockInput = Display(img, Field::InterlockInput);
    v.sparkBeforeLobe = Display(img, Field::SparkBeforeLobe);
    v.lowerAdvanceAtStart = Display(img, Field::LowerAdvanceAtStart);
    v.specialDwellStart = Display(img, Field::SpecialDwellStart);
    ReadArray(img, Field::Compensation, v.compensation);
    v.syncMethod = Display(img, Field::SyncMethod);
    v.lobeCount = Display(img, Field::LobeCount);
    v.outputCount = std::clamp(Display(img, Field::OutputCount), 1, 4);
    for (int ch = 0; ch < 4; ++ch) {
        const int maxRef = img.get(Field::MaxAdvTrigger, ch);
        const int startRef = img.get(Field::StartAdvTrigger, ch);
        v.channels[ch] = {maxRef & kLobeNumberMask,        Flag(maxRef, kLobeSecondEdge),
                          Flag(maxRef, kLobeSecondPickup), startRef & kLobeNumberMask,
                          Flag(startRef, kLobeSecondEdge), Flag(startRef, kLobeSecondPickup)};
    }
    v.ignitionsCode = Display(img, Field::IgnitionsPerRev);
}

void StoreBike(const TPageValues& v, TParamImage& img) {
    Store(img, Field::BikeCode, v.bikeCode);
    Store(img, Field::TachoPulses, v.tachoPulses);
    Store(img, Field::TachoCorrection, v.tachoCorrection);
    Store(img, Field::Pickup1Polarity, v.pickup1Polarity);
    Store(img, Field::Pickup2Polarity, v.pickup2Polarity);
    Store(img, Field::PickupsInterchanged, v.pickupsInterchanged);
    Store(img, Field::NoLobeCheck, v.noPolarityCheck);
    Store(img, Field::InterlockInput, v.interlockInput);
    Store(img, Field::SparkBeforeLobe, v.sparkBeforeLobe);
    Store(img, Field::LowerAdvanceAtStart, v.lowerAdvanceAtStart);
    Store(img, Field::SpecialDwellStart, v.specialDwellStart);
    StoreArray(img, Field::Compensation, v.compensation);
    Store(img, Field::SyncMethod, v.syncMethod);
    Store(img, Field::LobeCount, v.lobeCount);
    Store(img, Field::OutputCount, v.outputCount);
    for (int ch = 0; ch < 4; ++ch) {
        const TChannelValues& c = v.channels[ch];
        img.set(Field::MaxAdvTrigger, ch,
                LobeRef(c.maxAdvLobe, c.maxAdvSecondEdge, c.maxAdvSecondPickup));
        img.set(Field::StartAdvTrigger, ch,
                LobeRef(c.startAdvLobe, c.startAdvSecondEdge, c.startAdvSecondPickup));
    }
    Store(img, Field::IgnitionsPerRev, v.ignitionsCode);
}

void ReadAdvance(const TParamImage& img, TPageValues& v) {
    v.advMapMode = Display(img, Field::AdvMapMode);
    v.baseAdvance = Display(img, Field::BaseAdvance);
    ReadArray(img, Field::AdvLoadAxis, v.advLoadAxis);
    ReadArray(img, Field::CylCorrection, v.cylCorrection);
}

void StoreAdvance(const TPageValues& v, TParamImage& img) {
    Store(img, Field::AdvMapMode, v.advMapMode);
    Store(img, Field::BaseAdvance, v.baseAdvance);
    StoreArray(img, Field::AdvLoadAxis, v.advLoadAxis);
    StoreArray(img, Field::CylCorrection, v.cylCorrection);
}

void ReadServo(const TParamImage& img, TPageValues& v) {
    v.servoEnabled = Display(img, Field::ServoEnabled);
    v.servoPercent = Display(img, Field::ServoPercent);
    v.servoHysteresis = Display(img, Field::ServoHysteresis);
    v.servoOffPosition = Display(img, Field::ServoOffPosition);
    v.servoMapMode = Display(img, Field::ServoMapMode);
    ReadArray(img, Field::ServoLoadAxis, v.servoLoadAxis);
}

void StoreServo(const TPageValues& v, TParamImage& img) {
    Store(img, Field::ServoEnabled, v.servoEnabled);
    Store(img, Field::ServoPercent, v.servoPercent);
    Store(img, Field::ServoHysteresis, v.servoHysteresis);
    Store(img, Field::ServoOffPosition, v.servoOffPosition);
    Store(img, Field::ServoMapMode, v.servoMapMode);
    StoreArray(img, Field::ServoLoadAxis, v.servoLoadAxis);
}

void ReadPowerOut(const TParamImage& img, TPageValues& v) {
    for (int n = 0; n < 2; ++n) {
        const PowerOutFields& f = kPowerOut[n];
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
        const PowerOutFields& f = kPowerOut[n];
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
    ReadMisc(img, v);
    ReadBike(img, v);
    ReadAdvance(img, v);
    ReadServo(img, v);
    ReadPowerOut(img, v);
    v.testSpeed = Display(img, Field::TestSpeed);
    v.servoTestTime = Display(img, Field::ServoTestTime);
}

TPageValues ImageToValues(const TParamImage& img) {
    TPageValues v;
    ImageToValues(img, v);
    return v;
}

void ValuesToImage(const TPageValues& v, TParamImage& img) {
    StoreMisc(v, img);
    StoreBike(v, img);
    StoreAdvance(v, img);
    StoreServo(v, img);
    StorePowerOut(v, img);
    Store(img, Field::TestSpeed, v.testSpeed);
    Store(img, Field::ServoTestTime, v.servoTestTime);
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

#include "model/normalise.h"

#include <algorithm>

namespace {

// Makes an axis of n entries strictly increasing within [low + i, high - (n-1-i)]:
// first the per-entry bounds, then each entry at least one above its predecessor.
template <typename Get, typename Set>
void NormaliseAxis(int n, int low, int high, Get get, Set set) {
    for (int i = 0; i < n; ++i) set(i, std::max(get(i), low + i));
    for (int i = 0; i < n; ++i) set(i, std::min(get(i), high - (n - 1 - i)));
    for (int i = 1; i < n; ++i)
        if (get(i) <= get(i - 1)) set(i, get(i - 1) + 1);
}

void NormaliseFieldAxis(TParamImage& img, const FieldDesc& f, int low, int high) {
    NormaliseAxis(
        f.count, low, high, [&](int i) { return img.get(f, i); },
        [&](int i, int v) { img.set(f, i, v); });
}

void NormaliseLoadAxis(TParamImage& img, const FieldDesc& axis) {
    NormaliseFieldAxis(img, axis, 0, 1000);
}

// Speed axes: stored in hundreds of rpm; the lowest breakpoint is 300 rpm.
void NormaliseSpeedAxis(TParamImage& img, const FieldDesc& axis, int lastMax) {
    NormaliseFieldAxis(img, axis, 3, lastMax);
}

void NormaliseThrottle(TParamImage& img) {
    const int low = img.get(Field::TpsLow);
    // The 100 % voltage must lie at least 10 mV above the 0 % voltage; a word
    // cannot go past 65535, so a 0 % voltage at the very top keeps that limit.
    if (img.get(Field::TpsHigh) < low + 10) img.set(Field::TpsHigh, std::min(low + 10, 0xFFFF));
}

void NormaliseLobeCount(TParamImage& img) {
    if (img.get(Field::SyncMethod) == 0) img.set(Field::LobeCount, 1);
}

bool UsesSecondPickup(int method) {
    return method == 0 || method == 4 || method == 9;
}

uint8_t NormaliseLobeRef(uint8_t ref, int lobeCount, bool keepSecondPickup) {
    int lobe = ref & kLobeNumberMask;
    if (lobe > lobeCount) lobe = lobeCount;
    if (lobe == 0) lobe = 1;
    uint8_t flags = ref & (kLobeSecondEdge | kLobeSecondPickup);
    if (!keepSecondPickup) flags &= uint8_t(~kLobeSecondPickup);
    return uint8_t(flags | lobe);
}

void NormaliseTriggers(TParamImage& img) {
    const int lobeCount = img.get(Field::LobeCount) & kLobeNumberMask;
    const bool keepPickup = UsesSecondPickup(img.get(Field::SyncMethod));
    for (const FieldDesc* f : {&Field::MaxAdvTrigger, &Field::StartAdvTrigger})
        for (int ch = 0; ch < f->count; ++ch)
            img.set(*f, ch, NormaliseLobeRef(uint8_t(img.get(*f, ch)), lobeCount, keepPickup));
}

void NormaliseOutputCount(TParamImage& img) {
    if (img.get(Field::OutputCount) > 3) img.set(Field::OutputCount, 4);
}

void NormalisePowerOut(TParamImage& img, const PowerOutputFields& out) {
    if (img.get(out.mode) > 3) img.set(out.mode, 3);

    // Strictly increasing speed thresholds.  Entries so high that the chain
    // would run past 255 are first lowered, so a byte never wraps to zero.
    const int n = out.speeds.count;
    for (int i = 0; i < n; ++i)
        img.set(out.speeds, i, std::min(img.get(out.speeds, i), 255 - (n - 1 - i)));
    for (int i = 1; i < n; ++i)
        if (img.get(out.speeds, i) <= img.get(out.speeds, i - 1))
            img.set(out.speeds, i, img.get(out.speeds, i - 1) + 1);

    int lowerMax = 0xFFFE, upperMax = 0xFFFF; // keeps "upper = lower + 1" within a word
    switch (img.get(Field::LoadSensor)) {
    case 1: lowerMax = 99, upperMax = 100; break;  // throttle, percent
    case 2: lowerMax = 998, upperMax = 999; break; // intake pressure, kPa
    default: break;
    }
    const int lower = std::min(img.get(out.load, 0), lowerMax);
    int upper = std::min(img.get(out.load, 1), upperMax);
    if (upper <= lower) upper = lower + 1;
    img.set(out.load, 0, lower);
    img.set(out.load, 1, upper);
}

} // namespace

void NormaliseImage(TParamImage& img) {
    NormaliseLoadAxis(img, Field::AdvLoadAxis);
    NormaliseLoadAxis(img, Field::ServoLoadAxis);
    NormaliseSpeedAxis(img, Field::AdvSpeedAxis, 200);
    NormaliseThrottle(img);
    NormaliseSpeedAxis(img, Field::ServoSpeedAxis, 205);
    NormaliseLobeCount(img);
    NormaliseTriggers(img);
    NormaliseOutputCount(img);
    for (const PowerOutputFields& out : kPowerOutputs) NormalisePowerOut(img, out);
}

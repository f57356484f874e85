#include "link/monitor.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

int Word(FrameView p, int at) {
    return p[at] | (p[at + 1] << 8);
}

std::string Format(const char* fmt, ...) {
    char buf[128];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

// "<caption><sep>YES" in the given colour, or "<caption><sep>NO" in the normal colour.
TLabel YesNo(const Translator& tr, std::string_view caption, std::string_view sep, bool yes,
             ColourRole yesColour) {
    TLabel l;
    l.text = Translate(tr, caption) + std::string(sep) + Translate(tr, yes ? "YES" : "NO");
    l.colour = yes ? yesColour : ColourRole::Normal;
    return l;
}

ColourRole VoltageColour(int mv) {
    if (mv >= 17999 || mv <= 7000) return ColourRole::Error;
    if (mv >= 14999 || mv <= 11000) return ColourRole::Warning;
    return ColourRole::Normal;
}

TLabel AdvanceLabel(int cylinder, const TLiveValues& live, const Translator& tr) {
    const int limit = live.advanceLimit[cylinder - 1];
    const int advance = live.advanceNow[cylinder - 1] - 100;
    TLabel l;
    if (live.advanceNow[cylinder - 1] == 0) {
        l.text = Translate(tr, "Advance") + " = " + Translate(tr, "Base advance");
        if (limit != 0) l.text += Format("/max %d [°]", limit);
    } else if (limit != 0) {
        l.text =
            Translate(tr, "Advance") + Format(" %d = %d [°] /max %d [°]", cylinder, advance, limit);
    } else {
        l.text = Translate(tr, "Advance") + Format(" %d = %d [°]", cylinder, advance);
    }
    if (limit > 0 && advance >= limit) l.colour = ColourRole::Warning;
    return l;
}

TLabel PickupLabel(int k, const TLiveValues& live, const TParamImage& image, const Translator& tr) {
    using namespace Monitor;
    const bool signal = live.inputBits & (k == 1 ? Pickup1Signal : Pickup2Signal);
    const bool negative = live.inputBits & (k == 1 ? Pickup1Negative : Pickup2Negative);
    const bool polarityError =
        live.inputBits & (k == 1 ? Pickup1PolarityError : Pickup2PolarityError);
    const bool systemError = live.statusBits & (k == 1 ? Pickup1SystemError : Pickup2SystemError);
    // Synchronisation method 8 has no polarity setting for pick-up 1.
    const bool showPolarity = !(k == 1 && image.get(Field::SyncMethod) == 8);

    TLabel l;
    l.text = Translate(tr, "Pick-up (CKPS)") + (k == 1 ? " 1 - " : " 2 - ") +
             Translate(tr, signal ? "is running" : "no signal");
    l.colour = signal ? ColourRole::Lime : ColourRole::Normal;
    if (polarityError) {
        l.text += Translate(tr, ", polarity error");
        l.colour = ColourRole::Error;
        return l;
    }
    if (showPolarity)
        l.text += Translate(tr, negative ? ", negative polarity" : ", positive polarity");
    if (systemError) {
        l.text += ", " + Translate(tr, "Pick up system error                    ");
        l.colour = ColourRole::Error;
    }
    return l;
}

bool InputHasFunction(const TParamImage& image, int a, int b = -1) {
    for (const auto& f : {Field::Input1Function, Field::Input2Function}) {
        const int v = image.get(f);
        if (v == a || v == b) return true;
    }
    return false;
}

} // namespace

TLiveValues DecodeMonitorPacket(FrameView p) {
    using namespace Monitor;
    TLiveValues v;
    v.loadSensorType = std::min<int>(p[LoadType], 2);
    const int load = Word(p, LoadValue);
    if (v.loadSensorType == 2)
        v.pressure = load;
    else
        v.throttleX10 = load * 10;
    v.speed = Word(p, Speed);
    v.loadSensorVoltage = Word(p, LoadVoltage);
    v.supplyVoltage = Word(p, Supply);
    v.servoMeasured = Word(p, ServoMeasured);
    v.servoDesired = Word(p, ServoDesired);
    v.programmings = Word(p, Programmings);
    for (int c = 0; c < 4; ++c) {
        v.advanceLimit[c] = Word(p, AdvanceLimit + 2 * c);
        v.advanceNow[c] = p[AdvanceNow + c];
    }
    v.savingCountdown = Word(p, SavingCountdown);
    for (int t = 0; t < 8; ++t) v.testValues[t] = Word(p, TestValues + 2 * t);
    v.clutchActive = p[Clutch] != 0;
    v.outputs = p[Outputs];
    v.limiterActive = p[Limiter] != 0;
    v.retardActive = p[RetardActive] != 0;
    v.startLimiterActive = p[StartLimiterActive] != 0;
    v.dwellCoefficient = p[DwellCoefficient];
    v.dwellOutOfRange =
        v.dwellCoefficient < DwellCoefficientMin || v.dwellCoefficient > DwellCoefficientMax;
    v.inputBits = p[Inputs];
    v.statusBits = p[Status];
    v.firmwareVersion = p[Version];
    v.firmwareSubVersion = p[SubVersion];
    return v;
}

std::string VersionMismatchText(int version, int subVersion, const Translator& tr) {
    if (version == kProtocolVersion && subVersion == kProtocolSubVersion) return {};
    const char* message = version != kProtocolVersion
                              ? "Unmatched version of PC and Ignition programs!"
                              : "Unmatched subversion of PC and Ignition programs!";
    return Translate(tr, message) + Format("  PC-%d.%02d, IGN-%d.%02d", kProtocolVersion,
                                           kProtocolSubVersion, version, subVersion);
}

TLabel PowerOutLabel(int output, const TLiveValues& live, const TParamImage& image, bool connected,
                     const Translator& tr) {
    const int mode = image.get(kPowerOutputs[output - 1].mode);
    const char* caption = "Special out";
    ColourRole colour = ColourRole::White;
    switch (mode) {
    case 1: caption = "Fuel pump", colour = ColourRole::Teal; break;
    case 2: caption = "Gear shift light", colour = ColourRole::Fuchsia; break;
    case 3: colour = ColourRole::Warning; break;
    default: break;
    }
    TLabel l;
    if (!connected) {
        l.text = Translate(tr, caption) + " = ---";
        return l;
    }
    const bool active = live.outputs & (output == 1 ? 0x01 : 0x02);
    return YesNo(tr, caption, " = ", active, colour);
}

TMonitorLabels BuildMonitorLabels(const TLiveValues& live, const TParamImage& image, bool connected,
                                  const Translator& tr) {
    using namespace Monitor;
    TMonitorLabels m;
    m.rpm.text = Format("RPM = %d ", live.speed);
    m.rpm.colour = live.limiterActive ? ColourRole::Error : ColourRole::Normal;
    const int limiter = image.get(Field::Limiter);
    m.rpmGauge = std::clamp(live.speed / (limiter != 0 ? limiter : 100), 0, 100);

    m.voltage.text = Format("U = %4.1f [V]", live.supplyVoltage * 0.001);
    m.voltage.colour = VoltageColour(live.supplyVoltage);

    m.motorOff = YesNo(tr, "Motor off", " - ", live.statusBits & MotorOff, ColourRole::Error);
    for (int c = 1; c <= 4; ++c) m.advance[c - 1] = AdvanceLabel(c, live, tr);
    for (int k = 1; k <= 2; ++k) {
        m.pickup[k - 1] = PickupLabel(k, live, image, tr);
        m.powerOut[k - 1] = PowerOutLabel(k, live, image, connected, tr);
    }
    m.startLimiter = YesNo(tr, "Start limiter", ": ", live.startLimiterActive, ColourRole::Fuchsia);
    m.retard = YesNo(tr, "Retard", " - ", live.retardActive, ColourRole::Aqua);

    const ColourRole servoColour =
        (live.statusBits & ServoInOrder) ? ColourRole::Normal : ColourRole::Error;
    m.servoDesired = {Translate(tr, "Servo desired=") + Format(" %d [mV]", live.servoDesired),
                      servoColour};
    m.servoMeasured = {Translate(tr, "Servo measured=") + Format(" %d [mV]", live.servoMeasured),
                       servoColour};

    m.version.text = VersionMismatchText(live.firmwareVersion, live.firmwareSubVersion, tr);
    m.version.colour = ColourRole::Error;
    m.version.visible = !m.version.text.empty();

    m.dataError = {Translate(tr, "Programmed data error"), ColourRole::Error,
                   bool(live.statusBits & DataError)};
    m.programmings.text =
        Translate(tr, "Number of Programing= ") + std::to_string(live.programmings);
    for (int t = 0; t < 8; ++t) m.test[t].text = Format("Test%d = %d ", t + 1, live.testValues[t]);

    m.dwellCalibError = {Translate(tr, "Stored dwell calibration value out of limits"),
                         ColourRole::Error, live.dwellOutOfRange && connected};

    const auto input = [&](int k, uint8_t bit, ColourRole colour) {
        const bool grounded = live.inputBits & bit;
        TLabel l;
        l.text = Translate(tr, "Input") + (k == 1 ? " 1: " : " 2: ") +
                 Translate(tr, grounded ? "Grounded" : "Open");
        l.colour = grounded ? colour : ColourRole::Normal;
        return l;
    };
    m.input[0] = input(1, Input1Grounded, ColourRole::Fuchsia);
    m.input[1] = input(2, Input2Grounded, ColourRole::Aqua);
    m.clutch = YesNo(tr, "Clutch master", " - ", live.clutchActive, ColourRole::Lime);
    m.killSwitch = YesNo(tr, "Kill switch", " - ", live.statusBits & KillSwitch, ColourRole::Error);

    ApplyLabelRules(m, live, image, connected);
    return m;
}

void ApplyLabelRules(TMonitorLabels& m, const TLiveValues& live, const TParamImage& image,
                     bool connected) {
    const int outputs = image.get(Field::OutputCount);
    for (int c = 1; c < 4; ++c) m.advance[c].visible = outputs > c;

    static constexpr int kTwoPickupMethods[] = {0, 4, 6, 9, 11, 12};
    const int sync = image.get(Field::SyncMethod);
    m.pickup[1].visible = std::find(std::begin(kTwoPickupMethods), std::end(kTwoPickupMethods),
                                    sync) != std::end(kTwoPickupMethods);

    // Input functions: 1 kill switch, 2 blocking, 3/4 clutch master, 5 retard, 6 start limiter.
    m.motorOff.enabled = InputHasFunction(image, 2) || image.get(Field::InputsNeutralStand) != 0;
    m.clutch.enabled = InputHasFunction(image, 3, 4);
    m.killSwitch.enabled = InputHasFunction(image, 1);
    m.retard.enabled = InputHasFunction(image, 5);
    m.startLimiter.enabled = InputHasFunction(image, 6);

    const bool servo = image.get(Field::ServoEnabled) != 0;
    m.servoDesired.visible = servo;
    m.servoMeasured.visible = servo;
    m.dwellCalibError.visible = live.dwellOutOfRange && connected;
}

int SavingProgress(int countdown) {
    const int remaining = std::clamp(countdown, 0, Monitor::SavingFull);
    return 100 * (Monitor::SavingFull - remaining) / Monitor::SavingFull;
}

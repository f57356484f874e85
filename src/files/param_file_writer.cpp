#include "files/param_file_writer.h"

#include "files/param_file_format.h"

#include <cstdio>

namespace {

// Column where the values of a keyword record start.
constexpr int kKeywordColumn = 12;
const std::string kCont = "\n" + std::string(kKeywordColumn, ' ');

class Out {
  public:
    void text(const std::string& s) { buf_ += s; }
    // Keyword padded with spaces to the value column, after a line break.
    void keyword(const std::string& kw) {
        buf_ += '\n';
        buf_ += kw;
        if (kw.size() < kKeywordColumn) buf_.append(kKeywordColumn - kw.size(), ' ');
    }
    void cont() { buf_ += kCont; }
    void num(int v) {
        char s[24];
        std::snprintf(s, sizeof s, "%5d ", v);
        buf_ += s;
    }
    const std::string& str() const { return buf_; }

  private:
    std::string buf_;
};

// Informational text goes on one line: control characters would break the layout.
std::string OneLine(const std::string& s) {
    std::string r = s;
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return r;
}

void Values(Out& o, const TParamImage& img, const FieldDesc& f, int first, int n) {
    for (int i = first; i < first + n; ++i) o.num(ToDisplay(f.rule, img.get(f, i)));
}

void WriteLobeRef(Out& o, uint8_t ref) {
    o.num(ref & kLobeNumberMask);
    o.num((ref & kLobeSecondEdge) ? 1 : 0);
    o.num((ref & kLobeSecondPickup) ? 1 : 0);
}

void WriteBike(Out& o, const TParamImage& img) {
    o.text("\nBIKE        ");
    o.num(img.get(Field::BikeCode));
    o.cont();
    o.num(img.get(Field::SyncMethod));
    o.num(img.get(Field::LobeCount));
    o.num(img.get(Field::OutputCount));
    o.cont();
    for (int ch = 0; ch < 4; ++ch) {
        WriteLobeRef(o, uint8_t(img.get(Field::MaxAdvTrigger, ch)));
        o.cont();
        WriteLobeRef(o, uint8_t(img.get(Field::StartAdvTrigger, ch)));
        o.cont();
    }
    o.cont();
    o.num(img.get(Field::RevsWithoutIgnition));
    Values(o, img, Field::Compensation, 0, 4);
}

void WriteMiscellaneous(Out& o, const TParamImage& img) {
    o.keyword("CORR_ADVANCE");
    Values(o, img, Field::CylCorrection, 0, 4);
    o.keyword("GEBER_MODE");
    o.num(img.get(Field::IgnitionsPerRev));
    o.keyword("INPUT");
    o.num(img.get(Field::Pickup1Polarity));
    o.num(img.get(Field::Pickup2Polarity));
    o.num(img.get(Field::Input1Function));
    o.num(img.get(Field::Input2Function));
    o.num(img.get(Field::InputsNeutralStand));
    o.text("\nPICKUPS_INTERCHANGE     ");
    o.num(img.get(Field::PickupsInterchanged));
    o.text("\nNO_LOBE_CHECK     ");
    o.num(img.get(Field::NoLobeCheck));
    o.text("\nINTERLOCK_INPUT   ");
    o.num(img.get(Field::InterlockInput));
    o.text("\nSPARK_BEFORE_LOBE ");
    o.num(img.get(Field::SparkBeforeLobe));
    o.text("\nSPECIAL_START     ");
    o.num(img.get(Field::LowerAdvanceAtStart));
    o.keyword("BASE_ADV");
    o.num(img.get(Field::BaseAdvance));
    o.keyword("LIMITER"); // hundreds of rpm, as stored
    o.num(img.get(Field::Limiter));
    o.keyword("START_LIM");
    o.num(img.get(Field::StartLimiter));
    o.keyword("CLUTCH");
    Values(o, img, Field::ClutchTime, 0, 1);
    Values(o, img, Field::ClutchPause, 0, 1);
    o.text("\n");
}

void WriteSensorsAndAxes(Out& o, const TParamImage& img) {
    o.keyword("TPS");
    o.num(img.get(Field::TpsLow));
    o.num(img.get(Field::TpsHigh));
    o.keyword("RETARD");
    o.num(img.get(Field::Retard));
    o.keyword("RPM");
    o.num(img.get(Field::TachoPulses));
    Values(o, img, Field::TachoCorrection, 0, 1);
    o.keyword("ADV_MAPA");
    o.num(img.get(Field::AdvMapMode));
    o.keyword("TPSIAP_SENSOR");
    o.num(img.get(Field::LoadSensor));
    o.keyword("SERVO_MAPA");
    o.num(img.get(Field::ServoMapMode));
    o.keyword("ADV_IAP");
    Values(o, img, Field::AdvLoadAxis, 0, 10);
    o.keyword("SERVO_IAP");
    Values(o, img, Field::ServoLoadAxis, 0, 10);
    o.keyword("IAP_SENSOR");
    o.num(img.get(Field::IapPressure1));
    o.num(img.get(Field::IapVoltage1));
    o.num(img.get(Field::IapPressure2));
    o.num(img.get(Field::IapVoltage2));
    o.keyword("ADV_COLUMNS");
    o.num(img.get(Field::AdvColumns));
    o.text("\n");
}

// 150 cells, a continuation line after every 15th (the last one included).
void WriteMap(Out& o, const TParamImage& img, const FieldDesc& map, Encoding rule) {
    for (int i = 0; i < kMapRows * kMapColumns; ++i) {
        o.num(ToDisplay(rule, img.get(map, i)));
        if (i % kMapColumns == kMapColumns - 1) o.cont();
    }
}

void WriteAdvanceMap(Out& o, const TParamImage& img) {
    o.keyword("RPM_ADV");
    Values(o, img, Field::AdvSpeedAxis, 0, 15);
    o.text("\n");
    o.keyword("ADVANCE");
    WriteMap(o, img, Field::AdvanceMap, Encoding::Minus100);
}

void WriteServo(Out& o, const TParamImage& img) {
    o.keyword("SERVO_ENABLE");
    o.num(img.get(Field::ServoEnabled));
    o.keyword("SERVO_PERCENT");
    o.num(img.get(Field::ServoPercent));
    o.keyword("SERVO_HYSTER");
    Values(o, img, Field::ServoHysteresis, 0, 1);
    o.keyword("SERVO_NO");
    o.num(img.get(Field::ServoOffPosition));
    o.keyword("SERVO_COLUMNS");
    o.num(img.get(Field::ServoColumns));
    o.keyword("SERVO_RPM");
    Values(o, img, Field::ServoSpeedAxis, 0, 15);
    o.keyword("SERVO_MV");
    // Always in 20 mV units here, whatever the percent flag says.
    WriteMap(o, img, Field::ServoMap, Encoding::Times20);
}

void WritePowerOuts(Out& o, const TParamImage& img) {
    for (int n = 0; n < 2; ++n) {
        const PowerOutputFields& p = kPowerOutputs[n];
        o.keyword(n == 0 ? "POWER_OUT1" : "POWER_OUT2");
        o.num(img.get(p.mode));
        o.cont();
        Values(o, img, p.speeds, 0, 3);
        Values(o, img, p.hysteresis, 0, 1);
        o.cont();
        o.num(img.get(p.load, 0));
        o.num(img.get(p.load, 1));
        for (int row = 0; row < 3; ++row) {
            o.cont();
            for (int bit = 0; bit < 4; ++bit) o.num((img.get(p.grid, row) >> bit) & 1);
        }
    }
    o.text("\n");
}

void WriteFooter(Out& o, const TParamImage& img, const TParamFileFooter& f) {
    o.text("\nTEST_OUT     ");
    Values(o, img, Field::TestSpeed, 0, 1);
    Values(o, img, Field::ServoTestTime, 0, 1);
    o.text("\nVERSIONS");
    o.text("\nHEX  " + OneLine(f.hexDate) + "  " + OneLine(f.hexTime) + "   " + OneLine(f.hexName));
    o.text("\nEXE  " + OneLine(f.exeDate) + "   " + OneLine(f.exeTime));
    o.text("\n");
    o.text("\nMon_Calib_Coef  ");
    if (f.monCalibCoef) o.text(std::to_string(*f.monCalibCoef));
}

std::string WithCrLf(const std::string& s) {
    std::string r;
    r.reserve(s.size() + s.size() / 16);
    for (char c : s) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

} // namespace

TParamFileFooter DefaultParamFileFooter() {
    TParamFileFooter f;
    f.exeDate = __DATE__;
    f.exeTime = __TIME__;
    return f;
}

std::string ParamFileWriter(const TParamImage& img, const TParamFileFooter& footer) {
    Out o;
    char head[64];
    std::snprintf(head, sizeof head, "%s  %3u ", kParamFileMagic, unsigned(kParamFileVersion));
    o.text(head);
    o.text(std::string(kProductCode) + "/" + kProgramTitle + "\n");
    o.text("\n");
    WriteBike(o, img);
    WriteMiscellaneous(o, img);
    WriteSensorsAndAxes(o, img);
    WriteAdvanceMap(o, img);
    WriteServo(o, img);
    WritePowerOuts(o, img);
    WriteFooter(o, img, footer);
    return WithCrLf(o.str());
}

#include "editor_sheets.h"

#include "mapedit/commands.h"

namespace {

const ScaleStepEntry kSpeedSteps[] = {
    {4000, 2000, 1000, 200, 1000}, {10000, 2000, 1000, 500, 1000}, {25000, 2000, 1000, 1000, 2000}};
const ScaleStepEntry kAdvanceSteps[] = {{10, 5, 1, 1, 2}, {30, 5, 5, 5, 5}};
const ScaleStepEntry kSensorSteps[] = {
    {10, 2, 1, 1, 2}, {100, 20, 20, 20, 20}, {500, 100, 100, 100, 100}, {1000, 200, 200, 200, 200}};
const ScaleStepEntry kVoltageSteps[] = {{2, 1, 0.2, 0.2, 1}, {5, 1, 0.5, 0.5, 1}};

constexpr uint32_t kMapColour = 0xFCE2F4;
constexpr uint32_t kSensorColour = 0xA0E0C0;

CAxisDef speedAxis(int32_t max, int count, int collapseOption) {
    CAxisDef d;
    d.Symbol = "RPM";
    d.Max = max;
    d.Scale = 100.0;
    d.ScaleSteps = kSpeedSteps;
    d.Count = count;
    d.CollapseOption = collapseOption;
    d.Colour = kMapColour;
    return d;
}

CAxisDef throttleAxis(bool numeric) {
    CAxisDef d;
    d.Symbol = "TPS";
    d.Unit = "%";
    d.Editable = false;
    d.Options = numeric ? 1 : 0;
    d.Count = 10;
    d.Resizable = false;
    d.CollapsePosition = kCollapseLast;
    d.Colour = kMapColour;
    return d;
}

void setThrottleBreakpoints(CSheet& s) {
    const int tps[] = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};
    for (int i = 0; i < 10; ++i) s.Y.Values[size_t(i)] = tps[i];
}

int defineSensor(CTabModel& m, const char* title, const char* yLabel, CAxisDef y) {
    int s = DefineSheet(m, title, "", yLabel, "Voltage", 2, 2, 0x722);
    CAxisDef x;
    x.Symbol = "";
    x.Max = 20000;
    x.Editable = false;
    x.Options = 0;
    x.Count = 2;
    x.CollapseOption = 2;
    x.Collapsed = true;
    x.Resizable = false;
    x.Colour = kSensorColour;
    DefineAxis(m, s, kAxisX, x);
    y.ScaleSteps = kSensorSteps;
    y.Count = 2;
    y.CollapseOption = 0;
    y.Resizable = false;
    y.CollapsePosition = kCollapseLast;
    y.Colour = kSensorColour;
    DefineAxis(m, s, kAxisY, y);
    CAxisDef data;
    data.Symbol = "U";
    data.Unit = "V";
    data.Max = 5000;
    data.Scale = 0.001;
    data.ScaleSteps = kVoltageSteps;
    data.Options = 3;
    data.Colour = kSensorColour;
    DefineAxis(m, s, kAxisData, data);
    CSheet& sh = m.Sheets[size_t(s)];
    sh.Data.ShowUnit = true;
    sh.TitleFontSize = sh.LabelFontSize = 9;
    return s;
}

} // namespace

int DefineAdvanceSheet(CTabModel& m) {
    int s = DefineSheet(m, "Advance", "RPM", "TPS", "Advance", 15, 10, 0x701);
    DefineAxis(m, s, kAxisX, speedAxis(250, 10, 0));
    DefineAxis(m, s, kAxisY, throttleAxis(true));
    CAxisDef data;
    data.Symbol = "ADV";
    data.Unit = "\xB0";
    data.Min = -30;
    data.Max = 60;
    data.ScaleSteps = kAdvanceSteps;
    data.Options = 3;
    data.Colour = kMapColour;
    DefineAxis(m, s, kAxisData, data);
    CSheet& sh = m.Sheets[size_t(s)];
    for (int i = 0; i < 15; ++i) sh.X.Values[size_t(i)] = 10 + 10 * i;
    setThrottleBreakpoints(sh);
    NormalizeAxes(m, s, kAxisX | kAxisY | kAxisData | kResetElastic);
    return s;
}

int DefineServoSheet(CTabModel& m) {
    int s = DefineSheet(m, "Servo", "RPM", "TPS", "Voltage", 15, 10, 0x609);
    DefineAxis(m, s, kAxisX, speedAxis(200, 15, 1));
    DefineAxis(m, s, kAxisY, throttleAxis(false));
    CAxisDef data;
    data.Symbol = "U";
    data.Unit = "V";
    data.Max = 250;
    data.Scale = 0.02;
    data.ScaleSteps = kVoltageSteps;
    data.Options = 3;
    data.Colour = kMapColour;
    DefineAxis(m, s, kAxisData, data);
    CSheet& sh = m.Sheets[size_t(s)];
    for (int i = 0; i < 15; ++i) sh.X.Values[size_t(i)] = 10 + 10 * i;
    setThrottleBreakpoints(sh);
    NormalizeAxes(m, s, kAxisX | kAxisY | kAxisData | kResetElastic);
    return s;
}

int DefineTpsSensorSheet(CTabModel& m) {
    CAxisDef y;
    y.Symbol = "TPS";
    y.Unit = "%";
    y.Editable = false;
    int s = defineSensor(m, "TPS sensor", "TPS", y);
    CSheet& sh = m.Sheets[size_t(s)];
    sh.Y.Values[0] = 0;
    sh.Y.Values[1] = 100;
    NormalizeAxes(m, s, kAxisX | kAxisY | kAxisData | kResetElastic);
    return s;
}

int DefineIapSensorSheet(CTabModel& m) {
    CAxisDef y;
    y.Symbol = "P";
    y.Unit = "kPa";
    y.Max = 999;
    int s = defineSensor(m, "Intake pressure sensor - IAP", "Pressure", y);
    CSheet& sh = m.Sheets[size_t(s)];
    sh.Y.Values[0] = 20;
    sh.Y.Values[1] = 100;
    NormalizeAxes(m, s, kAxisX | kAxisY | kAxisData | kResetElastic);
    return s;
}

EditorFixture::EditorFixture(int (*define)(CTabModel&)) {
    m.OnCommit = [this](const CTabEvent& e) { events.push_back(e); };
    define(m);
    SelectSheet(m, 0);
    events.clear();
}

std::vector<int> EditorFixture::changeParts() const {
    std::vector<int> parts;
    for (const CTabEvent& e : events)
        if (e.Parts) parts.push_back(e.Parts);
    return parts;
}

void EditorFixture::ticks(int n) {
    for (int i = 0; i < n; ++i) TickModel(m);
}

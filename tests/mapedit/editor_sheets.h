#pragma once
// The four sheets the main window defines, built the same way for tests.

#include "mapedit/tab_model.h"

int DefineAdvanceSheet(CTabModel& m);
int DefineServoSheet(CTabModel& m);
int DefineTpsSensorSheet(CTabModel& m);
int DefineIapSensorSheet(CTabModel& m);

// A model holding one of the sheets above, selected, with events recorded.
struct EditorFixture {
    CTabModel m;
    std::vector<CTabEvent> events;
    explicit EditorFixture(int (*define)(CTabModel&));
    CSheet& sheet() { return *m.current(); }
    // Events that carried changes (sheet-change events have no parts).
    std::vector<int> changeParts() const;
    void ticks(int n);
};

#pragma once
// One line of live values per monitor packet, as text or as CSV.

#include "link/monitor.h"
#include "link/translate.h"

#include <string>

// The window's monitor labels joined with " | ": speed, voltage, advance per
// cylinder, pick-ups, inputs, then the outputs and the firmware version.
std::string MonitorLine(const TLiveValues& live, const TMonitorLabels& labels,
                        const Translator& tr);

// CSV: a fixed English header and plain numbers.  An advance field is empty
// while the unit runs on base advance; flags are 1 or 0.
std::string MonitorCsvHeader();
std::string MonitorCsvRow(const TLiveValues& live);

// "97.00"
std::string FirmwareText(int version, int subVersion);

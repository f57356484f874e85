#include "files/window_fit.h"

#include <gtest/gtest.h>

namespace {

const TRect kLeftMonitor{0, 0, 1920, 1080};
const TRect kRightMonitor{1920, 0, 3200, 1024};

struct FitCase {
    const char* what;
    TRect window;
    std::vector<TRect> monitors;
    TRect expected;
};

class WindowFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(WindowFit, MovesOntoNearestMonitorAndClips) {
    EXPECT_EQ(FitWindowToMonitors(GetParam().window, GetParam().monitors), GetParam().expected)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowFit,
    ::testing::Values(
        FitCase{"inside stays", {100, 100, 900, 700}, {kLeftMonitor}, {100, 100, 900, 700}},
        FitCase{"on the second monitor stays",
                {2000, 50, 2800, 650},
                {kLeftMonitor, kRightMonitor},
                {2000, 50, 2800, 650}},
        FitCase{"monitor gone: moved back",
                {4000, 100, 4800, 700},
                {kLeftMonitor},
                {1120, 100, 1920, 700}},
        FitCase{"right monitor gone, straddling",
                {1800, 500, 2600, 1300},
                {kLeftMonitor},
                {1120, 280, 1920, 1080}},
        FitCase{"too big: moved then clipped",
                {-50, -40, 2050, 1200},
                {kLeftMonitor},
                {0, 0, 1920, 1080}},
        FitCase{"nearest of two",
                {3000, 10, 3400, 400},
                {kLeftMonitor, kRightMonitor},
                {2800, 10, 3200, 400}},
        FitCase{"first on ties",
                {1870, 10, 1970, 110},
                {kLeftMonitor, kRightMonitor},
                {1820, 10, 1920, 110}},
        FitCase{"no monitors: kept", {5, 5, 10, 10}, {}, {5, 5, 10, 10}},
        FitCase{"damaged bounds do not overflow",
                {2147483000, 0, 2147483647, 100},
                {kLeftMonitor},
                {1273, 0, 1920, 100}}));

} // namespace

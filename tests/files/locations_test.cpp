#include "platform/locations.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Restores an environment variable when the test ends.
class EnvGuard {
  public:
    explicit EnvGuard(const char* name) : name_(name) {
        const char* v = std::getenv(name);
        had_ = v != nullptr;
        if (v) old_ = v;
    }
    ~EnvGuard() {
        if (had_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

TEST(Locations, FollowXdgDirectories) {
    EnvGuard c("XDG_CONFIG_HOME"), d("XDG_DATA_HOME");
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    setenv("XDG_DATA_HOME", "/tmp/data/", 1);
    EXPECT_EQ(SettingsFilePath(), "/tmp/cfg/Programming of Ardentix unit_v97.ini");
    EXPECT_EQ(ImageBackupFilePath(), "/tmp/cfg/_Programming of Ardentix unit_v97.ini");
    EXPECT_EQ(DebugMarkerPath(), "/tmp/cfg/njus_iddcl.gkf");
    EXPECT_EQ(DiagnosticLogPath(), "/tmp/data/IGN_KVOR4_v97.log");
}

TEST(Locations, HomeFallbackWhenUnsetOrRelative) {
    EnvGuard c("XDG_CONFIG_HOME"), d("XDG_DATA_HOME"), h("HOME");
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_DATA_HOME", "relative/dir", 1);
    setenv("HOME", "/home/rider", 1);
    EXPECT_EQ(SettingsFilePath(), "/home/rider/.config/Programming of Ardentix unit_v97.ini");
    EXPECT_EQ(DiagnosticLogPath(), "/home/rider/.local/share/IGN_KVOR4_v97.log");
}

} // namespace

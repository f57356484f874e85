#include "files/diag_log.h"
#include "files/image_backup.h"
#include "files/settings.h"
#include "platform/locations.h"
#include "temp_dir.h"

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

class LocationsInUse : public TempDirTest {};

TEST_F(LocationsInUse, FilesLandInFreshXdgFolders) {
    EnvGuard c("XDG_CONFIG_HOME"), d("XDG_DATA_HOME");
    setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);

    TSettings s;
    ASSERT_TRUE(SaveSettings(SettingsFilePath(), s));
    ASSERT_TRUE(SaveImageBackup(ImageBackupFilePath(), TParamImage{}));
    TDiagLog log;
    log.debug = true;
    log.path = DiagnosticLogPath();
    ASSERT_TRUE(WriteLogRecord(log, TParamImage{}));

    EXPECT_TRUE(std::filesystem::exists(Path("config/Programming of Ardentix unit_v97.ini")));
    EXPECT_TRUE(std::filesystem::exists(Path("config/_Programming of Ardentix unit_v97.ini")));
    EXPECT_TRUE(std::filesystem::exists(Path("data/IGN_KVOR4_v97.log")));

    WriteText(DebugMarkerPath(), "WOYE_NPZTON");
    EXPECT_TRUE(DebugMarkerPresent(Path("config/njus_iddcl.gkf")));
}

} // namespace

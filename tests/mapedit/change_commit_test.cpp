#include "editor_sheets.h"
#include "mapedit/change_commit.h"

#include <gtest/gtest.h>

namespace {

struct Commit : testing::Test {
    EditorFixture f{DefineAdvanceSheet};
};

} // namespace

TEST_F(Commit, BeginAndEndGiveOneNotification) {
    NoteChange(f.m, 0, ChangeBegin);
    NoteChange(f.m, 2, 0x77);
    EXPECT_EQ(f.changeParts(), std::vector<int>{2}); // another key commits the begun change
    NoteChange(f.m, 0, ChangeBegin);
    NoteChange(f.m, 4, ChangeEnd);
    EXPECT_EQ(f.changeParts(), (std::vector<int>{2, 4}));
    EXPECT_EQ(f.m.Change.Key, 0);
}

TEST_F(Commit, EndWithoutBeginDoesNothing) {
    f.sheet().cell(0, 0) = 99;
    NoteChange(f.m, 4, ChangeEnd);
    EXPECT_TRUE(f.events.empty());
    EXPECT_EQ(f.m.Change.Parts, 0);
}

TEST_F(Commit, KeyZeroCommitsAtOnceAndNormalises) {
    f.sheet().cell(0, 0) = 99;
    NoteChange(f.m, 4, 0);
    EXPECT_EQ(f.sheet().cell(0, 0), 60);
    EXPECT_EQ(f.changeParts(), std::vector<int>{4});
}

TEST_F(Commit, SameKeyExtendsTheDeadlineAndAnotherKeyCommits) {
    NoteChange(f.m, 4, 0x10);
    f.ticks(4);
    NoteChange(f.m, 4, 0x10);
    f.ticks(4);
    EXPECT_TRUE(f.events.empty());
    NoteChange(f.m, 1, 0x20); // a different target: everything so far, this one included
    EXPECT_EQ(f.changeParts(), std::vector<int>{5});
    f.ticks(10);
    EXPECT_EQ(f.events.size(), size_t(1));
}

TEST_F(Commit, EventCarriesTheMarkersAndTitle) {
    f.m.Markers.RevLimiter = 90;
    NoteChange(f.m, 4, 0);
    ASSERT_EQ(f.events.size(), size_t(1));
    EXPECT_EQ(f.events[0].RevLimiter, 90);
    EXPECT_EQ(f.events[0].Title, "Advance");
    EXPECT_EQ(f.events[0].Sheet, 0);
}

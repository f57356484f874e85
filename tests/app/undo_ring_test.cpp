#include "app/undo_ring.h"

#include <gtest/gtest.h>

namespace {
TParamImage ImageWith(int limiter) {
    TParamImage img;
    img.set(Field::Limiter, limiter);
    return img;
}
} // namespace

TEST(UndoRing, StartsWithNothingToUndoOrRedo) {
    TUndoRing r;
    r.Reset(ImageWith(100), 0);
    EXPECT_FALSE(r.CanUndo());
    EXPECT_FALSE(r.CanRedo());
    EXPECT_FALSE(r.Undo());
    EXPECT_FALSE(r.Redo());
}

TEST(UndoRing, EqualImageTakesNoSnapshot) {
    TUndoRing r;
    r.Reset(ImageWith(100), 0);
    EXPECT_FALSE(r.Snapshot(ImageWith(100), 1));
    EXPECT_FALSE(r.CanUndo());
}

TEST(UndoRing, UndoReturnsToThePageOfTheUndoneChange) {
    TUndoRing r;
    r.Reset(ImageWith(100), 0);
    ASSERT_TRUE(r.Snapshot(ImageWith(110), 0)); // made on page 0
    ASSERT_TRUE(r.Snapshot(ImageWith(120), 2)); // made on page 2
    auto u = r.Undo();
    ASSERT_TRUE(u);
    EXPECT_EQ(u->image, ImageWith(110));
    EXPECT_EQ(u->slotPage, 0);
    EXPECT_EQ(u->switchPage, 2);
    auto d = r.Redo();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->image, ImageWith(120));
    EXPECT_EQ(d->switchPage, 2);
}

TEST(UndoRing, NewChangeAfterUndoDropsTheRedoStates) {
    TUndoRing r;
    r.Reset(ImageWith(100), 0);
    r.Snapshot(ImageWith(110), 0);
    r.Snapshot(ImageWith(120), 0);
    r.Undo();
    ASSERT_TRUE(r.CanRedo());
    r.Snapshot(ImageWith(130), 0);
    EXPECT_FALSE(r.CanRedo());
    EXPECT_EQ(r.Undo()->image, ImageWith(110));
}

TEST(UndoRing, TwoHundredFiftyChangesKeep199UndoSteps) {
    TUndoRing r;
    r.Reset(ImageWith(0), 0);
    for (int i = 1; i <= 250; ++i) ASSERT_TRUE(r.Snapshot(ImageWith(i), 0));
    int steps = 0;
    TParamImage last;
    while (auto u = r.Undo()) {
        last = u->image;
        ++steps;
    }
    EXPECT_EQ(steps, 199);
    EXPECT_EQ(last, ImageWith(51)); // the oldest state still held
    EXPECT_FALSE(r.Undo());
    // Everything can be redone again, across the wrap of the ring.
    int redone = 0;
    while (r.Redo()) ++redone;
    EXPECT_EQ(redone, 199);
    EXPECT_EQ(r.ring[r.current].image, ImageWith(250));
}

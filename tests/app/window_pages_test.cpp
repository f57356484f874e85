// The pages through their real widgets: typing, arrows, undo, page states.
#include "window_fixture.h"

#include "app/updown_pair.h"

#include <QApplication>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QToolButton>

namespace {
int Limiter(TFormHlav& f) {
    return f.Image().get(Field::Limiter) * 100;
}
} // namespace

TEST_F(WindowTest, AfterStartNeitherUndoNorRedoIsPossible) {
    Start();
    EXPECT_FALSE(form->MenuZpet->isEnabled());
    EXPECT_FALSE(form->MenuZnovu->isEnabled());
    EXPECT_EQ(form->PageState().activePage, PageMisc);
}

TEST_F(WindowTest, LimiterOutOfRangeIsNotTaken) {
    Start();
    TypeAndEnter(form->misc.Omez2.edit, "11000"); // settles the pinned values
    const int before = Limiter(*form);
    const int steps = form->UndoRing().current;
    TypeAndEnter(form->misc.Omez2.edit, "26000");
    EXPECT_EQ(Limiter(*form), before);
    EXPECT_EQ(form->misc.Omez2.edit->text(), FormatForEdit(before));
    EXPECT_EQ(form->UndoRing().current, steps); // nothing changed, no undo step
    TypeAndEnter(form->misc.Omez2.edit, "limit");
    EXPECT_EQ(Limiter(*form), before);
}

TEST_F(WindowTest, TypedLimiterIsStoredInHundredsAndShownGrouped) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    Start();
    TypeAndEnter(form->misc.Omez2.edit, "14950");
    EXPECT_EQ(Limiter(*form), 14900);
    const QString sep = QLocale().groupSeparator();
    EXPECT_EQ(form->misc.Omez2.edit->text(), "14" + sep + "900");
    // The grouped text reads back as the same number.
    TypeAndEnter(form->misc.Omez2.edit, "12" + sep + "300");
    EXPECT_EQ(Limiter(*form), 12300);
    QLocale::setDefault(QLocale::c());
}

TEST_F(WindowTest, QuickArrowClicksMakeOneChangeAndOneUndoStep) {
    Start();
    const int before = Limiter(*form);
    const int applies = form->ApplyCount();
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(form->misc.Omez2.updown->UpButton(), Qt::LeftButton);
        Ticks(3); // well within the quiet time
    }
    EXPECT_EQ(form->ApplyCount(), applies);
    Ticks(10);
    EXPECT_EQ(form->ApplyCount(), applies + 1);
    EXPECT_EQ(Limiter(*form), before + 300);
    EXPECT_EQ(form->UndoRing().current, 1);
    Ticks(20);
    EXPECT_EQ(form->ApplyCount(), applies + 1);
}

TEST_F(WindowTest, ChangeElsewhereTakesThePendingArrowValueAlong) {
    Start();
    const int before = Limiter(*form);
    form->misc.Omez2.updown->ClickUp();
    TypeAndEnter(form->misc.PocSynchro.edit, "7");
    EXPECT_EQ(Limiter(*form), before + 100);
    EXPECT_EQ(form->Image().get(Field::RevsWithoutIgnition), 7);
    const int applies = form->ApplyCount();
    Ticks(15);
    EXPECT_EQ(form->ApplyCount(), applies); // nothing left pending
}

TEST_F(WindowTest, UndoAfterPageSwitchReturnsToThePageOfTheChange) {
    Start();
    const int before = Limiter(*form);
    TypeAndEnter(form->misc.Omez2.edit, "12000");
    ASSERT_EQ(Limiter(*form), 12000);
    form->SelectPage(PageAdvance);
    ASSERT_EQ(form->PageState().activePage, PageAdvance);
    form->Undo();
    EXPECT_EQ(Limiter(*form), before);
    EXPECT_EQ(form->PageState().activePage, PageMisc);
    EXPECT_EQ(form->PageControl1->currentIndex(), PageMisc);
    EXPECT_EQ(form->misc.Omez2.edit->text(), FormatForEdit(before));
    EXPECT_FALSE(form->MenuZpet->isEnabled());
    EXPECT_TRUE(form->MenuZnovu->isEnabled());
    form->Redo();
    EXPECT_EQ(Limiter(*form), 12000);
}

TEST_F(WindowTest, TwoHundredFiftyChangesLeave199UndoSteps) {
    Start();
    for (int i = 0; i < 250; ++i)
        TypeAndEnter(form->misc.Omez2.edit, QString::number(i % 2 ? 5000 : 6000 + 100 * (i % 50)));
    int steps = 0;
    while (form->MenuZpet->isEnabled() && steps < 300) {
        form->Undo();
        ++steps;
    }
    EXPECT_EQ(steps, 199);
    const TParamImage held = form->Image();
    form->Undo();
    EXPECT_EQ(form->Image(), held);
}

TEST_F(WindowTest, ProgrammingAfterChangeWaitsForTheFirstRead) {
    Start();
    form->CheckBoxProgHned->setChecked(true);
    TypeAndEnter(form->misc.Omez2.edit, "12000");
    // A fresh installation has not read the unit yet: nothing is programmed.
    EXPECT_EQ(form->Link().State().Operation, doIdle);
    EXPECT_TRUE(writes.empty());
}

TEST_F(WindowTest, TwoOutputsShowTwoCorrections) {
    Start();
    form->SelectPage(PageBike);
    TypeAndEnter(form->bike.PocKanalu.edit, "2");
    ASSERT_EQ(form->Image().get(Field::OutputCount), 2);
    form->SelectPage(PageAdvance);
    auto& a = form->advance;
    EXPECT_FALSE(a.KorAdv[0].edit->isHidden());
    EXPECT_FALSE(a.KorAdv[1].edit->isHidden());
    EXPECT_TRUE(a.KorAdv[2].edit->isHidden());
    EXPECT_TRUE(a.KorAdv[3].edit->isHidden());
    EXPECT_TRUE(a.KorAdv[3].updown->isHidden());
    EXPECT_TRUE(a.LabelCorections->text().endsWith(" 1,2"))
        << a.LabelCorections->text().toStdString();
}

TEST_F(WindowTest, CorrectionsTakeNegativeValues) {
    Start();
    form->SelectPage(PageAdvance);
    TypeAndEnter(form->advance.KorAdv[0].edit, "-5");
    EXPECT_EQ(form->Values().cylCorrection[0], -5);
    TypeAndEnter(form->advance.KorAdv[0].edit, "-31");
    EXPECT_EQ(form->Values().cylCorrection[0], -5);
}

TEST_F(WindowTest, MethodEightSetsAndLocksEverySecondEdge) {
    Start();
    form->SelectPage(PageBike);
    auto* combo = form->bike.ComboBoxSynchro;
    combo->setCurrentIndex(8);
    emit combo->activated(8);
    EXPECT_EQ(form->Image().get(Field::SyncMethod), 8);
    for (auto& ch : form->bike.GroupBoxPalec)
        for (auto* row : {&ch.maxAdvance, &ch.startAdvance}) {
            EXPECT_TRUE(row->secondEdge->isChecked());
            EXPECT_FALSE(row->secondEdge->isEnabled());
        }
    for (int n = 0; n < 4; ++n) {
        EXPECT_TRUE(form->Image().get(Field::MaxAdvTrigger, n) & kLobeSecondEdge);
        EXPECT_TRUE(form->Image().get(Field::StartAdvTrigger, n) & kLobeSecondEdge);
    }
}

TEST_F(WindowTest, BikePageShowsThePinnedSpecialSetting) {
    Start();
    form->SelectPage(PageBike);
    TypeAndEnter(form->bike.PocPalcu.edit, "12");
    EXPECT_EQ(form->Image().get(Field::BikeCode), kBikeCodeSpecial);
    EXPECT_EQ(form->Image().get(Field::LobeCount), 12);
    for (int b = Field::DwellMode.offset; b <= Field::DwellLobeMaxSpeed.offset; ++b)
        EXPECT_EQ(form->Image()[b], 0) << b;
}

TEST_F(WindowTest, SwitchingPagesKeepsAnEditNotYetTaken) {
    Start();
    form->misc.Omez2.edit->clear();
    QTest::keyClicks(form->misc.Omez2.edit, "12500");
    form->misc.PocSynchro.updown->ClickUp();
    const int revs = form->Values().revsWithoutIgnition;
    form->SelectPage(PageBike);
    EXPECT_EQ(Limiter(*form), 12500);
    EXPECT_EQ(form->Image().get(Field::RevsWithoutIgnition), revs + 1);
    EXPECT_EQ(form->PageState().activePage, PageBike);
    const int applies = form->ApplyCount();
    Ticks(12);
    EXPECT_EQ(form->ApplyCount(), applies);
}

TEST_F(WindowTest, PlainPageSwitchTakesNoUndoStep) {
    Start();
    form->SelectPage(PageBike);
    form->SelectPage(PageAdvance);
    form->SelectPage(PageMisc);
    EXPECT_FALSE(form->MenuZpet->isEnabled());
}

TEST_F(WindowTest, CtrlZInAnEditUndoesTheParameterChange) {
    Start();
    form->show();
    QApplication::setActiveWindow(form.get());
    const int before = Limiter(*form);
    TypeAndEnter(form->misc.Omez2.edit, "12000");
    ASSERT_EQ(Limiter(*form), 12000);
    form->misc.Omez2.edit->setFocus();
    QTest::keyClick(form->misc.Omez2.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Limiter(*form), before);
}

TEST_F(WindowTest, ArrowKeysStepLikeTheArrowButtons) {
    Start();
    const int before = Limiter(*form);
    QTest::keyClick(form->misc.Omez2.edit, Qt::Key_Up);
    QTest::keyClick(form->misc.Omez2.edit, Qt::Key_Up);
    QTest::keyClick(form->misc.Omez2.edit, Qt::Key_Down);
    Ticks(11);
    EXPECT_EQ(Limiter(*form), before + 100);
    // An edit whose arrows are hidden does not step.
    const int retard = form->Values().retard;
    QTest::keyClick(form->misc.Retard.edit, Qt::Key_Up);
    Ticks(11);
    EXPECT_EQ(form->Values().retard, retard);
}

TEST_F(WindowTest, TypedValueAloneIsTakenWhenThePageIsSwitched) {
    Start();
    form->misc.Omez2.edit->clear();
    QTest::keyClicks(form->misc.Omez2.edit, "12300"); // typed, never left, no arrow clicked
    form->SelectPage(PageBike);
    EXPECT_EQ(Limiter(*form), 12300);
    EXPECT_EQ(form->UndoRing().current, 1);
}

TEST_F(WindowTest, ArrowOfAnotherControlAppliesThePendingArrowAtOnce) {
    Start();
    const int limiter = Limiter(*form);
    const int revs = form->Values().revsWithoutIgnition;
    const int applies = form->ApplyCount();
    form->misc.Omez2.updown->ClickUp();
    form->misc.PocSynchro.updown->ClickUp();
    // No tick has passed: the first arrow's value is already in the image.
    EXPECT_EQ(form->ApplyCount(), applies + 1);
    EXPECT_EQ(Limiter(*form), limiter + 100);
    // The second arrow waits for its own quiet time.
    form->misc.PocSynchro.updown->ClickUp();
    Ticks(kUpDownDelayTicks);
    EXPECT_EQ(form->Image().get(Field::RevsWithoutIgnition), revs + 2);
    const int settled = form->ApplyCount();
    Ticks(2 * kUpDownDelayTicks);
    EXPECT_EQ(form->ApplyCount(), settled);
}

TEST_F(WindowTest, EveryEditTakesExactlyItsRangeAndStepsByItsIncrement) {
    Start();
    auto& b = form->bike;
    const struct {
        const char* name;
        TEditPair& pair;
        int min, max, inc;
    } cases[] = {
        {"limiter", form->misc.Omez2, 999, 25000, 100},
        {"start limiter", form->misc.StartLimiter, 1000, 25000, 100},
        {"clutch time", form->misc.ClutchTime, 0, 2500, 10},
        {"clutch pause", form->misc.ClutchPause, 0, 2500, 10},
        {"retard", form->misc.Retard, 0, 25, 1},
        {"revolutions", form->misc.PocSynchro, 0, 40, 1},
        {"lobes", b.PocPalcu, 1, 58, 1},
        {"outputs", b.PocKanalu, 1, 4, 1},
        {"lobe 1 max", b.GroupBoxPalec[0].maxAdvance.lobe, 1, 58, 1},
        {"lobe 4 start", b.GroupBoxPalec[3].startAdvance.lobe, 1, 58, 1},
        {"base advance", form->advance.BaseAdv, 0, 40, 1},
        {"correction 1", form->advance.KorAdv[0], -30, 30, 1},
        {"correction 4", form->advance.KorAdv[3], -30, 30, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.pair.Show(c.min);
        c.pair.edit->setText(QString::number(c.max));
        EXPECT_EQ(c.pair.Read(), c.max);
        for (int outside : {c.max + 1, c.min - 1}) {
            c.pair.edit->setText(QString::number(outside));
            EXPECT_EQ(c.pair.Read(), c.max);
        }
        c.pair.Show(c.min);
        c.pair.updown->ClickUp();
        EXPECT_EQ(c.pair.Read(), c.min + c.inc);
        c.pair.Show(c.max);
        c.pair.updown->ClickUp();
        EXPECT_EQ(c.pair.Read(), c.max);
    }
}

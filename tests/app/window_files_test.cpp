// Files reach the window through the dialogs, the history and dropping.
#include "window_fixture.h"

#include "files/param_file_writer.h"
#include "model/defaults.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace {
QString WriteIgn(const QString& path, const TParamImage& img) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(QByteArray::fromStdString(ParamFileWriter(img, DefaultParamFileFooter())));
    return path;
}

TParamImage BikeFiveImage() {
    TParamImage img = StartupImage();
    img.set(Field::BikeCode, 5);
    img.set(Field::TachoPulses, 3);
    img.set(Field::PickupsInterchanged, 0);
    img.set(Field::Limiter, 123);
    return img;
}
} // namespace

TEST_F(WindowTest, FileWithAnotherBikeEndsAsTheSpecialSetting) {
    Start();
    const QString path = WriteIgn(dir.filePath("bike5.ign"), BikeFiveImage());
    dialogAnswers.push_back(path);
    form->Open(false, false);
    const TParamImage& img = form->Image();
    EXPECT_EQ(img.get(Field::BikeCode), kBikeCodeSpecial);
    EXPECT_EQ(img.get(Field::TachoPulses), 1);
    EXPECT_EQ(img.get(Field::TachoCorrection), 100); // 0 %
    EXPECT_EQ(img.get(Field::Pickup1Polarity), 1);
    EXPECT_EQ(img.get(Field::PickupsInterchanged), 1);
    EXPECT_EQ(img.get(Field::NoLobeCheck), 1);
    EXPECT_EQ(img.get(Field::Limiter), 123);
    EXPECT_TRUE(form->windowTitle().endsWith(path));
    EXPECT_TRUE(form->MenuZpet->isEnabled()); // loading took an undo step
    EXPECT_FALSE(form->Settings().firstRun);
}

TEST_F(WindowTest, OpenedFileClearsFirstRunSoUndoProgramsTheUnit) {
    Start();
    dialogAnswers.push_back(WriteIgn(dir.filePath("a.ign"), BikeFiveImage()));
    form->Open(false, false);
    form->CheckBoxProgHned->setChecked(true);
    form->Undo();
    EXPECT_EQ(form->Link().State().Operation, doProgram);
}

TEST_F(WindowTest, DroppedIgnFileOpensWhateverTheCaseOfItsExtension) {
    Start();
    const QString path = WriteIgn(dir.filePath("PARAMS.IGN"), BikeFiveImage());
    form->DropFiles({dir.filePath("notes.txt"), path});
    EXPECT_EQ(form->Image().get(Field::Limiter), 123);
    EXPECT_EQ(form->CurrentFile(), path);
}

TEST_F(WindowTest, DroppedTextFileDoesNothing) {
    Start();
    const TParamImage before = form->Image();
    QFile f(dir.filePath("b.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("VELDRONA_KEY 97 LIMITER 50");
    f.close();
    form->DropFiles({dir.filePath("b.txt")});
    EXPECT_EQ(form->Image(), before);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(form->CurrentFile().isEmpty());
}

TEST_F(WindowTest, MissingFileReportsAndChangesNothing) {
    Start();
    const TParamImage before = form->Image();
    dialogAnswers.push_back(dir.filePath("gone.ign"));
    form->Open(false, false);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Open file error!");
    EXPECT_EQ(form->Image(), before);
}

TEST_F(WindowTest, SavePutsTheFileAtTheHeadOfTheHistoryAndTakesNoUndoStep) {
    Start();
    const QString a = dir.filePath("a.ign"), b = dir.filePath("b.ign");
    dialogAnswers = {a, b};
    form->Save(false);
    form->Save(true);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_TRUE(dialogs[1].presetPath.endsWith("data.ign")); // exe-dir preset
    EXPECT_EQ(dialogs[1].presetPath, QDir(dir.path()).filePath("data.ign"));
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(b));
    EXPECT_FALSE(form->MenuZpet->isEnabled());
    ASSERT_TRUE(form->MenuHistory[0]->isVisible());
    EXPECT_EQ(form->MenuHistory[0]->text(), "1 a");
    EXPECT_FALSE(form->MenuHistory[1]->isVisible());
}

TEST_F(WindowTest, NewResetsWhateverTheAnswer) {
    Start();
    TypeAndEnter(form->misc.Omez2.edit, "9000");
    answers.push_back(TBoxAnswer::Cancel);
    form->New(false);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Do you want default setting?");
    EXPECT_NE(form->Image().get(Field::Limiter), 90);
    EXPECT_TRUE(form->CurrentFile().isEmpty());
}

TEST_F(WindowTest, CtrlOnTheSaveButtonProposesTheDefaultFile) {
    Start();
    dialogAnswers = {dir.filePath("mine.ign")};
    form->Save(false);
    QTest::mouseClick(form->SpeedButtonSave, Qt::LeftButton);
    QTest::mouseClick(form->SpeedButtonSave, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[1].presetPath, dir.filePath("mine.ign")); // the last file
    EXPECT_EQ(dialogs[2].presetPath, QDir(dir.path()).filePath("data.ign"));
}

TEST_F(WindowTest, ImagePageAndPortComeBackAfterARestart) {
    Start();
    TypeAndEnter(form->misc.Omez2.edit, "12300");
    form->misc.PocSynchro.edit->setText("9"); // typed, not yet taken: closing takes it
    form->ComItems[2]->trigger();
    form->close();
    form.reset();
    Start();
    EXPECT_EQ(form->Image().get(Field::Limiter), 123);
    EXPECT_EQ(form->Image().get(Field::RevsWithoutIgnition), 9);
    EXPECT_EQ(form->Link().State().ChosenPort, 2);
    EXPECT_TRUE(form->ComItems[2]->isChecked());
    EXPECT_FALSE(form->MenuZpet->isEnabled());
}

TEST_F(WindowTest, SaveThatCannotWriteKeepsParametersFileAndHistory) {
    Start();
    dialogAnswers = {dir.filePath("kept.ign")};
    form->Save(false);
    ASSERT_EQ(form->CurrentFile(), dir.filePath("kept.ign"));
    const TParamImage before = form->Image();
    form->misc.Omez2.edit->clear();
    QTest::keyClicks(form->misc.Omez2.edit, "12300"); // typed, not yet taken
    dialogAnswers = {dir.filePath("no-such-folder/x.ign")};
    boxes.clear();
    form->Save(false);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Open file error!");
    EXPECT_EQ(form->Image(), before);
    EXPECT_EQ(form->CurrentFile(), dir.filePath("kept.ign"));
    EXPECT_FALSE(form->MenuHistory[0]->isVisible());
}

TEST_F(WindowTest, CommandsForTheActualPageTouchOnlyItsGroup) {
    Start();
    TypeAndEnter(form->misc.Omez2.edit, "9000");
    form->SelectPage(PageAdvance);
    TypeAndEnter(form->advance.BaseAdv.edit, "5");
    ASSERT_EQ(form->Image().get(Field::BaseAdvance), 5);

    // A full file opened for the Advance Map page brings only its fields.
    TParamImage full = StartupImage();
    full.set(Field::Limiter, 123);
    full.set(Field::BaseAdvance, 20);
    dialogAnswers = {WriteIgn(dir.filePath("full.ign"), full)};
    form->Open(false, true);
    EXPECT_EQ(form->Image().get(Field::BaseAdvance), 20);
    EXPECT_EQ(form->Image().get(Field::Limiter), 90);

    // New for the Miscellaneous page resets the limiter, not the base advance.
    form->SelectPage(PageMisc);
    form->New(true);
    EXPECT_EQ(form->Image().get(Field::Limiter), StartupImage().get(Field::Limiter));
    EXPECT_EQ(form->Image().get(Field::BaseAdvance), 20);
    EXPECT_EQ(form->windowTitle(), "  Programming of Ardentix unit" + QString(7, ' '));
}

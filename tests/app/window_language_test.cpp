// Languages: command line, menu switch, composed labels; the About box.
#include "window_fixture.h"

#include "dialogs/about_dialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

TEST_F(WindowTest, DeutschOnTheCommandLineStartsInGerman) {
    Start({"DEUTSCH"});
    EXPECT_EQ(form->Lang(), 1);
    EXPECT_TRUE(form->MenuGerman->isChecked());
    EXPECT_FALSE(form->MenuEnglish->isChecked());
    EXPECT_EQ(form->MenuFile->title(), "&Datei");
    EXPECT_NE(form->PageControl1->tabText(PageMisc), "Miscellaneous");
}

TEST_F(WindowTest, LowerCaseArgumentKeepsTheStoredLanguage) {
    Start({"deutsch"});
    EXPECT_EQ(form->Lang(), 0);
    EXPECT_EQ(form->MenuFile->title(), "&File");
}

TEST_F(WindowTest, SwitchingLanguageRewritesTheCaptions) {
    Start();
    const QString englishLimiter = form->misc.LabelOmez2->text();
    form->SetLanguage(3);
    EXPECT_EQ(form->MenuFile->title(), QString::fromUtf8("&Soubor"));
    EXPECT_TRUE(form->MenuCzech->isChecked());
    EXPECT_FALSE(form->MenuEnglish->isChecked());
    EXPECT_FALSE(form->MenuFrench->isVisible());
    EXPECT_NE(form->misc.LabelOmez2->text(), englishLimiter);
    EXPECT_EQ(form->PageControl1->tabText(PageMisc), QString::fromUtf8("Různé"));
    EXPECT_TRUE(form->advance.LabelCorections->text().startsWith(QString::fromUtf8("Korekce")));
    form->Program(); // messages follow the switch too
    ASSERT_FALSE(boxes.empty());
    EXPECT_TRUE(boxes.back().text.startsWith(QString::fromUtf8("Toto je nová instalace")));
    form->SetLanguage(0);
    EXPECT_EQ(form->misc.LabelOmez2->text(), englishLimiter);
}

TEST_F(WindowTest, LanguageIsStoredForTheNextStart) {
    Start();
    form->SetLanguage(1);
    form->close();
    form.reset();
    Start();
    EXPECT_EQ(form->Lang(), 1);
}

TEST_F(WindowTest, MissingManualIsReported) {
    Start();
    form->OpenManual();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error by opening file manual_Ardentix_en.pdf !");
}

TEST(AboutDialog, NamesProductVersionAndBuild) {
    TFormAbout about;
    EXPECT_EQ(about.windowTitle(), "Ardentix");
    EXPECT_EQ(about.LabelRsKey->text(), "Version - 97.0");
    EXPECT_EQ(about.LabelDate->text(), QString(__DATE__));
    EXPECT_EQ(about.LabelExit->text(), "OK");
    about.show();
    QTest::mouseClick(about.LabelExit, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(WindowTest, FrenchFromTheCommandLineIsNotRestored) {
    Start({"FRANCE", "--port", "/dev/null-unit"});
    EXPECT_EQ(form->Lang(), 2);
    EXPECT_TRUE(form->MenuFrench->isChecked());
    EXPECT_FALSE(form->MenuFrench->isVisible());
    EXPECT_TRUE(form->LabelCom->text().contains("/dev/null-unit"));
    for (QAction* item : form->ComItems) EXPECT_FALSE(item->isChecked());
    form->close();
    form.reset();
    Start();
    EXPECT_EQ(form->Lang(), 0);
}

namespace {
// Whether a label shows its whole caption: every word fits the width and,
// for a wrapping label, all lines fit the height.
bool CaptionFits(const QLabel* l) {
    const QFontMetrics fm(l->font());
    const int width = l->contentsRect().width();
    if (!l->wordWrap()) return fm.horizontalAdvance(l->text()) <= width;
    for (const QString& word : l->text().split(' ', Qt::SkipEmptyParts))
        if (fm.horizontalAdvance(word) > width) return false;
    return l->heightForWidth(width) <= l->height();
}
} // namespace

TEST_F(WindowTest, CaptionsOfThePagesAreNotCutOffInAnyLanguage) {
    Start();
    form->SelectPage(PageBike);
    TypeAndEnter(form->bike.PocKanalu.edit, "4"); // the longest corrections caption
    form->SelectPage(PageMisc);
    for (int lang : {0, 1, 2, 3}) {
        form->SetLanguage(lang);
        for (int page : {PageMisc, PageBike, PageAdvance})
            for (const QLabel* l : form->TabSheets[page]->findChildren<QLabel*>()) {
                if (l->text().isEmpty() || l->objectName().startsWith("LabelMon") ||
                    l->objectName() == "LabelPocetProgramovani")
                    continue; // live labels change with every packet
                EXPECT_TRUE(CaptionFits(l))
                    << "language " << lang << ": " << l->objectName().toStdString() << " \""
                    << l->text().toStdString() << "\"";
            }
    }
}

TEST_F(WindowTest, BikeColumnHeadsStayApartInEveryLanguage) {
    Start();
    auto textSpan = [](const QLabel* l) {
        // The widest line of the head, centred in the label as it is drawn.
        const QFontMetrics fm(l->font());
        int widest = 0;
        for (const QString& word : l->text().split(' ', Qt::SkipEmptyParts))
            widest = std::max(widest, fm.horizontalAdvance(word));
        if (fm.horizontalAdvance(l->text()) <= l->width()) widest = fm.horizontalAdvance(l->text());
        const int centre = l->x() + l->width() / 2;
        return std::pair{centre - widest / 2, centre + widest / 2};
    };
    for (int lang : {0, 1, 2, 3}) {
        form->SetLanguage(lang);
        const auto lobe = textSpan(form->bike.LabelLobe);
        const auto edge = textSpan(form->bike.LabelHrana2);
        const auto pickup = textSpan(form->bike.LabelSnimac2);
        // A few pixels of room between neighbouring heads.
        constexpr int kGap = 6;
        EXPECT_LE(lobe.second + kGap, edge.first)
            << "language " << lang << ": " << lobe.second << " " << edge.first;
        EXPECT_LE(edge.second + kGap, pickup.first)
            << "language " << lang << ": " << edge.second << " " << pickup.first;
    }
}

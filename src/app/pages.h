#pragma once
// The widgets of the parameter pages, one struct per page.  Each page reads
// its controls into the page values, shows the values, and updates which of
// its controls are visible and enabled (page_*.cpp).

#include "app/radio_group.h"
#include "app/updown_pair.h"

#include <QStringList>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
struct TPageValues;

// Gives a widget its English caption, looked up again at every language switch.
void SetEnglish(QWidget* w, const QString& english);
// A hint "short|long": the short part pops up, the long part goes to the status bar.
void SetHint(QWidget* w, const QString& hint);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& english, int x, int y,
                  int w = 200);

struct TMiscPage {
    QLabel* LabelOmez2 = nullptr;
    QLabel* LabelStartLimiter = nullptr;
    QLabel* LabelClutchTime = nullptr;
    QLabel* LabelClutchPause = nullptr;
    QLabel* LabelRetard = nullptr;
    QLabel* LabelPocSynchro = nullptr;
    TEditPair Omez2, StartLimiter, ClutchTime, ClutchPause, Retard, PocSynchro;
    TRadioGroup RadioGroupInput1;
    QLabel* LabelMonInput1In = nullptr;

    void Build(QWidget* tab);
    void Read(TPageValues& v);
    void Show(const TPageValues& v);
    void UpdateStates(const TPageValues& v);
    std::array<TEditPair*, 6> Pairs() {
        return {&Omez2, &StartLimiter, &ClutchTime, &ClutchPause, &Retard, &PocSynchro};
    }
};

struct TChannelRow {
    QLabel* label = nullptr;
    TEditPair lobe;
    QCheckBox* secondEdge = nullptr;
    QCheckBox* secondPickup = nullptr;
};

struct TChannelGroup {
    QGroupBox* box = nullptr;
    TChannelRow maxAdvance;   // "Zac" row
    TChannelRow startAdvance; // "End" row
};

struct TBikePage {
    QLabel* LabelVerze1 = nullptr;
    QLabel* LabelVerze2 = nullptr;
    QLabel* LabelVerze3 = nullptr;
    QLabel* LabelPocetProgramovani = nullptr;
    QGroupBox* GroupBoxSpecial = nullptr;
    QLabel* LabelSynchro = nullptr;
    QComboBox* ComboBoxSynchro = nullptr;
    QLabel* LabelPocPalcu = nullptr;
    TEditPair PocPalcu;
    QLabel* LabelPocKanalu = nullptr;
    TEditPair PocKanalu;
    QLabel* LabelLobe = nullptr;
    QLabel* LabelHrana2 = nullptr;
    QLabel* LabelSnimac2 = nullptr;
    std::array<TChannelGroup, 4> GroupBoxPalec;
    QLabel* LabelNasobekPalcu = nullptr;
    QComboBox* ComboBoxNasobekPalcu = nullptr;

    void Build(QWidget* tab);
    void Read(TPageValues& v);
    void Show(const TPageValues& v);
    void UpdateStates(const TPageValues& v);
    std::vector<TEditPair*> Pairs();
    std::vector<QCheckBox*> CheckBoxes();
    // Sizes the column heads to their captions (after a language switch).
    void FitColumnHeads();
};

struct TAdvancePage {
    QFrame* FrameAdvanceEditor = nullptr; // the advance map editor goes here
    QLabel* LabelBaseAdv = nullptr;
    TEditPair BaseAdv;
    QLabel* LabelCorections = nullptr;
    std::array<TEditPair, 4> KorAdv;
    QString correctionsPrefix = "Correction for cylinder";

    void Build(QWidget* tab);
    void Read(TPageValues& v);
    void Show(const TPageValues& v);
    void UpdateStates(const TPageValues& v);
};

struct TTestPage {
    QGroupBox* GroupBoxTestIgn = nullptr;
    std::array<QPushButton*, 3> ButtonTestIgn{};

    void Build(QWidget* tab);
};

// Synchronisation methods and ignitions-per-revolution entries, in list order.
QStringList SyncMethodTexts();
QStringList IgnitionsPerRevTexts();

#include "app/pages.h"

#include "app/page_rules.h"
#include "model/page_values.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void TMiscPage::Build(QWidget* tab) {
    constexpr int kEditX = 250;
    int y = 16;
    auto row = [&](QLabel*& label, TEditPair& pair, const char* labelName, const char* en,
                   const char* edit, const char* updown, int min, int max, int inc) {
        label = MakeLabel(tab, labelName, en, 16, y, 220);
        pair = MakeEditPair(tab, edit, updown, min, max, inc, kEditX, y);
        y += 32;
    };
    row(LabelOmez2, Omez2, "LabelOmez2", "Limiter [rpm]", "EditOmez2", "UpDownOmez2", 999, 25000,
        100);
    row(LabelStartLimiter, StartLimiter, "LabelStartLimiter", "Start limiter [rpm]",
        "EditStartLimiter", "UpDownStartLimiter", 1000, 25000, 100);
    row(LabelClutchTime, ClutchTime, "LabelClutchTime", "Clutch master time [ms]", "EditClutchTime",
        "UpDownClutchTime", 0, 2500, 10);
    row(LabelClutchPause, ClutchPause, "LabelClutchPause", "Clutch master pause [ms]",
        "EditClutchPause", "UpDownClutchPause", 0, 2500, 10);
    row(LabelRetard, Retard, "LabelRetard", "Retard [°]", "EditRetard", "UpDownRetard", 0, 25, 1);
    row(LabelPocSynchro, PocSynchro, "LabelPocSynchro", "Revolutions without ignition",
        "EditPocSynchro", "UpDownPocSynchro", 0, 40, 1);

    RadioGroupInput1 = MakeRadioGroup(tab, "RadioGroupInput1", "Input 1",
                                      {"Off", "Kill switch", "Blocking", "Clutch master",
                                       "Clutch master inv. input", "Retard", "Start limiter"},
                                      16, y + 8, 220, 76);
    SetEnglish(RadioGroupInput1.box, "Input 1");
    for (int i = 0; i < int(RadioGroupInput1.items.size()); ++i) {
        SetEnglish(RadioGroupInput1.items[i], RadioGroupInput1.items[i]->text());
        // Only "Off" and "Kill switch" are offered in this edition.
        RadioGroupInput1.items[i]->setVisible(i < 2);
    }
    LabelMonInput1In = MakeLabel(tab, "LabelMonInput1In", QString(), 16, y + 90, 260);
}

void TMiscPage::Read(TPageValues& v) {
    v.limiter = Omez2.Read();
    v.startLimiter = StartLimiter.Read();
    v.clutchTime = ClutchTime.Read();
    v.clutchPause = ClutchPause.Read();
    v.retard = Retard.Read();
    v.revsWithoutIgnition = PocSynchro.Read();
    // An unknown value (no item checked) stays as it is.
    if (RadioGroupInput1.ItemIndex() >= 0) v.input1Function = RadioGroupInput1.ItemIndex();
}

void TMiscPage::Show(const TPageValues& v) {
    Omez2.Show(v.limiter);
    StartLimiter.Show(v.startLimiter);
    ClutchTime.Show(v.clutchTime);
    ClutchPause.Show(v.clutchPause);
    Retard.Show(v.retard);
    PocSynchro.Show(v.revsWithoutIgnition);
    RadioGroupInput1.SetItemIndex(v.input1Function);
}

void TMiscPage::UpdateStates(const TPageValues& v) {
    const TMiscStates s = MiscStates(v.input1Function, v.input2Function, v.inputsNeutralStand != 0);
    for (auto* w :
         {static_cast<QWidget*>(ClutchTime.edit), static_cast<QWidget*>(ClutchPause.edit),
          static_cast<QWidget*>(LabelClutchTime), static_cast<QWidget*>(LabelClutchPause)})
        w->setEnabled(s.clutchEnabled);
    ClutchTime.updown->setVisible(s.clutchArrowsVisible);
    ClutchPause.updown->setVisible(s.clutchArrowsVisible);
    Retard.edit->setEnabled(s.retardEnabled);
    Retard.updown->setVisible(s.retardArrowsVisible);
    StartLimiter.edit->setEnabled(s.startLimiterEnabled);
    LabelStartLimiter->setEnabled(s.startLimiterEnabled);
    StartLimiter.updown->setVisible(s.startLimiterArrowsVisible);
    RadioGroupInput1.box->setEnabled(s.inputGroupsEnabled);
}

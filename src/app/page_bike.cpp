#include "app/pages.h"

#include "app/page_rules.h"
#include "model/page_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {
// Columns of a channel row, inside its group box.
constexpr int kLobeX = 160, kLobeW = 40, kSecondEdgeX = 240, kSecondPickupX = 302, kCheckW = 20;
constexpr int kCheckBoxW = 14; // the box drawn at the left of a check box
constexpr int kBoxX = 12;      // left of the channel group boxes
constexpr int kHeadY = 114, kHeadH = 36;

// A head centred over its column: one line when the caption is short, else
// just wide enough for its longest word, so it wraps between words.
void FitHead(QLabel* l, int centre) {
    constexpr int kOneLineMax = 54, kMargin = 4; // columns are 62 apart
    const QFontMetrics fm(l->font());
    int w = fm.horizontalAdvance(l->text());
    if (w > kOneLineMax) {
        w = 0;
        for (const QString& word : l->text().split(' ', Qt::SkipEmptyParts))
            w = std::max(w, fm.horizontalAdvance(word));
    }
    w += kMargin;
    l->setGeometry(centre - w / 2, kHeadY, w, kHeadH);
}

QCheckBox* MakeCheck(QWidget* parent, const QString& name, int x, int y) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(name);
    c->setGeometry(x, y, kCheckW, 22);
    return c;
}

TChannelRow MakeRow(QWidget* box, int n, bool start, int y) {
    const QString tag = QString("Palec%1%2").arg(n).arg(start ? "End" : "Zac");
    TChannelRow r;
    const char* en = start ? "Start advance" : "Maximum advance";
    r.label = MakeLabel(box, ("Label" + tag).toLatin1().constData(), en, 8, y, 150);
    r.lobe = MakeEditPair(box, "Edit" + tag, "UpDown" + tag, 1, 58, 1, kLobeX, y, kLobeW);
    r.secondEdge = MakeCheck(box, "CheckBoxHrana" + tag, kSecondEdgeX, y);
    r.secondPickup = MakeCheck(box, "CheckBoxSnimac" + tag, kSecondPickupX, y);
    return r;
}
} // namespace

void TBikePage::Build(QWidget* tab) {
    LabelVerze1 = MakeLabel(tab, "LabelVerze1", QString(), 16, 8, 220);
    LabelVerze2 = MakeLabel(tab, "LabelVerze2", QString(), 240, 8, 120);
    LabelVerze3 = MakeLabel(tab, "LabelVerze3", QString(), 370, 8, 100);
    LabelPocetProgramovani = MakeLabel(tab, "LabelPocetProgramovani", QString(), 480, 8, 200);
    for (auto* l : {LabelVerze1, LabelVerze2, LabelVerze3}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
    }

    GroupBoxSpecial = new QGroupBox(tab);
    GroupBoxSpecial->setObjectName("GroupBoxSpecial");
    SetEnglish(GroupBoxSpecial,
               "Specification of synchronization - Caution - For experienced user only!");
    GroupBoxSpecial->setGeometry(8, 38, 670, 450);
    QWidget* g = GroupBoxSpecial;

    LabelSynchro = MakeLabel(g, "LabelSynchro", "Synchronization method", 12, 26, 240);
    ComboBoxSynchro = new QComboBox(g);
    ComboBoxSynchro->setObjectName("ComboBoxSynchro");
    ComboBoxSynchro->setGeometry(260, 24, 380, 24);
    ComboBoxSynchro->addItems(SyncMethodTexts());
    ComboBoxSynchro->setProperty("en", SyncMethodTexts());

    LabelPocPalcu = MakeLabel(g, "LabelPocPalcu", "Number of lobe at rotor", 12, 60, 240);
    PocPalcu = MakeEditPair(g, "EditPocPalcu", "UpDownPocPalcu", 1, 58, 1, 260, 58, 40);
    LabelPocKanalu = MakeLabel(g, "LabelPocKanalu", "Number of outputs (coils)", 340, 60, 230);
    PocKanalu = MakeEditPair(g, "EditPocKanalu", "UpDownPocKanalu", 1, 4, 1, 580, 58, 40);

    LabelNasobekPalcu = MakeLabel(g, "LabelNasobekPalcu", QString(), 12, 94, 10);
    LabelNasobekPalcu->hide();
    ComboBoxNasobekPalcu = new QComboBox(g);
    ComboBoxNasobekPalcu->setObjectName("ComboBoxNasobekPalcu");
    ComboBoxNasobekPalcu->setGeometry(12, 92, 330, 24);
    ComboBoxNasobekPalcu->addItems(IgnitionsPerRevTexts());
    ComboBoxNasobekPalcu->setProperty("en", IgnitionsPerRevTexts());

    // Column heads above the channel rows (sized by FitColumnHeads).
    auto head = [&](QLabel*& l, const char* name, const char* en) {
        l = MakeLabel(g, name, en, 0, kHeadY, 64);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        l->setWordWrap(true);
    };
    head(LabelLobe, "LabelLobe", "Lobe");
    head(LabelHrana2, "LabelHrana2", "2nd Edge");
    head(LabelSnimac2, "LabelSnimac2", "2nd Pick-up");
    FitColumnHeads();

    for (int n = 1; n <= 4; ++n) {
        auto& ch = GroupBoxPalec[n - 1];
        ch.box = new QGroupBox(g);
        ch.box->setObjectName(QString("GroupBoxPalec%1").arg(n));
        SetEnglish(ch.box, QString("Channel %1").arg(n));
        const int col = (n - 1) % 2, rowIdx = (n - 1) / 2;
        ch.box->setGeometry(12 + col * 330, 152 + rowIdx * 100, 322, 92);
        ch.maxAdvance = MakeRow(ch.box, n, false, 24);
        ch.startAdvance = MakeRow(ch.box, n, true, 56);
    }
}

std::vector<TEditPair*> TBikePage::Pairs() {
    std::vector<TEditPair*> p{&PocPalcu, &PocKanalu};
    for (auto& ch : GroupBoxPalec) {
        p.push_back(&ch.maxAdvance.lobe);
        p.push_back(&ch.startAdvance.lobe);
    }
    return p;
}

std::vector<QCheckBox*> TBikePage::CheckBoxes() {
    std::vector<QCheckBox*> c;
    for (auto& ch : GroupBoxPalec)
        for (auto* r : {&ch.maxAdvance, &ch.startAdvance}) {
            c.push_back(r->secondEdge);
            c.push_back(r->secondPickup);
        }
    return c;
}

namespace {
void ReadRow(TChannelRow& r, int& lobe, int& secondEdge, int& secondPickup) {
    lobe = r.lobe.Read();
    secondEdge = r.secondEdge->isChecked() ? 1 : 0;
    secondPickup = r.secondPickup->isChecked() ? 1 : 0;
}
void ShowRow(TChannelRow& r, int lobe, int secondEdge, int secondPickup) {
    r.lobe.Show(lobe);
    r.secondEdge->setChecked(secondEdge != 0);
    r.secondPickup->setChecked(secondPickup != 0);
}
} // namespace

void TBikePage::Read(TPageValues& v) {
    const int sync = ComboBoxSynchro->currentIndex();
    if (sync >= 0) v.syncMethod = sync;
    v.lobeCount = PocPalcu.Read();
    v.outputCount = PocKanalu.Read();
    for (int n = 0; n < 4; ++n) {
        auto& c = v.channels[n];
        ReadRow(GroupBoxPalec[n].maxAdvance, c.maxAdvLobe, c.maxAdvSecondEdge,
                c.maxAdvSecondPickup);
        ReadRow(GroupBoxPalec[n].startAdvance, c.startAdvLobe, c.startAdvSecondEdge,
                c.startAdvSecondPickup);
    }
    const int ign = ComboBoxNasobekPalcu->currentIndex();
    if (ign >= 0) v.ignitionsCode = IgnitionsCodeForIndex(ign);
    ApplyBikePageReadRule(v);
    ForceSecondEdgesForMethod8(v);
}

void TBikePage::Show(const TPageValues& v) {
    ComboBoxSynchro->setCurrentIndex(
        v.syncMethod >= 0 && v.syncMethod < ComboBoxSynchro->count() ? v.syncMethod : -1);
    PocPalcu.Show(v.lobeCount);
    PocKanalu.Show(v.outputCount);
    for (int n = 0; n < 4; ++n) {
        const auto& c = v.channels[n];
        ShowRow(GroupBoxPalec[n].maxAdvance, c.maxAdvLobe, c.maxAdvSecondEdge,
                c.maxAdvSecondPickup);
        ShowRow(GroupBoxPalec[n].startAdvance, c.startAdvLobe, c.startAdvSecondEdge,
                c.startAdvSecondPickup);
    }
    ComboBoxNasobekPalcu->setCurrentIndex(IgnitionsIndexForCode(v.ignitionsCode));
}

void TBikePage::FitColumnHeads() {
    FitHead(LabelLobe, kBoxX + kLobeX + kLobeW / 2);
    FitHead(LabelHrana2, kBoxX + kSecondEdgeX + kCheckBoxW / 2);
    FitHead(LabelSnimac2, kBoxX + kSecondPickupX + kCheckBoxW / 2);
}

void TBikePage::UpdateStates(const TPageValues& v) {
    const bool special = v.bikeCode == kBikeCodeSpecial;
    const TBikeStates s = BikeStates(v.syncMethod, special, v.outputCount);
    for (int n = 0; n < 4; ++n) {
        auto& ch = GroupBoxPalec[n];
        ch.box->setVisible(s.channelVisible[n]);
        for (auto* r : {&ch.maxAdvance, &ch.startAdvance}) {
            r->lobe.edit->setEnabled(s.channelLobesEnabled);
            r->lobe.updown->setVisible(s.channelLobesEnabled);
            r->secondEdge->setEnabled(s.secondEdgeEnabled);
            r->secondPickup->setVisible(s.secondPickupVisible);
            r->secondPickup->setEnabled(s.secondPickupEnabled);
        }
    }
    LabelSnimac2->setVisible(s.secondPickupVisible);
    PocPalcu.edit->setEnabled(s.lobeCountEnabled);
    PocPalcu.updown->setVisible(s.lobeCountArrowsVisible);
    PocKanalu.edit->setEnabled(s.outputCountEnabled);
    LabelPocKanalu->setEnabled(s.outputCountEnabled);
    PocKanalu.updown->setVisible(s.outputCountArrowsVisible);
    for (QWidget* w : {static_cast<QWidget*>(ComboBoxSynchro), static_cast<QWidget*>(LabelSynchro),
                       static_cast<QWidget*>(LabelPocPalcu), static_cast<QWidget*>(LabelLobe),
                       static_cast<QWidget*>(LabelHrana2), static_cast<QWidget*>(LabelSnimac2)})
        w->setEnabled(s.syncListEnabled);
    GroupBoxSpecial->setEnabled(s.groupEnabled);
    QPalette pal = GroupBoxSpecial->palette();
    pal.setColor(QPalette::WindowText, s.groupTextGrey ? Qt::gray : Qt::black);
    GroupBoxSpecial->setPalette(pal);
}

#include "app/pages.h"

#include "app/page_rules.h"
#include "model/page_values.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void TAdvancePage::Build(QWidget* tab) {
    // The advance map editor fills the upper area; until it is placed there
    // the frame keeps its room.
    FrameAdvanceEditor = new QFrame(tab);
    FrameAdvanceEditor->setObjectName("FrameAdvanceEditor");
    FrameAdvanceEditor->setFrameShape(QFrame::StyledPanel);
    FrameAdvanceEditor->setFrameShadow(QFrame::Sunken);
    FrameAdvanceEditor->setGeometry(8, 8, 670, 420);

    constexpr int kRowY = 440;
    // Wide enough for the German and Czech captions.
    LabelBaseAdv = MakeLabel(tab, "LabelBaseAdv", "Base advance [°]", 8, kRowY, 160);
    LabelBaseAdv->setAutoFillBackground(true);
    BaseAdv = MakeEditPair(tab, "EditBaseAdv", "UpDownBaseAdv", 0, 40, 1, 170, kRowY, 40);

    LabelCorections = MakeLabel(tab, "LabelCorections", QString(), 236, kRowY, 200);
    for (int n = 1; n <= 4; ++n)
        KorAdv[n - 1] =
            MakeEditPair(tab, QString("EditKorAdv%1").arg(n), QString("UpDownKorAdv%1").arg(n), -30,
                         30, 1, 440 + (n - 1) * 62, kRowY, 40);
}

void TAdvancePage::Read(TPageValues& v) {
    v.baseAdvance = BaseAdv.Read();
    for (int n = 0; n < 4; ++n) v.cylCorrection[n] = KorAdv[n].Read();
    // Without a load sensor the map has no load axis.
    if (v.loadSensor == 0) v.advMapMode = 0;
}

void TAdvancePage::Show(const TPageValues& v) {
    BaseAdv.Show(v.baseAdvance);
    for (int n = 0; n < 4; ++n) KorAdv[n].Show(v.cylCorrection[n]);
}

void TAdvancePage::UpdateStates(const TPageValues& v) {
    const auto visible = CorrectionsVisible(v.outputCount);
    for (int n = 0; n < 4; ++n) KorAdv[n].SetVisible(visible[n], visible[n]);
    LabelCorections->setText(
        QString::fromStdString(CorrectionsCaption(correctionsPrefix.toStdString(), v.outputCount)));
}

void TTestPage::Build(QWidget* tab) {
    GroupBoxTestIgn = new QGroupBox(tab);
    GroupBoxTestIgn->setObjectName("GroupBoxTestIgn");
    SetEnglish(GroupBoxTestIgn, "Ignition");
    GroupBoxTestIgn->setGeometry(16, 16, 200, 140);
    auto* lay = new QVBoxLayout(GroupBoxTestIgn);
    for (int n = 1; n <= 3; ++n) {
        auto* b = new QPushButton(GroupBoxTestIgn);
        b->setObjectName(QString("ButtonTestIgn%1").arg(n));
        SetEnglish(b, QString("Ignition %1").arg(n));
        lay->addWidget(b);
        ButtonTestIgn[n - 1] = b;
    }
}

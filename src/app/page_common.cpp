#include "app/pages.h"

#include <QLabel>
#include <QVariant>

void SetEnglish(QWidget* w, const QString& english) {
    w->setProperty("en", english);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& english, int x, int y, int w) {
    auto* l = new QLabel(english, parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, 22);
    SetEnglish(l, english);
    return l;
}

QStringList SyncMethodTexts() {
    return {"1 lobe, 1 or 2 pick-up",
            "Short gap between lobes (inserted lobe)",
            "Wide lobe",
            "Long gap between lobes (missing lobe)",
            "2 pick-ups, missing lobe",
            "2 Short gaps between lobes (inserted lobe)",
            "Cam (CMPS)",
            "Harley",
            "Long gap between lobes - more lobes (48-2)",
            "Special for more pickups",
            "Inserted lobe - kick start",
            "Honda Cam (CMPS)",
            "Long gap between lobes + Cam (CMPS)",
            "Keihin 18 lobes"};
}

QStringList IgnitionsPerRevTexts() {
    return {"1 ignition per revolution", "2 ignitions per revolution", "3 ignitions per revolution",
            "1 ignition per 2 revolutions (camshaft)"};
}

#pragma once
// State of the page binding: which page is active, whether values are being
// shown (events raised by showing must not apply anything), and the up-down
// click whose apply is deferred.

class QObject;

inline constexpr int kUpDownDelayTicks = 10;

enum TPageIndex : int {
    PageMisc = 0,
    PageBike = 1,
    PageAdvance = 2,
    PagePowerOut = 3,
    PageServo = 4,
    PageTest = 5,
};
inline constexpr int kPageTabCount = 6;

struct TPendingUpDown {
    QObject* sender = nullptr;
    bool pending = false;
    int deadline = 0; // in ticks of TickTotal
};

struct TPageState {
    int activePage = PageMisc;
    bool refreshing = false; // values are being shown in the controls
    bool guard = false;      // re-entry guard around ImageToValues + show
    TPendingUpDown upDown;
};

// Why ApplyChanges ran, for the diagnostic log.
enum TChangeCause : int {
    CauseEnter = 1,
    CauseLeaveEdit = 2,
    CauseUpDown = 3,
    CauseCheckBox = 4,
    CauseRadioGroup = 5,
    CauseTps0 = 101,
    CauseTps100 = 102,
    CauseSyncMethod = 201,
    CausePowerOutMode = 501,
    CauseNew = -1,
    CauseFileLoaded = -2,
};

#pragma once
// The main window: owns the parameter image, the link, the page values, the
// undo history and the settings.  Its work is split over several files:
// form_build.cpp (widgets), form_startup.cpp (start and close),
// form_tick.cpp (the 55 ms tick), form_apply.cpp (values <-> pages),
// form_commands.cpp (menus and toolbar), form_files.cpp (loading, saving,
// log viewer), form_language.cpp (texts), form_link.cpp (what the link
// reports).  The pages are page_*.cpp, their rules page_rules.cpp.

#include "app/form_options.h"
#include "app/page_state.h"
#include "app/pages.h"
#include "app/undo_ring.h"
#include "app/window_texts.h"
#include "files/diag_log.h"
#include "files/settings.h"
#include "link/link_engine.h"
#include "model/page_values.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QCheckBox;
class QTabWidget;
class QTimer;
class QToolButton;
class QFrame;

class TFormHlav : public QMainWindow {
  public:
    explicit TFormHlav(TFormOptions options);
    ~TFormHlav() override;

    // --- the tick and the change cycle ---
    void Timer1Timer();
    void ApplyChanges(int cause, QObject* sender);
    void ShowPages(bool all);
    // A map editor committed a change: `parts` is its change code, `sheet`
    // the sheet's title (for the log).
    void TabEvent(int parts, QObject* sheet);
    void ReadActivePage(); // controls of the active page -> values -> image

    // --- commands ---
    void New(bool actualPage);
    void Open(bool presetDefault, bool actualPage);
    void OpenFile(const QString& path, PageSelection sel);
    void Save(bool presetDefault);
    void Read();
    void Verify();
    void Program();
    void Reset();
    void SetLanguage(int lang);
    void OpenManual();
    void Undo();
    void Redo();
    void ShowAbout();
    void DropFiles(const QStringList& paths);
    void BootloaderMessage(int portIndex, uint32_t code);
    void ChoosePort(int index);
    void LogOpenClick();
    void LogFindClick();
    void SelectPage(int index);

    // --- state, read by tests and by the helpers of this window ---
    TParamImage& Image() { return image_; }
    const TPageValues& Values() const { return values_; }
    const TUndoRing& UndoRing() const { return undo_; }
    const TPageState& PageState() const { return page_; }
    TLinkEngine& Link() { return *link_; }
    const TSettings& Settings() const { return settings_; }
    int Lang() const { return settings_.language; }
    int TickTotal() const { return tickTotal_; }
    int ApplyCount() const { return applyCount_; }
    bool DebugMode() const { return debug_; }
    const QString& CurrentFile() const { return currentFile_; }
    const TWindowTexts& Texts() const { return texts_; }

    // --- widgets (named as in the rest of the program) ---
    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, kPageTabCount> TabSheets{};
    TMiscPage misc;
    TBikePage bike;
    TAdvancePage advance;
    TTestPage test;

    QLabel* LabelHlaseni = nullptr;
    QProgressBar* CGaugeProgram = nullptr;
    QLabel* LabelSpojeni = nullptr;
    QLabel* LabelCom = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelEeDataErr = nullptr;
    QLabel* LabelDwellCalibError = nullptr;
    QCheckBox* CheckBoxProgHned = nullptr;
    QLabel* LabelFile1 = nullptr;

    // Live monitor.
    QLabel* LabelRpm = nullptr;
    QProgressBar* CGaugeRpm = nullptr;
    QLabel* LabelNapeti = nullptr;
    std::array<QLabel*, 4> LabelAdvance{};
    std::array<QLabel*, 2> LabelMonSnimac{};
    QLabel* LabelBlocking1 = nullptr;
    QLabel* LabelClutchMon = nullptr;
    QLabel* LabelKillSwitch = nullptr;
    QLabel* LabelMonStartLimiterOut = nullptr;
    QLabel* LabelMonRetard = nullptr;
    std::array<QLabel*, 2> LabelMonPOut{};
    QLabel* LabelPriveraPoz = nullptr;
    QLabel* LabelPriveraMer = nullptr;
    std::array<QLabel*, 8> LabelTest{};

    // Toolbar.
    QFrame* GroupBoxToolBar = nullptr;
    QToolButton* SpeedButtonNew = nullptr;
    QToolButton* SpeedButtonOpen = nullptr;
    QToolButton* SpeedButtonSave = nullptr;
    QToolButton* SpeedButtonPrint = nullptr;
    QToolButton* SpeedButtonZpet = nullptr;
    QToolButton* SpeedButtonZnovu = nullptr;
    QPushButton* ButtonRead = nullptr;
    QPushButton* BitBtnVerify = nullptr;
    QPushButton* BitBtnProgram = nullptr;

    // Diagnostic log viewer (debug mode).
    QFrame* LogPanel = nullptr;
    QPushButton* LogOpen = nullptr;
    QPushButton* LogFind = nullptr;
    QLineEdit* Log_Edit = nullptr;

    // Menus.
    QMenu* MenuFile = nullptr;
    QAction* MenuNew = nullptr;
    QAction* MenuNewPage = nullptr;
    QAction* MenuOpen = nullptr;
    QAction* MenuOpenExeDir = nullptr;
    QAction* MenuOpenPage = nullptr;
    QAction* MenuSave = nullptr;
    QAction* MenuSaveExeDir = nullptr;
    std::array<QAction*, 9> MenuHistory{};
    QAction* MenuHistoryEnd = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuExit = nullptr;
    QMenu* MenuCom = nullptr;
    std::array<QAction*, 31> ComItems{};
    QMenu* MenuDevice = nullptr;
    QAction* MenuRead = nullptr;
    QAction* MenuVerify = nullptr;
    QAction* MenuProgram = nullptr;
    QAction* MenuReset = nullptr;
    QMenu* MenuTools = nullptr;
    QAction* MenuAdvanceMinus = nullptr;
    QAction* MenuAdvancePlus = nullptr;
    QAction* MenuZpet = nullptr;
    QAction* MenuZnovu = nullptr;
    QMenu* MenuLanguage = nullptr;
    QAction* MenuEnglish = nullptr;
    QAction* MenuGerman = nullptr;
    QAction* MenuFrench = nullptr;
    QAction* MenuCzech = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuContens = nullptr;
    QAction* MenuAbout = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Observer;
    friend class Observer;

    // form_build.cpp
    void BuildWindow();
    void BuildToolBar(QWidget* parent);
    void BuildStatusArea(QWidget* parent);
    void BuildLivePanel(QWidget* parent);
    void BuildLogPanel(QWidget* parent);
    void BuildPages();
    void BuildMenus();
    void BuildComMenu();
    void ConnectPageEvents();
    void WatchEdit(QLineEdit* edit);

    // form_startup.cpp
    void FormCreate();
    void FormClose();
    void StoreSettings();
    void PlaceWindow();

    // form_apply.cpp
    void ReadPage(int page);
    void ShowPage(int page);
    void UpdatePageStates(int page);
    void ShowHeaderLabels();
    void PageControl1Change(int index);
    void ControlChanged(int cause, QObject* sender);
    void UpDownClicked(QObject* sender);
    void SyncMethodChanged();
    void TestButtonClick(int channel);
    void UndoSnapshot();
    void UpdateUndoControls();
    void RestoreUndoStep(const TUndoStep& step);
    void ProgramAfterChange();
    void SetLogAction(const char* action);

    // form_tick.cpp
    void RefreshLiveDisplay();
    void UpdateAvailability();
    void PaintMonitorLabels();
    void SpeedIndicator();

    // form_commands.cpp
    void UpdateCaption();
    void RebuildHistoryMenu();
    void OpenHistory(int index);
    bool LoadFile(const QString& path, PageSelection sel);
    bool SaveImageFile(const QString& path);

    // form_language.cpp
    void ApplyLanguage();
    void ApplyMenuTexts();
    void ApplyHintTexts();
    void ApplyPageTexts();

    // form_link.cpp
    void ShowStatus(const TStatusDisplay& status);
    void MessageFromLink(const std::string& text);
    void ShowPendingMessages();

    TFormOptions options_;
    TCommandLine commandLine_;
    TParamImage image_{};
    TPageValues values_{};
    TPageState page_;
    TUndoRing undo_;
    TSettings settings_;
    TWindowTexts texts_;
    std::unique_ptr<ISerialPort> port_;
    std::unique_ptr<Observer> observer_;
    std::unique_ptr<TLinkEngine> link_;
    QTimer* Timer1 = nullptr;
    int tickTotal_ = 0;
    int applyCount_ = 0;
    bool debug_ = false;
    bool printing_ = false;
    bool built_ = false;
    bool closed_ = false;
    QString currentFile_;
    QString defaultFile_;
    QString dialogFile_;  // the file name both file dialogs propose
    QString releaseText_; // title addition while the bootloader holds the port
    QString logViewerPath_;
    TDiagLog log_;
    bool enterPressed_ = false;
    bool inTick_ = false;
    bool editTyped_ = false; // an edit was typed into since the last apply
    QStringList pendingMessages_;
};

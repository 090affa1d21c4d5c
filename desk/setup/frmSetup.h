#pragma once

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "MovementPath.h"

#include "SettingsDialog.h"

#include <array>

class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;

namespace desk {

class Program;

// The desktop program's settings dialog. Modeless, beside the running display window: it edits a
// working copy against the program's loaded settings, can save without closing (Apply), and its
// movement box and delay slider act on the live window at once. While the notification icon is on it
// stays loaded and is put away instead of closed.
class frmSetup : public ui::SettingsDialog {
    Q_OBJECT
public:
    explicit frmSetup(Program& program, QWidget* parent = nullptr);
    ~frmSetup() override;

    const LoadedSettings& Pending() const { return PendingSettings; }
    int SetupOption() const { return SetupOption_; }
    // The placement and offsets the moving window reads at every tick.
    PathOptions PendingPlacement() const;

    // Controls, named as the dialog's handlers know them.
    QLabel* imgOptTitleLeft;
    QLabel* lblOptionsTitle;
    QLabel* imgOptTitleRight;
    QTreeWidget* tvwOptions;
    std::array<QGroupBox*, 7> fraOptions{}; // 1 to 6

    QCheckBox* chkTrayNotification;
    QCheckBox* chkRunStartup;
    QCheckBox* chkTopMost;
    QCheckBox* chkToolTips;
    QCheckBox* chkNotifyOnTarget;

    QPushButton* cmdFormatText;
    QLabel* picFontColour;
    QCheckBox* chkTransparent;

    QCheckBox* chkMovementEnable;
    QScrollBar* HScrollInterval;
    QLabel* lblIntervalCaption;
    QLabel* lblInterval;
    QLabel* lblShorter;
    QLabel* lblLonger;

    QGroupBox* fraPosition;
    QGroupBox* fraDirection;
    QWidget* fraHorizDirect;
    QWidget* fraVertDirect;
    std::array<QRadioButton*, 2> optHorizDirect{};
    std::array<QRadioButton*, 2> optVertDirect{};
    QLabel* lblOffSetMsg;
    QScrollBar* HScrollOffSetHoriz;
    QScrollBar* HScrollOffSetVert;
    QLabel* lblOffsetLeft;
    QLabel* lblOffsetRight;
    QLabel* lblOffSetAmount;
    QLabel* lblMovementMsg;

    std::array<QLabel*, 3> lblHints{};
    std::array<QLabel*, 3> lblHelp{};

    QPushButton* cmdApply;
    QPushButton* cmdExitProgram;

    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdExitProgram_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void reject() override;

private:
    void BuildControls();
    void Form_Load();
    void tvwOptions_Click();
    void RestoreLoadedSettings();
    void ShowPendingSettings(bool withDate);
    void LoadedSettingsChanged(const LoadedSettings& before);
    void ReloadSyncedTexts() override;
    void UpdateChangedState() override;
    void RefreshSampleFormat();
    void RefreshSampleText();
    void Recalculate();
    void EnableStyleOptions();
    bool SaveSettings();
    void SaveDialogPlacement();
    void ReloadDisplay();
    void PutAway();
    void Unload();

    void UpdatePositionControls();
    void EnableMovementControls(bool enabled);

    void cmdFormatText_Click();
    void cmdBackground_Click();
    void chkMovementEnable_Click();
    void HScrollInterval_Change(int value);
    void HScrollOffSetHoriz_Change(int value);
    void HScrollOffSetVert_Change(int value);
    void PositionOption_Click(std::int32_t& field, int index);

    Program& program_;
    LoadedSettings PendingSettings;
    DisplayTexts texts_; // the sample's own remaining-time texts
    bool unloading_ = false;
    int SetupOption_ = 1;
    std::array<QTreeWidgetItem*, 7> nodes_{};
    QStackedLayout* pages_;
    QButtonGroup* grpHorizDirect;
    QButtonGroup* grpVertDirect;
};

} // namespace desk

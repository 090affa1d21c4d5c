#pragma once

#include "BaseImage.h"
#include "SaverSettings.h"
#include "SaverTimeLeft.h"
#include "SettingsStore.h"

#include "SettingsDialog.h"
#include <QSizeF>

#include <array>
#include <vector>

class QWidget;

namespace saver {

// What the settings dialog needs from the program around it.
struct SetupEnvironment {
    QString helpFile;     // the program's help file; its folder is searched for the help pages first
    QString readMeFolder; // where the About box looks for the read-me first
    std::vector<BaseImage> basePictures;
    QSizeF screenTwips;
};

// The screensaver's settings dialog. It edits a working copy against the loaded settings and writes the
// store only on OK. The remaining-time texts it shares with the display window are recomputed for its
// sample.
class frmSetup : public ui::SettingsDialog {
    Q_OBJECT
public:
    frmSetup(const LoadedSettings& loaded, PendingImage& pendingImage, DisplayTexts& texts,
             core::SettingsStore& store, SetupEnvironment environment, QWidget* parent = nullptr);

    const LoadedSettings& Pending() const { return PendingSettings; }

    // Shows the picture choice; the image browser calls it after its OK.
    void chkImage_Click();

    // Controls, named as the dialog's handlers know them.
    QGroupBox* fraStyle;
    std::array<QPushButton*, 3> cmdFormat{};
    std::array<QLabel*, 3> picFontColour{};

    QGroupBox* fraImage;
    QCheckBox* chkImage;
    std::array<QRadioButton*, 2> optImageStyle{};
    QLabel* lblBaseImage;
    QLabel* lblFileImage;
    QPushButton* cmdImage;

    QGroupBox* fraMovement;
    QGroupBox* fraPath;
    QGroupBox* fraPlacement;
    QWidget* fraDirection;
    std::array<QRadioButton*, 4> optDirection{};
    QLabel* lblSpeedMsg;

    QLabel* lblSampleDate;
    QWidget* sampleArea; // painted in the background colour behind both lines

private:
    void BuildControls();
    void Form_Load();
    void RestoreLoadedSettings();
    void ReloadSyncedTexts() override;
    void RefreshSample();
    void UpdateMovementOptions();
    void UpdateChangedState() override;
    void Recalculate();

    void cmdOK_Click();
    void cmdRestoreSettings_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();
    void cmdImage_Click();
    void cmdFormat_Click(int index);
    void cmdBackground_Click();
    void chkDays_Click();
    void chkRepeatYearly_Click();
    void optStyle_Click(int index);
    void optImageStyle_Click(int index);
    void optPosition_Click(int index);
    void optHoriz_Click(int index);
    void optVert_Click(int index);
    void optDirection_Click(int index);

    const LoadedSettings& loaded_;
    PendingImage& pendingImage_;
    DisplayTexts& texts_;
    core::SettingsStore& store_;
    SetupEnvironment environment_;

    LoadedSettings PendingSettings;
    int SampleBaseHeight = 0;

    QButtonGroup* grpImageStyle;
    QButtonGroup* grpDirection;
};

} // namespace saver

#pragma once

#include "SyncedTexts.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace ui {

class DateEntry;

// What both programs' settings dialogs have in common: the synced texts with their date, the changed
// state on the buttons, the refusal of a date that cannot be saved, the save-failure message, the
// colour choice and the caption. Each dialog builds its pages and keeps only what differs.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent);

    // The caption of a settings dialog: "Settings - Pellmora - v 3.0".
    static QString Caption(const QString& productName);

    bool SettingsChanged() const { return settingsChanged_; }

    // The text and date controls, named as the dialogs' handlers know them.
    QGroupBox* fraTextDate;
    QLineEdit* txtTitle;
    QLineEdit* txtTarget;
    QLineEdit* txtTargetPassed;
    QLabel* lblTargetMsg;
    QLabel* lblTargetPastMsg;
    DateEntry* dateEntry;
    QCheckBox* chkRepeatYearly;
    QCheckBox* chkSynchronize;

    // The style, colour, speed, sample and button controls both dialogs have.
    std::array<QRadioButton*, 2> optStyle{};
    QCheckBox* chkDays;
    QPushButton* cmdBackground;
    QLabel* picBackColour;
    // The path: its kind (horizontal, vertical, random) and where a horizontal or vertical run goes.
    std::array<QRadioButton*, 3> optPosition{};
    QWidget* fraHoriz;
    QWidget* fraVert;
    std::array<QRadioButton*, 3> optHoriz{};
    std::array<QRadioButton*, 3> optVert{};
    QScrollBar* HScrollSpeed;
    QLabel* lblSpeed;
    QLabel* lblSlow;
    QLabel* lblFast;
    QGroupBox* fraSample;
    QLabel* lblSampleText;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdRestoreSettings;
    QPushButton* cmdHelp;
    QPushButton* cmdAbout;

protected:
    // Compares the working copy with the loaded settings and shows the result (ShowChangedState).
    virtual void UpdateChangedState() = 0;
    // Reads the synced texts again from the section the working copy's Synchronize selects.
    virtual void ReloadSyncedTexts() = 0;
    // The Synchronize box and the speed bar, edited: the working copy's field follows, outside loading.
    void SynchronizeEdited(std::int32_t& synchronize);
    void SpeedEdited(std::int32_t& speed, int value);

    // The "Text and Date Settings" frame; otherProgram names the program the texts are shared with.
    void BuildTextDateFrame(const QString& otherProgram);
    // Edits of the three texts: each is written to its field and `then` runs, outside loading.
    void OnTextEdits(core::SyncedTexts& pending, std::function<void(QLineEdit*)> then);
    // The synced texts, read again, into the controls without running their handlers; the date entry
    // checks the date it is given as typing would.
    void ShowSyncedTexts(const core::SyncedTexts& texts);
    // Shows whether anything differs from the loaded settings: the save buttons on or off, and Cancel
    // or Close with their tips.
    void ShowChangedState(bool changed, std::initializer_list<QPushButton*> saveButtons, QPushButton* cancel,
                          const QString& cancelTip, const QString& closeTip);
    // False, with the date entry showing why, when the pending date cannot be saved.
    bool DateReadyToSave();
    // Saying nothing would lose the user's changes silently: the dialog stays open to try again.
    void ShowSaveFailure(const QString& retry);
    // The colour chooser for a stored colour; true, with the chosen colour stored and shown in the
    // swatch, unless the user cancelled.
    bool ChooseColour(std::int32_t& stored, QLabel* swatch);

    bool Loading = false;
    bool settingsChanged_ = false;
    QButtonGroup* grpStyle;
    QButtonGroup* grpPosition;
    QButtonGroup* grpHoriz;
    QButtonGroup* grpVert;
};

} // namespace ui

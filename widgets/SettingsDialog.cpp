#include "SettingsDialog.h"

#include "Choosers.h"
#include "DateEntry.h"
#include "DialogParts.h"
#include "MessageBoxes.h"
#include "StoredColor.h"
#include "Version.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace ui {

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
}

QString SettingsDialog::Caption(const QString& productName) {
    return QStringLiteral("Settings - %1 - v %2.%3")
        .arg(productName)
        .arg(core::kVersionMajor)
        .arg(core::kVersionMinor);
}

void SettingsDialog::BuildTextDateFrame(const QString& otherProgram) {
    fraTextDate = new QGroupBox(tr("Text and Date Settings"), this);
    txtTitle = new QLineEdit(fraTextDate);
    txtTarget = new QLineEdit(fraTextDate);
    txtTargetPassed = new QLineEdit(fraTextDate);
    lblTargetMsg =
        Note(tr("Target Text will replace Event Text when the Target Date is reached."), fraTextDate);
    lblTargetPastMsg =
        Note(tr("Target Passed will replace Target Text when the Target Date has passed."), fraTextDate);
    dateEntry = new DateEntry(fraTextDate);
    chkRepeatYearly = new QCheckBox(tr("Repeat every year"), fraTextDate);
    chkRepeatYearly->setToolTip(tr(" Once the date has passed, count down to it again in the next year "));
    chkSynchronize = new QCheckBox(tr("Synchronize Above Settings with %1").arg(otherProgram), fraTextDate);
    auto* textGrid = new QGridLayout(fraTextDate);
    // A caption, its text across the other two columns and the note below it, if any.
    const auto textRow = [&](int row, const QString& caption, QLineEdit* text, QLabel* note) {
        textGrid->addWidget(new QLabel(caption, fraTextDate), row, 0);
        textGrid->addWidget(text, row, 1, 1, 2);
        if (note)
            textGrid->addWidget(note, row + 1, 1, 1, 2);
    };
    textRow(0, tr("Event Text:"), txtTitle, nullptr);
    textRow(1, tr("Target Text:"), txtTarget, lblTargetMsg);
    textRow(3, tr("Target Passed:"), txtTargetPassed, lblTargetPastMsg);
    dateEntry->AddToGrid(textGrid, 5, 2, chkRepeatYearly);
    textGrid->addWidget(chkSynchronize, 7, 0, 1, 3);
    textGrid->setColumnStretch(1, 1);
    txtTitle->setMinimumWidth(380);
}

void SettingsDialog::OnTextEdits(core::SyncedTexts& pending, std::function<void(QLineEdit*)> then) {
    const std::pair<QLineEdit*, QString core::SyncedTexts::*> fields[] = {
        {txtTitle, &core::SyncedTexts::Title},
        {txtTarget, &core::SyncedTexts::Target},
        {txtTargetPassed, &core::SyncedTexts::TargetPassed}};
    for (const auto& [edit, field] : fields)
        connect(edit, &QLineEdit::textChanged, this,
                [this, &pending, edit, field, then](const QString& text) {
                    if (Loading)
                        return;
                    pending.*field = text;
                    then(edit);
                });
}

void SettingsDialog::ShowSyncedTexts(const core::SyncedTexts& texts) {
    {
        const QSignalBlocker title(txtTitle), target(txtTarget), passed(txtTargetPassed),
            repeat(chkRepeatYearly);
        txtTitle->setText(texts.Title);
        txtTarget->setText(texts.Target);
        txtTargetPassed->setText(texts.TargetPassed);
        ShowCheckState(chkRepeatYearly, texts.RepeatYearly);
    }
    dateEntry->ShowStoredDate(texts.Date);
}

void SettingsDialog::ShowChangedState(bool changed, std::initializer_list<QPushButton*> saveButtons,
                                      QPushButton* cancel, const QString& cancelTip,
                                      const QString& closeTip) {
    settingsChanged_ = changed;
    for (QPushButton* b : saveButtons)
        b->setEnabled(changed);
    cancel->setText(changed ? tr("Cancel") : tr("Close"));
    cancel->setToolTip(changed ? cancelTip : closeTip);
}

bool SettingsDialog::DateReadyToSave() {
    if (dateEntry->HasValidDate())
        return true;
    dateEntry->ShowDateState(-1);
    QApplication::beep();
    dateEntry->txtDate->setFocus();
    return false;
}

void SettingsDialog::ShowSaveFailure(const QString& retry) {
    ShowMessage({this,
                 tr("The settings could not be saved.\r\n\r\nPlease check that your settings folder can be "
                    "written, then %1.")
                     .arg(retry),
                 QMessageBox::Critical});
}

bool SettingsDialog::ChooseColour(std::int32_t& stored, QLabel* swatch) {
    const auto chosen = ChooseColor(this, ColorFromStored(stored));
    if (!chosen)
        return false;
    stored = StoredFromColor(*chosen);
    ShowSwatch(swatch, stored);
    return true;
}

void SettingsDialog::SynchronizeEdited(std::int32_t& synchronize) {
    if (Loading)
        return;
    synchronize = CheckState(chkSynchronize);
    ReloadSyncedTexts();
    UpdateChangedState();
}

void SettingsDialog::SpeedEdited(std::int32_t& speed, int value) {
    if (Loading)
        return;
    speed = value;
    lblSpeed->setText(QString::number(value));
    UpdateChangedState();
}

} // namespace ui

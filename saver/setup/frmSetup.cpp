#include "frmSetup.h"

#include "DialogParts.h"

#include "Choosers.h"
#include "DateEntry.h"
#include "HelpWindow.h"
#include "MessageBoxes.h"
#include "SaverSetupRules.h"
#include "StoredColor.h"
#include "StoredFont.h"
#include "frmAbout.h"
#include "frmBrowse.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace saver {

frmSetup::frmSetup(const LoadedSettings& loaded, PendingImage& pendingImage, DisplayTexts& texts,
                   core::SettingsStore& store, SetupEnvironment environment, QWidget* parent)
    : ui::SettingsDialog(parent), loaded_(loaded), pendingImage_(pendingImage), texts_(texts), store_(store),
      environment_(std::move(environment)) {
    BuildControls();

    OnTextEdits(PendingSettings, [this](QLineEdit*) {
        RefreshSample();
        UpdateChangedState();
    });
    connect(dateEntry, &ui::DateEntry::DateTyped, this, [this] {
        Recalculate();
        RefreshSample();
        UpdateChangedState();
    });
    connect(chkSynchronize, &QCheckBox::clicked, this,
            [this] { SynchronizeEdited(PendingSettings.Synchronize); });
    connect(chkDays, &QCheckBox::clicked, this, &frmSetup::chkDays_Click);
    connect(chkRepeatYearly, &QCheckBox::clicked, this, &frmSetup::chkRepeatYearly_Click);
    connect(chkImage, &QCheckBox::clicked, this, &frmSetup::chkImage_Click);
    connect(grpStyle, &QButtonGroup::idClicked, this, &frmSetup::optStyle_Click);
    connect(grpImageStyle, &QButtonGroup::idClicked, this, &frmSetup::optImageStyle_Click);
    connect(grpPosition, &QButtonGroup::idClicked, this, &frmSetup::optPosition_Click);
    connect(grpHoriz, &QButtonGroup::idClicked, this, &frmSetup::optHoriz_Click);
    connect(grpVert, &QButtonGroup::idClicked, this, &frmSetup::optVert_Click);
    connect(grpDirection, &QButtonGroup::idClicked, this, &frmSetup::optDirection_Click);
    connect(HScrollSpeed, &QScrollBar::valueChanged, this,
            [this](int value) { SpeedEdited(PendingSettings.Speed, value); });
    for (int i = 0; i < 3; ++i)
        connect(cmdFormat[i], &QPushButton::clicked, this, [this, i] { cmdFormat_Click(i); });
    connect(cmdBackground, &QPushButton::clicked, this, &frmSetup::cmdBackground_Click);
    connect(cmdImage, &QPushButton::clicked, this, &frmSetup::cmdImage_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdRestoreSettings, &QPushButton::clicked, this, &frmSetup::cmdRestoreSettings_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSetup::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmSetup::cmdAbout_Click);

    Form_Load();
}

void frmSetup::Form_Load() {
    setWindowTitle(Caption(QApplication::applicationName()));
    fraTextDate->setEnabled(true);
    dateEntry->SetLoadedDateText(loaded_.Date);
    // The sample's first line is one line of the event font high; the target texts take two.
    SampleBaseHeight = std::max(lblSampleText->fontMetrics().height() * 2, 40);
    fraSample->setFixedHeight(2 * SampleBaseHeight + fraSample->contentsMargins().top() +
                              fraSample->contentsMargins().bottom() + 24);

    Loading = true;
    dateEntry->SetLoading(true);
    RestoreLoadedSettings();
    dateEntry->SetLoading(false);
    Loading = false;
}

void frmSetup::RestoreLoadedSettings() {
    LoadedSettings& p = PendingSettings;
    p = loaded_; // every setting; the picture copy (pendingImage_) is left alone

    ui::ShowSwatch(picBackColour, p.Background);
    for (int i = 0; i < 3; ++i)
        ui::ShowSwatch(picFontColour[i], p.TextFontColor[i]);
    dateEntry->HideCalendar();

    const bool wasLoading = Loading;
    Loading = true;
    HScrollSpeed->setValue(p.Speed);
    lblSpeed->setText(QString::number(p.Speed));
    txtTitle->setText(p.Title);
    txtTarget->setText(p.Target);
    txtTargetPassed->setText(p.TargetPassed);
    dateEntry->SetLoading(true);
    dateEntry->ShowStoredDate(p.Date);
    dateEntry->SetLoading(wasLoading);

    ui::SelectOption(grpImageStyle, pendingImage_.ImageStyle);
    ui::SelectOption(grpStyle, p.Style);
    ui::SelectOption(grpPosition, p.Position);
    ui::SelectOption(grpHoriz, p.Horizontal);
    ui::SelectOption(grpVert, p.Vertical);
    ui::SelectOption(grpDirection, p.Direction);
    ui::ShowCheckState(chkSynchronize, p.Synchronize);
    ui::ShowCheckState(chkDays, p.IncludeDays);
    ui::ShowCheckState(chkRepeatYearly, p.RepeatYearly);
    ui::ShowCheckState(chkImage, p.ImageUsed);
    Loading = wasLoading;

    chkImage_Click();
    if (dateEntry->HasValidDate())
        dateEntry->ShowDateState(0);
    if (!wasLoading)
        Recalculate();
    RefreshSample();
    UpdateMovementOptions();
    UpdateChangedState();
}

void frmSetup::ReloadSyncedTexts() {
    PendingSettings.Texts() = core::ReloadSyncedTexts(store_, PendingSettings.Synchronize,
                                                      core::Section::ScreenSaver, loaded_.Today);
    ShowSyncedTexts(PendingSettings.Texts());
    if (dateEntry->HasValidDate()) {
        Recalculate();
        RefreshSample();
    }
}

// The sample's remaining-time line follows the dialog's own choice of showing the days and of repeating.
void frmSetup::Recalculate() {
    const PhraseInputs inputs{loaded_.Title, loaded_.Target, loaded_.TargetPassed,
                              PendingSettings.IncludeDays, PendingSettings.RepeatYearly};
    const QString failure = CalculateTimeLeft(dateEntry->PendingDate(), inputs, texts_);
    if (!failure.isEmpty())
        ui::ShowMessage({this, failure, QMessageBox::Critical});
}

void frmSetup::RefreshSample() {
    const SampleLines s = SampleFor(texts_, PendingSettings);
    if (!s.update)
        return;
    lblSampleText->setText(s.first);
    ui::ShowInStoredFont(lblSampleText, PendingSettings.TextFont(s.firstFontSlot),
                         PendingSettings.Background);
    lblSampleText->setFixedHeight(s.doubleHeight ? 2 * SampleBaseHeight : SampleBaseHeight);
    if (s.secondVisible) {
        lblSampleDate->setText(s.second);
        ui::ShowInStoredFont(lblSampleDate, PendingSettings.TextFont(s.secondFontSlot),
                             PendingSettings.Background);
        lblSampleDate->setFixedHeight(SampleBaseHeight);
    }
    lblSampleDate->setVisible(s.secondVisible);
    QPalette pal = sampleArea->palette();
    pal.setColor(QPalette::Window, ui::ColorFromStored(PendingSettings.Background));
    sampleArea->setPalette(pal);
}

void frmSetup::UpdateMovementOptions() {
    for (auto* b : optDirection)
        b->setEnabled(true);
    for (int i = 0; i < 3; ++i) {
        optHoriz[i]->setEnabled(true);
        optVert[i]->setEnabled(true);
    }
    // Selecting a direction here stands for clicking it: the pending direction follows the path.
    auto selectDirection = [this](int index) {
        ui::SelectOption(grpDirection, index);
        if (!Loading)
            PendingSettings.Direction = index;
    };
    switch (PendingSettings.Position) {
    case 0:
        fraPlacement->setEnabled(true);
        fraDirection->setEnabled(true);
        fraHoriz->show();
        fraVert->hide();
        optDirection[0]->show();
        optDirection[1]->show();
        optDirection[2]->hide();
        optDirection[3]->hide();
        selectDirection(PendingSettings.HorizDirection);
        break;
    case 1:
        fraPlacement->setEnabled(true);
        fraDirection->setEnabled(true);
        fraHoriz->hide();
        fraVert->show();
        optDirection[0]->hide();
        optDirection[1]->hide();
        optDirection[2]->show();
        optDirection[3]->show();
        selectDirection(PendingSettings.VertDirection);
        break;
    case 2:
        fraPlacement->setEnabled(false);
        fraDirection->setEnabled(false);
        for (auto* b : optDirection)
            b->setEnabled(false);
        for (int i = 0; i < 3; ++i) {
            optHoriz[i]->setEnabled(false);
            optVert[i]->setEnabled(false);
        }
        break;
    default:
        break;
    }
}

void frmSetup::chkImage_Click() {
    PendingSettings.ImageUsed = ui::CheckState(chkImage);
    const QString noImage = tr("No Image");
    if (PendingSettings.UsesImage()) {
        cmdImage->setEnabled(true);
        optImageStyle[0]->setEnabled(true);
        const bool hasFile = !pendingImage_.ImageName.isEmpty();
        lblFileImage->setText(hasFile ? pendingImage_.ImageName : noImage);
        optImageStyle[1]->setEnabled(hasFile);
    } else {
        cmdImage->setEnabled(false);
        optImageStyle[0]->setEnabled(false);
        optImageStyle[1]->setEnabled(false);
        lblFileImage->setText(pendingImage_.ImageName.isEmpty() ? noImage : pendingImage_.ImageName);
    }
    lblBaseImage->setText(pendingImage_.ImageTag);
    ui::SelectOption(grpImageStyle, pendingImage_.ImageStyle);

    auto emphasise = [](QLabel* label, bool on) {
        QFont f = label->font();
        f.setBold(on);
        label->setFont(f);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, on ? QColor(0, 0, 192) : QColor(Qt::black));
        label->setPalette(pal);
    };
    if (pendingImage_.ImageStyle == 0 || pendingImage_.ImageStyle == 1) {
        emphasise(lblBaseImage, pendingImage_.ImageStyle == 0);
        emphasise(lblFileImage, pendingImage_.ImageStyle == 1);
    }
    UpdateChangedState();
}

void frmSetup::UpdateChangedState() {
    const QDate shownDate = dateEntry->HasValidDate() ? dateEntry->PendingDate() : QDate();
    ShowChangedState(SettingsDiffer(PendingSettings, shownDate, pendingImage_, loaded_),
                     {cmdOK, cmdRestoreSettings}, cmdCancel,
                     tr(" Cancel any changes and Exit Settings Dialog "), tr(" Exit Settings Dialog "));
}

void frmSetup::cmdOK_Click() {
    if (!DateReadyToSave())
        return;
    if (!SaveSettings(store_, PendingSettings, dateEntry->PendingDate(), pendingImage_)) {
        ShowSaveFailure(tr("press OK again"));
        return;
    }
    accept();
}

void frmSetup::cmdRestoreSettings_Click() {
    RestoreLoadedSettings();
}

void frmSetup::cmdHelp_Click() {
    ui::ShowHelp(this, environment_.helpFile, ui::kScreenSaverSettingsTopic);
}

void frmSetup::cmdAbout_Click() {
    about::frmAbout box(core::Program::ScreenSaver, environment_.readMeFolder, this);
    box.exec();
}

void frmSetup::cmdImage_Click() {
    frmBrowse browse(pendingImage_, loaded_.Image(), environment_.basePictures, environment_.screenTwips,
                     QApplication::applicationName(), this);
    browse.exec();
    // Whatever way the browser closed, the labels show the picture values it left.
    chkImage_Click();
}

void frmSetup::cmdFormat_Click(int index) {
    const auto chosen = ui::ChooseFont(this, PendingSettings.TextFont(index));
    if (!chosen)
        return;
    PendingSettings.SetTextFont(index, *chosen);
    ui::ShowSwatch(picFontColour[index], chosen->Color);
    RefreshSample();
    UpdateChangedState();
}

void frmSetup::cmdBackground_Click() {
    if (!ChooseColour(PendingSettings.Background, picBackColour))
        return;
    RefreshSample();
    UpdateChangedState();
}

void frmSetup::chkDays_Click() {
    if (Loading)
        return;
    PendingSettings.IncludeDays = ui::CheckState(chkDays);
    Recalculate();
    RefreshSample();
    UpdateChangedState();
}

void frmSetup::chkRepeatYearly_Click() {
    if (Loading)
        return;
    PendingSettings.RepeatYearly = ui::CheckState(chkRepeatYearly);
    // A date being typed that is not one yet keeps the sample of the last good one.
    if (dateEntry->HasValidDate()) {
        Recalculate();
        RefreshSample();
    }
    UpdateChangedState();
}

void frmSetup::optStyle_Click(int index) {
    if (Loading)
        return;
    PendingSettings.Style = index;
    UpdateChangedState();
}

void frmSetup::optImageStyle_Click(int index) {
    if (Loading)
        return;
    pendingImage_.ImageStyle = index;
    UpdateChangedState();
}

void frmSetup::optPosition_Click(int index) {
    if (Loading)
        return;
    PendingSettings.Position = index;
    UpdateMovementOptions();
    UpdateChangedState();
}

void frmSetup::optHoriz_Click(int index) {
    if (Loading)
        return;
    PendingSettings.Horizontal = index;
    UpdateMovementOptions();
    UpdateChangedState();
}

void frmSetup::optVert_Click(int index) {
    if (Loading)
        return;
    PendingSettings.Vertical = index;
    UpdateMovementOptions();
    UpdateChangedState();
}

void frmSetup::optDirection_Click(int index) {
    if (Loading)
        return;
    PendingSettings.Direction = index;
    if (index == 0 || index == 1)
        PendingSettings.HorizDirection = index;
    else
        PendingSettings.VertDirection = index;
    UpdateChangedState();
}

} // namespace saver

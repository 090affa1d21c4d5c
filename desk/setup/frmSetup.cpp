#include "frmSetup.h"

#include "DialogParts.h"

#include "AppIcon.h"
#include "Choosers.h"
#include "DateEntry.h"
#include "DeskSetupRules.h"
#include "HelpWindow.h"
#include "MessageBoxes.h"
#include "OptionImages.h"
#include "Program.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "StartupEntry.h"
#include "StoredFont.h"
#include "SyncedTexts.h"
#include "frmAbout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTreeWidget>

namespace desk {

namespace {

template <std::size_t N> void EnableAll(const std::array<QRadioButton*, N>& buttons, bool enabled) {
    for (auto* b : buttons)
        b->setEnabled(enabled);
}

QSizeF ScreenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    return {size.width() * ui::TwipsPerPixelX(), size.height() * ui::TwipsPerPixelY()};
}

// The bar's left end is the range's first bound, which may be the larger one (the horizontal bar's
// "Lower" end; either bar's when the window is larger than the screen): the bar then runs the other way
// round instead of collapsing to one value.
void SetOffsetRange(QScrollBar* bar, OffsetRange range) {
    const bool reversed = range.Minimum > range.Maximum;
    bar->setRange(std::min(range.Minimum, range.Maximum), std::max(range.Minimum, range.Maximum));
    bar->setInvertedAppearance(reversed);
    bar->setInvertedControls(reversed);
}

} // namespace

frmSetup::frmSetup(Program& program, QWidget* parent) : ui::SettingsDialog(parent), program_(program) {
    setMouseTracking(true);
    BuildControls();

    OnTextEdits(PendingSettings, [this](QLineEdit* edited) {
        UpdateChangedState();
        if (edited == txtTitle)
            RefreshSampleText();
    });
    // A typed date only changes the changed state; a picked one also refreshes the sample.
    connect(dateEntry, &ui::DateEntry::DateTyped, this, [this] {
        if (!Loading)
            UpdateChangedState();
    });
    connect(dateEntry, &ui::DateEntry::DatePicked, this, [this] {
        Recalculate();
        RefreshSampleFormat();
        ui::SelectOption(grpStyle, PendingSettings.Style);
        EnableStyleOptions();
        RefreshSampleText();
        UpdateChangedState();
    });

    auto check = [this](QCheckBox* box, std::int32_t LoadedSettings::*field, auto then) {
        connect(box, &QCheckBox::toggled, this, [this, box, field, then] {
            if (Loading)
                return;
            PendingSettings.*field = ui::CheckState(box);
            UpdateChangedState();
            then();
        });
    };
    auto nothing = [] {};
    check(chkRunStartup, &LoadedSettings::RunStartup, nothing);
    check(chkTrayNotification, &LoadedSettings::TrayNotification, nothing);
    check(chkTopMost, &LoadedSettings::TopMost, nothing);
    check(chkToolTips, &LoadedSettings::ToolTips, nothing);
    check(chkNotifyOnTarget, &LoadedSettings::NotifyOnTarget, nothing);
    check(chkDays, &LoadedSettings::IncludeDays, [this] { RefreshSampleText(); });
    check(chkTransparent, &LoadedSettings::Transparent, [this] { RefreshSampleFormat(); });
    // Repeating moves a passed target to its next return: the sample and the style options follow.
    check(chkRepeatYearly, &LoadedSettings::RepeatYearly, [this] {
        if (!dateEntry->HasValidDate())
            return;
        Recalculate();
        EnableStyleOptions();
        RefreshSampleText();
    });
    connect(chkSynchronize, &QCheckBox::toggled, this,
            [this] { SynchronizeEdited(PendingSettings.Synchronize); });
    connect(chkMovementEnable, &QCheckBox::toggled, this, &frmSetup::chkMovementEnable_Click);

    connect(grpStyle, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (Loading || !on)
            return;
        PendingSettings.Style = id;
        UpdateChangedState();
        RefreshSampleText();
    });
    auto option = [this](QButtonGroup* group, std::int32_t LoadedSettings::*field) {
        connect(group, &QButtonGroup::idToggled, this, [this, field](int id, bool on) {
            if (on)
                PositionOption_Click(PendingSettings.*field, id);
        });
    };
    option(grpPosition, &LoadedSettings::Position);
    option(grpHoriz, &LoadedSettings::Horizontal);
    option(grpVert, &LoadedSettings::Vertical);
    option(grpHorizDirect, &LoadedSettings::HorizDirection);
    option(grpVertDirect, &LoadedSettings::VertDirection);
    connect(HScrollSpeed, &QScrollBar::valueChanged, this,
            [this](int value) { SpeedEdited(PendingSettings.Speed, value); });
    connect(HScrollInterval, &QScrollBar::valueChanged, this, &frmSetup::HScrollInterval_Change);
    connect(HScrollOffSetHoriz, &QScrollBar::valueChanged, this, &frmSetup::HScrollOffSetHoriz_Change);
    connect(HScrollOffSetVert, &QScrollBar::valueChanged, this, &frmSetup::HScrollOffSetVert_Change);

    connect(tvwOptions, &QTreeWidget::currentItemChanged, this, [this] { tvwOptions_Click(); });
    connect(tvwOptions, &QTreeWidget::itemDoubleClicked, this, [this] { nodes_[3]->setExpanded(true); });

    connect(cmdFormatText, &QPushButton::clicked, this, &frmSetup::cmdFormatText_Click);
    connect(cmdBackground, &QPushButton::clicked, this, &frmSetup::cmdBackground_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSetup::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmSetup::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetup::cmdCancel_Click);
    connect(cmdRestoreSettings, &QPushButton::clicked, this, &frmSetup::RestoreLoadedSettings);
    connect(cmdExitProgram, &QPushButton::clicked, this, &frmSetup::cmdExitProgram_Click);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { ui::ShowHelp(this, program_.HelpFile(), ui::kDesktopSettingsTopic); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] {
        about::frmAbout box(core::Program::Desktop, QFileInfo(program_.HelpFile()).absolutePath(), this);
        box.exec();
    });

    Form_Load();
    connect(&program_, &Program::LoadedSettingsChanged, this, &frmSetup::LoadedSettingsChanged);
}

frmSetup::~frmSetup() {
    program_.UsePlacement(std::nullopt);
}

PathOptions frmSetup::PendingPlacement() const {
    return PendingSettings;
}

void frmSetup::Form_Load() {
    setWindowTitle(Caption(QApplication::applicationName()));
    fraTextDate->setEnabled(true);
    setWindowIcon(AppIcon()); // the icon the notification area shows too

    // The offset sliders reach from one screen edge to the other for the display window's size.
    const QSizeF screen = ScreenTwips();
    const QSize display = program_.DisplayTwips();
    SetOffsetRange(HScrollOffSetHoriz, HorizontalOffsetRange(screen.height(), display.height()));
    SetOffsetRange(HScrollOffSetVert, VerticalOffsetRange(screen.width(), display.width()));

    lblHints[1]->setText(tr(
        "Enabling Movement may make it difficult to click on the moving text to either Exit the program by "
        "Double Clicking, or to display the Settings Dialog by Right Clicking. This becomes especially true "
        "when speed is fast or when the background is transparent."));
    lblHints[2]->setText(tr("Solution: The Settings Dialog may also be opened from the Notification Area "
                            "(System Tray) by Clicking the Icon if this setting is enabled in the General "
                            "section."));
    lblHelp[0]->setText(
        tr("If the Background is Transparent you must Double Click or Right Click directly on "
           "the text to Exit the Program or to show the Settings Dialog. Clicking the "
           "Background will not work since a Transparent Background is actually showing the "
           "Desktop."));
    lblHelp[1]->setText(tr("If Movement is Enabled you may control Placement on the Desktop using the "
                           "Position Options."));
    lblHelp[2]->setText(
        tr("If Movement is Disabled you may control Placement on the Desktop using the normal "
           "Drag and Drop method."));

    // A stored page that names none of the six shows the first.
    const DialogPlacement placement = ReadDialogPlacement(program_.Store());
    SetupOption_ = placement.Option >= 1 && placement.Option <= 6 ? placement.Option : 1;
    nodes_[3]->setExpanded(true);
    tvwOptions->setCurrentItem(nodes_[SetupOption_]);
    tvwOptions_Click();

    Loading = true;
    dateEntry->SetLoadedDateText(program_.Loaded().Date);
    dateEntry->SetLoading(true);
    RestoreLoadedSettings();
    dateEntry->SetLoading(false);
    Loading = false;

    adjustSize();
    const double tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
    const QPointF at = DialogPlace(QPointF(placement.Left, placement.Top), this->width() * tx,
                                   this->height() * ty, screen.width(), screen.height());
    move(core::TwipsToPixels(at.x(), tx), core::TwipsToPixels(at.y(), ty));
}

void frmSetup::tvwOptions_Click() {
    const QTreeWidgetItem* node = tvwOptions->currentItem();
    if (!node)
        return;
    SetupOption_ = node->data(0, Qt::UserRole).toInt();
    lblOptionsTitle->setText(fraOptions[SetupOption_]->title());
    const QPixmap picture = OptionImage(SetupOption_, 32);
    imgOptTitleLeft->setPixmap(picture);
    imgOptTitleRight->setPixmap(picture);
    pages_->setCurrentWidget(fraOptions[SetupOption_]);
}

void frmSetup::RestoreLoadedSettings() {
    PendingSettings = program_.Loaded();
    ShowPendingSettings(true);
}

// Fills every control from the working copy; the date entry too when withDate is set.
void frmSetup::ShowPendingSettings(bool withDate) {
    const LoadedSettings& p = PendingSettings;
    program_.UsePlacement(PendingPlacement());

    ui::ShowSwatch(picFontColour, p.TextFontColor);
    ui::ShowSwatch(picBackColour, p.BackgroundColor);
    dateEntry->HideCalendar();
    lblSpeed->setText(QString::number(p.Speed));
    lblInterval->setText(DescribeInterval(p.Interval));

    // Outside loading, setting a control runs its handler as a click would, so the movement box and
    // the delay slider act on the display window again for the restored values.
    HScrollSpeed->setValue(p.Speed);
    HScrollInterval->setValue(p.Interval);
    HScrollOffSetHoriz->setValue(p.OffSetHoriz);
    HScrollOffSetVert->setValue(p.OffSetVert);
    txtTitle->setText(p.Title);
    txtTarget->setText(p.Target);
    txtTargetPassed->setText(p.TargetPassed);
    if (withDate)
        dateEntry->ShowStoredDate(p.Date);

    ui::SelectOption(grpStyle, p.Style);
    ui::SelectOption(grpHoriz, p.Horizontal);
    ui::SelectOption(grpVert, p.Vertical);
    ui::SelectOption(grpHorizDirect, p.HorizDirection);
    ui::SelectOption(grpVertDirect, p.VertDirection);
    ui::SelectOption(grpPosition, p.Position);
    ui::ShowCheckState(chkSynchronize, p.Synchronize);
    ui::ShowCheckState(chkRunStartup, p.RunStartup);
    ui::ShowCheckState(chkTrayNotification, p.TrayNotification);
    ui::ShowCheckState(chkTopMost, p.TopMost);
    ui::ShowCheckState(chkToolTips, p.ToolTips);
    ui::ShowCheckState(chkNotifyOnTarget, p.NotifyOnTarget);
    ui::ShowCheckState(chkTransparent, p.Transparent);
    ui::ShowCheckState(chkDays, p.IncludeDays);
    ui::ShowCheckState(chkRepeatYearly, p.RepeatYearly);
    ui::ShowCheckState(chkMovementEnable, p.Movement);

    UpdatePositionControls();
    if (!p.Moves()) {
        lblMovementMsg->show();
        EnableMovementControls(false);
    } else {
        lblMovementMsg->hide();
        EnableMovementControls(true);
    }

    if (dateEntry->HasValidDate())
        dateEntry->ShowDateState(0);
    Recalculate();
    EnableStyleOptions(); // the loaded date may be the target day since the last Apply
    RefreshSampleFormat();
    RefreshSampleText();
    UpdateChangedState();
}

void frmSetup::LoadedSettingsChanged(const LoadedSettings& before) {
    // Saved elsewhere (the other program, a hand edit): Restore now brings back the new date.
    dateEntry->SetLoadedDateText(program_.Loaded().Date);
    if (!settingsChanged_) {
        RestoreLoadedSettings();
        return;
    }
    // With edits pending, whatever the user left alone takes the new value and the edits stay, so that
    // saving them does not write the old values over the other program's.
    const std::optional<QDate> pendingDate =
        dateEntry->HasValidDate() ? std::optional(dateEntry->PendingDate()) : std::nullopt;
    const FollowedSettings followed =
        FollowLoadedSettings(PendingSettings, pendingDate, before, program_.Loaded());
    PendingSettings = followed.Pending;
    const bool wasLoading = Loading;
    Loading = true;
    dateEntry->SetLoading(true);
    ShowPendingSettings(followed.DateFollows);
    dateEntry->SetLoading(false);
    Loading = wasLoading;
}

void frmSetup::ReloadSyncedTexts() {
    PendingSettings.Texts() = core::ReloadSyncedTexts(program_.Store(), PendingSettings.Synchronize,
                                                      core::Section::Desktop, program_.Loaded().Today);
    ShowSyncedTexts(PendingSettings.Texts());
    RefreshSampleText();
}

void frmSetup::Recalculate() {
    const LoadedSettings& p = PendingSettings;
    const QString failure = CalculateTimeLeft(
        dateEntry->PendingDate(), {p.Title, p.Target, p.TargetPassed, p.IncludeDays, p.Style, p.RepeatYearly},
        texts_);
    // The display window has already told the user about a stored date it could not use.
    if (!failure.isEmpty() && !Loading)
        ui::ShowMessage({this, failure, QMessageBox::Critical});
}

void frmSetup::EnableStyleOptions() {
    for (auto* b : optStyle)
        b->setEnabled(!texts_.TargetReached);
}

void frmSetup::RefreshSampleFormat() {
    const LoadedSettings& p = PendingSettings;
    ui::ShowInStoredFont(lblSampleText, p.TextFont(), p.BackgroundColor);
    lblSampleText->setAutoFillBackground(!p.SeeThrough());
    lblSampleText->update();
}

void frmSetup::RefreshSampleText() {
    const SampleCaption s = SampleFor(texts_, PendingSettings);
    if (s.DaysEnabled)
        chkDays->setEnabled(*s.DaysEnabled);
    lblSampleText->setText(s.Text);
}

void frmSetup::UpdateChangedState() {
    const QDate shownDate = dateEntry->HasValidDate() ? dateEntry->PendingDate() : QDate();
    ShowChangedState(SettingsDiffer(PendingSettings, shownDate, program_.Loaded()),
                     {cmdOK, cmdApply, cmdRestoreSettings}, cmdCancel,
                     tr(" Cancel all changes and Close Settings Dialog "), tr(" Close Settings Dialog "));
}

void frmSetup::UpdatePositionControls() {
    EnableAll(optHorizDirect, true);
    EnableAll(optVertDirect, true);
    EnableAll(optHoriz, true);
    EnableAll(optVert, true);
    const PositionControls c = PositionControlsFor(PendingPlacement());
    if (!c.Known)
        return;
    fraDirection->setEnabled(c.DirectionFrameEnabled);
    if (c.ShowHoriz) {
        const bool h = *c.ShowHoriz;
        fraHoriz->setVisible(h);
        fraHorizDirect->setVisible(h);
        fraVert->setVisible(!h);
        fraVertDirect->setVisible(!h);
    }
    EnableAll(optHorizDirect, c.HorizDirectEnabled);
    EnableAll(optVertDirect, c.VertDirectEnabled);
    EnableAll(optHoriz, c.HorizPlacementEnabled);
    EnableAll(optVert, c.VertPlacementEnabled);
    if (!c.OffsetLeftLabel.isEmpty()) {
        lblOffsetLeft->setText(c.OffsetLeftLabel);
        lblOffsetRight->setText(c.OffsetRightLabel);
    }
    if (c.HorizSliderValue)
        HScrollOffSetHoriz->setValue(*c.HorizSliderValue);
    if (c.VertSliderValue)
        HScrollOffSetVert->setValue(*c.VertSliderValue);
    lblOffSetAmount->setText(c.AmountText);
    for (QWidget* w : {static_cast<QWidget*>(lblOffSetMsg), static_cast<QWidget*>(lblOffsetLeft),
                       static_cast<QWidget*>(lblOffsetRight)})
        w->setEnabled(c.OffsetEnabled);
    if (c.ShowHoriz) {
        QScrollBar* shown = *c.ShowHoriz ? HScrollOffSetHoriz : HScrollOffSetVert;
        QScrollBar* hidden = *c.ShowHoriz ? HScrollOffSetVert : HScrollOffSetHoriz;
        hidden->hide();
        shown->show();
        shown->setEnabled(c.OffsetEnabled);
    } else {
        HScrollOffSetHoriz->setEnabled(false);
        HScrollOffSetVert->setEnabled(false);
    }
}

void frmSetup::EnableMovementControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             fraPosition, fraDirection, HScrollSpeed, HScrollInterval, lblSlow, lblFast, lblShorter,
             lblLonger, lblIntervalCaption, lblOffSetMsg, lblOffsetLeft, lblOffsetRight, HScrollOffSetHoriz})
        w->setEnabled(enabled);
    EnableAll(optHorizDirect, enabled);
    EnableAll(optVertDirect, enabled);
    EnableAll(optPosition, enabled);
    EnableAll(optHoriz, enabled);
    EnableAll(optVert, enabled);
    if (!enabled) {
        HScrollOffSetVert->setEnabled(false);
        return;
    }
    UpdatePositionControls();
    program_.MovementCoordinates();
}

void frmSetup::chkMovementEnable_Click() {
    if (Loading)
        return;
    PendingSettings.Movement = ui::CheckState(chkMovementEnable);
    if (!PendingSettings.Moves()) {
        program_.StopMovement();
        lblMovementMsg->show();
        EnableMovementControls(false);
        program_.MoveToStoredPlace();
    } else {
        program_.StartMovement();
        lblMovementMsg->hide();
        EnableMovementControls(true);
    }
    UpdateChangedState();
}

void frmSetup::HScrollInterval_Change(int value) {
    if (Loading)
        return;
    PendingSettings.Interval = value;
    program_.SetPauseTickMs(DialogIntervalTimerMs(value));
    lblInterval->setText(DescribeInterval(value));
    UpdateChangedState();
}

void frmSetup::HScrollOffSetHoriz_Change(int value) {
    if (Loading)
        return;
    PendingSettings.OffSetHoriz = value;
    program_.UsePlacement(PendingPlacement());
    lblOffSetAmount->setText(OffsetAmountText(true, value));
    UpdateChangedState();
}

void frmSetup::HScrollOffSetVert_Change(int value) {
    if (Loading)
        return;
    PendingSettings.OffSetVert = value;
    program_.UsePlacement(PendingPlacement());
    lblOffSetAmount->setText(OffsetAmountText(false, value));
    UpdateChangedState();
}

void frmSetup::PositionOption_Click(std::int32_t& field, int index) {
    if (Loading)
        return;
    field = index;
    program_.UsePlacement(PendingPlacement());
    UpdatePositionControls();
    program_.MovementCoordinates();
    UpdateChangedState();
}

void frmSetup::cmdFormatText_Click() {
    const auto chosen = ui::ChooseFont(this, PendingSettings.TextFont());
    if (!chosen)
        return;
    PendingSettings.SetTextFont(*chosen);
    ui::ShowSwatch(picFontColour, chosen->Color);
    UpdateChangedState();
    RefreshSampleFormat();
}

void frmSetup::cmdBackground_Click() {
    if (!ChooseColour(PendingSettings.BackgroundColor, picBackColour))
        return;
    UpdateChangedState();
    RefreshSampleFormat();
}

bool frmSetup::SaveSettings() {
    if (!DateReadyToSave())
        return false;
    if (!desk::SaveSettings(program_.Store(), PendingSettings, dateEntry->PendingDate())) {
        ShowSaveFailure(tr("try again"));
        return false;
    }
    if (PendingSettings.RunStartup != program_.Loaded().RunStartup) {
        if (chkRunStartup->isChecked())
            AddStartupEntry();
        else
            RemoveStartupEntry();
    }
    return true;
}

void frmSetup::SaveDialogPlacement() {
    const float left = float(core::PixelsToTwips(x(), ui::TwipsPerPixelX()));
    const float top = float(core::PixelsToTwips(y(), ui::TwipsPerPixelY()));
    // Only the dialog's own place is lost; closing goes on.
    if (!desk::SaveDialogPlacement(program_.Store(), left, top, SetupOption_))
        ui::ShowMessage(
            {this, tr("The place of the Settings Dialog could not be saved."), QMessageBox::Warning});
}

void frmSetup::ReloadDisplay() {
    program_.ReloadSettings();
    // The date just saved is now the loaded one, which the date entry's Restore brings back.
    dateEntry->SetLoadedDateText(program_.Loaded().Date);
    RestoreLoadedSettings();
}

void frmSetup::PutAway() {
    dateEntry->HideCalendar();
    if (!program_.Loaded().ShowsTrayIcon())
        Unload();
    else
        hide(); // loaded and hidden, for the notification icon
}

void frmSetup::Unload() {
    unloading_ = true;
    hide();
    program_.SettingsDialogUnloaded();
    deleteLater();
}

void frmSetup::cmdOK_Click() {
    SaveDialogPlacement();
    dateEntry->HideCalendar();
    if (settingsChanged_) {
        if (!SaveSettings())
            return;
        ReloadDisplay();
    }
    PutAway();
}

void frmSetup::cmdApply_Click() {
    if (!SaveSettings())
        return;
    ReloadDisplay();
}

void frmSetup::cmdCancel_Click() {
    SaveDialogPlacement();
    dateEntry->HideCalendar();
    if (settingsChanged_)
        RestoreLoadedSettings();
    if (program_.Loaded().Movement == 0)
        program_.MoveToStoredPlace();
    PutAway();
}

void frmSetup::cmdExitProgram_Click() {
    SaveDialogPlacement();
    unloading_ = true;
    hide();
    program_.EndProgram();
}

void frmSetup::reject() {
    cmdCancel_Click();
}

void frmSetup::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    if (program_.Loaded().ShowsTrayIcon()) {
        // With the icon on, closing is Cancel: the dialog goes back to the notification area.
        event->ignore();
        cmdCancel_Click();
        return;
    }
    // Without the icon the dialog is unloaded as it is, without Cancel's steps.
    event->accept();
    Unload();
}

void frmSetup::mouseMoveEvent(QMouseEvent* event) {
    program_.HideHint();
    QDialog::mouseMoveEvent(event);
}

} // namespace desk

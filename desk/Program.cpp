#include "Program.h"

#include "AppIcon.h"
#include "Clock.h"
#include "DateText.h"
#include "EffectiveTarget.h"
#include "MessageBoxes.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "StoredColor.h"
#include "StoredFont.h"
#include "TargetNotice.h"
#include "frmMain.h"
#include "frmToolTip.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>

namespace desk {

namespace {

// The system desktop colour, the display window's own background before any setting applies.
constexpr std::int32_t kDesktopSystemColor = std::int32_t(0x80000001u);

// Movement ticks every 16 ms: the step size, not the timer rate, sets the speed.
constexpr int kMovementTickMs = 16;

DisplayLook LookFor(const LoadedSettings& s, const DisplayTexts& texts, const WindowPosition& saved) {
    return {texts.DisplayText,
            ui::FontFromStored(s.TextFont()),
            ui::ColorFromStored(s.TextFontColor),
            ui::ColorFromStored(s.SeeThrough() ? kDesktopSystemColor : s.BackgroundColor),
            s.SeeThrough(),
            s.StaysOnTop(),
            s.Moves(),
            s.ShowsHints(),
            saved,
            s.Today};
}

} // namespace

Program::Program(core::SettingsStore& store) : store_(store) {
    tmrMovement_.setTimerType(Qt::PreciseTimer);
    tmrMovement_.setInterval(kMovementTickMs);
    tmrInterval_.setInterval(60000);
    connect(&tmrMovement_, &QTimer::timeout, this, &Program::tmrMovement_Timer);
    connect(&tmrInterval_, &QTimer::timeout, this, &Program::tmrInterval_Timer);
}

Program::~Program() {
    // A dialog still waiting for its deferred delete must not outlive the program it refers to.
    unloadedDialogs_.append(dialog_);
    for (const QPointer<QWidget>& dialog : unloadedDialogs_)
        if (dialog)
            delete dialog.data();
    if (hint_)
        delete hint_.data();
}

frmToolTip* Program::Hint() const {
    return hint_.data();
}

QSize Program::DisplayTwips() const {
    return main_ ? QSize(main_->Width(), main_->Height()) : QSize(0, 0);
}

void Program::Main() {
    helpFile_ = QCoreApplication::applicationDirPath() + QStringLiteral("/Veltrane.chm");
    loaded_ = LoadSettings(store_);
    lastNotified_ = ReadLastNotified(store_);
    LoadMainWindow();
    FollowTraySetting();
}

void Program::NotifyIfTargetDay() {
    const QDate today = loaded_.Today;
    std::optional<QDate> target = core::ParseDateText(loaded_.Date);
    if (target) // a repeating date's day comes back every year
        target = core::EffectiveTarget(*target, today, loaded_.Repeats());
    if (!notifier_ || notifying_ == today ||
        !ShouldNotifyTarget(loaded_.NotifiesOnTarget(), today, target, lastNotified_))
        return;
    // A rebuild while the service answers sends no second one. The day is marked, and stored, only once
    // shown: one the service refused or was not there for is tried again at the next check.
    notifying_ = today;
    notifier_(loaded_.Title, loaded_.Target, [this, today](bool shown) {
        notifying_ = QDate();
        if (!shown)
            return;
        lastNotified_ = today;
        SaveLastNotified(store_, today);
    });
}

void Program::LoadSettingsDialog() {
    if (!dialog_ && dialogFactory_)
        dialog_ = dialogFactory_(*this);
}

void Program::SettingsDialogUnloaded() {
    unloadedDialogs_.removeAll(nullptr);
    unloadedDialogs_.append(dialog_);
    dialog_ = nullptr;
}

void Program::LoadMainWindow() {
    loading_ = true;
    const LoadedSettings& s = loaded_;
    const QString failure = CalculateTimeLeft(
        s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.Style, s.RepeatYearly}, texts_);

    main_ = std::make_unique<frmMain>();
    frmMain* window = main_.get();
    connect(window, &frmMain::SettingsRequested, this, &Program::OpenSettingsDialog);
    connect(window, &frmMain::EndRequested, this, &Program::EndProgram);
    connect(window, &frmMain::DayChanged, this, &Program::NewDay);
    connect(window, &frmMain::PlaceDragged, this,
            [this](const WindowPosition& at) { SavePosition(store_, at); });
    connect(window, &frmMain::HintWanted, this, &Program::ShowHint);
    connect(window, &frmMain::HintUnwanted, this, &Program::HideHint);
    window->Form_Load(LookFor(s, texts_, ReadPosition(store_)));

    intervalTicks_ = PauseCounter();
    tmrInterval_.setInterval(IntervalTimerMs(s.Interval));
    StopMovement();
    if (s.Moves()) {
        // The first run is prepared here, so the window moves whether or not the dialog ever loads.
        MovementCoordinates();
        StartMovement();
    }
    NotifyIfTargetDay(); // every load: at start, at a new day, and for a date changed by any save

    // Told once the window stands: a rebuild asked for while the box is open waits for it to close.
    if (!failure.isEmpty())
        ui::ShowMessage({nullptr, failure, QMessageBox::Critical, QMessageBox::Ok, QString()});
    loading_ = false;
    if (std::exchange(reloadWanted_, false) && !ended_)
        ReloadDisplay();
}

void Program::UnloadMainWindow() {
    if (!main_)
        return;
    frmMain* old = main_.release();
    disconnect(old, nullptr, this, nullptr);
    old->StopTimers();
    old->hide();
    old->deleteLater(); // the old window may be the one whose event asked for this
}

void Program::RemoveTrayIcon() {
    if (!tray_)
        return;
    tray_->hide();
    tray_.reset();
}

void Program::FollowTraySetting() {
    if (!loaded_.ShowsTrayIcon()) {
        RemoveTrayIcon();
        return;
    }
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(AppIcon());
        tray_->setToolTip(QStringLiteral("Quindle Settings"));
        connect(tray_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
                        OpenSettingsDialog();
                });
        tray_->show();
    }
    // The dialog stays loaded, put away, for as long as the icon is there.
    LoadSettingsDialog();
}

PathOptions Program::Placement() const {
    return pendingPlacement_.value_or(loaded_);
}

void Program::MovementCoordinates() {
    if (!main_)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const double tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
    const PathGeometry geometry{double(main_->Width()),   double(main_->Height()), screenSize.width() * tx,
                                screenSize.height() * ty, main_->width(),          main_->height()};
    static const UniformSource random = ClockSeededSource();
    desk::MovementCoordinates(path_, geometry, Placement(), random);
}

void Program::StartMovement() {
    tmrMovement_.start();
}

void Program::StopMovement() {
    tmrInterval_.stop();
    tmrMovement_.stop();
}

void Program::MoveToStoredPlace() {
    if (!main_)
        return;
    const WindowPosition at = ReadPosition(store_);
    main_->move(core::TwipsToPixels(at.Left, ui::TwipsPerPixelX()),
                core::TwipsToPixels(at.Top, ui::TwipsPerPixelY()));
}

void Program::tmrMovement_Timer() {
    // The run waits while the user holds the window, so the drag is never fought.
    if (!main_ || main_->HoldsWindow())
        return;
    const StepOutcome step = StepMovement(path_, loaded_.Speed, Placement());
    if (step.Result == StepResult::RunEnded) {
        tmrMovement_.stop();
        tmrInterval_.start();
    } else if (step.Result == StepResult::Moved) {
        main_->MoveToTwips(step.NextLeft, step.NextTop);
    }
}

void Program::tmrInterval_Timer() {
    if (!intervalTicks_.Tick(loaded_.Interval))
        return;
    tmrInterval_.stop();
    if (core::Today() != loaded_.Today) {
        NewDay(); // the rebuilt window prepares and starts its own first run
        return;
    }
    MovementCoordinates();
    tmrMovement_.start();
}

void Program::OpenSettingsDialog() {
    ++settingsRequests_;
    if (ended_)
        return;
    LoadSettingsDialog();
    if (!dialog_)
        return;
    dialog_->showNormal();
    dialog_->raise();
    dialog_->activateWindow();
}

void Program::ShowHint(QPoint topLeft) {
    if (!hint_)
        hint_ = new frmToolTip;
    hint_->move(topLeft);
    hint_->show();
}

void Program::HideHint() {
    if (hint_)
        hint_->hide();
}

void Program::ReloadDisplay() {
    if (loading_) {
        reloadWanted_ = true;
        return;
    }
    UnloadMainWindow();
    LoadMainWindow();
}

void Program::ReloadSettings() {
    loaded_ = LoadSettings(store_);
    ReloadDisplay();
    FollowTraySetting();
}

void Program::SettingsChangedOutside() {
    if (ended_)
        return;
    const LoadedSettings before = loaded_;
    ReloadSettings();
    Q_EMIT LoadedSettingsChanged(before);
}

void Program::NewDay() {
    QTimer::singleShot(0, this, [this] {
        if (ended_)
            return;
        loaded_.Today = core::Today();
        ReloadDisplay();
    });
}

void Program::EndProgram() {
    if (ended_)
        return;
    ended_ = true;
    RemoveTrayIcon();
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
    }
    if (hint_)
        hint_->close();
    StopMovement();
    UnloadMainWindow();
    QCoreApplication::quit();
}

} // namespace desk

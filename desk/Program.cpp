#include "Program.h"

#include "AppIcon.h"
#include "Clock.h"
#include "DateText.h"
#include "EffectiveTarget.h"
#include "ScreenUnits.h"
#include "TargetNotice.h"
#include "frmMain.h"
#include "frmToolTip.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

namespace desk {

Program::Program(core::SettingsStore& store) : store_(store) {}

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

void Program::Main() {
    HelpFile = QCoreApplication::applicationDirPath() + QStringLiteral("/Veltrane.chm");
    Loaded = LoadSettings(store_);
    lastNotified_ = ReadLastNotified(store_);
    LoadMainWindow();
    if (Loaded.TrayNotification == 1) {
        AddTrayIcon();
        // The dialog stays loaded, put away, for as long as the icon is there.
        LoadSettingsDialog();
    }
}

void Program::NotifyIfTargetDay() {
    const QDate today = Loaded.Today;
    std::optional<QDate> target = core::ParseDateText(Loaded.Date);
    if (target) // a repeating date's day comes back every year
        target = core::EffectiveTarget(*target, today, Loaded.RepeatYearly == 1);
    if (!notifier_ || !ShouldNotifyTarget(Loaded.NotifyOnTarget == 1, today, target, lastNotified_))
        return;
    // Marked at once, so a rebuild while the service answers sends no second one; stored only once
    // shown, so a day without a notification service is tried again at the next start.
    lastNotified_ = today;
    notifier_(Loaded.Title, Loaded.Target, [this, today] { SaveLastNotified(store_, today); });
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
    main_ = std::make_unique<frmMain>(*this);
    main_->Form_Load();
    NotifyIfTargetDay(); // every load: at start, at a new day, and for a date changed by any save
}

void Program::AddTrayIcon() {
    if (tray_)
        return;
    tray_ = std::make_unique<QSystemTrayIcon>(AppIcon());
    tray_->setToolTip(QStringLiteral("Quindle Settings"));
    connect(tray_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
            OpenSettingsDialog();
    });
    tray_->show();
}

void Program::RemoveTrayIcon() {
    if (!tray_)
        return;
    tray_->hide();
    tray_.reset();
}

PathOptions Program::PendingPlacement() const {
    if (placementSource_)
        return placementSource_();
    return {Loaded.Position,      Loaded.Horizontal,  Loaded.Vertical,  Loaded.HorizDirection,
            Loaded.VertDirection, Loaded.OffSetHoriz, Loaded.OffSetVert};
}

void Program::SetPendingPlacementSource(std::function<PathOptions()> source) {
    placementSource_ = std::move(source);
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
    desk::MovementCoordinates(Path, geometry, PendingPlacement(), random);
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
    Reloading = true;
    if (main_) {
        main_->Form_Unload();
        frmMain* old = main_.release();
        old->StopTimers();
        old->hide();
        old->deleteLater(); // the old window may be the one whose event asked for this
    }
    Reloading = false;
    LoadMainWindow();
}

void Program::SettingsChangedOutside() {
    if (ended_)
        return;
    store_.Refresh();
    const LoadedSettings before = Loaded;
    Loaded = LoadSettings(store_);
    ReloadDisplay();
    if (Loaded.TrayNotification == 1) {
        AddTrayIcon();
        LoadSettingsDialog();
    } else {
        RemoveTrayIcon();
    }
    Q_EMIT LoadedSettingsChanged(before);
}

void Program::NewDay() {
    QTimer::singleShot(0, this, [this] {
        if (ended_)
            return;
        Loaded.Today = core::Today();
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
    if (main_) {
        main_->StopTimers();
        main_->hide();
        main_.release()->deleteLater();
    }
    QCoreApplication::quit();
}

} // namespace desk

#pragma once

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "MovementPath.h"
#include "SettingsStore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QSystemTrayIcon;
class QWidget;

namespace desk {

class frmMain;
class frmToolTip;
class Program;

// Builds the settings dialog; main() installs it so this library does not depend on the dialog's.
using SettingsDialogFactory = std::function<QWidget*(Program&)>;
// Shows the target-day notification (summary, body) and runs the callback with whether it was shown
// once the notification service has answered.
using TargetNotifier = std::function<void(const QString&, const QString&, std::function<void(bool shown)>)>;

// The desktop program as a whole: start-up, the loaded settings, the notification icon, the display
// window's life and its movement. The settings dialog talks to this class only; the window below it is
// handed values and reports through its signals.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(core::SettingsStore& store);
    ~Program() override;

    // Start-up, once this process is known to be the only instance: binds the help file, loads the
    // settings, shows the display window and, when wanted, the notification icon.
    void Main();

    core::SettingsStore& Store() { return store_; }
    const LoadedSettings& Loaded() const { return loaded_; }
    const DisplayTexts& Texts() const { return texts_; }
    const MovementPath& Path() const { return path_; }
    const QString& HelpFile() const { return helpFile_; }
    frmMain* MainWindow() const { return main_.get(); }
    QSystemTrayIcon* TrayIcon() const { return tray_.get(); }
    frmToolTip* Hint() const;
    // The display window's size in twips (none: 0 by 0).
    QSize DisplayTwips() const;

    // The one way to the settings dialog: the window's right click and the icon's clicks. Loads the
    // dialog when it is not loaded, then shows it in front.
    void OpenSettingsDialog();
    int SettingsRequests() const { return settingsRequests_; }
    void SetSettingsDialogFactory(SettingsDialogFactory factory) { dialogFactory_ = std::move(factory); }
    // The loaded settings dialog (shown or put away), if any.
    QWidget* SettingsDialog() const { return dialog_.data(); }
    // The dialog is going away (deleted later): the next request loads a new one.
    void SettingsDialogUnloaded();

    // The movement of the display window. The placement and offsets the runs follow are the loaded
    // ones unless the settings dialog has handed its pending ones down.
    void UsePlacement(std::optional<PathOptions> pending) { pendingPlacement_ = std::move(pending); }
    PathOptions Placement() const;
    // Prepares the next run from the display window's size and the screen's.
    void MovementCoordinates();
    void StartMovement();
    // Stops the run and the pause after it.
    void StopMovement();
    // How long one pause tick lasts from now on.
    void SetPauseTickMs(int ms) { tmrInterval_.setInterval(ms); }
    // Puts the display window back at its stored place.
    void MoveToStoredPlace();
    const QTimer& MovementTimer() const { return tmrMovement_; }
    const QTimer& PauseTimer() const { return tmrInterval_; }
    const PauseCounter& IntervalTicks() const { return intervalTicks_; }
    void tmrMovement_Timer();
    void tmrInterval_Timer();

    // The hint window: its top-left corner in pixels.
    void ShowHint(QPoint topLeft);
    void HideHint();

    // The store holds new settings (saved here or elsewhere): they are loaded, the window is rebuilt
    // and the icon follows them.
    void ReloadSettings();
    // Rebuilds the display window from the loaded settings. Asked for while a window is loading, it
    // waits until that load has returned.
    void ReloadDisplay();
    // The store was changed by someone else: reloaded as after Apply, after the store has been read
    // again; an open settings dialog is told through LoadedSettingsChanged.
    void SettingsChangedOutside();
    // Sends the target-day notification when today calls for one and none is on its way; main()
    // installs how it is shown. Called at every load of the window and when the service appears.
    void SetTargetNotifier(TargetNotifier notifier) { notifier_ = std::move(notifier); }
    void NotifyIfTargetDay();
    // The calendar moved on: today becomes the loaded day and the window is rebuilt (after the
    // current event, as the window itself asks for it).
    void NewDay();
    // The real end: icon removed, hint and display window unloaded, the event loop left.
    void EndProgram();
    bool Ended() const { return ended_; }

Q_SIGNALS:
    // Loaded holds settings saved by someone else; before: the settings loaded until then, which the
    // dialog's working copy started from.
    void LoadedSettingsChanged(const desk::LoadedSettings& before);

private:
    void LoadMainWindow();
    void UnloadMainWindow();
    void LoadSettingsDialog();
    // The icon, and the dialog that stays loaded for it, as the loaded settings want them.
    void FollowTraySetting();
    void RemoveTrayIcon();

    core::SettingsStore& store_;
    LoadedSettings loaded_;
    DisplayTexts texts_;
    MovementPath path_;
    QString helpFile_;
    std::unique_ptr<frmMain> main_;
    QTimer tmrMovement_;
    QTimer tmrInterval_;
    PauseCounter intervalTicks_;
    std::optional<PathOptions> pendingPlacement_;
    bool loading_ = false;      // a window load, with its message, is under way
    bool reloadWanted_ = false; // a rebuild was asked for during it
    std::unique_ptr<QSystemTrayIcon> tray_;
    QPointer<frmToolTip> hint_;
    QPointer<QWidget> dialog_;
    QList<QPointer<QWidget>> unloadedDialogs_; // deleted later, or with the program at the latest
    SettingsDialogFactory dialogFactory_;
    TargetNotifier notifier_;
    QDate lastNotified_; // shown on this day
    QDate notifying_;    // on its way to the service for this day
    int settingsRequests_ = 0;
    bool ended_ = false;
};

} // namespace desk

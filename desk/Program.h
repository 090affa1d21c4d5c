#pragma once

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "MovementPath.h"
#include "SettingsStore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QSystemTrayIcon;
class QWidget;

namespace desk {

class frmMain;
class frmToolTip;
class Program;

// Builds the settings dialog; main() installs it so this library does not depend on the dialog's.
using SettingsDialogFactory = std::function<QWidget*(Program&)>;
// Shows the target-day notification (summary, body) and runs the callback once it has been shown.
using TargetNotifier = std::function<void(const QString&, const QString&, std::function<void()>)>;

// The desktop program as a whole: start-up, the state every window shares, the notification icon,
// and the rebuilding and ending of the display window.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(core::SettingsStore& store);
    ~Program() override;

    // Start-up, once this process is known to be the only instance: binds the help file, loads the
    // settings, shows the display window and, when wanted, the notification icon.
    void Main();

    core::SettingsStore& Store() { return store_; }
    frmMain* MainWindow() const { return main_.get(); }
    QSystemTrayIcon* TrayIcon() const { return tray_.get(); }
    frmToolTip* Hint() const;

    // The placement and offsets a movement tick reads: the loaded ones until the settings dialog
    // supplies its pending values.
    PathOptions PendingPlacement() const;
    void SetPendingPlacementSource(std::function<PathOptions()> source);
    // Prepares the next movement run from the display window's size and the screen's.
    void MovementCoordinates();

    // The one way to the settings dialog: the window's right click and the icon's clicks. Loads the
    // dialog when it is not loaded, then shows it in front.
    void OpenSettingsDialog();
    int SettingsRequests() const { return settingsRequests_; }
    void SetSettingsDialogFactory(SettingsDialogFactory factory) { dialogFactory_ = std::move(factory); }
    // The loaded settings dialog (shown or put away), if any.
    QWidget* SettingsDialog() const { return dialog_.data(); }
    // The dialog is going away (deleted later): the next request loads a new one.
    void SettingsDialogUnloaded();

    // The notification icon; adding an icon that is there, or removing one that is not, does nothing.
    void AddTrayIcon();
    void RemoveTrayIcon();

    // The hint window: its top-left corner in pixels.
    void ShowHint(QPoint topLeft);
    void HideHint();

    // Rebuilds the display window: unloaded and loaded again with Reloading set.
    void ReloadDisplay();
    // The store was changed by someone else: the settings are loaded again and the window rebuilt, as
    // Apply does; an open settings dialog is told through LoadedSettingsChanged.
    void SettingsChangedOutside();
    // Sends the target-day notification when today calls for one; main() installs how it is shown.
    void SetTargetNotifier(TargetNotifier notifier) { notifier_ = std::move(notifier); }
    void NotifyIfTargetDay();
    // The calendar moved on: today becomes the loaded day and the window is rebuilt (after the
    // current event, as the window itself asks for it).
    void NewDay();
    // The real end: icon removed, hint and display window unloaded, the event loop left.
    void EndProgram();
    bool Ended() const { return ended_; }

    LoadedSettings Loaded;
    DisplayTexts Texts;
    MovementPath Path;
    bool Reloading = false;
    QString HelpFile;

Q_SIGNALS:
    // Loaded holds settings saved by someone else; before: the settings loaded until then, which the
    // dialog's working copy started from.
    void LoadedSettingsChanged(const desk::LoadedSettings& before);

private:
    void LoadMainWindow();
    void LoadSettingsDialog();

    core::SettingsStore& store_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    QPointer<frmToolTip> hint_;
    QPointer<QWidget> dialog_;
    QList<QPointer<QWidget>> unloadedDialogs_; // deleted later, or with the program at the latest
    SettingsDialogFactory dialogFactory_;
    TargetNotifier notifier_;
    QDate lastNotified_; // sent, or being sent, on this day
    std::function<PathOptions()> placementSource_;
    int settingsRequests_ = 0;
    bool ended_ = false;
};

} // namespace desk

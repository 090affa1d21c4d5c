#pragma once

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "MovementPath.h"
#include "SettingsStore.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace desk {

class frmMain;
class frmToolTip;

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

    // The one way to the settings dialog: the window's right click and the icon's clicks.
    void OpenSettingsDialog();
    int SettingsRequests() const { return settingsRequests_; }

    // The hint window: its top-left corner in pixels.
    void ShowHint(QPoint topLeft);
    void HideHint();

    // Rebuilds the display window: unloaded and loaded again with Reloading set.
    void ReloadDisplay();
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

private:
    void LoadMainWindow();
    void AddTrayIcon();

    core::SettingsStore& store_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    QPointer<frmToolTip> hint_;
    std::function<PathOptions()> placementSource_;
    int settingsRequests_ = 0;
    bool ended_ = false;
};

} // namespace desk

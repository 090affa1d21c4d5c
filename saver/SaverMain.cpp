#include "SaverMain.h"

#include "BasePictures.h"
#include "ForeignWindow.h"
#include "MessageBoxes.h"
#include "Rounding.h"
#include "SaverCommandLine.h"
#include "ScreenSaverHost.h"
#include "ScreenUnits.h"
#include "SettingsSchema.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "UserStore.h"
#include "frmMain.h"
#include "frmSetup.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace saver {

namespace {

QString& BoundHelpFile() {
    static QString file;
    return file;
}

// A preview or a show in a daemon's window ends soon after its host window goes away, so that
// previews never pile up.
constexpr int kHostWatchMs = 500;

QRect DesktopRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}

int RunUntilEnded(frmMain& form) {
    // exit(), not quit(): quit() first asks every top-level window to close, and a foreign host window
    // refuses.
    QObject::connect(
        &form, &frmMain::ProgramEnded, qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    return QApplication::exec();
}

// Makes the display window a child of a window that another program owns, filling its inside.
std::unique_ptr<QWindow> EmbedIn(frmMain& form, std::uint64_t host, QSize size) {
    std::unique_ptr<QWindow> parent(QWindow::fromWinId(static_cast<WId>(host)));
    form.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    form.winId();
    form.windowHandle()->setParent(parent.get());
    form.setGeometry(QRect(QPoint(0, 0), size));
    form.show();
    return parent;
}

void WatchHost(frmMain& form, std::uint64_t host, void (frmMain::*whenGone)()) {
    auto* watch = new QTimer(&form);
    QObject::connect(watch, &QTimer::timeout, &form, [&form, host, whenGone] {
        if (!platform::ForeignWindowSize(host))
            (form.*whenGone)();
    });
    watch->start(kHostWatchMs);
}

int RunFullScreen(core::SettingsStore& store) {
    LaunchValues launch;
    launch.RunMode = kRunFullScreen;
    launch.SaverRect = DesktopRect();
    frmMain form(launch, store);
    form.Form_Load();
    form.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint);
    form.setGeometry(launch.SaverRect);
    form.show();
    form.raise();
    form.activateWindow();
    form.setFocus();
    platform::SetScreenSaverRunning(true);
    const int code = RunUntilEnded(form);
    platform::SetScreenSaverRunning(false); // also after a termination signal
    return code;
}

int RunPreview(core::SettingsStore& store, std::int64_t host) {
    const std::optional<QSize> client = host > 0 ? platform::ForeignWindowSize(host) : std::nullopt;
    if (!client || client->isEmpty())
        return 0; // no such window: nothing to draw in
    const LaunchValues launch = PreviewLaunch(*client);
    // The host's window object must outlive the display window, whose native window it holds.
    std::unique_ptr<QWindow> parent;
    frmMain form(launch, store);
    form.Form_Load();
    form.setWindowTitle(QStringLiteral("Preview"));
    parent = EmbedIn(form, host, *client);
    form.unsetCursor();
    WatchHost(form, host, &frmMain::EndPreview);
    const int code = RunUntilEnded(form);
    form.hide();
    return code;
}

int RunHosted(core::SettingsStore& store, const SaverCommand& command) {
    const std::uint64_t host = command.rootWindow ? platform::RootWindowId() : std::uint64_t(command.window);
    const std::optional<QSize> size = host > 0 ? platform::ForeignWindowSize(host) : std::nullopt;
    if (!size || size->isEmpty())
        return 0;
    LaunchValues launch;
    launch.RunMode = kRunHosted;
    launch.SaverRect = QRect(QPoint(0, 0), *size);
    std::unique_ptr<QWindow> parent; // outlives the display window
    frmMain form(launch, store);
    form.Form_Load();
    if (command.rootWindow) {
        // The root window: the show lies on the desktop, below every other window.
        form.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                            Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus |
                            Qt::WindowTransparentForInput);
        form.setGeometry(launch.SaverRect);
        form.show();
        form.lower();
    } else {
        parent = EmbedIn(form, host, *size);
        // Input and unblanking belong to the daemon.
        form.windowHandle()->setFlag(Qt::WindowTransparentForInput);
        WatchHost(form, host, &frmMain::EndScreenSaver);
    }
    const int code = RunUntilEnded(form);
    form.hide();
    return code;
}

int RunSettings(core::SettingsStore& store) {
    ui::SingleInstance dialogLock(SettingsCaption());
    if (!dialogLock.TryAcquire()) {
        ui::ShowMessage({nullptr, SettingsAlreadyOpenText(), QMessageBox::NoIcon, QMessageBox::Ok,
                         QCoreApplication::applicationName()});
        return 0;
    }
    LaunchValues launch;
    launch.RunMode = kRunSettings;
    const QScreen* screen = QGuiApplication::primaryScreen();
    launch.SaverRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    frmMain form(launch, store);
    form.Form_Load();
    form.unsetCursor();
    form.tmrScroll->stop();

    // The dialog works on the loaded settings, the picture copy and the texts the hidden load made.
    const LoadedSettings& loaded = form.Settings();
    PendingImage image = loaded.Image();
    DisplayTexts texts = form.Texts();
    SetupEnvironment environment;
    environment.helpFile = HelpFile();
    environment.readMeFolder = core::ReadText(store, core::Section::Common, QStringLiteral("DesktopPath"));
    environment.screenTwips = QSizeF(loaded.ScreenWidth, loaded.ScreenHeight);
    for (int n = 1; n <= BasePictureCount(); ++n)
        environment.basePictures.push_back({BasePicture(n), BasePictureTag(n)});
    frmSetup dialog(loaded, image, texts, store, std::move(environment));
    dialog.exec();
    return 0;
}

} // namespace

LaunchValues PreviewLaunch(QSize client) {
    LaunchValues launch;
    launch.RunMode = kRunPreview;
    launch.SaverRect = QRect(QPoint(0, 0), client);
    launch.PreviewExtent = core::PixelsToTwips(client.width(), ui::TwipsPerPixelX());
    launch.TextX = launch.PreviewExtent;
    launch.TextY = client.height() * 7;
    return launch;
}

QString HelpFile() {
    return BoundHelpFile();
}

QString SettingsCaption() {
    return frmSetup::Caption(QCoreApplication::applicationName());
}

QString SettingsAlreadyOpenText() {
    return QStringLiteral("The Settings Dialog is already open.     \r\n\r\n");
}

int Main(const QStringList& arguments) {
    const auto opened = platform::OpenUserStore();
    core::SettingsStore& store = *opened;
    BoundHelpFile() = core::ReadText(store, core::Section::Common, QStringLiteral("DesktopPath")) +
                      core::FolderSeparator() + QStringLiteral("Veltrane.chm");

    const SaverCommand command =
        ParseSaverCommandLine(arguments, qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    platform::QuitOnTerminationSignals();

    // One full-screen show at a time, except while the host's display settings are open.
    ui::SingleInstance fullScreen(QCoreApplication::applicationName());
    if (command.mode == SaverMode::FullScreen) {
        const bool first = fullScreen.TryAcquire();
        if (!first && command.modeWord == QStringLiteral("/s") && !platform::DisplayPropertiesOpen())
            return 0;
    }

    switch (command.mode) {
    case SaverMode::FullScreen:
        return RunFullScreen(store);
    case SaverMode::Preview:
        return RunPreview(store, command.window);
    case SaverMode::Hosted:
        return RunHosted(store, command);
    case SaverMode::Settings:
        return RunSettings(store);
    case SaverMode::None:
        break;
    }
    return 0;
}

} // namespace saver

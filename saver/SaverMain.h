#pragma once

#include "frmMain.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace saver {

// The start-up of the screensaver: binds the help file, reads the command line and runs the chosen
// mode (full screen, preview, settings, or the show inside an X11 daemon's window). The arguments are
// those after the program's name; the application object must exist. Returns the exit code.
int Main(const QStringList& arguments);

// What the preview hands the display window for a host window of this inside size: the text starts just
// right of the area, a little above its middle.
LaunchValues PreviewLaunch(QSize client);

// The help file bound at start-up: the desktop program's folder ("Common" DesktopPath) and Veltrane.chm.
QString HelpFile();

// "Settings - Pellmora - v 3.0": the settings dialog's caption, also the name its "already open" test
// looks for.
QString SettingsCaption();

// The message of a second settings dialog.
QString SettingsAlreadyOpenText();

} // namespace saver

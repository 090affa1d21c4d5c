#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace saver {

// What the screensaver was asked to do.
enum class SaverMode {
    FullScreen, // no argument, "/s"
    Preview,    // "/p <window>": draw inside the host's preview window
    Settings,   // "/c": the settings dialog
    Hosted,     // an X11 screensaver daemon's window: "--root", "--window-id N", XSCREENSAVER_WINDOW
    None,       // anything else: nothing is shown
};

struct SaverCommand {
    SaverMode mode = SaverMode::None;
    // The trimmed, lower-cased command line and its first two characters.
    QString workingText;
    QString modeWord;
    // Preview: the host's window, 0 when the command line names none. Hosted: the window to draw in,
    // 0 together with rootWindow for the root window.
    std::int64_t window = 0;
    bool rootWindow = false;
};

// True for optional blanks, an optional sign, digits and an optional decimal part.
bool IsNumericText(const QString& text);

// The preview handle: the first remainder of the text that is numeric, dropping one leading character
// at a time, rounded to a whole 32-bit value; 0 when no remainder is numeric.
std::int32_t ParsePreviewHandle(const QString& workingText);

// A window id as the X11 daemons write it: hexadecimal with "0x", or decimal. Nothing when it is not one.
std::optional<std::int64_t> ParseWindowId(const QString& text);

// The arguments after the program name, and the value of XSCREENSAVER_WINDOW (empty when unset).
SaverCommand ParseSaverCommandLine(const QStringList& arguments, const QString& daemonWindow = QString());

} // namespace saver

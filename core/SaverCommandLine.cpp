#include "SaverCommandLine.h"

#include "Rounding.h"

#include <QRegularExpression>

namespace saver {

namespace {

bool IsDaemonWord(const QString& arg, const char* name) {
    const QString word = arg.toLower();
    const QString bare = QString::fromLatin1(name);
    return word == u'-' + bare || word == QStringLiteral("--") + bare;
}

// The daemon forms: "-root"/"--root", "-window-id N"/"--window-id N" (also "--window-id=N"), and the
// XSCREENSAVER_WINDOW variable, which wins over the root window and over an empty command line.
std::optional<SaverCommand> DaemonCommand(const QStringList& arguments, const QString& daemonWindow) {
    bool root = false;
    std::optional<std::int64_t> explicitWindow;
    bool windowWordSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (IsDaemonWord(arg, "root")) {
            root = true;
        } else if (IsDaemonWord(arg, "window-id")) {
            windowWordSeen = true;
            if (i + 1 < arguments.size())
                explicitWindow = ParseWindowId(arguments.at(++i));
        } else if (arg.startsWith(QStringLiteral("--window-id="), Qt::CaseInsensitive) ||
                   arg.startsWith(QStringLiteral("-window-id="), Qt::CaseInsensitive)) {
            windowWordSeen = true;
            explicitWindow = ParseWindowId(arg.mid(arg.indexOf(u'=') + 1));
        }
    }
    const std::optional<std::int64_t> envWindow =
        daemonWindow.trimmed().isEmpty() ? std::nullopt : ParseWindowId(daemonWindow);
    const bool noArguments = arguments.join(u' ').trimmed().isEmpty();

    SaverCommand command;
    command.mode = SaverMode::Hosted;
    if (windowWordSeen) {
        // A window word with no usable id hosts nothing: the show ends at once.
        command.window = explicitWindow.value_or(0);
        return command;
    }
    if (envWindow && (root || noArguments)) {
        command.window = *envWindow;
        return command;
    }
    if (root) {
        command.rootWindow = true;
        return command;
    }
    return std::nullopt;
}

} // namespace

bool IsNumericText(const QString& text) {
    static const QRegularExpression numeric(QStringLiteral("\\A *[+-]?(\\d+(\\.\\d*)?|\\.\\d+)\\z"));
    return numeric.match(text).hasMatch();
}

std::int32_t ParsePreviewHandle(const QString& workingText) {
    for (qsizetype start = 0; start < workingText.size(); ++start) {
        const QString rest = workingText.mid(start);
        if (IsNumericText(rest))
            return core::RoundToInt32(rest.trimmed().toDouble());
    }
    return 0;
}

std::optional<std::int64_t> ParseWindowId(const QString& text) {
    const QString t = text.trimmed().toLower();
    bool ok = false;
    std::int64_t value = 0;
    if (t.startsWith(QStringLiteral("0x")))
        value = t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

SaverCommand ParseSaverCommandLine(const QStringList& arguments, const QString& daemonWindow) {
    if (std::optional<SaverCommand> daemon = DaemonCommand(arguments, daemonWindow))
        return *daemon;

    SaverCommand command;
    command.workingText = arguments.join(u' ').trimmed().toLower();
    command.modeWord = command.workingText.left(2);
    if (command.modeWord.isEmpty() || command.modeWord == QStringLiteral("/s")) {
        command.mode = SaverMode::FullScreen;
    } else if (command.modeWord == QStringLiteral("/p")) {
        command.mode = SaverMode::Preview;
        command.window = ParsePreviewHandle(command.workingText);
    } else if (command.modeWord == QStringLiteral("/c")) {
        command.mode = SaverMode::Settings;
    }
    return command;
}

} // namespace saver

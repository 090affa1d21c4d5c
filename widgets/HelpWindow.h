#pragma once

#include <QDialog>

class QTextBrowser;

namespace ui {

// Help topics the settings dialogs open.
inline constexpr int kScreenSaverSettingsTopic = 110;
inline constexpr int kDesktopSettingsTopic = 120;

// The page of the shipped HTML help for a topic (relative to the data folder); the index otherwise.
QString HelpPageForTopic(int context);

// The in-program help viewer: one window per program, brought to the front on each request.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page; false when the page does not exist.
    bool ShowPage(const QString& path);
    QTextBrowser* Browser() const { return browser_; }

    // The window of this program, if one has been opened.
    static HelpWindow* Current();

private:
    QTextBrowser* browser_;
};

// Opens help at a topic: the compiled help file where the system has a viewer for it, otherwise the
// HTML page from the folder of helpFile or, failing that, the programs' data folder. Returns false,
// after telling the user, when no help can be found.
bool ShowHelp(QWidget* owner, const QString& helpFile, int context);

} // namespace ui

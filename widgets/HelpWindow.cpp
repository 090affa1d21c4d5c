#include "HelpWindow.h"

#include "DataFiles.h"
#include "HtmlHelp.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {
QPointer<HelpWindow>& Instance() {
    static QPointer<HelpWindow> window;
    return window;
}
} // namespace

QString HelpPageForTopic(int context) {
    switch (context) {
    case kScreenSaverSettingsTopic:
        return QStringLiteral("help/screensaver-settings.html");
    case kDesktopSettingsTopic:
        return QStringLiteral("help/desktop-settings.html");
    default:
        return QStringLiteral("help/index.html");
    }
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" Help"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setOpenExternalLinks(true);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 560);
    Instance() = this;
}

bool HelpWindow::ShowPage(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

HelpWindow* HelpWindow::Current() {
    return Instance();
}

bool ShowHelp(QWidget* owner, const QString& helpFile, int context) {
    if (platform::ShowCompiledHelp(helpFile, context))
        return true;
    const QString page = core::FindDataFile(HelpPageForTopic(context), QFileInfo(helpFile).absolutePath());
    if (page.isEmpty()) {
        ShowMessage({owner, QObject::tr("The help pages could not be found."), QMessageBox::Warning});
        return false;
    }
    HelpWindow* window = Instance();
    if (!window)
        window = new HelpWindow(owner ? owner->window() : nullptr);
    window->ShowPage(page);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace ui

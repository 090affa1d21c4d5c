#include "Autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The entry's Exec line follows the desktop entry rules: an argument with a blank or a reserved
// character is quoted, with " ` $ \ escaped inside the quotes; a literal % is written %%; and the whole
// value is a string, whose own escaping doubles every backslash once more.
TEST(Autostart, EntryRunsTheProgramWhateverItsPathAndIsRemoved) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString name = QStringLiteral("Quindle");
    const QString entry = config.filePath(QStringLiteral("autostart/Quindle.desktop"));
    const struct {
        const char *path, *exec;
    } rows[] = {{"/opt/veltrane/bin/Quindle", "/opt/veltrane/bin/Quindle"},
                {"/home/a b/Quindle", R"("/home/a b/Quindle")"},
                {"/home/100%/Quindle", "/home/100%%/Quindle"},
                {"/home/50% off/Quindle", R"("/home/50%% off/Quindle")"},
                {R"(/home/it's "mine"/Quindle)", R"("/home/it's \\"mine\\"/Quindle")"},
                {R"(/home/back\slash/Quindle)", R"("/home/back\\\\slash/Quindle")"},
                {"/home/$HOME/`x`/Quindle", R"("/home/\\$HOME/\\`x\\`/Quindle")"}};
    EXPECT_FALSE(platform::HasStartupEntry(name));
    for (const auto& row : rows) {
        // Adding again replaces the entry rather than failing.
        ASSERT_TRUE(platform::AddStartupEntry(name, QString::fromUtf8(row.path))) << row.path;
        EXPECT_TRUE(platform::HasStartupEntry(name));
        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        EXPECT_EQ(lines.value(0), QStringLiteral("[Desktop Entry]"));
        EXPECT_TRUE(lines.contains(QStringLiteral("Type=Application")));
        EXPECT_TRUE(lines.contains(QStringLiteral("Name=Quindle")));
        EXPECT_TRUE(lines.contains(QStringLiteral("Exec=") + QString::fromUtf8(row.exec)))
            << row.path << "\n"
            << lines.join(u'\n').toStdString();
    }
    ASSERT_TRUE(platform::RemoveStartupEntry(name));
    EXPECT_FALSE(platform::HasStartupEntry(name));
    EXPECT_TRUE(platform::RemoveStartupEntry(name)); // nothing there: nothing to do
}

} // namespace

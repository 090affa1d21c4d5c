// Replays every saved fuzzer input (crashes once found and mended, and seeds) through the same entry
// points, so a fault once fixed stays fixed in the ordinary test run.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void ReplayFolder(const char* name, void (*target)(const std::uint8_t*, std::size_t)) {
    const QDir folder(QStringLiteral(VELTRANE_FUZZ_REGRESSIONS) + u'/' + QString::fromLatin1(name));
    const QStringList files = folder.entryList(QDir::Files);
    EXPECT_FALSE(files.isEmpty()) << "no saved inputs for " << name;
    for (const QString& file : files) {
        QFile input(folder.filePath(file));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray bytes = input.readAll();
        SCOPED_TRACE(file.toStdString());
        target(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
}

TEST(FuzzRegressions, DateText) {
    ReplayFolder("date_text", fuzz::DateText);
}
TEST(FuzzRegressions, SettingsIni) {
    ReplayFolder("settings_ini", fuzz::SettingsIni);
}
TEST(FuzzRegressions, CommandLine) {
    ReplayFolder("command_line", fuzz::CommandLine);
}

} // namespace

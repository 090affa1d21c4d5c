#include "StoreNotifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool Replace(const QString& path, const QByteArray& text) { // as a save does: a new file renamed over
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

bool WriteInPlace(const QString& path, const QByteArray& text) { // as an editor may
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(text) == text.size();
}

// The notifier pings for every way the store's file comes to hold something new: saves that replace the
// file, the folder removed and made anew, and edits written in place into a file that replaced one another
// program still holds open.
TEST(StoreNotifier, PingsForEveryChangeOfTheFile) {
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("QVX"));
    const QString path = folder + QStringLiteral("/Veltrane.ini");
    platform::StoreNotifier notifier(path);
    QSignalSpy pings(&notifier, &platform::StoreNotifier::Touched);
    const auto pinged = [&pings](auto change) {
        pings.clear();
        ASSERT_TRUE(change());
        ASSERT_TRUE(QTest::qWaitFor([&pings] { return pings.count() > 0; }, 60000));
    };

    pinged([&] { return QDir().mkpath(folder); });
    pinged([&] { return Replace(path, "[Common]\nTitle=1\n"); });
    QFile heldOpen(path); // a viewer keeps the replaced file open
    ASSERT_TRUE(heldOpen.open(QIODevice::ReadOnly));
    pinged([&] { return Replace(path, "[Common]\nTitle=2\n"); });
    pinged([&] { return WriteInPlace(path, "Target=in place\n"); });
    heldOpen.close();

    pinged([&] { return QDir(folder).removeRecursively(); });
    pinged([&] { return QDir().mkpath(folder); });
    pinged([&] { return Replace(path, "[Common]\nTitle=3\n"); });
    pinged([&] { return WriteInPlace(path, "Target=in place again\n"); });
}

} // namespace

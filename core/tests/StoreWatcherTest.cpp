#include "StoreWatcher.h"
#include "SharedStore.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Values shared by the stores made on it, as two programs share one file.
class SharedMemory final : public core::StoreBackend {
public:
    explicit SharedMemory(core::IniMap& values) : values_(values) {}
    std::optional<core::IniMap> Read() const override { return values_; }
    bool Exclusive(const std::function<bool()>& save) override { return save(); }
    bool Write(const core::IniMap& all, const core::IniMap&) override {
        values_ = all;
        return true;
    }
    QString Location() const override { return {}; }

private:
    core::IniMap& values_;
};

// Every save touches the store, whoever made it; only the ones made elsewhere are reported, once per
// burst, also when one lands while this process saves.
TEST(StoreWatcher, ReportsSavesFromOutsideButNotItsOwn) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    core::IniMap values;
    core::SharedStore own(std::make_unique<SharedMemory>(values));
    core::SharedStore other(std::make_unique<SharedMemory>(values));
    core::StoreWatcher watcher(own);
    QSignalSpy reports(&watcher, &core::StoreWatcher::ChangedOutside);
    const auto save = [&watcher](core::SharedStore& store, const char* key, const char* value) {
        store.Set(core::Section::Common, QString::fromLatin1(key), QString::fromLatin1(value));
        ASSERT_TRUE(store.Commit());
        watcher.Touched();
        watcher.Touched();
    };
    const auto settle = [&watcher] {
        const int settled = watcher.BurstsSettled();
        ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.BurstsSettled() > settled; }, 60000));
    };

    save(own, "Title", "Ours");
    save(own, "PositionLeft", "15");
    settle();
    EXPECT_EQ(reports.count(), 0);

    save(other, "Title", "Theirs");
    settle();
    EXPECT_EQ(reports.count(), 1);

    save(other, "Title", "Theirs again");
    save(own, "PositionLeft", "30"); // merges the other's save before the burst has settled
    settle();
    EXPECT_EQ(reports.count(), 2);
    EXPECT_EQ(own.Get(core::Section::Common, QStringLiteral("Title")), QStringLiteral("Theirs again"));
}

} // namespace

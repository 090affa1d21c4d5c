// A process that saves settings in a loop, for the crash-safety tests of the store.
//   StoreWriter <ini> all        : saves every Desktop key with the same generation number, forever
//   StoreWriter <ini> one <key> <count> : saves Desktop/<key> = 1..count, one save each, then exits
#include "SettingsSchema.h"
#include "UserStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const auto store = platform::OpenIniStore(args.at(1));
    if (args.at(2) == u"all") {
        QStringList keys;
        for (const auto& key : core::SettingsSchema())
            if (key.section == core::Section::Desktop)
                keys << key.name;
        for (long generation = 1;; ++generation) {
            for (const QString& key : keys)
                store->Set(core::Section::Desktop, key, QString::number(generation));
            if (!store->Commit())
                return 1;
            std::printf("%ld\n", generation);
            std::fflush(stdout);
        }
    }
    if (args.at(2) == u"one" && args.size() == 5) {
        const int count = args.at(4).toInt();
        for (int i = 1; i <= count; ++i) {
            store->Set(core::Section::Desktop, args.at(3), QString::number(i));
            if (!store->Commit())
                return 1;
        }
        return 0;
    }
    return 2;
}

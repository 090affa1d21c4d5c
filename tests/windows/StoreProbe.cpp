// Prints "watching" once platform::StoreNotifier watches the settings store, then "touched" for each
// of its pings, so a test can write the registry and wait for the line.
#include "StoreNotifier.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    platform::StoreNotifier notifier(QString{});
    QObject::connect(&notifier, &platform::StoreNotifier::Touched, [] {
        std::puts("touched");
        std::fflush(stdout);
    });
    std::puts("watching");
    std::fflush(stdout);
    return app.exec();
}

#pragma once

#include "MemoryStore.h"
#include "Program.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

// The desktop program over a store in memory holding a target date of 13 July 2025 and no tray icon;
// the test starts the program, and the program ends with the test.
class DeskFixture : public ::testing::Test {
protected:
    DeskFixture() {
        Put("Date", "2025-07-13", core::Section::Common);
        Put("TrayNotification", "0");
    }
    ~DeskFixture() override {
        program.reset();
        Settle();
    }
    void Put(const char* key, const QString& value, core::Section section = core::Section::Desktop) {
        store.Put(section, QString::fromLatin1(key), value);
    }
    // Desktop keys, each stored as given.
    void Put(std::initializer_list<std::pair<const char*, const char*>> keys) {
        for (const auto& [key, value] : keys)
            Put(key, QString::fromLatin1(value));
    }
    QString Stored(const char* key, core::Section section = core::Section::Desktop) const {
        return store.values.value(MemoryStore::Address(section, QString::fromLatin1(key)));
    }
    static void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MemoryStore store;
    std::unique_ptr<desk::Program> program;
};

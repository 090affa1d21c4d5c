#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace platform {

// Tells when the per-user settings store may have been written, by this process or any other: the INI
// file's path elsewhere than Windows, the registry key on Windows (location is then what the store
// reports as its place, and may be ignored). One save may ping more than once; the caller settles
// the pings and compares content to decide whether anything changed.
class StoreNotifier : public QObject {
    Q_OBJECT
public:
    explicit StoreNotifier(const QString& location, QObject* parent = nullptr);
    ~StoreNotifier() override;

Q_SIGNALS:
    void Touched();

private:
    class Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace platform

#include "StoreNotifier.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace platform {

namespace {
const wchar_t kStoreKey[] = L"Software\\VB and VBA Program Settings\\QVX\\Veltrane";
} // namespace

// The store's registry key and everything below it, watched through an event the system sets on the
// first change after each request; the request is made again before each ping goes out, so a change
// made while the ping is handled is not missed.
class StoreNotifier::Watch {
public:
    explicit Watch(StoreNotifier* owner) {
        // A store nobody has written yet is created empty, so its first save is seen too.
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_NOTIFY, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!event_ || !Arm())
            return;
        notifier_ = std::make_unique<QWinEventNotifier>(event_);
        QObject::connect(notifier_.get(), &QWinEventNotifier::activated, owner, [this, owner] {
            Arm();
            Q_EMIT owner->Touched();
        });
    }

    ~Watch() {
        notifier_.reset();
        if (key_)
            RegCloseKey(key_);
        if (event_)
            CloseHandle(event_);
    }

    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

private:
    bool Arm() {
        return RegNotifyChangeKeyValue(key_, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                       event_, TRUE) == ERROR_SUCCESS;
    }

    HKEY key_ = nullptr;
    HANDLE event_ = nullptr;
    std::unique_ptr<QWinEventNotifier> notifier_;
};

StoreNotifier::StoreNotifier(const QString&, QObject* parent)
    : QObject(parent), watch_(std::make_unique<Watch>(this)) {}

StoreNotifier::~StoreNotifier() = default;

} // namespace platform

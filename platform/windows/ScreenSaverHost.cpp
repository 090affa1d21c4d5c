#include "ScreenSaverHost.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

struct PrefixSearch {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK MatchPrefix(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<PrefixSearch*>(data);
    wchar_t title[512] = {};
    const int length = GetWindowTextW(window, title, 512);
    if (length >= int(search->prefix.size()) &&
        std::wstring(title, search->prefix.size()) == search->prefix) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool DisplayPropertiesOpen() {
    return FindWindowA(nullptr, "Display Properties") != nullptr;
}

void SetScreenSaverRunning(bool running) {
    UINT previous = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void ActivateWindowTitled(const QString& title) {
    const std::wstring wanted = title.toStdWString();
    HWND window = FindWindowW(nullptr, wanted.c_str());
    if (!window) {
        PrefixSearch search{wanted};
        EnumWindows(MatchPrefix, reinterpret_cast<LPARAM>(&search));
        window = search.found;
    }
    if (window)
        SetForegroundWindow(window);
}

} // namespace platform

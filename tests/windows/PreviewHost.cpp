// A stand-in for Windows's screensaver settings page: a 400 x 300 window at 100,100 whose handle goes to
// "<screensaver> /p <handle>" (or /P), started by this program as the settings page starts it. Prints
// "host <handle>", then "child <width>x<height>" once the screensaver has put a visible child window in
// it. Once the file <close> exists it ends, its window with it (the settings page going away), with exit
// code 0; 5 when the screensaver ended first.
//   preview_host <screensaver> p|P <close>
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 4)
        return 2;
    WNDCLASSW type{};
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    type.lpszClassName = L"PreviewHost";
    RegisterClassW(&type);
    RECT frame{0, 0, 400, 300};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND host = CreateWindowW(
        L"PreviewHost", L"Preview Host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 100, 100,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, type.hInstance, nullptr);
    std::printf("host %llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(host)));
    std::fflush(stdout);

    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" /" + argv[2] + L" " +
                           std::to_wstring(reinterpret_cast<UINT_PTR>(host));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &saver))
        return 3;

    bool childSeen = false;
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &saver.hProcess, FALSE, 100, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0)
            return 5;
        if (GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES)
            return 0;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        HWND child = GetWindow(host, GW_CHILD);
        RECT area{};
        if (!childSeen && child && IsWindowVisible(child) && GetClientRect(child, &area)) {
            childSeen = true;
            std::printf("child %ldx%ld\n", area.right - area.left, area.bottom - area.top);
            std::fflush(stdout);
        }
    }
}

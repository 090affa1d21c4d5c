#include "ParentConsole.h"

#include <windows.h>

#include <cstdio>
#include <io.h>

namespace platform {

namespace {

bool HasDestination(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void UseParentConsole() {
    const bool out = HasDestination(STD_OUTPUT_HANDLE);
    const bool err = HasDestination(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The C runtime opened its streams on nothing at start-up: reopen the missing ones on the console.
    if (!out && std::freopen("CONOUT$", "w", stdout))
        SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))));
    if (!err && std::freopen("CONOUT$", "w", stderr))
        SetStdHandle(STD_ERROR_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stderr))));
}

} // namespace platform

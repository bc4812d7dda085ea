#include "platform/win32/SystemRelease.h"

#include <windows.h>

namespace tintfall {

namespace {

struct OsVersion {
    ULONG size;
    ULONG major;
    ULONG minor;
    ULONG build;
    ULONG platform;
    WCHAR servicePack[128];
};

using RtlGetVersionCall = LONG(WINAPI*)(OsVersion*);

}  // namespace

SystemRelease reportSystemRelease() {
    SystemRelease release;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll) return release;
    OsVersion version{};
    version.size = sizeof version;
    auto getVersion = reinterpret_cast<RtlGetVersionCall>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (getVersion && getVersion(&version) == 0) {
        release.major = static_cast<int>(version.major);
        release.minor = static_cast<int>(version.minor);
    }
    // Only Wine's ntdll exports its own version.
    release.wine = GetProcAddress(ntdll, "wine_get_version") != nullptr;
    return release;
}

}  // namespace tintfall

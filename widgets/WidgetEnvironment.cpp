#include "widgets/WidgetEnvironment.h"

#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace {

CWidgetEnvironment g_RealEnvironment;
CWidgetEnvironment* g_Environment = nullptr;

typedef LONG(WINAPI* NtQuerySystemInformationFn)(ULONG, PVOID, ULONG, PULONG);

NtQuerySystemInformationFn LookUpQueryFunction() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll");
    return ntdll ? (NtQuerySystemInformationFn)(void*)GetProcAddress(ntdll, "NtQuerySystemInformation") : nullptr;
}

}  // namespace

CWidgetEnvironment& GetWidgetEnvironment() { return g_Environment ? *g_Environment : g_RealEnvironment; }

void SetWidgetEnvironment(CWidgetEnvironment* environment) { g_Environment = environment; }

__time64_t CWidgetEnvironment::Now() { return _time64(nullptr); }

bool CWidgetEnvironment::ToLocal(__time64_t moment, struct tm& local) {
    local = tm();
    return _localtime64_s(&local, &moment) == 0;
}

__time64_t CWidgetEnvironment::FromLocal(struct tm& local) {
    local.tm_isdst = -1;
    return _mktime64(&local);
}

bool CWidgetEnvironment::GetDaylightBias(int& biasMinutes) {
    TIME_ZONE_INFORMATION tzi;
    DWORD state = GetTimeZoneInformation(&tzi);
    biasMinutes = (int)tzi.DaylightBias;
    return state == TIME_ZONE_ID_DAYLIGHT;
}

int CWidgetEnvironment::GetPlatformId() {
    // Every Windows this program runs on is of the NT family.
    return VER_PLATFORM_WIN32_NT;
}

bool CWidgetEnvironment::QuerySystemInformation(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) {
    static NtQuerySystemInformationFn query = LookUpQueryFunction();
    if (!query) return false;
    ULONG got = 0;
    LONG status = query(infoClass, buffer, size, &got);
    if (returned) *returned = got;
    return status >= 0;
}

bool CWidgetEnvironment::GetMemoryStatus(MEMORYSTATUSEX& status) {
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) != FALSE;
}

UINT CWidgetEnvironment::GetDriveType(const CString& drive) { return ::GetDriveTypeW(drive); }

bool CWidgetEnvironment::GetDiskSpace(const CString& drive, ULONGLONG& total, ULONGLONG& totalFree) {
    ULARGE_INTEGER avail, t, f;
    if (!GetDiskFreeSpaceExW(drive, &avail, &t, &f)) return false;
    total = t.QuadPart;
    totalFree = f.QuadPart;
    return true;
}

bool CWidgetEnvironment::GetPowerStatus(SYSTEM_POWER_STATUS& status) {
    return GetSystemPowerStatus(&status) != FALSE;
}

void CWidgetEnvironment::PlaySoundAsync(const CString& path) {
    PlaySoundW(path, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void CWidgetEnvironment::ShellOpen(const CString& target) {
    ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

bool CWidgetEnvironment::FileExists(const CString& path) {
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(path, &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

CString CWidgetEnvironment::GetProgramFolder() { return g_ProgramFolder; }

WidgetUserProfile CWidgetEnvironment::GetUserProfile() {
    WidgetUserProfile profile;
    profile.useUserInfo = g_Settings.User.Enable;
    profile.userName = g_Settings.UserName;
    profile.birthYear = g_Settings.BirthYear;
    profile.birthMonth = g_Settings.BirthMonth;
    profile.birthDay = g_Settings.BirthDay;
    profile.birthHour = g_Settings.BirthHour;
    profile.birthMinute = g_Settings.BirthMinute;
    profile.birthCalendar = g_Settings.BirthCalendar;
    profile.regionName = g_Settings.User.city;
    return profile;
}

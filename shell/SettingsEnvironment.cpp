#include "SettingsEnvironment.h"

#include <wincrypt.h>

namespace {
const wchar_t kRecentMemoKey[] = L"SOFTWARE\\Havrond\\Zorel\\Config";
const wchar_t kRecentMemoValue[] = L"RecentMemo";

CSettingsEnvironment g_RealEnvironment;
CSettingsEnvironment* g_Environment = &g_RealEnvironment;
}  // namespace

CSettingsEnvironment& GetSettingsEnvironment() { return *g_Environment; }

void SetSettingsEnvironment(CSettingsEnvironment* environment) {
    g_Environment = environment ? environment : &g_RealEnvironment;
}

int CSettingsEnvironment::GetMonitorCount() {
    int count = GetSystemMetrics(SM_CMONITORS);
    return count > 0 ? count : 1;
}

bool CSettingsEnvironment::IsNtFamily() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return true;
#pragma GCC diagnostic pop
    return info.dwPlatformId >= VER_PLATFORM_WIN32_NT;
}

CString CSettingsEnvironment::GetKeyboardCountry() {
    LCID locale = MAKELCID(LOWORD((ULONG_PTR)GetKeyboardLayout(0)), SORT_DEFAULT);
    wchar_t name[128] = {};
    if (!GetLocaleInfoW(locale, LOCALE_SENGCOUNTRY, name, 128) || !name[0]) return L"Unknown";
    return name;
}

bool CSettingsEnvironment::ReadRecentMemo(CString& name) {
    name.Empty();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRecentMemoKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = 0;
    bool ok = false;
    if (RegQueryValueExW(key, kRecentMemoValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ && size <= 64 * 1024) {
        CString value;
        wchar_t* buffer = value.GetBuffer((int)(size / sizeof(wchar_t)) + 1);
        DWORD got = size;
        if (RegQueryValueExW(key, kRecentMemoValue, nullptr, &type, (BYTE*)buffer, &got) == ERROR_SUCCESS) {
            buffer[got / sizeof(wchar_t)] = 0;
            value.ReleaseBuffer();
            name = value;
            ok = true;
        }
    }
    RegCloseKey(key);
    return ok;
}

bool CSettingsEnvironment::WriteRecentMemo(const CString& name) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRecentMemoKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, kRecentMemoValue, 0, REG_SZ, (const BYTE*)name.GetString(),
                                 (DWORD)((name.GetLength() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

CString CSettingsEnvironment::MakeSharePassword() {
    // A password that guards file sharing must not be guessable from the
    // start time, so it comes from the cryptographic provider. Bytes of 250
    // and above are dropped so that every digit is equally likely.
    CString digits;
    HCRYPTPROV provider = 0;
    if (CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
        BYTE bytes[64];
        while (digits.GetLength() < 9 && CryptGenRandom(provider, sizeof(bytes), bytes)) {
            for (BYTE b : bytes) {
                if (b < 250 && digits.GetLength() < 9) digits.AppendChar((wchar_t)(L'0' + b % 10));
            }
        }
        CryptReleaseContext(provider, 0);
    }
    if (digits.GetLength() == 9) return digits;
    // No provider: still nine digits, from the best source left.
    digits.Empty();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    unsigned long long x = (unsigned long long)counter.QuadPart ^ ((unsigned long long)GetTickCount() << 32) ^
                           (unsigned long long)GetCurrentProcessId() * 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 9; ++i) {
        x ^= x << 13; x ^= x >> 7; x ^= x << 17;
        digits.AppendChar((wchar_t)(L'0' + (int)(x % 10)));
    }
    return digits;
}

CTime CSettingsEnvironment::Now() { return CTime::GetCurrentTime(); }

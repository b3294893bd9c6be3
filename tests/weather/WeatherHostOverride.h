// Points the weather feed at another host for the life of the object
// (ZOREL_WEATHER_HOST; null takes the override away), then puts back what
// the process had.
#pragma once

#include <windows.h>

#include <string>

class WeatherHostOverride {
public:
    explicit WeatherHostOverride(const wchar_t* host) {
        wchar_t old[256];
        DWORD n = ::GetEnvironmentVariableW(kName, old, 256);
        m_had = n > 0 && n < 256;
        if (m_had) m_old = old;
        ::SetEnvironmentVariableW(kName, host);
    }
    ~WeatherHostOverride() { ::SetEnvironmentVariableW(kName, m_had ? m_old.c_str() : nullptr); }
    WeatherHostOverride(const WeatherHostOverride&) = delete;
    WeatherHostOverride& operator=(const WeatherHostOverride&) = delete;

private:
    static constexpr const wchar_t* kName = L"ZOREL_WEATHER_HOST";
    bool m_had = false;
    std::wstring m_old;
};

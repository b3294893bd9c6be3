// What the settings loader asks of the system: the monitor count, the
// Windows family, the keyboard layout's country, the registry value of the
// most recent note, fresh share passwords and the clock. Tests put their own
// answers in place of the real ones.
#pragma once

#include "fw/Afx.h"

class CSettingsEnvironment {
public:
    virtual ~CSettingsEnvironment() = default;

    // Number of display monitors (at least 1).
    virtual int GetMonitorCount();
    // True on the NT family, where layered windows exist.
    virtual bool IsNtFamily();
    // English country name of the current keyboard layout's locale.
    virtual CString GetKeyboardCountry();
    // The most recently used note, kept under HKCU\SOFTWARE\Havrond\Zorel\Config.
    virtual bool ReadRecentMemo(CString& name);
    virtual bool WriteRecentMemo(const CString& name);
    // Nine decimal digits from the system's cryptographic random source.
    virtual CString MakeSharePassword();
    virtual CTime Now();
};

// The environment in use; SetSettingsEnvironment(nullptr) restores the real one.
CSettingsEnvironment& GetSettingsEnvironment();
void SetSettingsEnvironment(CSettingsEnvironment* environment);

// Everything the measures ask of the machine and of the rest of the program:
// the clock, system information, sounds and the shell, and the user's profile.
// The real one talks to Windows and the settings; tests install their own to
// inject samples and moments.
#pragma once

#include "fw/Afx.h"

#include <ctime>

// The program-wide user profile values that the user and biorhythm measures
// read, taken together once per update.
struct WidgetUserProfile {
    int useUserInfo = 0;
    CString userName;
    int birthYear = 2000, birthMonth = 1, birthDay = 1;
    int birthHour = 12, birthMinute = 0;
    int birthCalendar = 0;  // 0 solar, 1 lunar, 2 lunar leap month
    CString regionName;     // the user's city
};

class CWidgetEnvironment {
public:
    virtual ~CWidgetEnvironment() = default;

    // Clock: seconds since 1970 (UTC) and the local calendar of a moment.
    virtual __time64_t Now();
    virtual bool ToLocal(__time64_t moment, struct tm& local);
    // A local date and time (fields may be out of range) as a moment.
    virtual __time64_t FromLocal(struct tm& local);
    // True while daylight saving time is in effect; bias in minutes.
    virtual bool GetDaylightBias(int& biasMinutes);

    // System information.
    virtual int GetPlatformId();
    // False when the system-information function is not available.
    virtual bool QuerySystemInformation(ULONG infoClass, void* buffer, ULONG size, ULONG* returned);
    virtual bool GetMemoryStatus(MEMORYSTATUSEX& status);
    virtual UINT GetDriveType(const CString& drive);
    virtual bool GetDiskSpace(const CString& drive, ULONGLONG& total, ULONGLONG& totalFree);
    virtual bool GetPowerStatus(SYSTEM_POWER_STATUS& status);

    // Effects.
    virtual void PlaySoundAsync(const CString& path);
    virtual void ShellOpen(const CString& target);
    virtual bool FileExists(const CString& path);
    virtual CString GetProgramFolder();

    // The user's profile, from the program's settings.
    virtual WidgetUserProfile GetUserProfile();
};

// The environment in use (the real one unless a test installed another).
CWidgetEnvironment& GetWidgetEnvironment();
// Installs an environment (not owned); null goes back to the real one.
void SetWidgetEnvironment(CWidgetEnvironment* environment);

// Shared helpers of the widget-engine tests: a dump of a skin's sections, an
// environment with injected moments and samples, and a skinned host with an
// off-screen back buffer.
#pragma once

#include "ScratchFolder.h"
#include "widgets/SkinDefinition.h"
#include "widgets/SkinHost.h"
#include "widgets/WidgetEnvironment.h"

#include <gdiplus.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

// "NAME{key=value;...}" per section, keys sorted, sections in order.
CString DumpSections(const SkinDefinition& skin);

class FakeEnvironment : public CWidgetEnvironment {
public:
    FakeEnvironment() { SetWidgetEnvironment(this); }
    ~FakeEnvironment() override { SetWidgetEnvironment(nullptr); }

    __time64_t Now() override { return now; }
    bool GetDaylightBias(int& bias) override {
        bias = daylightBias;
        return daylight;
    }
    bool QuerySystemInformation(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) override;
    bool GetMemoryStatus(MEMORYSTATUSEX& status) override {
        status = memory;
        return memoryOk;
    }
    UINT GetDriveType(const CString&) override { return driveType; }
    bool GetDiskSpace(const CString& drive, ULONGLONG& total, ULONGLONG& totalFree) override {
        askedDrives.push_back(drive);
        total = diskTotal;
        totalFree = diskFree;
        return true;
    }
    bool GetPowerStatus(SYSTEM_POWER_STATUS& status) override {
        status = SYSTEM_POWER_STATUS();
        status.BatteryLifePercent = batteryPercent;
        return true;
    }
    void PlaySoundAsync(const CString& path) override { sounds.push_back(path); }
    void ShellOpen(const CString& target) override { opened.push_back(target); }
    bool FileExists(const CString& path) override { return existingFile == path; }
    CString GetProgramFolder() override { return L"C:\\Zorel\\"; }

    __time64_t now = 0;
    bool daylight = false;
    int daylightBias = -60;
    int processorCount = 2;
    // Processor samples served one per query: idle, kernel, user per processor.
    std::vector<std::vector<std::array<LONGLONG, 3>>> cpuSamples;
    size_t nextSample = 0;
    ULONG cpuReturnedOverride = 0;
    MEMORYSTATUSEX memory = {};
    bool memoryOk = true;
    UINT driveType = DRIVE_FIXED;
    ULONGLONG diskTotal = 0, diskFree = 0;
    std::vector<CString> askedDrives;
    BYTE batteryPercent = 50;
    std::vector<CString> sounds, opened;
    CString existingFile;
};

// A skinned host whose back buffer is an off-screen GDI+ bitmap.
class FakeHost : public ISkinHost {
public:
    FakeHost(int width = 40, int height = 40);
    ~FakeHost() override;
    Gdiplus::Bitmap* GetBackBuffer() override { return buffer.get(); }
    int ExecuteCommand(const CString& command) override {
        commands.push_back(command);
        return handleCommands ? 1 : 0;
    }
    bool LoadBackgroundFile(const CString& path) override {
        backgrounds.push_back(path);
        return true;
    }
    void RefreshWindow() override { ++refreshes; }
    CString GetSkinFile() const override { return skinFile; }

    // The pixel as 0xAARRGGBB.
    DWORD Pixel(int x, int y) const;

    std::unique_ptr<Gdiplus::Bitmap> buffer;
    std::vector<CString> commands, backgrounds;
    int refreshes = 0;
    bool handleCommands = true;
    CString skinFile = L"C:\\Zorel\\skin\\widgets\\timer\\timer.xml";
};

// GDI+ started for the whole test program.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();

private:
    ULONG_PTR m_Token = 0;
};

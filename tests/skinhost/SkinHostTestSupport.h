// Real skinned windows for tests: meter kinds of the tests' own (a drawn
// box, a button, a web picture, a weather meter), an owner and a system that
// record what the windows ask of the frame and of Windows, and skin files
// written into a scratch program folder.
#pragma once

#include "MessagePump.h"
#include "ScratchFolder.h"
#include "SkinTestSupport.h"

#include "widgets/GDIDialog.h"
#include "widgets/Meter.h"
#include "widgets/MeterFaces.h"
#include "widgets/MeterFactory.h"

#include "shell/ActionSystem.h"
#include "ui/FloatingOptions.h"
#include "ui/ZDialogOwner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// Everything the test meters saw, in order.
struct MeterLog {
    std::vector<int> nowCallsAtDraw;       // measure updates seen by each Draw
    std::vector<std::pair<int, bool>> downloads;  // (meter ID, success)
    std::vector<std::pair<int, std::string>> feeds;
    void Clear() { *this = MeterLog(); }
};
extern MeterLog g_MeterLog;

// An environment whose clock counts how often the time measures read it.
struct CountingEnvironment : FakeEnvironment {
    int nowCalls = 0;
    __time64_t Now() override {
        ++nowCalls;
        return now;
    }
};
extern CountingEnvironment* g_CountingEnvironment;

// DrawType STRING: the base meter (solid colour and bevel) that notes when
// it draws.
class TestBoxMeter : public CMeter {
public:
    explicit TestBoxMeter(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_STRING; }
    bool Draw() override {
        g_MeterLog.nowCallsAtDraw.push_back(g_CountingEnvironment ? g_CountingEnvironment->nowCalls : -1);
        return CMeter::Draw();
    }
};

// DrawType BUTTON: down while pressed on it; Command, ToolTip, HyperLink.
class TestButtonMeter : public CMeter, public IButtonMeter {
public:
    explicit TestButtonMeter(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_BUTTON; }
    void ReadConfig(const CInfoSection& section) override {
        CMeter::ReadConfig(section);
        m_command = section.GetString(L"Command", L"");
        m_toolTip = section.GetString(L"ToolTip", L"");
        m_link = section.GetInt(L"HyperLink", 0);
    }
    bool IsButton() override { return true; }
    bool UpdateButtonState(bool down, CPoint point) override {
        bool want = down && HitTest(point.x, point.y);
        if (want == m_down) return false;
        m_down = want;
        return true;
    }
    CString GetCommand() override { return m_command; }
    CString GetToolTipText() override { return m_toolTip; }
    bool HitTestToolTip(CPoint point) override { return !m_toolTip.IsEmpty() && HitTest(point.x, point.y); }
    int GetHyperLink() override { return m_link; }

private:
    CString m_command, m_toolTip;
    int m_link = 0;
    bool m_down = false;
};

// DrawType IMAGE: a picture from URL, cached under CacheID.
class TestWebMeter : public CMeter {
public:
    explicit TestWebMeter(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_IMAGE; }
    void ReadConfig(const CInfoSection& section) override {
        CMeter::ReadConfig(section);
        m_url = section.GetString(L"URL", L"");
        m_cacheId = section.GetInt(L"CacheID", 0);
    }
    CString GetImageUrl() override { return m_url; }
    int GetCacheKey(int fallback) override { return m_cacheId > 0 ? m_cacheId + 10000000 : fallback; }
    int GetIndicator() override { return 1; }
    void OnImageDownloaded(bool success) override {
        g_MeterLog.downloads.push_back({GetID(), success});
        m_ImageState = success ? IMAGE_STATE_LOADED : IMAGE_STATE_NONE;
    }

private:
    CString m_url;
    int m_cacheId = 0;
};

// DrawType WEATHER: keeps the feeds it gets; DetailLink.
class TestWeatherMeter : public CMeter, public IWeatherMeter {
public:
    explicit TestWeatherMeter(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_WEATHER; }
    void ReadConfig(const CInfoSection& section) override {
        CMeter::ReadConfig(section);
        m_link = section.GetString(L"DetailLink", L"");
    }
    void ParseWeatherFeed(const char* buffer, int length) override {
        g_MeterLog.feeds.push_back({GetID(), std::string(buffer, (size_t)length)});
    }
    CString GetDetailLink() override { return m_link; }

private:
    CString m_link;
};

class RecordingSkinOwner : public CZDialogOwner {
public:
    struct ToolTipCall {
        int x, y;
        CString name;
    };
    int saves = 0;
    std::vector<int> autoSaves;
    std::vector<CString> actions;
    std::vector<ToolTipCall> toolTips;
    std::vector<CZDialog*> forgotten, hidOthersOf;
    std::vector<CString> opened;
    int userInfo = 0;
    CRect quickMenu;
    bool quickMenuOpen = false;

    void RequestSaveSoon() override { ++saves; }
    int ExecuteAction(const CString& text) override {
        actions.push_back(text);
        return 7;
    }
    void AutoSaveMemos(int all) override { autoSaves.push_back(all); }
    void ShowToolTipWidget(int x, int y, const CString& name, CZDialog*) override { toolTips.push_back({x, y, name}); }
    void ForgetShutdownCountdown(CZDialog* window) override { forgotten.push_back(window); }
    void ShowAllWidgets(BOOL, CZDialog* except) override { hidOthersOf.push_back(except); }
    bool GetQuickMenuRect(CRect& rect) override {
        rect = quickMenu;
        return quickMenuOpen;
    }
    void OpenWidget(const CString& skin) override { opened.push_back(skin); }
    void OpenUserInformation() override { ++userInfo; }
};

class RecordingSystem : public IActionSystem {
public:
    struct Shutdown {
        DWORD seconds;
        bool force, restart;
    };
    std::vector<Shutdown> shutdowns;
    int aborts = 0;
    std::vector<CString> shellOpened;

    void StartSystemShutdown(DWORD seconds, bool force, bool restart) override {
        shutdowns.push_back({seconds, force, restart});
    }
    void AbortShutdown() override { ++aborts; }
    void LogOff(bool) override {}
    void ShellOpen(const CString& target) override { shellOpened.push_back(target); }
    void RunWinExec(const CStringA&) override {}
    void ShowDesktop(bool) override {}
    void MonitorPowerOff() override {}
    void LockSession() override {}
    void Pause(DWORD) override {}
    bool FileExists(const CString& path) override { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }
    bool RemoveFile(const CString&) override { return false; }
    CString GetSystemFolder() override { return CString(); }
    CString GetWindowsFolder() override { return CString(); }
};

// A skinned window that records the commands it runs, answers the copy
// name question and notes its own deletion.
class TestSkinWindow : public CGDIDialog {
public:
    TestSkinWindow() : CGDIDialog(nullptr) {}
    ~TestSkinWindow() override {
        if (deleted) *deleted = true;
    }
    int ExecuteCommand(const CString& command) override {
        ran.push_back(command);
        if (command == L"CLOSE_SELF") {
            DestroyWindow();
            ran.push_back(L"closed");
            return 1;
        }
        return CGDIDialog::ExecuteCommand(command);
    }
    bool AskSkinCopyName(const CString& proposed, CString& entered) override {
        askedWith = proposed;
        entered = answer;
        return answerOk;
    }
    void ShowSkinNotice(const CString& text) override { notices.push_back(text); }

    std::vector<CString> ran;
    std::vector<CString> notices;
    CString askedWith, answer;
    bool answerOk = true;
    bool* deleted = nullptr;
};

struct SkinHostTest : ::testing::Test {
    static CFloatingOptions s_options;
    static CFloatingOptions Options() { return s_options; }

    CScratchFolder folder{L"skinhost"};
    RecordingSkinOwner owner;
    RecordingSystem system;
    CountingEnvironment environment;
    std::vector<TestSkinWindow*> windows;
    CString savedProgramFolder;
    static constexpr MeterKind kTestKinds[] = {METER_STRING, METER_BUTTON, METER_IMAGE, METER_WEATHER};
    std::map<MeterKind, MeterMaker> savedMakers;
    CGDIDialog::DownloadStarter savedStarter;

    void SetUp() override;
    void TearDown() override;

    // Writes a skin file below the scratch folder and gives its path.
    CString Skin(const CString& relative, const std::string& text) { return folder.Write(relative, text); }
    // A shown skinned window with that skin at the screen point.
    TestSkinWindow* Open(const CString& skinFile, CPoint at = CPoint(200, 150));
    // The back buffer's pixel as 0xAARRGGBB.
    static DWORD Pixel(CGDIDialog* window, int x, int y);
    // Writes a PNG of one colour.
    static bool WritePng(const CString& path, int width, int height, DWORD argb);
};

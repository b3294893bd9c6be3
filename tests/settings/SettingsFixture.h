// A temporary program folder, a fresh settings record and a settings
// environment whose answers the test chooses.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsEnvironment.h"
#include "shell/SettingsSections.h"
#include "shell/SettingsStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

class FakeSettingsEnvironment : public CSettingsEnvironment {
public:
    int monitors = 1;
    bool ntFamily = true;
    CString country = L"United States";
    CString recentMemo;
    int recentWrites = 0;
    CString password = L"123456789";
    CTime now = CTime(2026, 3, 4, 5, 6, 7);

    int GetMonitorCount() override { return monitors; }
    bool IsNtFamily() override { return ntFamily; }
    CString GetKeyboardCountry() override { return country; }
    bool ReadRecentMemo(CString& name) override {
        name = recentMemo;
        return !name.IsEmpty();
    }
    bool WriteRecentMemo(const CString& name) override {
        recentMemo = name;
        ++recentWrites;
        return true;
    }
    CString MakeSharePassword() override { return password; }
    CTime Now() override { return now; }
};

// Each test gets its own program folder (its name holds Korean letters, so
// that it is no ANSI path under the default code page).
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.reset(new CScratchFolder(L"settings-\uC124\uC815"));
        folder = scratch->Path();
        ASSERT_NE(GetFileAttributesW(folder), INVALID_FILE_ATTRIBUTES);
        g_ProgramFolder = folder;
        g_Settings = CSettings();
        g_LanguageTable.RemoveAll();
        SetSettingsEnvironment(&env);
        SetDefaultSettings();
    }

    void TearDown() override {
        SetSettingsEnvironment(nullptr);
        SetFileAttributesW(ConfigPath(), FILE_ATTRIBUTE_NORMAL);
        scratch.reset();
        g_ProgramFolder.Empty();
        g_LanguageTable.RemoveAll();
        g_Settings = CSettings();
    }

    CString ConfigPath() const { return folder + L"ZorelConfig.xml"; }

    static void WriteBytes(const CString& path, const std::string& bytes) {
        HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        CloseHandle(h);
    }

    static std::string ReadBytes(const CString& path) {
        HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return std::string();
        std::string bytes;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got) bytes.append(buffer, got);
        CloseHandle(h);
        return bytes;
    }

    // A settings file with the given sections, in the file's own layout.
    void WriteConfig(const std::string& sections) {
        WriteBytes(ConfigPath(), "<ZorelConfig>\r\n" + sections + "</ZorelConfig>\r\n");
    }

    // LoadConfig into a fresh store.
    ConfigLoadResult Load() {
        store.reset(new CSettingsStore());
        return LoadConfig(*store);
    }

    std::unique_ptr<CScratchFolder> scratch;
    CString folder;  // the scratch folder's path
    FakeSettingsEnvironment env;
    std::unique_ptr<CSettingsStore> store;
};

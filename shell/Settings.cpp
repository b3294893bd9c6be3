#include "Settings.h"

#include "FileUtil.h"
#include "ProgramFolder.h"
#include "SettingsEnvironment.h"
#include "SettingsSections.h"
#include "SettingsStore.h"
#include "TextUtil.h"

#include <climits>

CSettings g_Settings;

namespace {
const wchar_t kTargetPath[] = L"$(TARGETPATH)\\";
const wchar_t kKoreanFace[] = L"\uAD74\uB9BC";  // Gulim

// Replaces every occurrence of from, compared without regard to case (the
// file system does not care how a folder is spelt).
CString ReplaceNoCase(const CString& text, const CString& from, const CString& to) {
    if (from.IsEmpty()) return text;
    CString upperText = text;
    upperText.MakeUpper();
    CString upperFrom = from;
    upperFrom.MakeUpper();
    CString result;
    int start = 0;
    for (int pos = upperText.Find(upperFrom); pos >= 0; pos = upperText.Find(upperFrom, start)) {
        result += text.Mid(start, pos - start);
        result += to;
        start = pos + from.GetLength();
    }
    result += text.Mid(start);
    return result;
}

}  // namespace

CString ExpandTargetPath(const CString& stored) { return ReplaceNoCase(stored, kTargetPath, g_ProgramFolder); }

CString MakeTargetPath(const CString& path) { return ReplaceNoCase(path, g_ProgramFolder, kTargetPath); }

void ScanPosition(const wchar_t* text, int& x, int& y) {
    if (!text) return;
    const wchar_t* p = text;
    if (!ScanInt(p, x)) return;
    ScanInt(p, y);
}

CString FormatPosition(int x, int y) {
    CString text;
    text.Format(L"%d %d", x, y);
    return text;
}

int ReadClampedInt(CSettingsStore& store, const wchar_t* section, const wchar_t* key, int defaultValue, int low,
                   int high) {
    int value = store.GetConfigInt(section, key, defaultValue);
    return value < low ? low : value > high ? high : value;
}

CString GetConfigFilePath() { return g_ProgramFolder + L"ZorelConfig.xml"; }

void SetDefaultSettings() {
    g_Settings.CheckInterval = 86400;
    g_Settings.ReportErrors = 1;
    g_Settings.FirstRunCheck = 0;
    g_Settings.ForceCheck = 0;
    if (g_ProgramFolder.IsEmpty()) g_ProgramFolder = GetExecutableFolder();
    g_Settings.CaptureSaveFolder = g_ProgramFolder + L"capture\\";
    if (GetSettingsEnvironment().GetKeyboardCountry().CompareNoCase(L"KOREA") == 0) {
        g_Settings.DefaultFontFace = kKoreanFace;
        g_Settings.DefaultFontSize = 12;
    } else {
        g_Settings.DefaultFontFace = L"Tahoma";
        g_Settings.DefaultFontSize = 13;
    }
    g_Settings.MemoLimit = 1000;
    g_Settings.UserName.Empty();
    g_Settings.BirthYear = 2000;
    g_Settings.BirthMonth = 1;
    g_Settings.BirthDay = 1;
    g_Settings.BirthHour = 12;
    g_Settings.BirthMinute = 0;
    g_Settings.BirthTimeKnown = 1;
    g_Settings.BirthCalendar = 0;
    g_Settings.UserSex = 0;
}

namespace {
void RunReaders(CSettingsStore& store) {
    ReadSystemSettings(store);
    ReadGeneralSettings(store);
    ReadClockSettings(store);
    ReadCalendarSettings(store);
    ReadScheduleSettings(store);
    ReadQuickMenuSettings(store);
    ReadAlarmSettings(store);
    ReadHotKeySettings(store);
    ReadCaptureSettings(store);
    ReadFileShareSettings(store);
    ReadWidgetSettings(store);
    ReadUserSettings(store);
}

void RunWriters(CSettingsStore& store) {
    WriteSystemSettings(store);
    WriteGeneralSettings(store);
    WriteClockSettings(store);
    WriteCalendarSettings(store);
    WriteScheduleSettings(store);
    WriteQuickMenuSettings(store);
    WriteAlarmSettings(store);
    WriteHotKeySettings(store);
    WriteCaptureSettings(store);
    WriteFileShareSettings(store);
    WriteWidgetSettings(store);
    WriteUserSettings(store);
}
}  // namespace

ConfigLoadResult LoadConfig(CSettingsStore& store) {
    // Set first, so that even a file that cannot be read is written later
    // (once a copy of it is safe).
    g_Settings.ConfigLoaded = 1;
    CSettingsStore::LoadState state = store.Load(GetConfigFilePath());
    RunReaders(store);
    switch (state) {
    case CSettingsStore::LOAD_READ: return CONFIG_LOADED;
    case CSettingsStore::LOAD_MISSING: return CONFIG_MISSING;
    default: return CONFIG_DAMAGED;
    }
}

bool SaveConfig(CSettingsStore& store) {
    if (!store.HasDocument()) store.Create(GetConfigFilePath());
    RunWriters(store);
    if (!g_Settings.ConfigLoaded || !store.WasReadFromFile()) return true;
    return store.Save();
}

CSettingsStore& AppConfigStore() {
    static CSettingsStore store;
    return store;
}

bool SaveAppConfig() {
    // Every save of the settings reports its own failure, once per run of
    // failures; the next save tries again.
    if (!SaveConfig(AppConfigStore())) {
        ReportSaveFailure(GetConfigFilePath());
        return false;
    }
    ReportSaveSucceeded(GetConfigFilePath());
    return true;
}

bool IsKoreanLanguage() {
    CString language = g_Settings.System.language;
    language.MakeUpper();
    return language == L"KOREAN" || language == L"KOREA";
}

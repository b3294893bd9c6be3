// Sections General and Color: the defaults and looks of notes, the tray
// icon, hot-key and snapping options, and the twelve note colour types.
#include "ProgramFolder.h"
#include "Settings.h"
#include "SettingsEnvironment.h"
#include "SafePath.h"
#include "SettingsSections.h"
#include "SettingsStore.h"

#include <climits>

const COLORREF g_ColorTypeDefaults[COLOR_TYPE_COUNT] = {
    0xC6C6C6, 0xE1E1E1, 0xB5A6A6, 0xEAEABE, 0xBFCDEA, 0xEACDBE,
    0xBEEACE, 0xBEEAEA, 0xEAC3E0, 0xCE9AFF, 0xB36160, 0x329632,
};

namespace {
const wchar_t kGeneral[] = L"General";
const wchar_t kColor[] = L"Color";
const wchar_t kDefaultMemoFile[] = L"DefaultMemo.zrd";
const wchar_t kRecycleBin[] = L"RecycleBin.zrr";
const wchar_t kDefaultTitleFont[] = L"7816192|0|0|0|14|Tahoma";

const COLORREF kDefaultBackColor = 0xB5BED6;
const COLORREF kDefaultTitleColor = 0xC6C6C6;

const COLORREF* const kColorTypeDefaults = g_ColorTypeDefaults;

void EnsureFolderExists(const CString& folder) {
    // Only the last level is made; the program folder itself must exist.
    if (GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES) CreateDirectoryW(folder, nullptr);
}

// The first memo-group file in the memo folder, or the default group.
CString FirstGroupFile(const CString& memoFolder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(memoFolder + L"*.zrd", &found);
    if (search == INVALID_HANDLE_VALUE) return kDefaultMemoFile;
    CString result = kDefaultMemoFile;
    do {
        // The pattern also matches longer extensions through short names.
        CString name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.GetLength() > 4 &&
            name.Right(4).CompareNoCase(L".zrd") == 0 && IsSafeFileName(name)) {
            result = name;
            break;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return result;
}

int Int(CSettingsStore& store, const wchar_t* key, int defaultValue) {
    return store.GetConfigInt(kGeneral, key, defaultValue);
}

int Clamped(CSettingsStore& store, const wchar_t* key, int defaultValue, int low, int high) {
    return ReadClampedInt(store, kGeneral, key, defaultValue, low, high);
}

// A size that other code divides by or lays windows out with: a value below 1
// takes the default.
int Size(CSettingsStore& store, const wchar_t* key, int defaultValue) {
    int value = Int(store, key, defaultValue);
    return value >= 1 ? value : defaultValue;
}

COLORREF Colour(CSettingsStore& store, const wchar_t* section, const wchar_t* key, COLORREF defaultValue) {
    return (COLORREF)store.GetConfigInt(section, key, (int)defaultValue);
}

CString Text(CSettingsStore& store, const wchar_t* key, const wchar_t* defaultValue) {
    return store.GetConfigString(kGeneral, key, defaultValue);
}
}  // namespace

void ReadGeneralSettings(CSettingsStore& store) {
    CSettings::GeneralSection& g = g_Settings.General;
    CSettings::ColorSection& c = g_Settings.Color;

    g_Settings.MemoFolder = g_ProgramFolder + L"memo_data\\";
    g.MemoDBFile = Text(store, L"MemoDBFile", kDefaultMemoFile);
    EnsureFolderExists(g_Settings.MemoFolder);
    // The name is joined to the memo folder: a folder, drive or ".." in it
    // would reach outside, so such a value gives the default group.
    if (!IsSafeFileName(g.MemoDBFile)) g.MemoDBFile = kDefaultMemoFile;
    // The recycle bin may not be the current group.
    if (g.MemoDBFile.CompareNoCase(kRecycleBin) == 0) g.MemoDBFile = FirstGroupFile(g_Settings.MemoFolder);

    g_Settings.ScheduleFolder = g_ProgramFolder + L"schedule_data\\";
    EnsureFolderExists(g_Settings.ScheduleFolder);
    EnsureFolderExists(g_Settings.ScheduleFolder + L"history");

    g.BackgroundColor = Colour(store, kGeneral, L"BackgroundColor", kDefaultBackColor);
    g.DefaultColorType = Clamped(store, L"DefaultColorType", 0, 0, COLOR_TYPE_COUNT - 1);
    g.SkinType = Clamped(store, L"SkinType", 0, 0, 2);
    g_Settings.MemoMinWidth = 125;
    g_Settings.MemoMinHeight = 42;
    g.StartDX = Size(store, L"StartDX", 180);
    g.StartDY = Size(store, L"StartDY", 100);
    g.AutoMemoHeight = Int(store, L"AutoMemoHeight", 0);
    g.Bold = Int(store, L"Bold", 0);
    g.UnderLine = Int(store, L"UnderLine", 0);
    g.Italic = Int(store, L"Italic", 0);
    g.TextColor = Colour(store, kGeneral, L"TextColor", 0);
    g.TextSize = Size(store, L"TextSize", 10);
    g.FontName = Text(store, L"FontName", g_Settings.DefaultFontFace);
    g.TitleFont = Text(store, L"TitleFont", kDefaultTitleFont);
    g.MemoZPosition = Clamped(store, L"MemoZPosition", 0, 0, 2);
    g.ViewMemoOnStart = Int(store, L"ViewMemoOnStart", 1);
    g.ContractDX = Size(store, L"ContractDX", 180);
    g_Settings.FoldedHeight = 18;
    g.FitTitleWidth = Int(store, L"FitTitleWidth", 1);
    // New notes always start from these colours, whatever the file says.
    g_Settings.DefaultTitleColor = kDefaultTitleColor;
    g.BackgroundColor = kDefaultBackColor;
    g.MinTransVal = Clamped(store, L"MinTransVal", 255, 0, 255);
    g.MaxTransVal = Clamped(store, L"MaxTransVal", 255, 0, 255);
    g.Docking = Int(store, L"Docking", 1);
    g.DockingSize = Clamped(store, L"DockingSize", 10, 0, INT_MAX);
    g.SortStart = Int(store, L"SortStart", 15);
    g.MouseOverHiding = Int(store, L"MouseOverHiding", 0);
    g.HotKeyClockViewTime = Clamped(store, L"HotKeyClockViewTime", 4, 0, INT_MAX / 1000);
    g.UseRestore = Int(store, L"UseRestore", 1);
    g.CaptureAlwaysTop = Int(store, L"CaptureAlwaysTop", 1);
    for (int i = 0; i < COLOR_TYPE_COUNT; ++i) {
        CString key;
        key.Format(L"Type%02d", i);
        c.Type[i] = Colour(store, kColor, key, kColorTypeDefaults[i]);
    }
    c.RandomColor = store.GetConfigInt(kColor, L"RandomColor", 0);
    g.SimpleMemoInactive = Int(store, L"SimpleMemoInactive", 1);
    g.ViewEditTime = Int(store, L"ViewEditTime", 1);
    g.InactiveTitleCol = Colour(store, kGeneral, L"InactiveTitleCol", 0x804000);
    g.TrayIconClickRun = Clamped(store, L"TrayIconClickRun", 0, 0, 11);
    g.ShowTrayIcon = Int(store, L"ShowTrayIcon", 1);
    g.MemoTipMode = Clamped(store, L"MemoTipMode", 4, 0, 4);
    g.TipAutoHeight = Int(store, L"TipAutoHeight", 1);
    g.ColMemoTipArround = Colour(store, kGeneral, L"ColMemoTipArround", 0xFFCEA8);
    // An index into the monitor list: never past its end, never negative.
    g.WorkMonitor = Clamped(store, L"WorkMonitor", 0, 0, GetSettingsEnvironment().GetMonitorCount() - 1);
    g.ScrollMode = Int(store, L"ScrollMode", 0);
    g.RestoreScrollPos = Int(store, L"RestoreScrollPos", 1);
    g.HotKeyToggle = Int(store, L"HotKeyToggle", 0);
    g.HyperLink = Int(store, L"HyperLink", 1);
    g.EnableHotKey = Int(store, L"EnableHotKey", 1);
    g.HistoryLevel = Clamped(store, L"HistoryLevel", 1, 0, 2);
    g.WidgetShowEffect = Int(store, L"WidgetShowEffect", 1);
    g.RevisionPosition = Int(store, L"RevisionPosition", 1);
    g.SimpleMemoColor = Colour(store, kGeneral, L"SimpleMemoColor", 0);
    g.EnableDesktop = Int(store, L"EnableDesktop", 0);
    g.LastMemoBackColor = Colour(store, kGeneral, L"LastMemoBackColor", 0x9CFFFF);
    g.DefaultFontFace = Text(store, L"DefaultFontFace", L"");
    if (!g.DefaultFontFace.IsEmpty()) g_Settings.DefaultFontFace = g.DefaultFontFace;
    g.DefaultFontSize = Int(store, L"DefaultFontSize", 0);
    if (g.DefaultFontSize > 0) g_Settings.DefaultFontSize = g.DefaultFontSize;
    g.FriendIP = Text(store, L"FriendIP", L"");
    g.FriendPort = Clamped(store, L"FriendPort", 5330, 1, 65535);
    g.FriendPwd = Text(store, L"FriendPwd", L"");
    g.CheckInterval = Clamped(store, L"CheckInterval", 15, 1, 24 * 60 * 7);
    g.MemoScrollSize = Clamped(store, L"MemoScrollSize", 1, 1, 10);
    GetSettingsEnvironment().ReadRecentMemo(g_Settings.RecentMemo);
    g.PMCountDown = Int(store, L"PMCountDown", 60);
    g.PwdCursor = Clamped(store, L"PwdCursor", 0, 0, INT_MAX);
    g.MaxMemoSize = Int(store, L"MaxMemoSize", 327670);
    g.FirstRun = Int(store, L"FirstRun", 1);
    g.ActiveMemoCount = Clamped(store, L"ActiveMemoCount", 5, 0, INT_MAX);
}

void WriteGeneralSettings(CSettingsStore& store) {
    const CSettings::GeneralSection& g = g_Settings.General;
    auto Int = [&store](const wchar_t* key, int value) { store.WriteConfigInt(kGeneral, key, value); };
    auto Text = [&store](const wchar_t* key, const CString& value) { store.WriteConfigString(kGeneral, key, value); };

    Text(L"MemoDBFile", g.MemoDBFile);
    Int(L"BackgroundColor", (int)g.BackgroundColor);
    Int(L"DefaultColorType", g.DefaultColorType);
    Int(L"SkinType", g.SkinType);
    Int(L"StartDX", g.StartDX);
    Int(L"StartDY", g.StartDY);
    Int(L"AutoMemoHeight", g.AutoMemoHeight);
    Int(L"MemoZPosition", g.MemoZPosition);
    Int(L"Bold", g.Bold);
    Int(L"UnderLine", g.UnderLine);
    Int(L"Italic", g.Italic);
    Int(L"TextColor", (int)g.TextColor);
    Int(L"TextSize", g.TextSize);
    Text(L"FontName", g.FontName);
    Text(L"TitleFont", g.TitleFont);
    Int(L"ViewMemoOnStart", g.ViewMemoOnStart);
    Int(L"ContractDX", g.ContractDX);
    Int(L"FitTitleWidth", g.FitTitleWidth);
    Int(L"MinTransVal", g.MinTransVal);
    Int(L"MaxTransVal", g.MaxTransVal);
    Int(L"Docking", g.Docking);
    Int(L"DockingSize", g.DockingSize);
    Int(L"MouseOverHiding", g.MouseOverHiding);
    Int(L"HotKeyClockViewTime", g.HotKeyClockViewTime);
    Int(L"UseRestore", g.UseRestore);
    Int(L"CaptureAlwaysTop", g.CaptureAlwaysTop);
    store.WriteConfigInt(kColor, L"RandomColor", g_Settings.Color.RandomColor);
    Int(L"SimpleMemoInactive", g.SimpleMemoInactive);
    Int(L"ViewEditTime", g.ViewEditTime);
    Int(L"InactiveTitleCol", (int)g.InactiveTitleCol);
    Int(L"TrayIconClickRun", g.TrayIconClickRun);
    Int(L"ShowTrayIcon", g.ShowTrayIcon);
    Int(L"MemoTipMode", g.MemoTipMode);
    Int(L"TipAutoHeight", g.TipAutoHeight);
    Int(L"WorkMonitor", g.WorkMonitor);
    Int(L"ScrollMode", g.ScrollMode);
    Int(L"RestoreScrollPos", g.RestoreScrollPos);
    Int(L"HotKeyToggle", g.HotKeyToggle);
    Int(L"EnableHotKey", g.EnableHotKey);
    Int(L"HyperLink", g.HyperLink);
    Int(L"HistoryLevel", g.HistoryLevel);
    Int(L"WidgetShowEffect", g.WidgetShowEffect);
    Int(L"RevisionPosition", g.RevisionPosition);
    Int(L"EnableDesktop", g.EnableDesktop);
    Int(L"LastMemoBackColor", (int)g.LastMemoBackColor);
    Text(L"DefaultFontFace", g.DefaultFontFace);
    Int(L"DefaultFontSize", g.DefaultFontSize);
    Text(L"FriendIP", g.FriendIP);
    Int(L"FriendPort", g.FriendPort);
    Text(L"FriendPwd", g.FriendPwd);
    Int(L"CheckInterval", g.CheckInterval);
    // Like the file, the registry value is left alone until the settings were loaded.
    if (g_Settings.ConfigLoaded) GetSettingsEnvironment().WriteRecentMemo(g_Settings.RecentMemo);
    Int(L"PwdCursor", g.PwdCursor);
    // The first-run note is made once; from the first save on it is done.
    Int(L"FirstRun", 0);
    Int(L"ActiveMemoCount", g.ActiveMemoCount);
}

// Sections Clock, Calendar, Schedule, QuickMenu and Widget: the skinned
// floating windows' skins, places, levels and options.
#include "ProgramFolder.h"
#include "Settings.h"
#include "SettingsEnvironment.h"
#include "SettingsSections.h"
#include "SettingsStore.h"

#include <climits>

namespace {
const wchar_t kClock[] = L"Clock";
const wchar_t kCalendar[] = L"Calendar";
const wchar_t kSchedule[] = L"Schedule";
const wchar_t kQuickMenu[] = L"QuickMenu";
const wchar_t kWidget[] = L"Widget";

// Opacity is only read where layered windows exist; elsewhere windows are opaque.
int ReadOpacity(CSettingsStore& store, const wchar_t* section) {
    if (!GetSettingsEnvironment().IsNtFamily()) return 255;
    return ReadClampedInt(store, section, L"TransVal", 255, 0, 255);
}

// An empty value gives the section's default skin.
CString ReadSkinPath(CSettingsStore& store, const wchar_t* section, const wchar_t* key, const CString& defaultPath) {
    CString stored = store.GetConfigString(section, key, L"");
    return stored.IsEmpty() ? defaultPath : ExpandTargetPath(stored);
}

void ReadPosition(CSettingsStore& store, const wchar_t* section, const wchar_t* defaultText, int& x, int& y) {
    CString text = store.GetConfigString(section, L"WinSXSY", defaultText);
    ScanPosition(text, x, y);
}

int Level(CSettingsStore& store, const wchar_t* section, int defaultValue) {
    return ReadClampedInt(store, section, L"ZPosition", defaultValue, 0, 2);
}
}  // namespace

void ReadClockSettings(CSettingsStore& store) {
    CSettings::ClockSection& s = g_Settings.Clock;
    s.TransVal = ReadOpacity(store, kClock);
    s.MouseOverHiding = store.GetConfigInt(kClock, L"MouseOverHiding", 0);
    s.ViewMode = ReadClampedInt(store, kClock, L"ViewMode", 2, 0, 2);
    s.SpecialTime[0] = store.GetConfigInt(kClock, L"SpecialTime_0", 0);
    s.SpecialTime[1] = store.GetConfigInt(kClock, L"SpecialTime_30", 30);
    for (int n = 2; n <= 4; ++n) {
        CString key;
        key.Format(L"SpecialTime_%d", n);
        s.SpecialTime[n] = store.GetConfigInt(kClock, key, -1);
    }
    s.ViewingBeforeTime = ReadClampedInt(store, kClock, L"ViewingBeforeTime", 3, 0, 3600);
    s.ViewingAfterTime = ReadClampedInt(store, kClock, L"ViewingAfterTime", 1, 0, 3600);
    s.AlarmSoundFile = store.GetConfigString(kClock, L"AlarmSoundFile", L"");
    s.AlarmSoundDefault = store.GetConfigInt(kClock, L"AlarmSoundDefault", 0);
    s.SkinFile = ReadSkinPath(store, kClock, L"SkinFileXML", g_ProgramFolder + L"skin\\Clock\\default\\default.xml");
    s.SkinFolder = g_ProgramFolder + L"skin\\Clock\\";
    ReadPosition(store, kClock, L"0 0", s.WinX, s.WinY);
    s.ZPosition = Level(store, kClock, 1);
    s.StartView = store.GetConfigInt(kClock, L"StartView", 1);
    s.AllowMove = store.GetConfigInt(kClock, L"AllowMove", 1);
}

void SaveClockPlacement(CSettingsStore& store) {
    const CSettings::ClockSection& s = g_Settings.Clock;
    store.WriteConfigString(kClock, L"SkinFileXML", MakeTargetPath(s.SkinFile));
    store.WriteConfigString(kClock, L"WinSXSY", FormatPosition(s.WinX, s.WinY));
}

void WriteClockSettings(CSettingsStore& store) {
    const CSettings::ClockSection& s = g_Settings.Clock;
    store.WriteConfigInt(kClock, L"TransVal", s.TransVal);
    store.WriteConfigInt(kClock, L"MouseOverHiding", s.MouseOverHiding);
    store.WriteConfigInt(kClock, L"ViewMode", s.ViewMode);
    store.WriteConfigInt(kClock, L"ZPosition", s.ZPosition);
    store.WriteConfigString(kClock, L"AlarmSoundFile", s.AlarmSoundFile);
    store.WriteConfigInt(kClock, L"AlarmSoundDefault", s.AlarmSoundDefault);
    store.WriteConfigInt(kClock, L"SpecialTime_0", s.SpecialTime[0]);
    store.WriteConfigInt(kClock, L"SpecialTime_30", s.SpecialTime[1]);
    for (int n = 2; n <= 4; ++n) {
        CString key;
        key.Format(L"SpecialTime_%d", n);
        store.WriteConfigInt(kClock, key, s.SpecialTime[n]);
    }
    store.WriteConfigInt(kClock, L"ViewingBeforeTime", s.ViewingBeforeTime);
    store.WriteConfigInt(kClock, L"ViewingAfterTime", s.ViewingAfterTime);
    store.WriteConfigInt(kClock, L"StartView", s.StartView);
    store.WriteConfigInt(kClock, L"AllowMove", s.AllowMove);
    SaveClockPlacement(store);
}

void ReadCalendarSettings(CSettingsStore& store) {
    CSettings::CalendarSection& s = g_Settings.Calendar;
    s.TransVal = ReadOpacity(store, kCalendar);
    s.MouseOverHiding = store.GetConfigInt(kCalendar, L"MouseOverHiding", 0);
    s.AutoStart = store.GetConfigInt(kCalendar, L"AutoStart", 1);
    s.AlertType = ReadClampedInt(store, kCalendar, L"AlertType", 0, 0, 3);
    s.SkinFile = ReadSkinPath(store, kCalendar, L"SkinFileXML",
                              g_ProgramFolder + L"skin\\Calendar\\default\\default.xml");
    s.SkinFolder = g_ProgramFolder + L"skin\\Calendar\\";
    ReadPosition(store, kCalendar, L"279 389", s.WinX, s.WinY);
    s.ZPosition = Level(store, kCalendar, 0);
    s.ShowAlarmMarks = 1;
    s.MemorialDayCheck = store.GetConfigInt(kCalendar, L"MemorialDayCheck", 1);
    s.AllowMove = store.GetConfigInt(kCalendar, L"AllowMove", 1);
    s.TargetDay = store.GetConfigInt(kCalendar, L"TargetDay", 1);
    s.DayOfWeek = store.GetConfigInt(kCalendar, L"DayOfWeek", 1);
    s.DayOfMonth = store.GetConfigInt(kCalendar, L"DayOfMonth", 1);
    s.Period = store.GetConfigInt(kCalendar, L"Period", 1);
    s.TargetWeek = store.GetConfigInt(kCalendar, L"TargetWeek", 1);
    s.Repeat = store.GetConfigInt(kCalendar, L"Repeat", 1);
}

void WriteCalendarSettings(CSettingsStore& store) {
    const CSettings::CalendarSection& s = g_Settings.Calendar;
    store.WriteConfigInt(kCalendar, L"TransVal", s.TransVal);
    store.WriteConfigInt(kCalendar, L"MouseOverHiding", s.MouseOverHiding);
    store.WriteConfigInt(kCalendar, L"AutoStart", s.AutoStart);
    store.WriteConfigInt(kCalendar, L"AlertType", s.AlertType);
    store.WriteConfigInt(kCalendar, L"ZPosition", s.ZPosition);
    store.WriteConfigInt(kCalendar, L"MemorialDayCheck", s.MemorialDayCheck);
    store.WriteConfigString(kCalendar, L"SkinFileXML", MakeTargetPath(s.SkinFile));
    store.WriteConfigString(kCalendar, L"WinSXSY", FormatPosition(s.WinX, s.WinY));
    store.WriteConfigInt(kCalendar, L"AllowMove", s.AllowMove);
}

void ReadScheduleSettings(CSettingsStore& store) {
    CSettings::ScheduleSection& s = g_Settings.Schedule;
    s.TransVal = ReadOpacity(store, kSchedule);
    s.MouseOverHiding = store.GetConfigInt(kSchedule, L"MouseOverHiding", 0);
    s.StartMode = ReadClampedInt(store, kSchedule, L"StartMode", 2, 0, 2);
    s.SkinFile = ReadSkinPath(store, kSchedule, L"SkinFileXML",
                              g_ProgramFolder + L"skin\\Schedule\\default\\default.xml");
    s.SkinFolder = g_ProgramFolder + L"skin\\Schedule\\";
    ReadPosition(store, kSchedule, L"286 272", s.WinX, s.WinY);
    s.ZPosition = Level(store, kSchedule, 0);
    s.AllowMove = store.GetConfigInt(kSchedule, L"AllowMove", 1);
    s.ShowDDay = store.GetConfigInt(kSchedule, L"ShowDDay", 1);
    s.SortByTime = store.GetConfigInt(kSchedule, L"SortByTime", 1);
    s.ShowChecked = store.GetConfigInt(kSchedule, L"ShowChecked", 1);
}

void WriteScheduleSettings(CSettingsStore& store) {
    const CSettings::ScheduleSection& s = g_Settings.Schedule;
    store.WriteConfigInt(kSchedule, L"TransVal", s.TransVal);
    store.WriteConfigInt(kSchedule, L"MouseOverHiding", s.MouseOverHiding);
    store.WriteConfigInt(kSchedule, L"StartMode", s.StartMode);
    store.WriteConfigInt(kSchedule, L"ZPosition", s.ZPosition);
    store.WriteConfigString(kSchedule, L"SkinFileXML", MakeTargetPath(s.SkinFile));
    store.WriteConfigString(kSchedule, L"WinSXSY", FormatPosition(s.WinX, s.WinY));
    store.WriteConfigInt(kSchedule, L"AllowMove", s.AllowMove);
    store.WriteConfigInt(kSchedule, L"ShowDDay", s.ShowDDay);
    store.WriteConfigInt(kSchedule, L"SortByTime", s.SortByTime);
    store.WriteConfigInt(kSchedule, L"ShowChecked", s.ShowChecked);
}

void ReadQuickMenuSettings(CSettingsStore& store) {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    s.TransVal = ReadOpacity(store, kQuickMenu);
    // The folder comes first: the default skin path is built from it.
    s.SkinFolder = g_ProgramFolder + L"skin\\Menu\\";
    s.MouseOverHiding = store.GetConfigInt(kQuickMenu, L"MouseOverHiding", 0);
    s.AutoStart2 = store.GetConfigInt(kQuickMenu, L"AutoStart2", 1);
    s.SkinFile = ReadSkinPath(store, kQuickMenu, L"SkinFileXML2", s.SkinFolder + L"default\\memo_extend.xml");
    ReadPosition(store, kQuickMenu, L"-1 -1", s.WinX, s.WinY);
    s.ZPosition = Level(store, kQuickMenu, 0);
    s.AllowMove = store.GetConfigInt(kQuickMenu, L"AllowMove", 1);
    s.DockMode = store.GetConfigInt(kQuickMenu, L"DockMode", 1);
    s.DockXOffset = store.GetConfigInt(kQuickMenu, L"DockXOffset", -1);
    s.ShowTooltip = store.GetConfigInt(kQuickMenu, L"ShowTooltip", 1);
    s.MenuDelay = ReadClampedInt(store, kQuickMenu, L"MenuDelay", 3, 0, 3600);
    s.WideMenu = store.GetConfigInt(kQuickMenu, L"WideMenu", 0);
    s.Minimize = store.GetConfigInt(kQuickMenu, L"Minimize", 0);
    s.SlideEffect = store.GetConfigInt(kQuickMenu, L"SlideEffect", 1);
}

void WriteQuickMenuSettings(CSettingsStore& store) {
    const CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    store.WriteConfigInt(kQuickMenu, L"TransVal", s.TransVal);
    store.WriteConfigInt(kQuickMenu, L"MouseOverHiding", s.MouseOverHiding);
    store.WriteConfigInt(kQuickMenu, L"AutoStart2", s.AutoStart2);
    store.WriteConfigInt(kQuickMenu, L"ZPosition", s.ZPosition);
    store.WriteConfigString(kQuickMenu, L"SkinFileXML2", MakeTargetPath(s.SkinFile));
    store.WriteConfigString(kQuickMenu, L"WinSXSY", FormatPosition(s.WinX, s.WinY));
    store.WriteConfigInt(kQuickMenu, L"AllowMove", s.AllowMove);
    store.WriteConfigInt(kQuickMenu, L"DockMode", s.DockMode);
    store.WriteConfigInt(kQuickMenu, L"DockXOffset", s.DockXOffset);
    store.WriteConfigInt(kQuickMenu, L"ShowTooltip", s.ShowTooltip);
    store.WriteConfigInt(kQuickMenu, L"MenuDelay", s.MenuDelay);
    store.WriteConfigInt(kQuickMenu, L"WideMenu", s.WideMenu);
    store.WriteConfigInt(kQuickMenu, L"Minimize", s.Minimize);
    store.WriteConfigInt(kQuickMenu, L"SlideEffect", s.SlideEffect);
}

void ReadWidgetSettings(CSettingsStore& store) {
    CSettings::WidgetSection& s = g_Settings.Widget;
    s.ZPosition = Level(store, kWidget, 0);
    s.TransVal = ReadClampedInt(store, kWidget, L"TransVal", 255, 0, 255);
    s.MouseOverHiding = store.GetConfigInt(kWidget, L"MouseOverHiding", 0);
}

void WriteWidgetSettings(CSettingsStore& store) {
    const CSettings::WidgetSection& s = g_Settings.Widget;
    store.WriteConfigInt(kWidget, L"ZPosition", s.ZPosition);
    store.WriteConfigInt(kWidget, L"TransVal", s.TransVal);
    store.WriteConfigInt(kWidget, L"MouseOverHiding", s.MouseOverHiding);
}

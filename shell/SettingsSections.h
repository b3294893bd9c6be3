// The section readers and writers that LoadConfig and SaveConfig run, and
// the small rules they share. Each reader sets every field of its section,
// from the file or from the default; each writer writes the keys it owns.
#pragma once

#include "fw/Afx.h"
#include "shell/HotKeyInfo.h"

class CSettingsStore;

void ReadSystemSettings(CSettingsStore& store);
void WriteSystemSettings(CSettingsStore& store);
void ReadGeneralSettings(CSettingsStore& store);   // sections General and Color
void WriteGeneralSettings(CSettingsStore& store);
void ReadClockSettings(CSettingsStore& store);
void WriteClockSettings(CSettingsStore& store);
void ReadCalendarSettings(CSettingsStore& store);
void WriteCalendarSettings(CSettingsStore& store);
void ReadScheduleSettings(CSettingsStore& store);
void WriteScheduleSettings(CSettingsStore& store);
void ReadQuickMenuSettings(CSettingsStore& store);
void WriteQuickMenuSettings(CSettingsStore& store);
void ReadAlarmSettings(CSettingsStore& store);
void WriteAlarmSettings(CSettingsStore& store);
void ReadHotKeySettings(CSettingsStore& store);
void WriteHotKeySettings(CSettingsStore& store);
void ReadCaptureSettings(CSettingsStore& store);
void WriteCaptureSettings(CSettingsStore& store);
void ReadFileShareSettings(CSettingsStore& store);
void WriteFileShareSettings(CSettingsStore& store);
void ReadWidgetSettings(CSettingsStore& store);
void WriteWidgetSettings(CSettingsStore& store);
void ReadUserSettings(CSettingsStore& store);
void WriteUserSettings(CSettingsStore& store);

// Writes the clock's skin path and position into the document at once (the
// clock calls it when it moves or changes skin); the file is not written.
void SaveClockPlacement(CSettingsStore& store);

// The built-in combination of hot key id; the entry's id is left as it is.
void SetDefaultHotKey(int id, HotKeyInfo& entry);
// The text-table name of the fixed action behind hot key id, in the current
// language; empty for the program and web slots and for unknown ids.
CString GetHotKeyActionName(int id);

// Parses "ctrl alt shift key name" into entry. Fields after the first one
// that does not match keep their values; a name longer than the field is cut.
void ParseHotKeyText(const wchar_t* text, HotKeyInfo& entry);
CString MakeHotKeyText(const HotKeyInfo& entry);

// Stored paths inside the program folder begin with "$(TARGETPATH)\", so the
// file stays valid when the installation moves.
CString ExpandTargetPath(const CString& stored);
CString MakeTargetPath(const CString& path);

// Scans "%d %d" into x and y; a field that does not scan keeps its value.
void ScanPosition(const wchar_t* text, int& x, int& y);
CString FormatPosition(int x, int y);


// Reads a number key and keeps it within [low, high].
int ReadClampedInt(CSettingsStore& store, const wchar_t* section, const wchar_t* key, int defaultValue,
                   int low, int high);

#include "setup/SetupConfig.h"

#include "setup/SetupLogic.h"
#include "shell/SettingsStore.h"

namespace {

const int kNotWritten = -1000;  // a preset cell that leaves the key alone

struct IntPresetRow {
    const wchar_t* section;
    const wchar_t* key;
    int values[3];
};

const IntPresetRow kIntPresets[] = {
    {L"Clock", L"ViewMode", {2, 2, 2}},
    {L"Clock", L"SpecialTime_0", {0, -1, 0}},
    {L"Clock", L"SpecialTime_30", {30, -1, 30}},
    {L"Clock", L"SpecialTime_2", {kNotWritten, -1, kNotWritten}},
    {L"Clock", L"SpecialTime_3", {kNotWritten, -1, kNotWritten}},
    {L"Clock", L"SpecialTime_4", {kNotWritten, -1, kNotWritten}},
    {L"Clock", L"StartView", {1, 0, 1}},
    {L"Calendar", L"AutoStart", {1, 0, 1}},
    {L"Calendar", L"MemorialDayCheck", {1, 0, 1}},
    {L"Schedule", L"StartMode", {2, 0, 2}},
    {L"General", L"ViewMemoOnStart", {1, 1, 0}},
    {L"General", L"TrayIconClickRun", {0, 9, 4}},
};

struct HotKeyPresetRow {
    int id;
    const wchar_t* values[3];  // null: not written
};

const HotKeyPresetRow kHotKeyPresets[] = {
    {0, {L"1 1 0 78 N", L"1 1 0 78 N", L"1 1 0 -1 N"}},
    {18, {L"1 1 0 86 V", L"1 1 0 86 V", L"1 1 0 -1 V"}},
    {1, {L"1 1 0 33 PageUp", L"1 1 0 33 PageUp", L"1 1 0 -1 PageUp"}},
    {2, {L"1 1 0 34 PageDn", L"1 1 0 34 PageDn", L"1 1 0 -1 PageDn"}},
    {13, {L"1 1 0 122 F11", L"1 1 0 -1 F11", L"1 1 0 122 F11"}},
    {14, {L"1 1 0 123 F12", L"1 1 0 -1 F12", L"1 1 0 123 F12"}},
    {15, {L"1 1 0 67 C", L"1 1 0 -1 C", L"1 1 0 67 C"}},
    {17, {L"1 1 0 83 S", L"1 1 0 -1 S", L"1 1 0 83 S"}},
    {20, {L"1 1 0 70 F", L"1 1 0 70 F", L"1 1 0 -1 F"}},
    {21, {L"1 1 0 36 Home", L"1 1 0 -1 Home", L"1 1 0 -1 Home"}},
    {22, {L"1 1 0 35 End", L"1 1 0 -1 End", L"1 1 0 -1 End"}},
    {12, {L"1 1 0 77 M", L"1 1 0 -1 M", L"1 1 0 -1 M"}},
    {36, {nullptr, L"1 1 0 -1 L", nullptr}},
};

// Default web pages of the launcher slots: two portals and a search engine,
// all on reserved example hosts.
const wchar_t* const kPortalOne = L"http://portal.example.com/";
const wchar_t* const kPortalTwo = L"http://portal.example.net/";
const wchar_t* const kSearchEngine = L"http://search.example.org/";

CString HotKeyName(int id) {
    CString name;
    name.Format(L"Key%02d", id);
    return name;
}

void WriteSlotWhenEmpty(CSettingsStore& doc, const wchar_t* key, const wchar_t* value) {
    if (ReadSetupConfigString(doc, L"HotKey", key, L"").IsEmpty()) WriteSetupConfigString(doc, L"HotKey", key, value);
}

}  // namespace

int WriteSetupConfigInt(CSettingsStore& doc, const wchar_t* section, const wchar_t* key, int value) {
    return doc.WriteConfigInt(section, key, value);
}

int WriteSetupConfigString(CSettingsStore& doc, const wchar_t* section, const wchar_t* key, const wchar_t* text) {
    return doc.WriteConfigString(section, key, text);
}

CString ReadSetupConfigString(const CSettingsStore& doc, const wchar_t* section, const wchar_t* key,
                              const wchar_t* defaultValue) {
    if (!doc.HasDocument()) return CString(defaultValue);
    CString text = doc.GetConfigString(section, key, defaultValue);
    // At most 255 bytes, as a fixed buffer of the main program reads it.
    CStringA narrow(text);
    if (narrow.GetLength() > 255) text = CString(narrow.Left(255));
    return text;
}

void ApplyFinishOptions(CSettingsStore& doc, const FinishOptions& options) {
    WriteSetupConfigString(doc, L"System", L"language", options.korean ? L"korean" : L"english");

    if (SetupLogic::NeedsVersionFixUp(ReadSetupConfigString(doc, L"System", L"Version", L"0"))) {
        WriteSetupConfigString(doc, L"HotKey", HotKeyName(12), L"1 1 0 77 M");
        WriteSetupConfigString(doc, L"System", L"Version", L"3.1.1");
    }

    WriteSlotWhenEmpty(doc, L"HotKey01", L"shutdown_widget:5");
    WriteSlotWhenEmpty(doc, L"HotKey02", L"%SYSTEM%mspaint.exe");
    WriteSlotWhenEmpty(doc, L"HotKey03", L"%SYSTEM%calc.exe");
    WriteSlotWhenEmpty(doc, L"HotKey04", L"%SYSTEM%cmd.exe");
    if (options.korean) {
        WriteSlotWhenEmpty(doc, L"HotKey05", kPortalOne);
        WriteSlotWhenEmpty(doc, L"HotKey06", kPortalTwo);
        WriteSlotWhenEmpty(doc, L"HotKey07", kSearchEngine);
    } else {
        WriteSlotWhenEmpty(doc, L"HotKey05", kSearchEngine);
    }

    if (options.preset >= 0 && options.preset <= 2) {
        for (const IntPresetRow& row : kIntPresets) {
            int value = row.values[options.preset];
            if (value != kNotWritten) WriteSetupConfigInt(doc, row.section, row.key, value);
        }
        for (const HotKeyPresetRow& row : kHotKeyPresets) {
            const wchar_t* value = row.values[options.preset];
            if (value) WriteSetupConfigString(doc, L"HotKey", HotKeyName(row.id), value);
        }
    }

    WriteSetupConfigInt(doc, L"QuickMenu", L"AutoStart2", options.showMenuWidget ? 1 : 0);
}

int WriteFinishOptions(const FinishOptions& options) {
    CSettingsStore doc;
    doc.Load(SetupLogic::JoinFolder(options.installFolder, L"ZorelConfig.xml"));
    ApplyFinishOptions(doc, options);
    doc.Save();
    return 1;
}

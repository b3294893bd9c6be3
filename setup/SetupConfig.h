// The installer's traces in the main program's settings file ZorelConfig.xml:
// single keys, and the finish options (language, version fix-up, launcher
// slots, the chosen preset, the menu widget at start).
#pragma once

#include "fw/Afx.h"

class CSettingsStore;

// Set one key of the open document (section and key appended when missing,
// an existing key replaced where it stands). 1, or 0 with no document.
int WriteSetupConfigInt(CSettingsStore& doc, const wchar_t* section, const wchar_t* key, int value);
int WriteSetupConfigString(CSettingsStore& doc, const wchar_t* section, const wchar_t* key, const wchar_t* text);
// The key's text (at most 255 bytes in the file's code page), or the default
// when the document, the section or the key is missing.
CString ReadSetupConfigString(const CSettingsStore& doc, const wchar_t* section, const wchar_t* key,
                              const wchar_t* defaultValue);

// The finish page's choices.
enum SetupPreset { PRESET_MEMO_AND_SCHEDULE = 0, PRESET_MEMO = 1, PRESET_SCHEDULE = 2, PRESET_LAST_OPTIONS = 3 };

struct FinishOptions {
    CString installFolder;
    bool korean = false;
    int preset = PRESET_MEMO_AND_SCHEDULE;
    bool showMenuWidget = true;
};

// Writes the finish options into the document (which the caller has opened).
void ApplyFinishOptions(CSettingsStore& doc, const FinishOptions& options);
// Opens installFolder\ZorelConfig.xml (a missing file gives an empty
// document; a damaged one is kept as a dated copy first and what could be
// read of it stays), applies the options and saves the file atomically.
// Returns 1; a file that cannot be saved is not reported.
int WriteFinishOptions(const FinishOptions& options);

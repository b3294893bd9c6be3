// The value mapping of the clock page, without windows: the items the lists
// show for the stored values of section Clock, what the page stores for the
// items chosen, the sound choice, and the skins found under the clock's
// skin folder.
#pragma once

#include "fw/Afx.h"
#include "shell/Settings.h"

#include <vector>

class CClockPageLogic {
public:
    enum { VIEW_TIME_ITEMS = 15, MINUTE_ITEMS = 60, SECONDS_ITEMS = 10, VIEW_MODE_COUNT = 3 };
    // Items of the sound list.
    enum { SOUND_NONE = 0, SOUND_BASIC = 1, SOUND_FILE = 2 };

    // A list of seconds 1..items shows a value v as item v - 1.
    static int SecondsIndex(int seconds, int items);
    // The minute lists ("OFF", 1 ... 59): -1, 0 and anything out of range
    // show "OFF"; a minute m shows item m. Item 0 stores -1.
    static int MinuteIndex(int minute);
    static int MinuteValue(int index);

    // The sound list's selection for the flag and path, and the stored pair
    // for a selection.
    static int SoundItem(int basic, const CString& file);
    // A change of the sound list's selection: item 0 clears both, item 1
    // sets the flag and clears the path, item 2 clears the flag.
    void ChooseSound(int item);
    // A file chosen with Browse: kept, and the flag cleared.
    void ChooseSoundFile(const CString& path);

    void Load(const CSettings& s, bool desktopEnabled);
    // Writes everything Apply stores (TransVal is stored as the slider moves,
    // ZPosition through the clock window).
    void Store(CSettings& s) const;
    void SetDefaults();

    int viewTime = 2;  // index: seconds - 1
    int viewMode = 2;
    int everyHour = 1, everyHalfHour = 1;
    int userMinute[3] = {0, 0, 0};  // indexes of the three minute lists
    int before = 2, after = 0;      // indexes: seconds - 1
    int soundBasic = 0;
    CString soundFile;
    int transVal = 255;
    int mouseOverHiding = 0;
    int zPosition = 1;
    int startView = 1;
};

// A skin the clock page lists: its name without ".xml" and its full path.
struct ClockSkinEntry {
    CString name;
    CString path;
};

// Every "*.xml" file one folder down under the clock skin folder (which ends
// in a backslash), sub-folders in the order found; files at the top of the
// folder are not skins of their own.
std::vector<ClockSkinEntry> ListClockSkins(const CString& skinFolder);

// The list item of the current skin: 1 + the entry whose path equals it
// ignoring case; 0 ("Default") when none does.
int FindClockSkinItem(const std::vector<ClockSkinEntry>& skins, const CString& current);

// The value mapping of the note defaults page, without windows: which item
// each list shows for a stored number, and what the page stores for the
// items chosen. Stored numbers come from a file the user may have edited,
// so every one is brought into its list's range before it picks an item.
#pragma once

#include "fw/Afx.h"
#include "shell/Settings.h"

// Transparency controls run from 26 to 255 and show the integer part of
// value / 2.55 followed by " %" (255 shows "100 %").
enum { TRANSPARENCY_MIN = 26, TRANSPARENCY_MAX = 255 };
int ClampTransparency(int value);
CString TransparencyPercentText(int value);

class CMemoSetupLogic {
public:
    // The lists of sizes: the first item and how many there are, 10 apart.
    enum { START_DX_FIRST = 100, START_DX_ITEMS = 21, START_DY_FIRST = 60, START_DY_ITEMS = 25,
           CONTRACT_DX_FIRST = 60, CONTRACT_DX_ITEMS = 25 };
    enum { TEXT_SIZE_COUNT = 16, CHECK_INTERVAL_COUNT = 8, TIP_MODE_COUNT = 5, SKIN_TYPE_COUNT = 3 };
    static const int kTextSizes[TEXT_SIZE_COUNT];
    static const int kCheckIntervals[CHECK_INTERVAL_COUNT];

    // The item of a size list for a stored size (integer division: 185 shows 180).
    static int SizeIndex(int stored, int first, int items);
    static int SizeValue(int index, int first, int items);
    // The position of the minutes in the interval table, 0 when absent;
    // the minutes of an index, taken modulo the table.
    static int CheckIntervalIndex(int minutes);
    static int CheckIntervalMinutes(int index);
    // The item of the size list for a stored text size: 10 when the size is
    // not one of the list's.
    static int TextSizeIndex(int size);
    // A monitor index kept inside the monitors there are.
    static int ClampMonitor(int index, int monitorCount);
    // Screen locations: 0 normal, 1 always on top, 2 desktop (only while
    // the desktop option is on).
    static int ClampZPosition(int value, bool desktopEnabled);

    // The page's fields, copied from the settings.
    void Load(const CSettings::GeneralSection& g, int monitorCount, bool desktopEnabled);
    // Writes the fields back. True when the check interval changed (the
    // reminders are re-armed then).
    bool Store(CSettings::GeneralSection& g, int monitorCount) const;
    // The page-default column; fields marked "unchanged" keep their values.
    void SetDefaults();

    int startDX = 8, startDY = 4, contractDX = 12;  // list indexes
    int maxTrans = 255, minTrans = 255;
    int zPosition = 0;
    CString fontName;
    int textSize = 10;  // the size itself, one of kTextSizes
    COLORREF textColor = 0;
    int bold = 0, italic = 0, underLine = 0;
    int skinType = 0;
    int fitTitleWidth = 1;
    int workMonitor = 0;
    int tipMode = 4;
    int mouseOverHiding = 0;
    int tipAutoHeight = 1;
    int simpleMemoInactive = 1, viewEditTime = 1;
    COLORREF inactiveTitleCol = 0x804000;
    int restoreScrollPos = 1, hyperLink = 1, autoMemoHeight = 0;
    int checkInterval = 2;  // index into kCheckIntervals
};

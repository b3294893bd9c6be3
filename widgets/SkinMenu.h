// What the context menu of a skinned window shows, decided without a window:
// the skin choices of the skin folder, the checks and removals of the menu,
// and whether a name for a copy of the skin may be used.
#pragma once

#include "fw/Afx.h"
#include "widgets/WidgetIds.h"

#include <vector>

// Skin choices take the ids of their range; the memo-group range starts
// right after it, so no more skins are offered than the range holds.
const int kSkinMenuMaxItems = (int)(ID_SKIN_CHOICE_LAST - ID_SKIN_CHOICE_FIRST + 1);

struct SkinMenuItem {
    CString path;   // full path of the skin file
    CString text;   // file name without its extension
    bool checked;   // the skin shown now
};

// Every "*.xml" one folder below the skin folder, in the order the file
// system gives them, at most kSkinMenuMaxItems. Files directly in the skin
// folder are not choices.
std::vector<SkinMenuItem> ListSkinMenu(const CString& skinFolder, const CString& currentSkin);

// The menu text of a skin file name: its last four characters removed when
// it is longer than four characters.
CString SkinMenuText(const CString& fileName);

struct WindowMenuState {
    int level = 0;              // 0 normal, 1 topmost, 2 desktop, 3 none checked
    bool movable = true;
    bool enableDesktop = false;
    bool hasAboutSkin = false;
};
struct WindowMenuPlan {
    UINT checkedLevelId = 0;    // 0: no level item checked
    bool removeDesktopLevel = false;
    bool checkFixLocation = false;
    bool removeSkinInfo = false;
};
WindowMenuPlan PlanWindowMenu(const WindowMenuState& state);

// The longest name a copy of a skin may get.
const int kSkinCopyNameMax = 128;
// A copy's name as it will be used (cut to its first 128 characters), or
// empty when there is nothing to do or the name is refused: empty, equal to
// the skin's own title, or not a plain file name (separators, "..", drive
// colons, wildcards, quotes, angle brackets, bars, control characters).
CString AcceptSkinCopyName(const CString& entered, const CString& title);

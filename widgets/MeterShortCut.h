// A launcher button: runs a program, a file or an action keyword, given by
// the skin (FilePath) or taken from one of the user's program hot-key slots
// (HotkeyIndex 1 to 9), and shows the file's shell icon and name. A slot
// without a target makes it a button that opens the slot's set-up.
#pragma once

#include "widgets/MeterButton.h"

class IActionSystem;

class CMeterShortCut : public CMeterButton {
public:
    explicit CMeterShortCut(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);
};

// ---- What the launcher kinds share ----

// The hot-key table entry of launcher slot 1 to 9 (program or web slots);
// -1 for any other index.
int LauncherHotKeyEntry(int hotkeyIndex, bool web);
// The target the user stored in that slot; empty when unset or no slot.
CString LauncherSlotValue(int hotkeyIndex, bool web);
// The display text of the slot's key combination; empty when none.
CString LauncherKeyText(int hotkeyIndex, bool web);
// Only a leading "%SYSTEM%" or "%WINDOWS%" is replaced by that folder and a
// backslash; a folder the system does not know leaves the path as it is.
CString ExpandLauncherPath(const CString& path, IActionSystem& system);
// "name - key", or whichever of the two is not empty.
CString JoinLauncherToolTip(const CString& name, const CString& key);

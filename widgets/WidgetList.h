// The widget list file: one entry per open desktop widget (its skin file
// relative to the widgets folder, opacity, mouse-over hiding, window level,
// position and movability), so that the widgets come back where they were
// after a restart. Kept apart from the windows so that the format can be
// checked without a screen.
#pragma once

#include "fw/Afx.h"

#include <string>
#include <vector>

class TiXmlElement;

struct WidgetListEntry {
    CString path;  // relative to the widgets folder, e.g. countdown\CountDown_red.xml
    int transparence = 255;
    int mouseOverHiding = 0;
    int zPosition = 0;
    int x = 0;
    int y = 0;
    int allowMove = 1;
};

class CWidgetList {
public:
    // The lines of one entry, each ending with "\n", in the ANSI code page.
    // The path is escaped, so an odd folder name cannot spoil the file.
    static std::string FormatEntry(const WidgetListEntry& entry);
    // The whole file text: the root's first and last lines around the
    // entries, with no line end after the last line.
    static std::string FormatList(const std::vector<WidgetListEntry>& entries);
    // Fills entry from a WidgetWindow element; what the element lacks keeps
    // the value entry had.
    static void ReadEntry(const TiXmlElement* element, WidgetListEntry& entry);
    // The entries of a list text, each starting from defaults. Text that is
    // not a widget list gives none.
    static std::vector<WidgetListEntry> ParseList(const char* text, const WidgetListEntry& defaults);

    // The file in the widgets folder and its reading and writing. Writing
    // replaces the file whole (lines end with CR LF) or leaves it as it was.
    static CString FilePath(const CString& widgetsFolder);
    static bool WriteFile(const CString& path, const std::vector<WidgetListEntry>& entries);
    static std::vector<WidgetListEntry> ReadFile(const CString& path, const WidgetListEntry& defaults);

    // The skin files a "Widgets" menu offers: every "*.xml" file in each
    // sub-folder of the widgets folder (one level only; files directly in
    // the folder, such as the list itself, are not offered), in a stable
    // order, at most maxItems of them.
    static const int MaxMenuItems = 200;
    static std::vector<CString> ListSkinFiles(const CString& widgetsFolder, int maxItems = MaxMenuItems);
    // The menu label of a skin file: its name less the last four characters.
    static CString MenuLabel(const CString& skinFile);
};

#include "widgets/MeterShortCut.h"

#include "widgets/MeterString.h"
#include "widgets/SkinXml.h"

#include "res/images.h"
#include "shell/Action.h"
#include "shell/ActionSystem.h"
#include "shell/FileUtil.h"
#include "shell/HotKeyInfo.h"
#include "shell/HotKeyTable.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "tinyxml.h"

#include <objidl.h>
#include <shellapi.h>
#include <gdiplus.h>

#include <cwchar>

namespace {

const int kSlotCount = 9;
// Built-in pictures of the launchers without one of their own.
const int kEmptyProgramSlotPng = 299;
const int kFileWithoutIconPng = 301;

bool HasWidth(Gdiplus::Image* image) { return image && image->GetWidth() > 0; }

}  // namespace

int LauncherHotKeyEntry(int hotkeyIndex, bool web) {
    if (hotkeyIndex < 1 || hotkeyIndex > kSlotCount) return -1;
    if (hotkeyIndex <= 4) return (web ? 7 : 3) + hotkeyIndex - 1;
    return (web ? 29 : 24) + hotkeyIndex - 5;
}

CString LauncherSlotValue(int hotkeyIndex, bool web) {
    int entry = LauncherHotKeyEntry(hotkeyIndex, web);
    if (entry < 0) return CString();
    return AppConfigStore().GetConfigString(L"HotKey", GetHotKeySlotKey(entry), L"");
}

CString LauncherKeyText(int hotkeyIndex, bool web) {
    int entry = LauncherHotKeyEntry(hotkeyIndex, web);
    if (entry < 0 || entry >= HOTKEY_COUNT) return CString();
    return FormatHotKeyText(g_Settings.HotKeyTable[entry]);
}

CString ExpandLauncherPath(const CString& path, IActionSystem& system) {
    const wchar_t* text = path.GetString();
    CString folder;
    int length = 0;
    if (wcsncmp(text, L"%SYSTEM%", 8) == 0) {
        folder = system.GetSystemFolder();
        length = 8;
    } else if (wcsncmp(text, L"%WINDOWS%", 9) == 0) {
        folder = system.GetWindowsFolder();
        length = 9;
    }
    if (length == 0 || folder.IsEmpty()) return path;
    return folder + L"\\" + path.Mid(length);
}

CString JoinLauncherToolTip(const CString& name, const CString& key) {
    if (key.IsEmpty()) return name;
    if (name.IsEmpty()) return key;
    return name + L" - " + key;
}

CMeterShortCut::CMeterShortCut(ISkinHost* owner) : CMeterButton(owner) { m_Kind = METER_SHORTCUT; }

void CMeterShortCut::ReadConfig(const CInfoSection& section) {
    CMeterButton::ReadConfig(section);
    int index = section.GetInt(L"HotkeyIndex", -1);
    bool slot = LauncherHotKeyEntry(index, false) >= 0;
    bool sizeGiven = section.HasKey(L"W") && section.HasKey(L"H");
    bool ownPicture = HasImage();
    UINT iconSize = m_W == 16 ? SHGFI_SMALLICON : SHGFI_LARGEICON;

    CString path = ExpandLauncherPath(slot ? LauncherSlotValue(index, false) : section.GetString(L"FilePath", L""),
                                      GetActionSystem());
    if (path.IsEmpty() && !slot) return;  // the skin's own Command stays
    bool action = IsAction(path);
    if (path.IsEmpty()) {
        CString command;
        command.Format(L"HOTKEY_SETUP:%d", index - 1);
        SetCommand(command);
        if (!ownPicture) {
            SetSingleFrame(1);
            Picture().Reset(LoadPngResource(kEmptyProgramSlotPng, L"PNG", sizeGiven));
        }
    } else if (!ownPicture) {
        SetSingleFrame(1);
        Picture().Reset(LoadFileIcon(path, iconSize, sizeGiven));
        // Without a shell icon an action keyword shows its own picture.
        if (!HasWidth(Picture().Get())) {
            int icon = slot ? GetActionIcon(path) : -1;
            Picture().Reset(LoadPngResource(icon < 0 ? kFileWithoutIconPng : icon, L"PNG", sizeGiven));
        }
        CString title = GetTitleOfPath(path);
        if (slot && title.IsEmpty() && GetLabel()) title = GetLabel()->GetText();
        if (slot && title.IsEmpty()) title = GetActionText(path);
        if (HasImage() && GetLabel() && !title.IsEmpty()) GetLabel()->SetText(title);
    }
    if (!path.IsEmpty()) SetCommand(action ? path : L"SHELLEXECUTE:" + path);

    if (slot && section.GetInt(L"KeyToolTip", 0) != 0) {
        CString name = action ? GetActionText(path) : CString();
        if (name.IsEmpty()) {
            name = GetFileOfPath(path);
            name.Trim(L'"');
            name.TrimLeft(L' ');
        }
        SetToolTip(JoinLauncherToolTip(name, LauncherKeyText(index, false)));
    }
}

void CMeterShortCut::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    CMeterButton::ConvertXml(element, section);
    section.SetValue(L"DrawType", L"SHORTCUT");
    const TiXmlElement* hotkey = element->FirstChildElement("Hotkey");
    section.SetFromXml(hotkey, "Index", L"HotkeyIndex");
    section.SetFromXml(hotkey, "KeyToolTip", L"KeyToolTip");
    section.SetFromXml(element->FirstChildElement("File"), "Path", L"FilePath");
}

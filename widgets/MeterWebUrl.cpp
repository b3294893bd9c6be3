#include "widgets/MeterWebUrl.h"

#include "widgets/MeterShortCut.h"
#include "widgets/MeterString.h"

#include "shell/TextUtil.h"
#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {
const int kEmptyWebSlotPng = 311;
}

bool IsLauncherWebAddress(const CString& address) {
    if (address.GetLength() < 8) return false;
    CString scheme = address.Left(4);
    scheme.MakeUpper();
    return scheme == L"HTTP";
}

CMeterWebUrl::CMeterWebUrl(ISkinHost* owner) : CMeterButton(owner) { m_Kind = METER_WEBURL; }

void CMeterWebUrl::ReadConfig(const CInfoSection& section) {
    CMeterButton::ReadConfig(section);
    int index = section.GetInt(L"HotkeyIndex", -1);
    bool slot = LauncherHotKeyEntry(index, true) >= 0;
    bool sizeGiven = section.HasKey(L"W") && section.HasKey(L"H");
    bool ownPicture = HasImage();
    CString address = slot ? LauncherSlotValue(index, true) : section.GetString(L"WebUrl", L"");

    if (IsLauncherWebAddress(address)) {
        if (!ownPicture) {
            SetSingleFrame(1);
            CString site = GetSiteNameOfUrl(address);
            Picture().Reset(LoadWebIcon(address, sizeGiven));
            if (GetLabel() && !site.IsEmpty()) GetLabel()->SetText(site);
        }
        SetCommand(L"SHELLEXECUTE:" + address);
    } else {
        CString command;
        command.Format(L"HOTKEY_SETUP:%d", index + 99);
        SetCommand(command);
        if (!ownPicture) {
            SetSingleFrame(1);
            Picture().Reset(LoadPngResource(kEmptyWebSlotPng, L"PNG", sizeGiven));
        }
    }

    if (slot && section.GetInt(L"KeyToolTip", 0) != 0)
        SetToolTip(JoinLauncherToolTip(address, LauncherKeyText(index, true)));
}

void CMeterWebUrl::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    CMeterButton::ConvertXml(element, section);
    section.SetValue(L"DrawType", L"WEBURL");
    const TiXmlElement* hotkey = element->FirstChildElement("Hotkey");
    section.SetFromXml(hotkey, "Index", L"HotkeyIndex");
    section.SetFromXml(hotkey, "KeyToolTip", L"KeyToolTip");
    section.SetFromXml(element->FirstChildElement("Web"), "Url", L"WebUrl");
}

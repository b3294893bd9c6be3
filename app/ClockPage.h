// CClockPage: the sheet's "Clock" tab (NT platforms only). When the desktop
// clock shows (always, hidden, around set times), its chime, the hot key
// that shows the time, its skin, transparency, screen level and mouse-over
// hiding. Skin and transparency act on the clock while the user chooses.
#pragma once

#include "app/SettingsPage.h"
#include "shell/ClockPageLogic.h"
#include "ui/ButtonEx.h"
#include "ui/HotKeyBtn.h"

#include <vector>

class IClockPageTarget;

class CClockPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CClockPage(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // The fields, from the settings and the clock window.
    CClockPageLogic m_fields;
    // The skins listed after "Default", in list order.
    const std::vector<ClockSkinEntry>& GetSkins() const { return m_skins; }

protected:
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnSkinChanged();
    void OnSoundChanged();
    void OnBrowse();
    void OnListen();
    LRESULT OnMakeTip(WPARAM, LPARAM);

private:
    void ReadControls();
    void UpdateControls();
    void FillSoundList();
    IClockPageTarget* Clock();

    std::vector<ClockSkinEntry> m_skins;
    CHotKeyBtn m_hotKey;
    CButtonEx m_listen;
};

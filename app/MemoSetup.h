// CMemoSetup: the sheet's "Memo" tab. How new notes are made (size, font,
// text colour, style, screen level, monitor), how notes look folded or
// inactive, the balloon help of folded notes, the reminder check interval
// and three note hot keys. The transparency sliders and two display checks
// act on the open notes while the user moves them.
#pragma once

#include "app/SettingsPage.h"
#include "shell/MemoSetupLogic.h"
#include "ui/ColorPickerCB.h"
#include "ui/ColorStaticST.h"
#include "ui/FontPreviewCombo.h"
#include "ui/HotKeyBtn.h"
#include "ui/ShareCheckButton.h"
#include "ui/TextSizeCombo.h"

class CMemoSetup : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CMemoSetup(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // The fields, copied from the settings when the page is built.
    CMemoSetupLogic m_fields;

protected:
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnDisplayCheck();
    void OnTimeColor();
    void OnTipModeChanged();

private:
    void ReadControls();
    void UpdateControls();
    void ShowPercent(UINT id, int value);
    static int MonitorCount();

    CHotKeyBtn m_hotKeyButtons[3];
    CColorStaticST m_timeColor;
    CFontPreviewCombo m_font;
    CColorPickerCB m_color;
    CTextSizeCombo m_size;
    CShareCheckButton m_bold, m_italic, m_underLine;
};

// CMemoColPage: the sheet's "Color" tab. It edits the palette of twelve
// note colours and the option that gives each new note a random one of them;
// a preview shows a note in the last colour chosen.
#pragma once

#include "app/ColorSampleDlg.h"
#include "app/SettingsPage.h"
#include "shell/Settings.h"
#include "ui/ColorStaticST.h"

class CMemoColPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CMemoColPage(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // Opens the colour dialog for palette colour n from its stored colour;
    // OK colours the static and the preview, nothing is stored yet.
    void ChooseColor(int n);

    COLORREF GetShownColor(int n) const { return m_statics[n].GetBkColor(); }
    CColorSampleDlg& GetSample() { return m_sample; }

    int m_bRandomColor = 0;

protected:
    void OnColorStatic(UINT id);
    void OnColorButton(UINT id);

private:
    void UpdateControls();

    CColorStaticST m_statics[COLOR_TYPE_COUNT];
    CColorSampleDlg m_sample;
};

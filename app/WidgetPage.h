// CWidgetPage: the sheet's "Widgets" tab (NT platforms only). The upper half
// sets what new widget windows start with (level, transparency, hiding),
// stored as soon as they change; the lower half lists every installed widget
// skin with a check box that opens or closes its widget at once, and acts
// directly on the selected open widget's level, transparency and hiding.
#pragma once

#include "app/SettingsPage.h"

#include <vector>

class CWidgetPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CWidgetPage(CSetupMemo& sheet);

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // After a widget was opened or closed anywhere: the list is filled again,
    // unless the change was this page's own.
    void Refresh();

    // The defaults for new widgets, and the selected widget's values.
    int m_nZPosition = 0;
    int m_nTransVal = 255;
    int m_nMouseOverHiding = 0;
    int m_nSelZPosition = 0;
    int m_nSelTransVal = 255;
    int m_nSelMouseOverHiding = 0;

    const std::vector<CString>& GetSkinFiles() const { return m_skinFiles; }

protected:
    // Escape and Enter stay inside this page.
    bool PassesEscapeToSheet() const override { return false; }
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnZPositionChanged();
    void OnMouseOverChanged();
    void OnSelZPositionChanged();
    void OnSelMouseOverChanged();

private:
    void FillList();
    // The skin file of the selected entry when it is checked and its widget
    // is open; empty otherwise.
    CString SelectedWidget();
    // Enables the three per-widget controls and shows the selected widget's
    // values, or disables them when there is none.
    void UpdateSelected();
    void ReadControls();
    void UpdateControls();
    void OnCheckChanged(int item, bool checked);

    std::vector<CString> m_skinFiles;
    bool m_bSuppressRefresh = false;
    bool m_bFilling = false;
};

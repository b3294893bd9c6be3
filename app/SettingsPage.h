// CSettingsPage: a child page of the settings sheet. A page copies the
// settings it edits when it is built and writes them back in Apply. Enter
// inside a page does nothing; Escape closes the sheet as Cancel does, unless
// the page keeps it.
#pragma once

#include "app/Language.h"
#include "fw/AfxWin.h"

class CSetupMemo;

class CSettingsPage : public CDialog, public ILanguage {
public:
    CSettingsPage(CSetupMemo& sheet, UINT templateId) : m_sheet(sheet), m_templateId(templateId) {}

    // Creates the page as a hidden child of the sheet.
    BOOL CreatePage();

    virtual void Apply() = 0;
    virtual void SetDefaults() = 0;

    void OnOK() override {}
    void OnCancel() override;

protected:
    // Pages whose Escape does nothing say false.
    virtual bool PassesEscapeToSheet() const { return true; }

    CSetupMemo& m_sheet;
    UINT m_templateId;
};

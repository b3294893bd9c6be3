// CAboutDlg: the program's About box. A skinned window whose skin it writes
// itself: the version, the user's name, links to the maker's site and mail,
// a close and a donation button. Opened with Ctrl held it shows only a
// picture that hides the box when clicked.
#pragma once

#include "widgets/GDIDialog.h"

class CAboutDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CAboutDlg(CWnd* parent);

    BOOL OnInitDialog() override;
    void OnFadeOutDone() override;

    // Writes the skin lines of the box's form and builds its meters.
    void BuildAboutSkin();

    bool IsShortForm() const { return m_bCtrlAtOpening != 0; }

    // The lines of each form: short is the Ctrl form; korean moves the
    // contact link. The user line is cut to fit a skin line.
    static void WriteAboutSkin(SkinDefinition& skin, bool shortForm, bool korean, const CString& userName);
    // "User: <name>" from the text table's word for user.
    static CString UserLine(const CString& userWord, const CString& userName);

protected:
    void OnNcRButtonDown(UINT hitTest, CPoint point);

private:
    int m_bCtrlAtOpening = 0;
};

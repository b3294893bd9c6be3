// CColorDialog: the system's colour dialog.
#pragma once

#include <windows.h>
#include <commdlg.h>

class CWnd;

class CColorDialog {
public:
    // flags: CC_FULLOPEN and the like; CC_RGBINIT is added when a colour is given.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    virtual ~CColorDialog() = default;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // The sixteen custom colours, shared by every colour dialog of the program.
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORW m_cc;
};

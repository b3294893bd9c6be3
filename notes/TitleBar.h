// CTitleBar: the 17-pixel strip across the top of an expanded note with the
// note's buttons and its importance icon. It only passes the user's clicks
// to the note window; drags on it fall through to the note.
//
// A group opens hundreds of notes that nobody points at: until the note
// first needs them (MakeButtons: the mouse comes over it, it is activated)
// the bar paints its buttons' pictures itself instead of making their eight
// windows, and the note paints the whole bar (PaintTo) until it makes the
// bar's own window.
#pragma once

#include "fw/AfxWin.h"
#include "ui/NullButton.h"
#include "ui/ShareButtonEx.h"
#include "ui/ShareCheckButton.h"

class CMemoDlg;

class CTitleBar : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CTitleBar(CMemoDlg* note);
    BOOL CreateBar();

    void ShowButtons(BOOL show);
    // Makes the buttons' windows; nothing when they are there already.
    void MakeButtons();
    BOOL HasButtonWindows() const { return m_bButtonsMade; }
    // Where a button stands in the bar of that width.
    static CRect ButtonRect(UINT id, int barWidth);
    // Paints the bar, as it stands, into dc at (0, 0).
    void PaintTo(HDC dc, int width, int height);
    void SetButtonColor(COLORREF color);
    void SetPinned(BOOL pinned) { m_btnPin.SetCheck(pinned); }
    BOOL IsPinned() const { return m_btnPin.GetCheck(); }
    void SetStyleChecked(BOOL checked) { m_btnStyle.SetCheck(checked); }
    void SetLocked(BOOL locked);

    BOOL OnInitDialog() override;
    BOOL ExecuteCommand(UINT id);

    // The importance icons (resources 325, 326, 329 and 330, drawn when the
    // program has none).
    static HICON GetImportanceIcon(int importance);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    LRESULT OnNcHitTest(CPoint) { return HTTRANSPARENT; }
    LRESULT OnIconDoubleClick(WPARAM, LPARAM);

private:
    CMemoDlg* m_pNote;
    CNullButton m_btnIcon;
    CShareCheckButton m_btnPin;
    CShareButtonEx m_btnMenu;
    CShareButtonEx m_btnNew;
    CShareCheckButton m_btnStyle;
    CShareButtonEx m_btnNextColor;
    CShareButtonEx m_btnDelete;
    CShareButtonEx m_btnFold;
    BOOL m_bButtonsMade = FALSE;
    BOOL m_bButtonsShown = TRUE;
};

// The borderless pop-up that shows the whole text of a grid cell too narrow
// for it while the pointer rests on the cell.
#pragma once

#include "ui/ControlBase.h"

class CTitleTip : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    CTitleTip() = default;
    ~CTitleTip() override;

    BOOL Create(CWnd* grid);
    // textRect and cellRect in the grid's client coordinates.
    void Show(const CRect& textRect, LPCTSTR text, int xOffset = 0, const CRect* cellRect = nullptr,
              const LOGFONT* font = nullptr);
    void Hide();
    BOOL PreTranslateMessage(MSG* msg) override;
    const CString& GetText() const { return m_strText; }

protected:
    void OnMouseMove(UINT flags, CPoint point);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point) { OnButtonDown(WM_LBUTTONDOWN, flags, point); }
    void OnRButtonDown(UINT flags, CPoint point) { OnButtonDown(WM_RBUTTONDOWN, flags, point); }
    void OnMButtonDown(UINT flags, CPoint point) { OnButtonDown(WM_MBUTTONDOWN, flags, point); }
    void OnButtonDown(UINT message, UINT flags, CPoint point);

private:
    // Hands a button press or a move on to the window under the pointer.
    void Forward(UINT message, WPARAM wParam, POINT screen);
    CWnd* m_pGrid = nullptr;
    CRect m_rectHover;  // screen coordinates
    CString m_strText;
    LOGFONT m_font = {};
    bool m_hasFont = false;
};

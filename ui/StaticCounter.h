// A static control that shows its text as seven-segment LED digits and whose
// value the mouse changes: a left click lowers it, a right click raises it,
// a left drag moves it by pixels and a right drag by hundredths of them.
#pragma once

#include "ui/ControlBase.h"
#include "ui/StaticCounterLogic.h"

class CStaticCounter : public CControlBase, public CStaticCounterLogic {
    DECLARE_MESSAGE_MAP()
public:
    CStaticCounter() = default;
    ~CStaticCounter() override = default;

    void SetText(LPCTSTR text);
    void SetInt(int value, BOOL replaceFormat = FALSE, LPCTSTR format = nullptr) { SetIntText(value, replaceFormat, format); }
    void SetFloat(float value, BOOL replaceFormat = FALSE, LPCTSTR format = nullptr) {
        SetFloatText(value, replaceFormat, format);
    }

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnTextChanged() override;

private:
    void DrawDigit(CDC* dc, int code, int x);
};

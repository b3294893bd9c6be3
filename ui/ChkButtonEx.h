// A check button drawn from its own strip of three cells (unchecked, checked,
// disabled) on a ground coloured by its state, with an optional tooltip.
#pragma once

#include "ui/ImageStripButton.h"

class CChkButtonEx : public CImageStripButton {
public:
    CChkButtonEx() : CImageStripButton(CheckKind) {}
    ~CChkButtonEx() override;

    BOOL LoadImageStrip(UINT bitmapId, int cellWidth, int cellHeight, COLORREF mask = RGB(255, 0, 255),
                        UINT flags = 255);
    // The same from a bitmap the caller made; the button takes it over.
    BOOL SetImageStrip(HBITMAP bitmap, int cellWidth, int cellHeight, COLORREF mask, UINT flags, int initial = 4);
    void SetTooltipText(LPCTSTR text, BOOL activate = TRUE);

protected:
    HIMAGELIST ImageList() const override { return m_hImageList; }
    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) override;

    HIMAGELIST m_hImageList = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HWND m_hTooltip = nullptr;
    DWORD m_dwToolTipStyle = 0;
};

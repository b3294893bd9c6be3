// An image-strip button that owns its strip (an image list made from a
// bitmap it takes over) and an optional tooltip: what the push button
// CButtonEx and the check button CChkButtonEx share.
#pragma once

#include "ui/ImageStripButton.h"

class COwnStripButton : public CImageStripButton {
public:
    explicit COwnStripButton(Kind kind) : CImageStripButton(kind) {}
    ~COwnStripButton() override;

    // The strip from a bitmap the caller made; the button takes it over.
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

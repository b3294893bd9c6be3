// CDesktopCaptureDlg: the full-screen overlay of the screen capture and the
// screen tools. It freezes a copy of the whole virtual screen when it is
// constructed, shows it topmost over every monitor with guides, magnifiers
// and a small panel drawn over it, and turns the mouse and the keys into a
// region, a picked window or control, a colour, a zoom view, a ruler or a
// window made topmost. A region goes to one of four outputs: a note (the
// main frame makes it from the clipboard), an image file, a file chosen in
// a dialog, or the clipboard. The overlay ends itself by posting
// WM_CAPTURE_DONE to the main window, which destroys it.
#pragma once

#include "fw/AfxWin.h"
#include "tools/CaptureLogic.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <memory>
#include <vector>

class CDesktopCaptureDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    // Copies the screen; the window is made by Create.
    explicit CDesktopCaptureDlg(int mode);
    ~CDesktopCaptureDlg() override;

    // Creates the window from its template and shows it; false when it
    // could not be made (the caller deletes the object).
    BOOL Create(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Enter and Escape both end the overlay without output.
    void OnOK() override;
    void OnCancel() override;

    // ---- The output ----
    // Fixes the region of the mode, remembers it, plays the shutter sound
    // and hands the picture to the output of the CaptureOut setting.
    void Capture();
    // 1 when the region went to the clipboard (NoteRect is then the note's
    // screen rectangle), 0 for an empty region.
    int CopyRegionToClipboard();
    // 1 after posting WM_CAPTURE_DONE, 0 when the capture folder cannot be
    // made (the user is told and the overlay stays open).
    int SaveCapture();
    // The picture shrinks away towards the region's far corner.
    void PlayFlyAway(Gdiplus::Bitmap& picture);
    void UpdateLayered(Gdiplus::Bitmap& picture, int x, int y, int width, int height);

    // The first visible top-level window at the screen point that is none
    // of the program's floating windows, made topmost; nothing over the
    // desktop or the task bar.
    void MakeWindowTopmost(POINT screen);

    // ---- Drawing ----
    // Composes the overlay for the cursor at a screen point and shows it.
    void Render(POINT screen);
    // The colour of the composed picture, and of the frozen screen copy, at
    // an overlay point.
    COLORREF ComposedPixel(int x, int y) const;
    COLORREF ScreenPixel(int x, int y) const;
    // The zoom text of the help bar ("8X").
    CString ZoomText() const;
    // The window the pick would take at a screen point: the program's
    // skinned windows (every floating window in the top-window mode) and the
    // overlay are passed over; null over the desktop.
    HWND FindCandidate(POINT screen, bool skipAllFloating, bool* isShell = nullptr) const;

    // ---- Fields ----
    RECT NoteRect = {};
    HWND PickedWindow = nullptr;
    int Zoom = 2;
    int RulerVertical = 0;
    float WorkAreaX = 0, WorkAreaY = 0;
    int ScreenLeft = 0, ScreenTop = 0, ScreenWidth = 0, ScreenHeight = 0;
    int LayerAlpha = 255;
    int LayeredPending = 1;
    int Dragging = 0;
    int DragStartX = 0, DragStartY = 0;
    int PointX = 0, PointY = 0;
    RECT HoverRect = {};
    int Mode = 0;

    // The window the overlay reports to; the main window when constructed.
    HWND m_hReportTo = nullptr;
    // Whether a window is one of the program's skinned windows (the
    // widgets, the clock, the calendar), which window mode never offers.
    std::function<bool(HWND)> m_fnIsSkinnedWindow;
    // Frames the sliding effect showed, for the tests.
    int m_flyAwayFrames = 0;

protected:
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnTimer(UINT_PTR id);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT key, UINT repeat, UINT flags);
    void PostNcDestroy() override;

private:
    void PostDone(WPARAM flag);
    void RenderAgain() { Render(m_lastCursor); }
    void RefreshCursor();
    POINT ToOverlay(POINT screen) const { return {screen.x - ScreenLeft, screen.y - ScreenTop}; }
    POINT WorkAnchor() const { return {(LONG)WorkAreaX, (LONG)WorkAreaY}; }
    std::unique_ptr<Gdiplus::Bitmap> CutPicture(const CRect& region);

    void DrawLabel(Gdiplus::Graphics& g, const CString& text, float x, float y, int placement);
    void DrawSelection(Gdiplus::Graphics& g, const CRect& rect, const Gdiplus::Brush& fill, const Gdiplus::Pen& frame);
    void DrawModePanel(Gdiplus::Graphics& g, POINT cursor);
    void DrawRegionLayer(Gdiplus::Graphics& g, POINT cursor);
    void DrawWindowLayer(Gdiplus::Graphics& g, POINT screen, bool descend);
    void DrawTopWindowLayer(Gdiplus::Graphics& g, POINT screen);
    void DrawHelpBar(Gdiplus::Graphics& g, const wchar_t* help);
    void DrawColorPicker(Gdiplus::Graphics& g, POINT cursor);
    void DrawZoomWindow(Gdiplus::Graphics& g, POINT cursor);
    void DrawRuler(Gdiplus::Graphics& g, POINT cursor);
    void DrawText(Gdiplus::Graphics& g, const CString& text, const Gdiplus::Font& font, float x, float y,
                  const Gdiplus::Color& color, const Gdiplus::StringFormat* format = nullptr);
    CString ColorTextAt(POINT overlay) const;

    HDC ScreenDC = nullptr;
    HBITMAP m_screenBitmap = nullptr;
    HGDIOBJ m_screenOld = nullptr;
    HDC ComposeDC = nullptr;
    HBITMAP m_composeBitmap = nullptr;
    HGDIOBJ m_composeOld = nullptr;
    void* m_composeBits = nullptr;
    std::vector<BYTE> m_argbPixels;
    std::unique_ptr<Gdiplus::Bitmap> ScreenArgb;
    std::unique_ptr<Gdiplus::Bitmap> LabelImage, RadioImage, EntryIcon;
    std::unique_ptr<Gdiplus::FontFamily> m_family;
    std::unique_ptr<Gdiplus::Font> SmallFont, LargeFont;
    Gdiplus::StringFormat CentredFormat, NearFormat;
    HBITMAP LayeredBitmap = nullptr;
    POINT m_lastCursor = {};
};

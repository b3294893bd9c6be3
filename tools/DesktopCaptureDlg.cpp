#include "tools/DesktopCaptureDlg.h"

#include "fw/GdiPlusImage.h"
#include "res/images.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/Monitors.h"
#include "shell/ProgramFolder.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "tools/CaptureImage.h"
#include "tools/CaptureSystem.h"
#include "tools/ToolsIds.h"
#include "ui/ZDialog.h"

#include <algorithm>
#include <cmath>

using namespace CaptureLogic;
using Gdiplus::Color;
using Gdiplus::RectF;
using Gdiplus::SolidBrush;

namespace {
// Label placements.
enum { labelCentred = 0, labelStart = 1, labelEnd = 2 };

const Color kSelectionFill(48, 64, 128, 255);
const Color kGuideColor(196, 96, 96, 156);
const Color kBoxFill(196, 255, 255, 255);
const Color kBlack(255, 0, 0, 0);
const Color kWhiteEdge(128, 255, 255, 255);
const Color kText(255, 32, 32, 32);

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t text[200] = {};
    ::GetClassNameW(window, text, 200);
    return wcscmp(text, name) == 0;
}

bool IsDesktopWindow(HWND window) {
    if (window == ::GetDesktopWindow()) return true;
    wchar_t title[64] = {};
    ::GetWindowTextW(window, title, 64);
    return ClassIs(window, L"Progman") && wcscmp(title, L"Program Manager") == 0;
}

bool IsOfProgram(HWND window) { return dynamic_cast<CZDialog*>(CWnd::FromHandlePermanent(window)) != nullptr; }

CString WithFile(int textId, const CString& file) {
    CString text = g_LanguageTable[textId];
    text.Replace(L"#FILE#", file);
    return text;
}

void Tell(HWND owner, const CString& text) {
    GetSystemMessageBox().Show(owner, text, g_LanguageTable[1], MB_OK | MB_ICONWARNING);
}
}  // namespace

BEGIN_MESSAGE_MAP(CDesktopCaptureDlg, CDialog)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
END_MESSAGE_MAP()

// ---- Construction ---------------------------------------------------------------

CDesktopCaptureDlg::CDesktopCaptureDlg(int mode) : CDialog(IDD_DESKTOP_CAPTURE), Mode(mode) {
    CWnd* main = AfxGetMainWnd();
    m_hReportTo = main ? main->GetSafeHwnd() : nullptr;
    CentredFormat.SetAlignment(Gdiplus::StringAlignmentCenter);
    NearFormat.SetAlignment(Gdiplus::StringAlignmentNear);

    CRect screen;
    GetVirtualDesktopRect(screen);
    ScreenLeft = screen.left;
    ScreenTop = screen.top;
    ScreenWidth = std::max(1, std::min(screen.Width(), kMaxScreenWidth));
    ScreenHeight = std::max(1, std::min(screen.Height(), kMaxScreenHeight));
    CRect work = GetMonitorWorkArea(g_Settings.General.WorkMonitor);
    WorkAreaX = (float)(work.left - ScreenLeft);
    WorkAreaY = (float)(work.top - ScreenTop);

    HDC desktop = ::GetDC(nullptr);
    ScreenDC = ::CreateCompatibleDC(desktop);
    m_screenBitmap = ::CreateCompatibleBitmap(desktop, ScreenWidth, ScreenHeight);
    m_screenOld = ::SelectObject(ScreenDC, m_screenBitmap);
    // Only what the system's screen holds is copied; a part of the monitor
    // list it does not cover stays black rather than spoil the whole copy.
    CRect system(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0);
    system.right = system.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    system.bottom = system.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    CRect copied;
    if (copied.IntersectRect(system, CRect(ScreenLeft, ScreenTop, ScreenLeft + ScreenWidth, ScreenTop + ScreenHeight)))
        ::BitBlt(ScreenDC, copied.left - ScreenLeft, copied.top - ScreenTop, copied.Width(), copied.Height(), desktop,
                 copied.left, copied.top, SRCCOPY);
    ::ReleaseDC(nullptr, desktop);

    // The composition buffer is a 32-bit section, so the overlay's pixels
    // can be read back without the screen.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = ScreenWidth;
    info.bmiHeader.biHeight = -ScreenHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    ComposeDC = ::CreateCompatibleDC(ScreenDC);
    m_composeBitmap = ::CreateDIBSection(ScreenDC, &info, DIB_RGB_COLORS, &m_composeBits, nullptr, 0);
    m_composeOld = ::SelectObject(ComposeDC, m_composeBitmap);

    // The ARGB copy: the screen's pixels, opaque.
    m_argbPixels.resize((size_t)ScreenWidth * ScreenHeight * 4);
    ::SelectObject(ScreenDC, m_screenOld);
    ::GetDIBits(ScreenDC, m_screenBitmap, 0, (UINT)ScreenHeight, m_argbPixels.data(), &info, DIB_RGB_COLORS);
    m_screenOld = ::SelectObject(ScreenDC, m_screenBitmap);
    for (size_t i = 3; i < m_argbPixels.size(); i += 4) m_argbPixels[i] = 255;
    ScreenArgb = std::make_unique<Gdiplus::Bitmap>(ScreenWidth, ScreenHeight, ScreenWidth * 4, PixelFormat32bppARGB,
                                                   m_argbPixels.data());

    LabelImage = LoadPngResource(IDP_LABEL_BUBBLE);
    RadioImage = LoadPngResource(IDP_RADIO);
    EntryIcon = LoadPngResource(IDP_CAPTURE_ENTRIES);
    m_family = std::make_unique<Gdiplus::FontFamily>(g_Settings.DefaultFontFace.IsEmpty() ? L"Tahoma"
                                                                                         : g_Settings.DefaultFontFace.GetString());
    if (m_family->GetLastStatus() != Gdiplus::Ok) m_family.reset(Gdiplus::FontFamily::GenericSansSerif()->Clone());
    SmallFont = std::make_unique<Gdiplus::Font>(m_family.get(), 9.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
    LargeFont = std::make_unique<Gdiplus::Font>(m_family.get(), 16.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
}

CDesktopCaptureDlg::~CDesktopCaptureDlg() {
    if (GetSafeHwnd()) DestroyWindow();
    PostNcDestroy();
}

BOOL CDesktopCaptureDlg::Create(CWnd* parent) {
    if (!CDialog::Create(IDD_DESKTOP_CAPTURE, parent)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CDesktopCaptureDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, 0);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, ScreenLeft, ScreenTop, ScreenWidth, ScreenHeight, SWP_NOACTIVATE);
    ::SetForegroundWindow(m_hWnd);
    ::GetCursorPos(&m_lastCursor);
    if (Mode == modeFullScreen || Mode == modeLastRegion) SetTimer(TIMER_CAPTURE_START, CAPTURE_START_MS);
    return TRUE;
}

void CDesktopCaptureDlg::PostNcDestroy() {
    if (ScreenDC) {
        ::SelectObject(ScreenDC, m_screenOld);
        ::DeleteDC(ScreenDC);
        ScreenDC = nullptr;
    }
    if (m_screenBitmap) ::DeleteObject(m_screenBitmap);
    m_screenBitmap = nullptr;
    if (ComposeDC) {
        ::SelectObject(ComposeDC, m_composeOld);
        ::DeleteDC(ComposeDC);
        ComposeDC = nullptr;
    }
    if (m_composeBitmap) ::DeleteObject(m_composeBitmap);
    m_composeBitmap = nullptr;
    if (LayeredBitmap) ::DeleteObject(LayeredBitmap);
    LayeredBitmap = nullptr;
    ScreenArgb.reset();
    LabelImage.reset();
    RadioImage.reset();
    EntryIcon.reset();
    SmallFont.reset();
    LargeFont.reset();
    m_family.reset();
}

void CDesktopCaptureDlg::OnOK() { PostDone(0); }
void CDesktopCaptureDlg::OnCancel() { PostDone(0); }

void CDesktopCaptureDlg::PostDone(WPARAM flag) {
    if (m_hReportTo) ::PostMessageW(m_hReportTo, WM_CAPTURE_DONE, flag, 0);
}

// ---- Input ------------------------------------------------------------------------

LRESULT CDesktopCaptureDlg::OnEraseBkgnd(WPARAM, LPARAM) { return 1; }

void CDesktopCaptureDlg::OnPaint() {
    // Everything is drawn on input; the frozen picture is shown again here.
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc && ComposeDC && LayeredPending) ::BitBlt(dc, 0, 0, ScreenWidth, ScreenHeight, ComposeDC, 0, 0, SRCCOPY);
    ::EndPaint(m_hWnd, &paint);
}

void CDesktopCaptureDlg::OnLButtonDown(UINT, CPoint point) {
    SetCapture();
    DragStartX = PointX = point.x;
    DragStartY = PointY = point.y;
    Dragging = 1;
}

void CDesktopCaptureDlg::OnMouseMove(UINT, CPoint point) {
    Render({point.x + ScreenLeft, point.y + ScreenTop});
}

void CDesktopCaptureDlg::OnRButtonDown(UINT, CPoint) {
    if (Mode != modeRuler) return;
    RulerVertical = !RulerVertical;
    RenderAgain();
}

void CDesktopCaptureDlg::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_SHIFT || key == VK_CONTROL) RenderAgain();
    if (key == VK_SPACE && Mode == modeRuler) {
        RulerVertical = !RulerVertical;
        RenderAgain();
    }
    if (Mode == modeColorPicker) RefreshCursor();
}

void CDesktopCaptureDlg::OnKeyUp(UINT key, UINT, UINT) {
    if (key == VK_SHIFT || key == VK_CONTROL) RenderAgain();
    if (Mode == modeColorPicker) RefreshCursor();
}

BOOL CDesktopCaptureDlg::OnSetCursor(CWnd*, UINT, UINT) {
    RefreshCursor();
    return TRUE;
}

void CDesktopCaptureDlg::RefreshCursor() {
    ::SetCursor(::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(CursorFor(Mode, Zoom))));
}

void CDesktopCaptureDlg::OnTimer(UINT_PTR id) {
    if (id != TIMER_CAPTURE_START) return;
    KillTimer(id);
    RenderAgain();
    Capture();
}

void CDesktopCaptureDlg::OnLButtonUp(UINT, CPoint point) {
    if (GetCapture() == this) ReleaseCapture();
    PointX = point.x;
    PointY = point.y;
    bool wasDragging = Dragging != 0;
    Dragging = 0;
    switch (Mode) {
    case modeColorPicker: {
        CStringA text = CStringA(ColorTextAt({PointX, PointY}));
        if (text.GetLength() > 1023) text = text.Left(1023);
        GetCaptureSystem().SetClipboardText(m_hWnd, text);
        PostDone(0);
        return;
    }
    case modeZoom:
    case modeRuler:
        PostDone(0);
        return;
    case modeTopWindow:
        PostDone(0);
        MakeWindowTopmost({PointX + ScreenLeft, PointY + ScreenTop});
        return;
    default:
        break;
    }
    if (wasDragging && IsDrag({DragStartX, DragStartY}, {PointX, PointY})) {
        Capture();
        return;
    }
    PanelHit hit = HitPanel({PointX, PointY}, WorkAnchor());
    if (Mode > modeControl) hit = PanelHit();
    switch (hit.kind) {
    case hitOutput:
        g_Settings.Capture.CaptureOut = hit.value;
        RenderAgain();
        SaveAppConfig();
        return;
    case hitPreference:
        if (m_hReportTo) ::PostMessageW(m_hReportTo, WM_COMMAND, ID_CAPTURE_PREFERENCE, 0);
        PostDone(0);
        return;
    case hitMode:
        Mode = hit.value;
        if (Mode != modeRegion) PickedWindow = nullptr;
        RenderAgain();
        return;
    default:
        break;
    }
    if (Mode == modeWindow || Mode == modeControl)
        Capture();
    else
        PostDone(0);
}

// ---- Drawing ----------------------------------------------------------------------

void CDesktopCaptureDlg::Render(POINT screen) {
    m_lastCursor = screen;
    PointX = screen.x;
    PointY = screen.y;
    if (!ComposeDC) return;
    ::BitBlt(ComposeDC, 0, 0, ScreenWidth, ScreenHeight, ScreenDC, 0, 0, SRCCOPY);
    {
        Gdiplus::Graphics g(ComposeDC);
        g.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
        g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
        POINT cursor = ToOverlay(screen);
        if (Mode <= modeScroll) DrawModePanel(g, cursor);
        switch (Mode) {
        case modeRegion: DrawRegionLayer(g, cursor); break;
        case modeWindow: DrawWindowLayer(g, screen, false); break;
        case modeControl: DrawWindowLayer(g, screen, true); break;
        case modeColorPicker: DrawColorPicker(g, cursor); break;
        case modeZoom: DrawZoomWindow(g, cursor); break;
        case modeRuler: DrawRuler(g, cursor); break;
        case modeTopWindow: DrawTopWindowLayer(g, screen); break;
        default: break;
        }
    }
    ::GdiFlush();
    if (m_hWnd && LayeredPending) {
        HDC dc = ::GetDC(m_hWnd);
        ::BitBlt(dc, 0, 0, ScreenWidth, ScreenHeight, ComposeDC, 0, 0, SRCCOPY);
        ::ReleaseDC(m_hWnd, dc);
    }
}

COLORREF CDesktopCaptureDlg::ComposedPixel(int x, int y) const {
    if (!m_composeBits || x < 0 || y < 0 || x >= ScreenWidth || y >= ScreenHeight) return CLR_INVALID;
    ::GdiFlush();
    const BYTE* p = static_cast<const BYTE*>(m_composeBits) + ((size_t)y * ScreenWidth + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

COLORREF CDesktopCaptureDlg::ScreenPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= ScreenWidth || y >= ScreenHeight) return CLR_INVALID;
    const BYTE* p = m_argbPixels.data() + ((size_t)y * ScreenWidth + x) * 4;
    return RGB(p[2], p[1], p[0]);
}

CString CDesktopCaptureDlg::ZoomText() const {
    CString text;
    text.Format(L"%dX", Zoom);
    return text;
}

void CDesktopCaptureDlg::DrawText(Gdiplus::Graphics& g, const CString& text, const Gdiplus::Font& font, float x,
                                  float y, const Color& color, const Gdiplus::StringFormat* format) {
    SolidBrush brush(color);
    g.DrawString(text, text.GetLength(), &font, Gdiplus::PointF(x, y), format ? format : &NearFormat, &brush);
}

void CDesktopCaptureDlg::DrawLabel(Gdiplus::Graphics& g, const CString& text, float x, float y, int placement) {
    RectF bounds;
    g.MeasureString(text, text.GetLength(), SmallFont.get(), Gdiplus::PointF(0, 0), &NearFormat, &bounds);
    float width = bounds.Width + 4;
    float left = placement == labelCentred ? x - width / 2 : placement == labelStart ? x : x - width;
    float top = placement == labelStart ? y : y - 8;
    if (LabelImage) {
        // The bubble: its left and right caps as they are, one column stretched between.
        g.DrawImage(LabelImage.get(), RectF(left - 5, top, 5, 15), 0, 0, 5, 15, Gdiplus::UnitPixel);
        g.DrawImage(LabelImage.get(), RectF(left, top, width, 15), 5, 0, 1, 15, Gdiplus::UnitPixel);
        g.DrawImage(LabelImage.get(), RectF(left + width, top, 5, 15), 10, 0, 5, 15, Gdiplus::UnitPixel);
    }
    DrawText(g, text, *SmallFont, left + 2, top + 1, Color(255, 32, 156, 32));
}

void CDesktopCaptureDlg::DrawSelection(Gdiplus::Graphics& g, const CRect& rect, const Gdiplus::Brush& fill,
                                       const Gdiplus::Pen& frame) {
    g.FillRectangle(&fill, rect.left, rect.top, rect.Width(), rect.Height());
    g.DrawRectangle(&frame, rect.left, rect.top, rect.Width(), rect.Height());
    Gdiplus::Pen guide(kGuideColor, 1);
    if (g_Settings.Capture.ShowSideGuide) {
        const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
        g.DrawLine(&guide, l, t - 12, l, t - 6);
        g.DrawLine(&guide, r, t - 12, r, t - 6);
        g.DrawLine(&guide, l, t - 9, r, t - 9);
        g.DrawLine(&guide, l - 12, t, l - 6, t);
        g.DrawLine(&guide, l - 12, b, l - 6, b);
        g.DrawLine(&guide, l - 9, t, l - 9, b);
        CString number;
        if (rect.Width() > 20) {
            number.Format(L"%d", rect.Width());
            DrawLabel(g, number, (rect.left + rect.right) / 2.0f, (float)rect.top - 9, labelCentred);
        }
        if (rect.Height() > 20) {
            number.Format(L"%d", rect.Height());
            DrawLabel(g, number, (float)rect.left - 11, (rect.top + rect.bottom) / 2.0f, labelEnd);
        }
    }
    if (g_Settings.Capture.ShowCenterGuide && rect.Width() > 90 && rect.Height() > 24) {
        CString size;
        size.Format(L"%d x %d", rect.Width(), rect.Height());
        RectF bounds;
        g.MeasureString(size, size.GetLength(), LargeFont.get(), Gdiplus::PointF(0, 0), &NearFormat, &bounds);
        float cx = (rect.left + rect.right) / 2.0f, cy = (rect.top + rect.bottom) / 2.0f;
        RectF box(cx - (bounds.Width + 4) / 2, cy - 13, bounds.Width + 4, 26);
        SolidBrush boxFill(Color(196, 225, 255, 255));
        g.FillRectangle(&boxFill, box);
        g.DrawRectangle(&guide, box);
        DrawText(g, size, *LargeFont, cx, cy - 13, Color(232, 32, 128, 32), &CentredFormat);
    }
}

void CDesktopCaptureDlg::DrawModePanel(Gdiplus::Graphics& g, POINT cursor) {
    float ax = WorkAreaX, ay = WorkAreaY;
    SolidBrush fill(Color(138, 255, 255, 255));
    Gdiplus::Pen frame(Color(216, 255, 255, 255), 1);
    g.FillRectangle(&fill, ax + 10, ay + 10, 140.0f, 114.0f);
    g.DrawRectangle(&frame, ax + 10, ay + 10, 140.0f, 114.0f);
    g.FillRectangle(&fill, ax + 10, ay + 130, 140.0f, 70.0f);
    g.DrawRectangle(&frame, ax + 10, ay + 130, 140.0f, 70.0f);
    float cx = (float)cursor.x - ax, cy = (float)cursor.y - ay;
    auto entry = [&](float y, const CString& text, bool current, bool radio) {
        bool over = cx >= 18 && cx <= 140 && cy >= y && cy < y + 20;
        if (radio && RadioImage)
            g.DrawImage(RadioImage.get(), RectF(ax + 18, ay + y, 14, 14), current ? 0.0f : 14.0f, 0, 14, 14,
                        Gdiplus::UnitPixel);
        DrawText(g, text, *SmallFont, ax + 34, ay + y + 1, Color(96, 255, 255, 255));
        Color color = over ? Color(255, 255, 64, 64) : current ? Color(255, 34, 34, 200) : kText;
        DrawText(g, text, *SmallFont, ax + 34, ay + y, color);
    };
    for (int i = 0; i < 4; ++i)
        entry((float)kOutputEntryY[i], g_LanguageTable[TXT_CAPTURE_PANEL_OUT_FIRST + i],
              g_Settings.Capture.CaptureOut == i, true);
    if (EntryIcon)
        g.DrawImage(EntryIcon.get(), RectF(ax + 17, ay + kPreferenceEntryY, 16, 16), 16, 0, 16, 16,
                    Gdiplus::UnitPixel);
    entry((float)kPreferenceEntryY, g_LanguageTable[TXT_CAPTURE_PREFERENCE], false, false);
    const int modeTexts[3] = {TXT_CAPTURE_REGION, TXT_CAPTURE_WINDOW, TXT_CAPTURE_CONTROL};
    for (int i = 0; i < 3; ++i)
        entry((float)kModeEntryY[i], g_LanguageTable[modeTexts[i]], Mode == kModeEntryMode[i], true);
}

void CDesktopCaptureDlg::DrawRegionLayer(Gdiplus::Graphics& g, POINT cursor) {
    Zoom = ZoomForKeys(Mode, GetCaptureSystem().IsKeyDown(VK_CONTROL), GetCaptureSystem().IsKeyDown(VK_SHIFT));
    Magnifier magnifier = RegionMagnifier(Zoom);
    if (magnifier.side > 0) {
        g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        float half = magnifier.side / 2.0f;
        g.DrawImage(ScreenArgb.get(), RectF(cursor.x - half, cursor.y - half, (float)magnifier.side, (float)magnifier.side),
                    (float)(cursor.x - magnifier.source / 2), (float)(cursor.y - magnifier.source / 2),
                    (float)magnifier.source, (float)magnifier.source, Gdiplus::UnitPixel);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeDefault);
        Gdiplus::Pen frame(Color(128, 0, 0, 0), 1);
        g.DrawRectangle(&frame, cursor.x - half, cursor.y - half, (float)magnifier.side, (float)magnifier.side);
    }
    if (Dragging) {
        CRect selection = Normalised(CRect(DragStartX, DragStartY, cursor.x, cursor.y));
        SolidBrush fill(kSelectionFill);
        Gdiplus::Pen frame(Color(236, 128, 128, 128), 1);
        DrawSelection(g, selection, fill, frame);
        return;
    }
    Gdiplus::Pen cross(Color(232, 232, 232, 64), 1);
    g.DrawLine(&cross, 0, cursor.y, ScreenWidth, cursor.y);
    g.DrawLine(&cross, cursor.x, 0, cursor.x, ScreenHeight);
    CString where;
    where.Format(L"%d  %d", cursor.x + ScreenLeft, cursor.y + ScreenTop);
    float offset = magnifier.side > 0 ? 30.0f : 6.0f;
    DrawLabel(g, where, cursor.x + offset, cursor.y + offset, labelStart);
}

HWND CDesktopCaptureDlg::FindCandidate(POINT screen, bool skipAllFloating, bool* isShell) const {
    if (isShell) *isShell = false;
    int guard = 0;
    for (HWND window = ::GetTopWindow(nullptr); window && guard < 100000; window = ::GetWindow(window, GW_HWNDNEXT), ++guard) {
        if (window == m_hWnd || !::IsWindowVisible(window)) continue;
        if (skipAllFloating ? IsOfProgram(window) : (m_fnIsSkinnedWindow && m_fnIsSkinnedWindow(window))) continue;
        RECT rect;
        if (!::GetWindowRect(window, &rect) || !::PtInRect(&rect, screen)) continue;
        if (IsDesktopWindow(window)) {
            if (isShell) *isShell = true;
            return nullptr;
        }
        if (isShell) *isShell = ClassIs(window, L"WorkerW") || ClassIs(window, L"Shell_TrayWnd");
        return window;
    }
    return nullptr;
}

void CDesktopCaptureDlg::DrawWindowLayer(Gdiplus::Graphics& g, POINT screen, bool descend) {
    PickedWindow = FindCandidate(screen, false);
    if (!PickedWindow) return;
    ::GetWindowRect(PickedWindow, &HoverRect);
    if (descend) {
        HWND current = PickedWindow;
        for (int depth = 0; depth < 64; ++depth) {
            POINT client = screen;
            ::ScreenToClient(current, &client);
            HWND child = ::ChildWindowFromPointEx(current, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (!child || child == current) break;
            current = child;
            PickedWindow = current;
            ::GetWindowRect(current, &HoverRect);
        }
    }
    CRect rect(HoverRect);
    rect.OffsetRect(-ScreenLeft, -ScreenTop);
    SolidBrush fill(kSelectionFill);
    Gdiplus::Pen frame(Color(236, 32, 32, 196), 3);
    DrawSelection(g, rect, fill, frame);
}

void CDesktopCaptureDlg::DrawTopWindowLayer(Gdiplus::Graphics& g, POINT screen) {
    bool shell = false;
    HWND window = FindCandidate(screen, true, &shell);
    PickedWindow = shell ? nullptr : window;
    if (!PickedWindow) return;
    ::GetWindowRect(PickedWindow, &HoverRect);
    CRect rect(HoverRect);
    rect.OffsetRect(-ScreenLeft, -ScreenTop);
    SolidBrush fill(kSelectionFill);
    Gdiplus::Pen frame(Color(236, 32, 32, 196), 3);
    g.FillRectangle(&fill, rect.left, rect.top, rect.Width(), rect.Height());
    g.DrawRectangle(&frame, rect.left, rect.top, rect.Width(), rect.Height());
}

void CDesktopCaptureDlg::MakeWindowTopmost(POINT screen) {
    bool shell = false;
    HWND window = FindCandidate(screen, true, &shell);
    if (!window || shell) return;
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CDesktopCaptureDlg::DrawHelpBar(Gdiplus::Graphics& g, const wchar_t* help) {
    float x = WorkAreaX, y = WorkAreaY + 20;
    SolidBrush fill(kBoxFill);
    Gdiplus::Pen frame(Color(196, 0, 0, 0), 1);
    g.FillRectangle(&fill, x, y, 210.0f, 20.0f);
    g.DrawRectangle(&frame, x, y, 210.0f, 20.0f);
    DrawText(g, help, *SmallFont, x + 10, y + 6, Color(96, 196, 196, 196));
    DrawText(g, help, *SmallFont, x + 10, y + 5, Color(216, 32, 32, 32));
    g.FillRectangle(&fill, x + 210, y, 40.0f, 20.0f);
    g.DrawRectangle(&frame, x + 210, y, 40.0f, 20.0f);
    DrawText(g, ZoomText(), *SmallFont, x + 220, y + 5, Color(196, 255, 36, 36));
}

CString CDesktopCaptureDlg::ColorTextAt(POINT overlay) const {
    Color color;
    int x = std::max(0, std::min<int>(overlay.x, ScreenWidth - 1));
    int y = std::max(0, std::min<int>(overlay.y, ScreenHeight - 1));
    ScreenArgb->GetPixel(x, y, &color);
    return ColorText(color.GetR(), color.GetG(), color.GetB());
}

void CDesktopCaptureDlg::DrawColorPicker(Gdiplus::Graphics& g, POINT cursor) {
    ICaptureSystem& system = GetCaptureSystem();
    Zoom = ZoomForKeys(Mode, system.IsKeyDown(VK_CONTROL), system.IsKeyDown(VK_SHIFT));
    DrawHelpBar(g, L"Ctrl: 2X, Shift: 4X, Ctrl+Shift: 16X");
    int x = cursor.x, y = cursor.y;
    int source = PickerSource(Zoom);
    g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.DrawImage(ScreenArgb.get(), RectF((float)x - 100, (float)y - 100, 200, 200), (float)(x - source / 2),
                (float)(y - source / 2), (float)source, (float)source, Gdiplus::UnitPixel);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeDefault);
    Gdiplus::Pen black(kBlack, 1), edge(kWhiteEdge, 1);
    g.DrawRectangle(&black, x - 100, y - 100, 200, 200);
    g.DrawRectangle(&edge, x - 101, y - 101, 202, 202);

    Color pixel;
    ScreenArgb->GetPixel(std::max(0, std::min(x, ScreenWidth - 1)), std::max(0, std::min(y, ScreenHeight - 1)), &pixel);
    CString text = ColorTextAt(cursor);
    SolidBrush swatch(Color(255, pixel.GetR(), pixel.GetG(), pixel.GetB())), box(kBoxFill);
    // The text centres on x - 20 inside the 160-pixel box.
    g.FillRectangle(&box, (float)x - 100, (float)y + 80, 160.0f, 20.0f);
    g.DrawRectangle(&black, (float)x - 100, (float)y + 80, 160.0f, 20.0f);
    g.FillRectangle(&swatch, (float)x + 60, (float)y + 80, 40.0f, 20.0f);
    g.DrawRectangle(&black, (float)x + 60, (float)y + 80, 40.0f, 20.0f);
    DrawText(g, text, *SmallFont, (float)x - 20, (float)y + 84, kText, &CentredFormat);

    CRect work = GetMonitorWorkArea(g_Settings.General.WorkMonitor);
    work.OffsetRect(-ScreenLeft, -ScreenTop);
    bool leftOut = x - 100 < work.left;
    if (leftOut || x + 50 > work.right || y + 100 > work.bottom) {
        float bx = (float)work.left, by = (float)work.top;
        if (leftOut && y + 80 < work.top + 200) bx += 200;
        g.FillRectangle(&box, bx, by, 170.0f, 20.0f);
        g.DrawRectangle(&black, bx, by, 170.0f, 20.0f);
        g.FillRectangle(&swatch, bx + 170, by, 50.0f, 20.0f);
        g.DrawRectangle(&black, bx + 170, by, 50.0f, 20.0f);
        DrawText(g, text, *SmallFont, bx + 85, by + 4, kText, &CentredFormat);
    }
}

void CDesktopCaptureDlg::DrawZoomWindow(Gdiplus::Graphics& g, POINT cursor) {
    ICaptureSystem& system = GetCaptureSystem();
    Zoom = ZoomForKeys(Mode, system.IsKeyDown(VK_CONTROL), system.IsKeyDown(VK_SHIFT));
    int source = ZoomViewSource(Zoom);
    g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.DrawImage(ScreenArgb.get(), RectF((float)cursor.x - 400, (float)cursor.y - 400, 800, 800),
                (float)(cursor.x - source / 2), (float)(cursor.y - source / 2), (float)source, (float)source,
                Gdiplus::UnitPixel);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeDefault);
    Gdiplus::Pen black(kBlack, 1), edge(kWhiteEdge, 1);
    g.DrawRectangle(&black, cursor.x - 400, cursor.y - 400, 800, 800);
    g.DrawRectangle(&edge, cursor.x - 401, cursor.y - 401, 802, 802);
    DrawHelpBar(g, L"Ctrl: 4X, Shift: 8X, Ctrl+Shift : 16X");
}

void CDesktopCaptureDlg::DrawRuler(Gdiplus::Graphics& g, POINT cursor) {
    ICaptureSystem& system = GetCaptureSystem();
    Zoom = ZoomForKeys(Mode, system.IsKeyDown(VK_CONTROL), system.IsKeyDown(VK_SHIFT));
    int x = cursor.x, y = cursor.y;
    int source = RulerSource(Zoom);
    g.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.DrawImage(ScreenArgb.get(), RectF((float)x - 400, (float)y - 400, 800, 800), (float)(x - source / 2),
                (float)(y - source / 2), (float)source, (float)source, Gdiplus::UnitPixel);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeDefault);
    Gdiplus::Pen black(kBlack, 1), halves(Color(96, 0, 0, 0), 1);
    SolidBrush strip(kBoxFill), white(Color(255, 255, 255, 255));
    if (!RulerVertical) {
        g.FillRectangle(&strip, x - 420, y, 840, 50);
        g.DrawRectangle(&black, x - 420, y, 840, 50);
        g.DrawRectangle(&halves, x - 400, y - 400, 800, 400);
        g.DrawRectangle(&halves, x - 400, y + 50, 800, 350);
    } else {
        g.FillRectangle(&strip, x, y - 420, 50, 840);
        g.DrawRectangle(&black, x, y - 420, 50, 840);
        g.DrawRectangle(&halves, x - 400, y - 400, 400, 800);
        g.DrawRectangle(&halves, x + 50, y - 400, 350, 800);
    }
    CString label;
    for (const RulerTick& tick : RulerTicks(Zoom)) {
        if (!RulerVertical) {
            int tx = x - 400 + tick.offset;
            g.DrawLine(&black, tx, y, tx, y + tick.length);
            if (tick.labelled) {
                label.Format(L"%d", tick.label);
                DrawText(g, label, *SmallFont, (float)tx, (float)y + 14, kText, &CentredFormat);
            }
        } else {
            int ty = y - 400 + tick.offset;
            g.DrawLine(&black, x, ty, x + tick.length, ty);
            if (tick.labelled) {
                label.Format(L"%d", tick.label);
                DrawText(g, label, *SmallFont, (float)x + 26, (float)ty - 6, kText, &CentredFormat);
            }
        }
    }
    // The other orientation's icon and the key that switches to it.
    float ix = (float)x - 395, iy = (float)y + 355;
    float iw = RulerVertical ? 45.0f : 15.0f, ih = RulerVertical ? 15.0f : 45.0f;
    g.FillRectangle(&white, ix, iy, iw, ih);
    g.DrawRectangle(&black, ix, iy, iw, ih);
    for (int i = 1; i <= 5; ++i) {
        if (RulerVertical)
            g.DrawLine(&black, ix + i * 7.5f, iy, ix + i * 7.5f, iy + 4);
        else
            g.DrawLine(&black, ix, iy + i * 7.5f, ix + 4, iy + i * 7.5f);
    }
    g.FillRectangle(&strip, (float)x - 400, (float)y + 380, 80.0f, 20.0f);
    DrawText(g, L"Spacebar", *SmallFont, (float)x - 360, (float)y + 384, Color(255, 232, 32, 32), &CentredFormat);
    DrawHelpBar(g, L"Ctrl: 2X, Shift: 4X, Ctrl+Shift : 8X");
}

// ---- Output -----------------------------------------------------------------------

void CDesktopCaptureDlg::Capture() {
    CRect region;
    switch (Mode) {
    case modeWindow:
    case modeControl:
        if (!PickedWindow) {
            PostDone(0);
            return;
        }
        // The picked window in overlay coordinates, within the screen copy.
        region = WindowRegion(CRect(HoverRect), CRect(ScreenLeft, ScreenTop, ScreenLeft + ScreenWidth,
                                                      ScreenTop + ScreenHeight),
                              ScreenWidth, ScreenHeight);
        break;
    case modeFullScreen: region = CRect(0, 0, ScreenWidth, ScreenHeight); break;
    case modeLastRegion: region = CRect(g_Settings.LastCaptureRect); break;
    default: region = CRect(DragStartX, DragStartY, PointX, PointY); break;
    }
    region = Normalised(region);
    // A last region of a larger screen than today's keeps to this copy.
    CRect clipped;
    if (clipped.IntersectRect(region, CRect(0, 0, ScreenWidth, ScreenHeight))) region = clipped;
    g_Settings.LastCaptureRect = region;
    DragStartX = region.left;
    DragStartY = region.top;
    PointX = region.right;
    PointY = region.bottom;
    if (g_Settings.Capture.Sound && !region.IsRectEmpty())
        GetCaptureSystem().PlaySoundAsync(g_ProgramFolder + L"system\\res\\capture.wav");
    switch (g_Settings.Capture.CaptureOut) {
    case outMemo: PostDone((WPARAM)CopyRegionToClipboard()); break;
    case outClipboard:
        CopyRegionToClipboard();
        SaveCapture();
        break;
    default: SaveCapture(); break;
    }
}

int CDesktopCaptureDlg::CopyRegionToClipboard() {
    CRect region = Normalised(CRect(DragStartX, DragStartY, PointX, PointY));
    NoteRect = region;
    if (region.IsRectEmpty()) return 0;
    HDC desktop = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(desktop);
    HBITMAP bitmap = ::CreateCompatibleBitmap(desktop, region.Width(), region.Height());
    ::ReleaseDC(nullptr, desktop);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::BitBlt(dc, 0, 0, region.Width(), region.Height(), ScreenDC, region.left, region.top, SRCCOPY);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    if (!GetCaptureSystem().SetClipboardBitmap(m_hWnd, bitmap)) ::DeleteObject(bitmap);
    CRect note;
    int minWidth = g_Settings.MemoMinWidth > 0 ? g_Settings.MemoMinWidth : 125;
    int minHeight = g_Settings.MemoMinHeight > 0 ? g_Settings.MemoMinHeight : 42;
    NoteRectFor(region, {ScreenLeft, ScreenTop}, minWidth, minHeight, note);
    NoteRect = note;
    return 1;
}

std::unique_ptr<Gdiplus::Bitmap> CDesktopCaptureDlg::CutPicture(const CRect& region) {
    if (region.IsRectEmpty() || !ScreenArgb) return nullptr;
    // The copy is opaque, so a plain copy of its pixels is what drawing it
    // over a new picture would give, without the resampling of a drawing.
    std::unique_ptr<Gdiplus::Bitmap> picture(ScreenArgb->Clone(
        Gdiplus::Rect(region.left, region.top, region.Width(), region.Height()), PixelFormat32bppARGB));
    if (!picture || picture->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return picture;
}

int CDesktopCaptureDlg::SaveCapture() {
    CString& folder = g_Settings.Capture.CaptureFolder;
    DWORD attributes = folder.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        folder = g_ProgramFolder + L"capture";
    if (!EnsureFolder(folder)) {
        Tell(m_hWnd, g_LanguageTable[TXT_CAPTURE_SAVE_FAILED]);
        return 0;
    }
    CRect region = Normalised(CRect(DragStartX, DragStartY, PointX, PointY));
    std::unique_ptr<Gdiplus::Bitmap> picture = CutPicture(region);
    CString stamp = NameStamp(GetCaptureSystem().LocalTime());
    CString base = folder;
    if (base.Right(1) != L"\\") base += L"\\";
    base += stamp;
    CString& format = g_Settings.Capture.ImgFormat;
    switch (g_Settings.Capture.CaptureOut) {
    case outSave:
        if (picture) {
            PlayFlyAway(*picture);
            CString path = base + L"." + format;
            if (!SaveCaptureImage(*picture, path, MimeForFormat(format), QualityForFormat(format)))
                Tell(m_hWnd, WithFile(TXT_CAPTURE_ENCODE_FAILED, path));
        }
        break;
    case outSaveAs: {
        CString proposed = base;
        if (!g_Settings.CaptureSaveFolder.IsEmpty()) {
            proposed = g_Settings.CaptureSaveFolder;
            if (proposed.Right(1) != L"\\") proposed += L"\\";
            proposed += stamp;
        }
        CString chosen;
        if (GetCaptureSystem().ChooseSaveFile(m_hWnd, proposed, format, FilterIndexForFormat(format), chosen) != IDOK)
            break;
        CString chosenFormat;
        if (!FormatOfFileName(chosen, chosenFormat)) {
            Tell(m_hWnd, WithFile(TXT_CAPTURE_BAD_FORMAT, GetFileOfPath(chosen)));
            break;
        }
        if (picture) PlayFlyAway(*picture);
        g_Settings.CaptureSaveFolder = GetFolderOfPath(chosen);
        format = chosenFormat;
        if (picture && !SaveCaptureImage(*picture, chosen, MimeForFormat(format), QualityForFormat(format)))
            Tell(m_hWnd, WithFile(TXT_CAPTURE_ENCODE_FAILED, chosen));
        break;
    }
    case outClipboard:
        if (picture) PlayFlyAway(*picture);
        break;
    default: break;
    }
    PostDone(0);
    return 1;
}

void CDesktopCaptureDlg::PlayFlyAway(Gdiplus::Bitmap& picture) {
    if (!g_Settings.Capture.Animation) return;
    CRect region = Normalised(CRect(DragStartX, DragStartY, PointX, PointY));
    POINT point = {PointX, PointY};
    int duration = FlyAwayDuration(region, point, ScreenWidth, ScreenHeight);
    DWORD start = ::GetTickCount() + 5, last = 0;
    for (int pass = 0; pass < 1024; ++pass) {
        DWORD now = ::GetTickCount();
        if (pass > 0 && now - last < 2) {
            ::Sleep(1);
            continue;
        }
        last = now;
        int t = (int)(now - start);
        if (t < 0) t = 0;
        if (t > duration) break;
        CRect frame = FlyAwayFrame(region, point, ScreenWidth, ScreenHeight, t, duration);
        UpdateLayered(picture, frame.left, frame.top, frame.Width(), frame.Height());
    }
}

void CDesktopCaptureDlg::UpdateLayered(Gdiplus::Bitmap& picture, int x, int y, int width, int height) {
    ++m_flyAwayFrames;
    if (!m_hWnd) return;
    if (LayeredPending == 1) {
        ModifyStyleEx(0, WS_EX_LAYERED);
        LayeredPending = 0;
    }
    using UpdateLayeredFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    auto update = reinterpret_cast<UpdateLayeredFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow")));
    if (!update) return;
    if (!LayeredBitmap) picture.GetHBITMAP(Color(0, 0, 0, 0), &LayeredBitmap);
    if (!LayeredBitmap || width <= 0 || height <= 0) return;
    HDC windowDC = ::GetDC(m_hWnd);
    HDC memory = ::CreateCompatibleDC(windowDC);
    HGDIOBJ old = ::SelectObject(memory, LayeredBitmap);
    POINT destination = {ScreenLeft + x, ScreenTop + y}, source = {0, 0};
    SIZE size = {width, height};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, (BYTE)LayerAlpha, AC_SRC_ALPHA};
    update(m_hWnd, windowDC, &destination, &size, memory, &source, 0, &blend, ULW_ALPHA);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(m_hWnd, windowDC);
}

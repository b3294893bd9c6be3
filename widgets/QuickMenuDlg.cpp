#include "widgets/QuickMenuDlg.h"

#include "widgets/Meter.h"
#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/WidgetIds.h"

#include "ui/ControlSettings.h"
#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

#include "shell/AppGlobals.h"
#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include "fw/Menu.h"

#include <objidl.h>
#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CQuickMenuDlg, CGDIDialog)
    ON_WM_MOVE()
    ON_WM_NCHITTEST()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
END_MESSAGE_MAP()

namespace {

const int kStripMeterId = 100;
const int kHighlightMeterId = 101;
const int kStripWidth = 493;
const int kStripHeight = 26;
const UINT kHoverMs = 20;

CString SkinFolder() {
    const CString& folder = g_Settings.QuickMenu.SkinFolder;
    return folder.IsEmpty() ? g_ProgramFolder + L"skin\\Menu\\" : folder;
}

CString DefaultSkinFile() { return SkinFolder() + L"default\\memo_extend.xml"; }

void SetText(HMENU menu, UINT position, const CString& text) {
    if (text.IsEmpty()) return;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(text.GetString());
    ::SetMenuItemInfoW(menu, position, TRUE, &item);
}

void Check(HMENU menu, UINT id, bool on) { ::CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)); }

int* SettingOf(UINT id) {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    switch (id) {
    case ID_QUICK_MENU_AUTO_START: return &s.AutoStart2;
    case ID_QUICK_MENU_MINIMIZE: return &s.Minimize;
    case ID_QUICK_MENU_SLIDE_EFFECT: return &s.SlideEffect;
    case ID_QUICK_MENU_WIDE: return &s.WideMenu;
    case ID_QUICK_MENU_SHOW_TOOLTIP: return &s.ShowTooltip;
    }
    return nullptr;
}

}  // namespace

CQuickMenuDlg::CQuickMenuDlg(CWnd* parent) : CGDIDialog(IDD_SKIN_WINDOW, parent) {
    m_pFormat.reset(new Gdiplus::StringFormat());
    m_pFormat->SetAlignment(Gdiplus::StringAlignmentCenter);
    m_pFont.reset(new Gdiplus::Font(g_ControlSettings.DefaultFontFace, 9.0f, Gdiplus::FontStyleRegular,
                                    Gdiplus::UnitPoint));
    m_slide.Configure(QuickMenuHiddenLevel(g_Settings.QuickMenu.Minimize != 0), g_Settings.QuickMenu.MenuDelay);
    m_slide.Rest();
}

CQuickMenuDlg::~CQuickMenuDlg() = default;

BOOL CQuickMenuDlg::Create(UINT templateId, CWnd* parent) { return CGDIDialog::Create(templateId, parent); }

bool CQuickMenuDlg::IsDocked() { return g_Settings.QuickMenu.DockMode != 0; }

CRect CQuickMenuDlg::ReadWorkArea() const {
    return workAreaSource ? workAreaSource() : GetMonitorWorkArea(g_Settings.General.WorkMonitor);
}

BOOL CQuickMenuDlg::OnInitDialog() {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    SetPosition(s.WinX, s.WinY);
    if (IsDocked()) s.ZPosition = ZPOS_TOPMOST;
    m_nZPosition = s.ZPosition;
    SetSkinFolder(SkinFolder());
    SetSkinFile(s.SkinFile.IsEmpty() ? DefaultSkinFile() : s.SkinFile);
    // The docked bar is placed from the work area as soon as it draws.
    m_rcWorkArea = ReadWorkArea();
    CGDIDialog::OnInitDialog();
    m_rcWorkArea = ReadWorkArea();
    if (IsDocked()) {
        CPoint at = GetTopLeft();
        ::SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bChanged = 1;
        s.TransVal = 255;
        s.MouseOverHiding = 0;
        s.AllowMove = 0;
        SetTimer(TIMER_QUICK_MENU_AUTO_HIDE, QUICK_MENU_AUTO_HIDE_MS);
    } else if (s.WinX == -1 && s.WinY == -1) {
        int x = m_rcWorkArea.right - m_szSize.cx;
        int y = m_rcWorkArea.top + g_Settings.General.SortStart;
        ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bChanged = 1;
    }
    SetAlpha(s.TransVal);
    m_bMouseOverHiding = s.MouseOverHiding;
    m_bMovable = s.AllowMove;
    m_bSavePosition = 1;
    return FALSE;
}

// ---- Operations ----

void CQuickMenuDlg::SaveState() {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    // The default skin (after a skin that would not load) has no file: the
    // stored one is kept for the next start.
    if (!m_strSkinFile.IsEmpty()) s.SkinFile = m_strSkinFile;
    s.ZPosition = m_nZPosition;
    s.TransVal = GetAlpha();
    s.MouseOverHiding = m_bMouseOverHiding;
    s.AllowMove = m_bMovable;
    if (m_hWnd) {
        CPoint at = IsDocked() ? GetTopLeft() : GetRect().TopLeft();
        s.WinX = at.x;
        s.WinY = at.y;
    }
}

void CQuickMenuDlg::SetExpanded(bool expand) {
    CString command = QuickMenuSkinSwitch(g_Settings.QuickMenu.SkinFile, expand);
    if (!command.IsEmpty()) ExecuteCommand(command);
}

void CQuickMenuDlg::SlideOut() {
    if (!IsDocked()) return;
    m_slide.Configure(QuickMenuHiddenLevel(g_Settings.QuickMenu.Minimize != 0), g_Settings.QuickMenu.MenuDelay);
    m_slide.SlideOut();
}

void CQuickMenuDlg::UpdateWorkArea() {
    CRect area = ReadWorkArea();
    if (area == m_rcWorkArea) return;
    m_rcWorkArea = area;
    Redraw();
}

void CQuickMenuDlg::RedrawIfUndocked() {
    if (GetUpdateCycle() > 0 && !IsDocked()) Redraw();
}

void CQuickMenuDlg::OnMenuClose() {
    m_bClosedByUser = true;
    FadeOut();
}

void CQuickMenuDlg::Dock() {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    m_rcWorkArea = ReadWorkArea();
    s.DockMode = 1;
    s.AllowMove = 0;
    s.ZPosition = ZPOS_TOPMOST;
    SetZPosition(ZPOS_TOPMOST, TRUE);
    m_bMovable = s.AllowMove;
    m_bChanged = 1;
    GetZDialogOwner().RequestSaveSoon();
    BuildDockedSkin();
}

void CQuickMenuDlg::Undock() {
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    // No slide timer outlives the docked bar.
    for (UINT id : {TIMER_QUICK_MENU_AUTO_HIDE, TIMER_QUICK_MENU_SLIDE_OUT, TIMER_QUICK_MENU_SLIDE_IN,
                    TIMER_QUICK_MENU_DELAY})
        KillTimer(id);
    s.SkinFile = DefaultSkinFile();
    m_slide.pressedItem = -1;
    m_slide.tooltipItem = -1;
    m_slide.Rest();
    s.DockMode = 0;
    s.AllowMove = 1;
    m_bMovable = 1;
    m_bChanged = 1;
    GetZDialogOwner().RequestSaveSoon();
    LoadSkin(s.SkinFile);
    Redraw();
}

// ---- Commands ----

int CQuickMenuDlg::ExecuteCommand(const CString& command) {
    CString upper = command;
    upper.MakeUpper();
    static const wchar_t kChangeSkin[] = L"CHANGESKIN:";
    const int prefix = (int)wcslen(kChangeSkin);
    if (upper.Left(prefix) == kChangeSkin) {
        CString name = command.Mid(prefix);
        if (name.IsEmpty()) name = L"memo_extend.xml";
        CString path = GetFolderOfPath(m_strSkinFile.IsEmpty() ? g_Settings.QuickMenu.SkinFile : m_strSkinFile) + name;
        g_Settings.QuickMenu.SkinFile = path;
        LoadSkin(path);
        m_bChanged = 1;
        GetZDialogOwner().RequestSaveSoon();
        return 1;
    }
    if (upper == L"QUICK_MENU") {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ShowUndockedMenu(cursor);
        return 1;
    }
    if (upper == L"DOCK_SKIN") {
        Dock();
        return 1;
    }
    if (upper == L"CLOSE") {
        OnMenuClose();
        return 1;
    }
    return CGDIDialog::ExecuteCommand(command);
}

BOOL CQuickMenuDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam != 0) return CGDIDialog::OnCommand(wParam, lParam);
    CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    switch (id) {
    case ID_QUICK_MENU_CLOSE: OnMenuClose(); return TRUE;
    case ID_QUICK_MENU_AUTO_START:
    case ID_QUICK_MENU_MINIMIZE:
    case ID_QUICK_MENU_SLIDE_EFFECT:
        ToggleSetting(id);
        SaveState();
        SaveSettingsNow();
        if (id == ID_QUICK_MENU_MINIMIZE) {
            if (s.Minimize) {
                SlideOut();
            } else {
                m_slide.Configure(QuickMenuHiddenLevel(false), s.MenuDelay);
                m_slide.Rest();
                Redraw();
            }
        }
        return TRUE;
    case ID_QUICK_MENU_DOCK_SKIN:
    case ID_QUICK_MENU_DOCK: Dock(); return TRUE;
    case ID_QUICK_MENU_UNDOCK: Undock(); return TRUE;
    case ID_QUICK_MENU_WIDE:
        ToggleSetting(id);
        SaveSettingsNow();
        Redraw();
        return TRUE;
    case ID_QUICK_MENU_SHOW_TOOLTIP:
        ToggleSetting(id);
        SaveSettingsNow();
        return TRUE;
    }
    for (int i = 0; i < QUICK_MENU_DELAY_COUNT; ++i) {
        if (id != kQuickMenuDelayCommands[i]) continue;
        s.MenuDelay = kQuickMenuDelays[i];
        SaveSettingsNow();
        return TRUE;
    }
    return CGDIDialog::OnCommand(wParam, lParam);
}

void CQuickMenuDlg::ToggleSetting(UINT id) {
    if (int* value = SettingOf(id)) *value = *value ? 0 : 1;
}

void CQuickMenuDlg::SaveSettingsNow() { SaveAppConfig(); }

// ---- Skins ----

BOOL CQuickMenuDlg::LoadSkin(const CString& path) {
    if (!IsDocked()) return CGDIDialog::LoadSkin(path);
    // The undocked skin is remembered for when the bar is undocked again.
    if (!path.IsEmpty()) SetSkinFile(path);
    BuildDockedSkin();
    return TRUE;
}

void CQuickMenuDlg::BuildDockedSkin() {
    ClearSkin();
    SetRegionFromImage(TRUE);
    if (!m_Skin.LoadXmlText(QuickMenuDockedSkinXml().c_str()) || !BuildSkin(-1)) {
        LoadDefaultSkin();
        return;
    }
    m_slide.Configure(QuickMenuHiddenLevel(g_Settings.QuickMenu.Minimize != 0), g_Settings.QuickMenu.MenuDelay);
    m_slide.Rest();
    Repaint();
}

CPoint CQuickMenuDlg::GetTopLeft() {
    if (!IsDocked()) return CGDIDialog::GetTopLeft();
    CPoint at(QuickMenuDockX(m_rcWorkArea, m_szSize.cx, g_Settings.QuickMenu.DockXOffset), m_rcWorkArea.top);
    g_Settings.QuickMenu.WinX = at.x;
    g_Settings.QuickMenu.WinY = at.y;
    return at;
}

// ---- Drawing ----

void CQuickMenuDlg::Redraw() {
    if (IsDocked())
        Repaint();
    else
        CGDIDialog::Redraw();
}

void CQuickMenuDlg::Repaint() {
    if (!IsDocked() || !m_pBackBuffer) {
        CGDIDialog::Repaint();
        return;
    }
    {
        Gdiplus::Graphics g(m_pBackBuffer.get());
        g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        if (m_pBackground)
            g.DrawImage(m_pBackground.get(), Gdiplus::Rect(0, 0, m_szSize.cx, m_szSize.cy), 0, 0, m_szSize.cx,
                        m_szSize.cy, Gdiplus::UnitPixel);
        int step = m_slide.GetStep();
        if (g_Settings.QuickMenu.WideMenu && step <= 5) {
            // Nearly invisible, but the mouse finds it along the top edge.
            Gdiplus::Pen line(Gdiplus::Color(1, 0, 0, 0), 1.0f);
            g.DrawLine(&line, 0, 0, m_szSize.cx, 0);
        }
        g.SetCompositingMode(Gdiplus::CompositingModeSourceOver);
        auto* strip = dynamic_cast<CMeterFrameImage*>(FindMeter(METER_FRAMEIMAGE, kStripMeterId));
        if (Gdiplus::Image* picture = strip ? strip->GetPicture() : nullptr)
            g.DrawImage(picture, Gdiplus::Rect(0, 0, kStripWidth, kStripHeight), 0, kStripHeight * step, kStripWidth,
                        kStripHeight, Gdiplus::UnitPixel);
        int pressed = m_slide.pressedItem;
        auto* highlight = dynamic_cast<CMeterImage*>(FindMeter(METER_IMAGE, kHighlightMeterId));
        Gdiplus::Image* lit = highlight ? highlight->GetPicture() : nullptr;
        if (pressed >= 0 && pressed < QUICK_MENU_ITEM_COUNT && lit) {
            const QuickMenuItem& item = GetQuickMenuItem(pressed);
            g.DrawImage(lit, Gdiplus::Rect(item.highlight.left, item.highlight.top, item.highlight.Width(),
                                           item.highlight.Height()),
                        item.source.x, item.source.y, item.highlight.Width(), item.highlight.Height(),
                        Gdiplus::UnitPixel);
        }
        if (g_Settings.QuickMenu.ShowTooltip && m_slide.tooltipItem >= 0 && step == QUICK_MENU_OPEN_STEP &&
            !m_strToolTip.IsEmpty())
            DrawBalloon(g);
    }
    UpdateLayered();
}

void CQuickMenuDlg::DrawBalloon(Gdiplus::Graphics& g) {
    Gdiplus::RectF measured;
    g.MeasureString(m_strToolTip, -1, m_pFont.get(), Gdiplus::PointF(0, 0), &measured);
    QuickMenuBalloon box = QuickMenuBalloonBox(m_nToolTipAnchor, measured.Width, m_szSize.cx);
    int a = m_nToolTipAnchor, v = box.left, t = box.width;
    Gdiplus::Point outline[] = {{a, 26},     {a - 4, 30}, {v, 30},     {v, 50},
                                {v + t, 50}, {v + t, 30}, {a + 4, 30}, {a, 26}};
    Gdiplus::SolidBrush fill(Gdiplus::Color(216, 255, 255, 255));
    g.FillPolygon(&fill, outline, 8);
    Gdiplus::Pen pen(Gdiplus::Color(196, 32, 32, 32), 1.0f);
    g.DrawPolygon(&pen, outline, 8);
    Gdiplus::SolidBrush ink(Gdiplus::Color(196, 32, 32, 192));
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    g.DrawString(m_strToolTip, -1, m_pFont.get(), Gdiplus::PointF((float)(v + t / 2), 34.0f), m_pFormat.get(), &ink);
}

// ---- Messages ----

BOOL CQuickMenuDlg::PreTranslateMessage(MSG* msg) {
    // Docked, keys get the dialog's own handling: Escape does not hide it.
    if (msg->message == WM_KEYDOWN && IsDocked()) return CZDialog::PreTranslateMessage(msg);
    return CGDIDialog::PreTranslateMessage(msg);
}

void CQuickMenuDlg::OnMove(int x, int y) {
    CGDIDialog::OnMove(x, y);
    if (m_pBackBuffer && m_bSavePosition) {
        m_bChanged = 1;
        g_Settings.QuickMenu.WinX = x;
        g_Settings.QuickMenu.WinY = y;
    }
}

LRESULT CQuickMenuDlg::OnNcHitTest(CPoint point) {
    if (IsDocked()) return Default();
    return CGDIDialog::OnNcHitTest(point);
}

void CQuickMenuDlg::OnNcRButtonDown(UINT hitTest, CPoint point) {
    ShowUndockedMenu(point);
    CZDialog::OnNcRButtonDown(hitTest, point);
}

void CQuickMenuDlg::ShowUndockedMenu(CPoint at) {
    GetZDialogOwner().HideToolTipWidget(this);
    HMENU popup = BuildContextMenu();
    if (!popup) return;
    ::TrackPopupMenu(popup, 0, at.x, at.y, 0, m_hWnd, nullptr);
    ::DestroyMenu(popup);
}

HMENU CQuickMenuDlg::BuildContextMenu() {
    static const WindowMenuLayout kLayout = {IDR_QUICK_MENU_UNDOCKED,
                                             {{0, 11000},
                                              {1, 11001},
                                              {2, 27306},
                                              {3, 11002},
                                              {4, 11003},
                                              {5, 11004},
                                              {7, 11006},
                                              {8, 11007},
                                              {9, 11008},
                                              {11, 11001},
                                              {12, 31101},
                                              {14, 31006}},
                                             0,
                                             3,
                                             5,
                                             7};
    HMENU popup = BuildWindowMenu(kLayout);
    if (popup) Check(popup, ID_QUICK_MENU_AUTO_START, g_Settings.QuickMenu.AutoStart2 != 0);
    return popup;
}

HMENU CQuickMenuDlg::BuildDockedMenu() {
    HMENU bar = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_QUICK_MENU_DOCKED));
    if (!bar) return nullptr;
    HMENU popup = ::GetSubMenu(bar, 0);
    ::RemoveMenu(bar, 0, MF_BYPOSITION);
    ::DestroyMenu(bar);
    if (!popup) return nullptr;
    const CSettings::QuickMenuSection& s = g_Settings.QuickMenu;
    static const std::pair<UINT, int> kTexts[] = {{0, 31016}, {1, 31018}, {2, 31102}, {4, 31017},
                                                  {5, 31104}, {7, 11001}, {8, 31101}, {10, 31012}};
    for (const auto& t : kTexts) SetText(popup, t.first, g_LanguageTable[t.second]);
    int last = ::GetMenuItemCount(popup) - 1;
    SetText(popup, (UINT)last, g_LanguageTable[11014]);
    Check(popup, ID_QUICK_MENU_SHOW_TOOLTIP, s.ShowTooltip != 0);
    Check(popup, ID_QUICK_MENU_WIDE, s.WideMenu != 0);
    Check(popup, ID_QUICK_MENU_MINIMIZE, s.Minimize != 0);
    Check(popup, ID_QUICK_MENU_SLIDE_EFFECT, s.SlideEffect != 0);
    Check(popup, ID_QUICK_MENU_AUTO_START, s.AutoStart2 != 0);
    if (HMENU delays = ::GetSubMenu(popup, 4)) {
        static const wchar_t* kSeconds[QUICK_MENU_DELAY_COUNT] = {nullptr, L"0.3 ", L"0.4 ", L"0.5 ", L"0.7 ", L"1.0 "};
        for (int i = 0; i < QUICK_MENU_DELAY_COUNT; ++i) {
            CString text = i == 0 ? g_LanguageTable[40] : CString(kSeconds[i]) + g_LanguageTable[25319];
            SetText(delays, (UINT)i, text);
            Check(delays, kQuickMenuDelayCommands[i], s.MenuDelay == kQuickMenuDelays[i]);
        }
    }
    CZDialogOwner& owner = GetZDialogOwner();
    if (HMENU expanded = ::GetSubMenu(popup, last)) {
        while (::GetMenuItemCount(expanded) > 0) ::DeleteMenu(expanded, 0, MF_BYPOSITION);
        owner.FillExpandedMenu(CMenu::FromHandle(expanded));
    }
    return popup;
}

void CQuickMenuDlg::ShowDockedMenu() {
    HMENU popup = BuildDockedMenu();
    if (popup) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ::TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, m_hWnd, nullptr);
        ::DestroyMenu(popup);
    }
    m_slide.Rest();
    m_slide.OnLeave();
}

void CQuickMenuDlg::OnMouseMove(UINT flags, CPoint point) {
    if (IsDocked()) {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = kHoverMs;
        ::TrackMouseEvent(&track);
        if (g_Settings.QuickMenu.ShowTooltip) {
            int item = QuickMenuItemAt(point);
            if (item >= 0) {
                const QuickMenuItem& entry = GetQuickMenuItem(item);
                m_nToolTipAnchor = entry.anchorX;
                m_strToolTip = g_LanguageTable[entry.textId];
            }
            if (item != m_slide.tooltipItem) {
                m_slide.tooltipItem = item;
                Repaint();
            }
        }
    }
    CGDIDialog::OnMouseMove(flags, point);
}

void CQuickMenuDlg::OnMouseHover(UINT, CPoint) {
    if (!IsDocked()) return;
    m_slide.Configure(QuickMenuHiddenLevel(g_Settings.QuickMenu.Minimize != 0), g_Settings.QuickMenu.MenuDelay);
    m_slide.OnHover();
}

void CQuickMenuDlg::OnMouseLeave() {
    if (!IsDocked()) return;
    m_slide.OnLeave();
}

void CQuickMenuDlg::OnLButtonDown(UINT, CPoint point) {
    if (IsDocked()) {
        m_slide.pressedItem = QuickMenuItemAt(point);
        m_slide.SetStep(QUICK_MENU_OPEN_STEP);
        Repaint();
        GetZDialogOwner().HideToolTipWidget(this);
    }
    Default();
}

void CQuickMenuDlg::OnLButtonUp(UINT, CPoint point) {
    if (!IsDocked()) {
        Default();
        return;
    }
    int item = QuickMenuItemAt(point);
    if (item >= 0 && item == m_slide.pressedItem) {
        if (item == QUICK_MENU_ITEM_MENU) {
            m_slide.pressedItem = -1;
            ShowDockedMenu();
            Default();
            return;
        }
        PostCommand(GetQuickMenuItem(item).command);
        if (item == QUICK_MENU_ITEM_WIDGETS) m_strToolTip.Empty();
        if (item == 3) {
            // The capture starts with the bar as it looks without the press.
            m_slide.pressedItem = -1;
            Repaint();
        }
    }
    m_slide.pressedItem = -1;
    Repaint();
    Default();
}

void CQuickMenuDlg::OnTimer(UINT_PTR id) {
    if (m_slide.OnTimer((UINT)id)) return;
    CGDIDialog::OnTimer(id);
}

LRESULT CQuickMenuDlg::OnDisplayChange(WPARAM, LPARAM) {
    if (IsDocked()) UpdateWorkArea();
    return Default();
}

void CQuickMenuDlg::OnFadeOutDone() {
    if (m_bClosedByUser && GetRefCount() == 1 && onClosedByUser) onClosedByUser();
}

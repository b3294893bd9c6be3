#include "widgets/QuickMenuLogic.h"

#include <algorithm>
#include <cwchar>

namespace {

// Items 0-5 highlight 26 x 26 squares, 6-9 small 16 x 20 ones, 12-18 22 x 22
// ones taken from elsewhere in the highlight picture.
const QuickMenuItem kItems[QUICK_MENU_ITEM_COUNT] = {
    {CRect(5, 2, 27, 23), 25311, L"SHUTDOWN_WIDGET:5", 18, CRect(5, 0, 31, 26), CPoint(5, 0)},
    {CRect(31, 2, 53, 23), 31015, L"MONITORPOWER_OFF_LOCK", 43, CRect(31, 0, 57, 26), CPoint(31, 0)},
    {CRect(57, 2, 79, 23), 27009, L"PASSWORD_MANAGER", 68, CRect(57, 0, 83, 26), CPoint(57, 0)},
    {CRect(83, 2, 105, 23), 11126, L"CAPTURE_REGION", 95, CRect(83, 0, 109, 26), CPoint(83, 0)},
    {CRect(109, 2, 131, 23), 10016, L"ADD_SCHEDULE", 120, CRect(109, 0, 135, 26), CPoint(109, 0)},
    {CRect(135, 2, 157, 23), 11070, L"NEW_MEMO", 147, CRect(135, 0, 161, 26), CPoint(135, 0)},
    {CRect(169, 4, 183, 22), 28208, L"SHOW_FAVORITEMEMO", 176, CRect(168, 0, 184, 20), CPoint(168, 0)},
    {CRect(186, 4, 200, 22), 31001, L"SHOW_RECENTMEMO:5", 193, CRect(185, 0, 201, 20), CPoint(185, 0)},
    {CRect(203, 4, 217, 22), 221, L"SHOW_ALLWIDGET", 211, CRect(202, 0, 218, 20), CPoint(202, 0)},
    {CRect(220, 4, 234, 22), 240, L"HIDE_ALLWIDGET", 228, CRect(219, 0, 235, 20), CPoint(219, 0)},
    {CRect(243, 0, 269, 25), 28000, L"TOOLTIP_WIDGET:ZORELMENU", 256, CRect(242, 0, 274, 25), CPoint(339, 0)},
    {CRect(285, 3, 299, 19), 39, nullptr, 291, CRect(280, 0, 302, 17), CPoint(371, 0)},
    {CRect(310, 2, 330, 22), 224, L"CLOCK", 320, CRect(308, 1, 330, 23), CPoint(241, 1)},
    {CRect(333, 2, 352, 22), 225, L"CALENDAR", 343, CRect(330, 1, 352, 23), CPoint(263, 1)},
    {CRect(356, 2, 376, 22), 619, L"SCHEDULE", 367, CRect(356, 1, 378, 23), CPoint(289, 1)},
    {CRect(381, 2, 401, 22), 31007, L"TODAY_INFO", 391, CRect(380, 1, 402, 23), CPoint(313, 1)},
    {CRect(413, 2, 433, 22), 31008, L"COLOR_PICKER", 422, CRect(412, 1, 434, 23), CPoint(393, 1)},
    {CRect(440, 2, 460, 22), 31013, L"RULER", 448, CRect(439, 1, 461, 23), CPoint(420, 1)},
    {CRect(463, 2, 483, 22), 31009, L"ZOOM_WINDOW", 473, CRect(462, 1, 484, 23), CPoint(443, 1)},
};

CString FileName(const CString& path) {
    int slash = path.ReverseFind(L'\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}

}  // namespace

const int kQuickMenuDelays[QUICK_MENU_DELAY_COUNT] = {0, 3, 4, 5, 7, 10};
const UINT kQuickMenuDelayCommands[QUICK_MENU_DELAY_COUNT] = {32995, 32997, 32998, 33001, 33003, 33004};

const QuickMenuItem& GetQuickMenuItem(int item) {
    return kItems[item >= 0 && item < QUICK_MENU_ITEM_COUNT ? item : 0];
}

int QuickMenuItemAt(CPoint point) {
    for (int i = 0; i < QUICK_MENU_ITEM_COUNT; ++i) {
        const CRect& r = kItems[i].hit;
        if (point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom) return i;
    }
    return -1;
}

int QuickMenuDockX(const CRect& workArea, int clientWidth, int dockXOffset) {
    int w = workArea.Width();
    if (dockXOffset >= 0) return workArea.left + dockXOffset;
    if (w > 1900) return workArea.left + w / 2;
    if (w > 1400) return workArea.right - clientWidth - 400;
    return workArea.right - clientWidth - 200;
}

QuickMenuBalloon QuickMenuBalloonBox(int anchorX, double textWidth, int windowWidth) {
    int t = (int)(textWidth + 20);
    int v = anchorX - t / 2;
    v = std::max(v, 0);
    v = std::min(v, windowWidth - (t + 1));
    return {v, t};
}

CString QuickMenuSkinSwitch(const CString& skinFile, bool expand) {
    static const struct {
        const wchar_t* contracted;
        const wchar_t* extended;
    } kLooks[] = {{L"memo_contract.xml", L"memo_extend.xml"}, {L"memo_contract_top.xml", L"memo_extend_top.xml"}};
    CString name = FileName(skinFile);
    for (const auto& look : kLooks) {
        if (expand && name == look.contracted) return CString(L"CHANGESKIN:") + look.extended;
        if (!expand && name == look.extended) return CString(L"CHANGESKIN:") + look.contracted;
    }
    return CString();
}

std::string QuickMenuDockedSkinXml() {
    return "<ZorelWidget>"
           "<Window><Size W=\"500\" H=\"51\" /></Window>"
           "<Widget Type=\"FrameImage\" ID=\"100\">"
           "<Image ImageID=\"368\" X=\"0\" Y=\"0\" W=\"493\" H=\"26\" Vertical=\"1\" />"
           "<Value MaxFrame=\"12\" /></Widget>"
           "<Widget Type=\"Image\" ID=\"101\">"
           "<Image ImageID=\"366\" X=\"0\" Y=\"-100\" />"
           "<Value MaxFrame=\"12\" /></Widget>"
           "</ZorelWidget>";
}

// ---- Sliding ----

void CQuickMenuSlide::StartOpening() {
    m_lastTick = m_host.Now();
    m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_IN);
    m_host.StopTimer(TIMER_QUICK_MENU_AUTO_HIDE);
    m_host.StartTimer(TIMER_QUICK_MENU_SLIDE_OUT, QUICK_MENU_SLIDE_MS);
}

void CQuickMenuSlide::OnHover() {
    if (m_hovering) return;
    m_hovering = true;
    if (m_menuDelay > 0) {
        m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_OUT);
        m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_IN);
        m_host.StopTimer(TIMER_QUICK_MENU_AUTO_HIDE);
        m_host.StartTimer(TIMER_QUICK_MENU_DELAY, (UINT)m_menuDelay * 100);
    } else {
        StartOpening();
    }
}

void CQuickMenuSlide::OnLeave() {
    m_host.OnLeft();
    pressedItem = -1;
    m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_OUT);
    m_host.StopTimer(TIMER_QUICK_MENU_AUTO_HIDE);
    m_host.StopTimer(TIMER_QUICK_MENU_DELAY);
    m_host.StartTimer(TIMER_QUICK_MENU_SLIDE_IN, QUICK_MENU_SLIDE_MS);
    m_hovering = false;
}

void CQuickMenuSlide::SlideOut() {
    StartOpening();
    m_host.StartTimer(TIMER_QUICK_MENU_AUTO_HIDE, QUICK_MENU_AUTO_HIDE_MS);
}

bool CQuickMenuSlide::OnTimer(UINT id) {
    switch (id) {
    case TIMER_QUICK_MENU_DELAY:
        m_lastTick = m_host.Now();
        m_host.StopTimer(TIMER_QUICK_MENU_DELAY);
        m_host.StartTimer(TIMER_QUICK_MENU_SLIDE_OUT, QUICK_MENU_SLIDE_MS);
        return true;
    case TIMER_QUICK_MENU_SLIDE_OUT: {
        if (m_step >= QUICK_MENU_OPEN_STEP) {
            m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_OUT);
            return true;
        }
        DWORD now = m_host.Now();
        DWORD units = (now - m_lastTick) / QUICK_MENU_SLIDE_MS;
        if (units == 0) return true;  // too early: the elapsed part counts next time
        m_step = (int)std::min<DWORD>((DWORD)m_step + units, QUICK_MENU_OPEN_STEP);
        // What is left of a step counts with the next tick.
        m_lastTick += units * QUICK_MENU_SLIDE_MS;
        m_host.RepaintBar();
        if (m_step >= QUICK_MENU_OPEN_STEP) m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_OUT);
        return true;
    }
    case TIMER_QUICK_MENU_SLIDE_IN:
        tooltipItem = -1;
        if (m_step > m_hiddenLevel) {
            --m_step;
            m_host.RepaintBar();
        }
        if (m_step <= m_hiddenLevel) m_host.StopTimer(TIMER_QUICK_MENU_SLIDE_IN);
        return true;
    case TIMER_QUICK_MENU_AUTO_HIDE:
        m_host.StopTimer(TIMER_QUICK_MENU_AUTO_HIDE);
        OnLeave();
        return true;
    }
    return false;
}

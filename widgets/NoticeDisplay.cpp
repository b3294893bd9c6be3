#include "widgets/NoticeDisplay.h"

#include "shell/LanguageTable.h"
#include "widgets/GDIDialog.h"
#include "widgets/NoticeIds.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"
#include "widgets/WidgetIds.h"

#include <vector>

int g_SlideSlots[8] = {};

namespace {
NoticeEditors s_editors;
CRect s_workArea;

// A sliding notice moves 5 pixels a tick and takes 700 ms each way.
const UINT kSlideMs = 700;
const int kSlideStep = 5;

std::vector<CGDIDialog*> ThreadNotices() {
    std::vector<CGDIDialog*> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            CWnd* window = CWnd::FromHandlePermanent(wnd);
            if (dynamic_cast<CSlideUpDlg*>(window) || dynamic_cast<CPopUpDlg*>(window))
                ((std::vector<CGDIDialog*>*)param)->push_back(static_cast<CGDIDialog*>(window));
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

void SetMenuText(HMENU menu, UINT position, int textId) {
    CString text = g_LanguageTable[textId];
    if (text.IsEmpty()) return;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(text.GetString());
    ::SetMenuItemInfoW(menu, position, TRUE, &item);
}
}  // namespace

void ResetSlideSlots() {
    for (int& slot : g_SlideSlots) slot = 0;
}

void SetNoticeEditors(NoticeEditors editors) { s_editors = std::move(editors); }

void OpenNoticeSchedule(int id) {
    if (id < 0) return;
    if (id >= kFirstAnniversaryId) {
        if (s_editors.editAnniversary) s_editors.editAnniversary(id);
    } else if (s_editors.editAlarm) {
        s_editors.editAlarm(id);
    }
}

CRect NoticeWorkArea() {
    if (!s_workArea.IsRectEmpty()) return s_workArea;
    CRect area;
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return area;
}

void SetNoticeWorkArea(const CRect& area) { s_workArea = area; }

HMENU BuildNoticeMenu(CGDIDialog& window) {
    // The last item is "Edit schedule", not the frame's menu: its text is
    // set after the shared layout has named the last item.
    static const CGDIDialog::WindowMenuLayout kLayout = {
        IDR_NOTICE_MENU, {{0, 11000}, {1, 11001}, {2, 27306}, {3, 11002}, {4, 11003}, {5, 11004}}, 0, 3, 5, -1};
    HMENU popup = window.BuildWindowMenu(kLayout);
    if (popup) SetMenuText(popup, 7, 10017);
    return popup;
}

CGDIDialog* ShowNoticeWindow(CWnd* parent, const NoticeRequest& notice) {
    if (notice.style == 0) {
        CSlideUpDlg* slide = new CSlideUpDlg(parent);
        if (!slide->CreateWithTitle(parent, notice.title)) {
            delete slide;
            return nullptr;
        }
        slide->SetItemId(notice.id);
        slide->SetTitleFont(notice.fontFace, notice.titleSize, notice.titleColor);
        slide->SetBodyFont(notice.fontFace, notice.bodySize, notice.bodyColor);
        const int placement = notice.placement >= 0 && notice.placement < 8 ? notice.placement : 6;
        // A notice without a time-out stays until it is closed.
        const UINT stay = notice.timeout < 0 ? USER_TIMER_MAXIMUM : (UINT)notice.timeout;
        slide->ShowSlide(notice.body, kSlideMs, stay, kSlideMs, kSlideStep, placement, g_SlideSlots[placement]);
        return slide;
    }
    if (notice.style < 1 || notice.style > 3) return nullptr;
    CPopUpDlg* popup = new CPopUpDlg(parent);
    popup->SetStyle(notice.style);
    if (!popup->CreateWithTitle(parent, notice.title)) {
        delete popup;
        return nullptr;
    }
    popup->SetScheduleId(notice.id);
    popup->SetTitleFont(notice.fontFace, notice.titleSize, notice.titleColor);
    popup->SetBodyFont(notice.fontFace, notice.bodySize, notice.bodyColor);
    popup->ShowPopup(notice.x, notice.y, notice.timeout, notice.body);
    return popup;
}

int CountNoticeWindows() { return (int)ThreadNotices().size(); }

void CloseNoticeWindows() {
    for (CGDIDialog* notice : ThreadNotices())
        if (notice->m_hWnd) notice->DestroyWindow();
}

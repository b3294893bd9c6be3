#include "widgets/MeterEditBox.h"

#include "widgets/SkinHost.h"

#include "fw/AfxWin.h"

const int kEditControlId = 10;

CMeterEditBox::~CMeterEditBox() {
    if (m_hEdit && ::IsWindow(m_hEdit)) ::DestroyWindow(m_hEdit);
    m_hEdit = nullptr;
}

HWND CMeterEditBox::GetOwnerWindow() const {
    CWnd* window = dynamic_cast<CWnd*>(m_Owner);
    return window ? window->m_hWnd : nullptr;
}

void CMeterEditBox::Initialize() {
    if (m_hEdit) return;
    HWND owner = GetOwnerWindow();
    if (!owner) return;
    RECT ownerRect = {};
    ::GetWindowRect(owner, &ownerRect);
    // A popup window may not carry a control id in its menu handle; the id
    // is kept as the window's user data.
    m_hEdit = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, ownerRect.left + m_X,
                                ownerRect.top + m_Y, m_W, m_H, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hEdit) return;
    ::SetWindowLongPtrW(m_hEdit, GWLP_USERDATA, kEditControlId);
    ::SendMessageW(m_hEdit, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    FollowOwner();
}

void CMeterEditBox::FollowOwner() {
    HWND owner = GetOwnerWindow();
    if (!m_hEdit || !owner) return;
    RECT ownerRect = {};
    ::GetWindowRect(owner, &ownerRect);
    bool shown = ::IsWindowVisible(owner) != FALSE;
    ::SetWindowPos(m_hEdit, nullptr, ownerRect.left + m_X, ownerRect.top + m_Y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CMeterEditBox::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"EDITBOX");
}

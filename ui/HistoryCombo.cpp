#include "ui/HistoryCombo.h"

#include "ui/AppProfileStore.h"

BEGIN_MESSAGE_MAP(CHistoryCombo, CControlBase)
END_MESSAGE_MAP()

CHistoryCombo::CHistoryCombo(BOOL allowSort) : m_logic(&CAppProfileStore::Instance()), m_bAllowSort(allowSort) {}

BOOL CHistoryCombo::PreCreateWindow(CREATESTRUCT& cs) {
    if (!m_bAllowSort) cs.style &= ~CBS_SORT;
    return CControlBase::PreCreateWindow(cs);
}

void CHistoryCombo::PullText() {
    if (!m_hWnd) return;
    m_logic.m_strText = GetWindowText();
    m_logic.m_nSelected = (int)SendMessage(CB_GETCURSEL);
    m_logic.m_bDropDown = (GetStyle() & 3) != CBS_DROPDOWNLIST;
}

void CHistoryCombo::Push() {
    if (!m_hWnd) return;
    SendMessage(CB_RESETCONTENT);
    for (const CString& item : m_logic.m_items) SendMessage(CB_ADDSTRING, 0, (LPARAM)item.GetString());
    if (m_logic.m_nSelected >= 0) SendMessage(CB_SETCURSEL, m_logic.m_nSelected);
    else if (m_logic.m_bDropDown) SetWindowText(m_logic.m_strText);
}

CString CHistoryCombo::LoadHistory(LPCTSTR section, LPCTSTR keyPrefix, BOOL restoreLast, LPCTSTR lastKey) {
    PullText();
    CString value = m_logic.LoadHistory(section, keyPrefix, restoreLast, lastKey);
    Push();
    return value;
}

void CHistoryCombo::SaveHistory(BOOL addCurrent) {
    PullText();
    m_logic.SaveHistory(addCurrent);
    Push();
}

void CHistoryCombo::ClearHistory(BOOL deleteStored) {
    PullText();
    m_logic.ClearHistory(deleteStored);
    Push();
}

int CHistoryCombo::AddToHistory(LPCTSTR text) {
    PullText();
    int index = m_logic.AddToHistory(text ? text : _T(""));
    Push();
    return index;
}

void CHistoryCombo::AddCurrentText(BOOL onlyWhenNotEmpty) {
    PullText();
    m_logic.AddCurrentText(onlyWhenNotEmpty);
    Push();
}

void CHistoryCombo::Serialize(CArchive& ar) {
    PullText();
    if (ar.IsStoring()) m_logic.Store(ar);
    else m_logic.Load(ar);
    Push();
}

BOOL CHistoryCombo::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && m_hWnd &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        HWND parent = ::GetParent(m_hWnd);
        if (parent) ::PostMessageW(parent, WM_COMMAND, IDC_HISTORY_ENTER, 0);
    }
    return CControlBase::PreTranslateMessage(msg);
}

#include "app/WidgetPage.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/LanguageTable.h"
#include "shell/MemoSetupLogic.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "widgets/WidgetList.h"

#include <commctrl.h>

namespace {
struct Caption {
    UINT control;
    int text;
};
const Caption kCaptions[] = {
    {1397, 2201}, {1322, 516}, {1398, 515}, {IDC_WP_MOUSE_OVER, 11009},
    {1428, 516}, {1405, 515}, {IDC_WP_SEL_MOUSE_OVER, 11009},
};
const int kLocationTexts[] = {521, 522, 523};
// As many skins as anyone installs; the list stays bounded all the same.
const int kMaxWidgetSkins = 2000;
const UINT kPerWidgetControls[] = {IDC_WP_SEL_MOUSE_OVER, IDC_WP_SEL_ZPOSITION, IDC_WP_SEL_TRANS};

void FillLocations(HWND list) {
    int selected = (int)::SendMessageW(list, CB_GETCURSEL, 0, 0);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < (g_Settings.General.EnableDesktop ? 3 : 2); ++i)
        ::SendMessageW(list, CB_ADDSTRING, 0, (LPARAM)g_LanguageTable[kLocationTexts[i]].GetString());
    ::SendMessageW(list, CB_SETCURSEL, (WPARAM)selected, 0);
}

int Selected(CWnd* page, UINT id, int fallback) {
    int index = (int)page->SendDlgItemMessage(id, CB_GETCURSEL, 0, 0);
    return index >= 0 ? index : fallback;
}

int SelectedItem(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }
}  // namespace

BEGIN_MESSAGE_MAP(CWidgetPage, CSettingsPage)
    ON_WM_HSCROLL()
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_WP_LIST, OnItemChanged)
    ON_CBN_SELCHANGE(IDC_WP_ZPOSITION, OnZPositionChanged)
    ON_BN_CLICKED(IDC_WP_MOUSE_OVER, OnMouseOverChanged)
    ON_CBN_SELCHANGE(IDC_WP_SEL_ZPOSITION, OnSelZPositionChanged)
    ON_BN_CLICKED(IDC_WP_SEL_MOUSE_OVER, OnSelMouseOverChanged)
END_MESSAGE_MAP()

CWidgetPage::CWidgetPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_WIDGET_PAGE) {
    const CSettings::WidgetSection& w = g_Settings.Widget;
    m_nZPosition = CMemoSetupLogic::ClampZPosition(w.ZPosition, g_Settings.General.EnableDesktop != 0);
    m_nTransVal = ClampTransparency(w.TransVal);
    m_nMouseOverHiding = w.MouseOverHiding ? 1 : 0;
}

BOOL CWidgetPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    ApplyTexts();
    HWND list = ::GetDlgItem(m_hWnd, IDC_WP_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    CRect client;
    ::GetClientRect(list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.Width() - ::GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(list, 0, &column);
    FillList();
    for (UINT id : kPerWidgetControls) GetDlgItem(id)->EnableWindow(FALSE);
    for (UINT slider : {IDC_WP_TRANS, IDC_WP_SEL_TRANS}) {
        SendDlgItemMessage(slider, TBM_SETRANGE, FALSE, MAKELPARAM(TRANSPARENCY_MIN, TRANSPARENCY_MAX));
        SendDlgItemMessage(slider, TBM_SETLINESIZE, 0, 1);
    }
    SetDlgItemText(IDC_WP_PERCENT, TransparencyPercentText(m_nTransVal));
    SetDlgItemText(IDC_WP_SEL_PERCENT, TransparencyPercentText(m_nTransVal));
    SendDlgItemMessage(IDC_WP_SEL_TRANS, TBM_SETPOS, TRUE, m_nTransVal);
    UpdateControls();
    return TRUE;
}

void CWidgetPage::ApplyTexts() {
    for (const Caption& c : kCaptions) SetDlgItemText(c.control, g_LanguageTable[c.text]);
    FillLocations(::GetDlgItem(m_hWnd, IDC_WP_ZPOSITION));
    FillLocations(::GetDlgItem(m_hWnd, IDC_WP_SEL_ZPOSITION));
}

void CWidgetPage::FillList() {
    HWND list = ::GetDlgItem(m_hWnd, IDC_WP_LIST);
    // Filling checks entries: that is no user's doing.
    m_bFilling = true;
    ListView_DeleteAllItems(list);
    m_skinFiles = CWidgetList::ListSkinFiles(g_ProgramFolder + L"skin\\widgets\\", kMaxWidgetSkins);
    ISettingsHost& host = m_sheet.GetHost();
    for (int i = 0; i < (int)m_skinFiles.size(); ++i) {
        CString label = CWidgetList::MenuLabel(m_skinFiles[i]);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = (LPWSTR)label.GetString();
        int at = ListView_InsertItem(list, &item);
        ListView_SetCheckState(list, at, host.IsWidgetOpen(m_skinFiles[i]) ? TRUE : FALSE);
    }
    m_bFilling = false;
}

void CWidgetPage::Refresh() {
    if (!m_bSuppressRefresh && m_hWnd) {
        HWND list = ::GetDlgItem(m_hWnd, IDC_WP_LIST);
        int selected = SelectedItem(list);
        FillList();
        if (selected >= 0 && selected < ListView_GetItemCount(list)) {
            m_bFilling = true;
            ListView_SetItemState(list, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            m_bFilling = false;
        }
        UpdateSelected();
    }
    m_bSuppressRefresh = false;
}

CString CWidgetPage::SelectedWidget() {
    HWND list = ::GetDlgItem(m_hWnd, IDC_WP_LIST);
    int item = SelectedItem(list);
    if (item < 0 || item >= (int)m_skinFiles.size() || !ListView_GetCheckState(list, item)) return CString();
    if (!m_sheet.GetHost().IsWidgetOpen(m_skinFiles[item])) return CString();
    return m_skinFiles[item];
}

void CWidgetPage::UpdateSelected() {
    CString skin = SelectedWidget();
    WidgetWindowState state;
    bool open = !skin.IsEmpty() && m_sheet.GetHost().GetWidgetState(skin, state);
    for (UINT id : kPerWidgetControls) GetDlgItem(id)->EnableWindow(open);
    if (!open) return;
    m_nSelZPosition = CMemoSetupLogic::ClampZPosition(state.zPosition, g_Settings.General.EnableDesktop != 0);
    m_nSelTransVal = ClampTransparency(state.alpha);
    m_nSelMouseOverHiding = state.mouseOverHiding ? 1 : 0;
    SendDlgItemMessage(IDC_WP_SEL_ZPOSITION, CB_SETCURSEL, (WPARAM)m_nSelZPosition, 0);
    SendDlgItemMessage(IDC_WP_SEL_TRANS, TBM_SETPOS, TRUE, m_nSelTransVal);
    SetDlgItemText(IDC_WP_SEL_PERCENT, TransparencyPercentText(m_nSelTransVal));
    CheckDlgButton(IDC_WP_SEL_MOUSE_OVER, m_nSelMouseOverHiding ? BST_CHECKED : BST_UNCHECKED);
}

void CWidgetPage::OnItemChanged(NMHDR* header, LRESULT* result) {
    *result = 0;
    if (m_bFilling) return;
    const NMLISTVIEW* change = (const NMLISTVIEW*)header;
    if (!(change->uChanged & LVIF_STATE) || change->iItem < 0) return;
    UINT oldCheck = change->uOldState & LVIS_STATEIMAGEMASK, newCheck = change->uNewState & LVIS_STATEIMAGEMASK;
    // A fresh entry gets its first check image too: only a change between
    // checked and unchecked is the user's.
    if (oldCheck && newCheck && oldCheck != newCheck)
        OnCheckChanged(change->iItem, newCheck == INDEXTOSTATEIMAGEMASK(2));
    if ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) UpdateSelected();
}

void CWidgetPage::OnCheckChanged(int item, bool checked) {
    if (item >= (int)m_skinFiles.size()) return;
    CString skin = m_skinFiles[item];
    ISettingsHost& host = m_sheet.GetHost();
    bool open = host.IsWidgetOpen(skin);
    // The frame reports this page's own change back; that report must not
    // fill the list again under the user's hand.
    m_bSuppressRefresh = true;
    if (checked && !open) {
        host.OpenWidget(skin);
        UpdateSelected();
    } else if (open) {
        host.CloseWidgetBySkin(skin);
        for (UINT id : kPerWidgetControls) GetDlgItem(id)->EnableWindow(FALSE);
    }
    m_bSuppressRefresh = false;
}

// ---- Fields and controls -------------------------------------------------------------

void CWidgetPage::ReadControls() {
    m_nZPosition = Selected(this, IDC_WP_ZPOSITION, m_nZPosition);
    m_nTransVal = ClampTransparency((int)SendDlgItemMessage(IDC_WP_TRANS, TBM_GETPOS, 0, 0));
    m_nMouseOverHiding = IsDlgButtonChecked(IDC_WP_MOUSE_OVER) == BST_CHECKED ? 1 : 0;
}

void CWidgetPage::UpdateControls() {
    SendDlgItemMessage(IDC_WP_ZPOSITION, CB_SETCURSEL, (WPARAM)m_nZPosition, 0);
    SendDlgItemMessage(IDC_WP_TRANS, TBM_SETPOS, TRUE, m_nTransVal);
    SetDlgItemText(IDC_WP_PERCENT, TransparencyPercentText(m_nTransVal));
    CheckDlgButton(IDC_WP_MOUSE_OVER, m_nMouseOverHiding ? BST_CHECKED : BST_UNCHECKED);
}

void CWidgetPage::Apply() {
    ReadControls();
    g_Settings.Widget.ZPosition = m_nZPosition;
    g_Settings.Widget.MouseOverHiding = m_nMouseOverHiding;
    g_Settings.Widget.TransVal = m_nTransVal;
}

void CWidgetPage::SetDefaults() {
    m_nZPosition = 0;
    m_nTransVal = 255;
    m_nMouseOverHiding = 0;
    g_Settings.Widget.TransVal = 255;
    UpdateControls();
}

// ---- Controls that act at once -----------------------------------------------------------

void CWidgetPage::OnHScroll(UINT, UINT, CScrollBar* bar) {
    if (!bar) return;
    UINT id = bar->GetDlgCtrlID();
    if (id == IDC_WP_TRANS) {
        m_nTransVal = ClampTransparency((int)SendDlgItemMessage(IDC_WP_TRANS, TBM_GETPOS, 0, 0));
        g_Settings.Widget.TransVal = m_nTransVal;
        SetDlgItemText(IDC_WP_PERCENT, TransparencyPercentText(m_nTransVal));
    } else if (id == IDC_WP_SEL_TRANS) {
        m_nSelTransVal = ClampTransparency((int)SendDlgItemMessage(IDC_WP_SEL_TRANS, TBM_GETPOS, 0, 0));
        SetDlgItemText(IDC_WP_SEL_PERCENT, TransparencyPercentText(m_nSelTransVal));
        CString skin = SelectedWidget();
        if (!skin.IsEmpty()) m_sheet.GetHost().SetWidgetAlpha(skin, m_nSelTransVal);
    }
}

void CWidgetPage::OnZPositionChanged() {
    ReadControls();
    g_Settings.Widget.ZPosition = m_nZPosition;
}

void CWidgetPage::OnMouseOverChanged() {
    ReadControls();
    g_Settings.Widget.MouseOverHiding = m_nMouseOverHiding;
}

void CWidgetPage::OnSelZPositionChanged() {
    m_nSelZPosition = Selected(this, IDC_WP_SEL_ZPOSITION, m_nSelZPosition);
    CString skin = SelectedWidget();
    if (!skin.IsEmpty()) m_sheet.GetHost().SetWidgetZPosition(skin, m_nSelZPosition);
}

void CWidgetPage::OnSelMouseOverChanged() {
    m_nSelMouseOverHiding = IsDlgButtonChecked(IDC_WP_SEL_MOUSE_OVER) == BST_CHECKED ? 1 : 0;
    CString skin = SelectedWidget();
    if (!skin.IsEmpty()) m_sheet.GetHost().SetWidgetMouseOverHiding(skin, m_nSelMouseOverHiding);
}

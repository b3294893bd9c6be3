#include "notes/EditMemoGroupDlg.h"

#include "notes/DelMemoGroupDlg.h"
#include "notes/DelMemoListBox.h"
#include "notes/LifecycleDialogs.h"
#include "res/images.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"
#include "ui/ControlSettings.h"

#include <commctrl.h>
#include <richedit.h>

BEGIN_MESSAGE_MAP(CEditMemoGroupDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_GROUPS, OnGroupSelChange)
    ON_LBN_DBLCLK(IDC_GROUPS, OnGroupDblClk)
    ON_BN_CLICKED(IDC_ADD_GROUP, OnAddGroup)
    ON_BN_CLICKED(IDC_RENAME_GROUP, OnRenameGroup)
    ON_BN_CLICKED(IDC_DELETE_GROUP, OnDeleteGroup)
    ON_BN_CLICKED(IDC_OPEN_GROUP, OnOpenGroup)
    ON_BN_CLICKED(IDC_RECYCLE_BIN, OnRecycleBin)
    ON_BN_CLICKED(IDC_MOVE, OnMoveMemos)
    ON_BN_CLICKED(IDC_DELETE_MEMOS, OnDeleteMemos)
    ON_MESSAGE(GVM_SELCHANGED, OnGridClick)
    ON_MESSAGE(GVM_ROWSELECTED, OnGridClick)
END_MESSAGE_MAP()

CEditMemoGroupDlg::CEditMemoGroupDlg(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos)
    : m_host(host), m_store(store), m_memos(memos), m_logic(host, store, [this] {
          if (saveChanged) saveChanged();
      }) {
    askDeleteGroup = [this](int notes) { return (int)CDelMemoGroupDlg(notes, this).DoModal(); };
    askDeleteMemos = [this](const CArray<CMemoInfo>& records) {
        bool lockedOpen = false;
        for (int i = 0; i < records.GetSize(); ++i)
            for (int j = 0; j < m_memos.GetSize(); ++j) {
                ILifecycleNote* note = m_host.NoteOf(m_memos[j]);
                if (note && note->Record().m_bLocked &&
                    note->Record().m_strFileName.Compare(records[i].m_strFileName.GetString()) == 0)
                    lockedOpen = true;
            }
        return (int)CDelMemoListBox(records, this, lockedOpen).DoModal();
    };
}

BOOL CEditMemoGroupDlg::CreateModeless(CWnd* parent) {
    // The template's preview is a rich edit of version 2.0.
    static HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
    return Create(IDD, parent);
}

BOOL CEditMemoGroupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_groups.SubclassDlgItem(IDC_GROUPS, this);
    // The list was measured before it had its object; the manager's rows
    // are a little taller than the list's own.
    m_groups.SetItemHeight(0, GroupItemHeight);
    SetWindowText(g_LanguageTable[1100]);
    const int texts[][2] = {{IDC_ADD_GROUP, 1104}, {IDC_RENAME_GROUP, 1105}, {IDC_DELETE_GROUP, 1106},
                            {IDC_OPEN_GROUP, 1103}, {IDC_RECYCLE_BIN, 1107}, {IDC_MOVE, 38},
                            {IDC_DELETE_MEMOS, 22}, {IDCANCEL, 26}};
    for (const auto& t : texts) SetDlgItemText(t[0], g_LanguageTable[t[1]]);
    FillGroupList();
    m_ticks.Create(IDB_TICKS, TickWidth, 1, RGB(255, 0, 255));
    CreateMemoGrid();
    AttachNotePreview(m_preview, this, IDC_PREVIEW, PreviewBackground);
    ShowGroupMemos(g_Settings.General.MemoDBFile);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CenterWindow();
    UpdateButtons();
    return TRUE;
}

void CEditMemoGroupDlg::CreateMemoGrid() {
    CRect place;
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_GRID_PLACE), &place);
    ScreenToClient(&place);
    place.right -= 1;
    place.bottom -= 1;
    m_grid.m_bDoubleBuffer = TRUE;
    m_grid.m_bEditable = FALSE;
    m_grid.m_bListMode = TRUE;
    m_grid.m_bSingleSelection = TRUE;
    m_grid.m_bSortOnClick = FALSE;
    m_grid.m_bAllowRowResize = FALSE;
    m_grid.m_bAllowColumnResize = FALSE;
    m_grid.m_bAllowVertScroll = TRUE;
    m_grid.m_bAllowHorzScroll = FALSE;
    m_grid.m_crBkColour = RGB(244, 244, 244);
    m_grid.m_crFocusFill = m_grid.m_crSelFill = RGB(189, 218, 218);
    m_grid.m_crFocusTopLeft = m_grid.m_crSelTopLeft = RGB(224, 235, 224);
    m_grid.m_crFocusBottomRight = m_grid.m_crSelBottomRight = RGB(214, 225, 214);
    m_grid.m_crFocusText = m_grid.m_crSelText = RGB(0, 0, 255);
    m_grid.m_crGridBkColour = RGB(220, 230, 220);
    m_grid.m_crFixedTextColour = RGB(255, 255, 220);
    m_grid.m_crFixedBkColour = RGB(85, 100, 160);
    m_grid.Create(place, this, IDC_GRID, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    m_grid.SetImageList(m_ticks.GetSafeHandle());
    m_grid.SetFixedRowCount(0);
    m_grid.SetFixedColumnCount(0);
    m_grid.SetColumnCount(3);
}

void CEditMemoGroupDlg::FillGroupList() {
    m_groups.ResetContent();
    int selected = -1;
    std::vector<CEditMemoGroupLogic::Group> groups = m_logic.ListGroups(g_Settings.General.MemoDBFile, selected);
    for (const auto& g : groups) {
        int index = m_groups.AddString(g.name);
        m_groups.SetItemData(index, (DWORD_PTR)(INT_PTR)g.count);
    }
    m_groups.SetCurSel(selected);
    // Listing may have named another current group; the list draws the
    // current one from the controls' copy of the setting.
    LoadControlSettings();
}

CString CEditMemoGroupDlg::SelectedGroup() const {
    int sel = m_groups.GetCurSel();
    return sel < 0 ? CString() : m_groups.GetText(sel);
}

void CEditMemoGroupDlg::UpdateButtons() {
    int n = m_groups.GetCount(), s = m_groups.GetCurSel();
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_RENAME_GROUP), CEditMemoGroupLogic::CanRename(n, s));
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_DELETE_GROUP), CEditMemoGroupLogic::CanDelete(n, s));
}

void CEditMemoGroupDlg::ShowGroupMemos(const CString& group) {
    m_shown.RemoveAll();
    m_grid.ResetSelectedRange();
    m_store.SerializeGroupFile(group, m_shown, 0);
    m_grid.SetRowCount(m_shown.GetSize());
    m_grid.SetColumnCount(3);
    CRect client;
    m_grid.GetClientRect(&client);
    m_grid.SetColumnWidth(0, 30);
    m_grid.SetColumnWidth(1, 240);
    m_grid.SetColumnWidth(2, client.Width() - 270);
    for (int i = 0; i < m_shown.GetSize(); ++i) {
        const CMemoInfo& rec = m_shown[i];
        bool untitled = rec.m_strTitle.IsEmpty();
        m_grid.SetItemText(i, 1, untitled ? rec.m_strFileName : rec.m_strTitle);
        m_grid.SetItemFgColour(i, 1, untitled ? UntitledText : RGB(0, 0, 0));
        m_grid.SetItemText(i, 2, rec.m_strDate);
        m_grid.SetItemImage(i, 0, UntickedImage);
        for (int col = 0; col < 3; ++col) m_grid.SetItemIndex(i, col, i);
    }
    m_grid.ResetScrollBars();
    m_grid.Invalidate();
    m_preview.SetWindowText(L"");
    m_countLabel.Format(L"%d/%d", m_shown.GetSize(), g_Settings.MemoLimit);
    SetDlgItemText(IDC_COUNT, m_countLabel);
}

void CEditMemoGroupDlg::SetTicked(int row, bool ticked) {
    m_grid.SetItemImage(row, 0, ticked ? TickedImage : UntickedImage);
    m_grid.RedrawCell(row, 0);
}

void CEditMemoGroupDlg::OnGroupSelChange() {
    if (m_groups.GetCurSel() < 0) return;
    UpdateButtons();
    ShowGroupMemos(SelectedGroup());
    ::SetFocus(m_groups.m_hWnd);
}

void CEditMemoGroupDlg::OnGroupDblClk() { OnOpenGroupCommand(m_groups.GetCurSel()); }

void CEditMemoGroupDlg::Preview(int record) {
    if (record < 0 || record >= m_shown.GetSize()) return;
    const CString& file = m_shown[record].m_strFileName;
    ShowNotePreview(m_preview, IsSafeFileName(file) ? m_store.GetMemoFolder() + file : CString());
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        if (note && note->Record().m_strFileName.Compare(file.GetString()) == 0) {
            note->FlashAttention();
            break;
        }
    }
}

LRESULT CEditMemoGroupDlg::OnGridClick(WPARAM cell, LPARAM gridId) {
    if (gridId != IDC_GRID) return 0;
    int row = (int)(short)HIWORD(cell), col = (int)(short)LOWORD(cell);
    if (col == 0 && row >= 0) {
        // A tick flips only while the focus is in the tick column, so that a
        // click elsewhere in the row previews without ticking.
        CCellID focus = m_grid.GetFocusCell();
        if (!m_grid.IsValid(focus) || focus.col != 0) return 0;
        SetTicked(row, !IsTicked(row));
    }
    int record = m_grid.GetItemIndex(row, col);
    if (record >= 0 && record < m_shown.GetSize()) Preview(record);
    return 0;
}

int CEditMemoGroupDlg::ShowGroupMenu(int button, int firstId, const CString& greyed) {
    HMENU menu = CreatePopupMenu();
    int count = m_groups.GetCount();
    for (int i = 0; i < count && i < MaxMenuGroups; ++i) {
        CString name = m_groups.GetText(i);
        bool bin = name.Compare(CMemoStore::RecycleBinFile) == 0;
        if (bin) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        CString text = bin ? g_LanguageTable[CEditMemoGroupLogic::IDS_TEMPORARY_STORAGE] : CEditMemoGroupLogic::DisplayName(name);
        UINT flags = MF_STRING | (name.Compare(greyed.GetString()) == 0 ? MF_GRAYED : 0);
        AppendMenuW(menu, flags, firstId + i, text);
    }
    RECT rc;
    ::GetWindowRect(::GetDlgItem(m_hWnd, button), &rc);
    int chosen = (int)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, rc.left, rc.bottom, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
    return chosen ? chosen - firstId : -1;
}

void CEditMemoGroupDlg::OnOpenGroup() {
    int index = ShowGroupMenu(IDC_OPEN_GROUP, ID_MANAGER_OPEN_GROUP_FIRST, g_Settings.General.MemoDBFile);
    if (index >= 0) OnOpenGroupCommand(index);
}

void CEditMemoGroupDlg::OnOpenGroupCommand(int index) {
    if (index < 0 || index >= m_groups.GetCount()) return;
    CString name = m_groups.GetText(index);
    if (switchGroup) switchGroup(name);
    m_preview.SetWindowText(L"");
    m_groups.SetCurSel(index);
    OnGroupSelChange();
}

void CEditMemoGroupDlg::OnRecycleBin() {
    if (switchGroup) switchGroup(CMemoStore::RecycleBinFile);
}

void CEditMemoGroupDlg::OnAddGroup() {
    CString text;
    if (!askText || !askText(this, CEditMemoGroupLogic::IDS_NEW_GROUP_NAME, CString(), CEditMemoGroupLogic::MaxNameLength, text)) return;
    std::vector<CEditMemoGroupLogic::Group> groups;
    for (int i = 0; i < m_groups.GetCount(); ++i) groups.push_back({m_groups.GetText(i), -1});
    if (m_logic.AddGroup(groups, text) != CEditMemoGroupLogic::Done) return;
    CString name = text + L".zrd";
    int before = m_groups.GetCount() > 0 ? m_groups.GetCount() - 1 : 0;
    int index = m_groups.GetCount() > 0 ? m_groups.InsertString(before, name) : m_groups.AddString(name);
    m_groups.SetItemData(index, (DWORD_PTR)(INT_PTR)-1);
    UpdateButtons();
}

void CEditMemoGroupDlg::OnRenameGroup() {
    CString old = SelectedGroup();
    if (old.IsEmpty()) return;
    CString text;
    if (!askText ||
        !askText(this, CEditMemoGroupLogic::IDS_CHANGE_GROUP_NAME, CEditMemoGroupLogic::DisplayName(old), CEditMemoGroupLogic::MaxRenameLength, text))
        return;
    std::vector<CEditMemoGroupLogic::Group> groups;
    for (int i = 0; i < m_groups.GetCount(); ++i) groups.push_back({m_groups.GetText(i), -1});
    if (m_logic.RenameGroup(groups, old, text, g_Settings.General.MemoDBFile) == CEditMemoGroupLogic::Done) FillGroupList();
    UpdateButtons();
}

void CEditMemoGroupDlg::OnDeleteGroup() {
    int notes = 0;
    CString name = SelectedGroup();
    CEditMemoGroupLogic::Result check = m_logic.CheckDeleteGroup(m_groups.GetCount(), name, g_Settings.General.MemoDBFile, notes);
    if (check != CEditMemoGroupLogic::Done) return;
    int answer = CEditMemoGroupLogic::DeleteGroupFileOnly;
    if (notes > 0) answer = askDeleteGroup ? askDeleteGroup(notes) : CEditMemoGroupLogic::DeleteCancel;
    if (m_logic.DeleteGroup(name, answer) == CEditMemoGroupLogic::Done) {
        FillGroupList();
        OnGroupSelChange();
    }
    UpdateButtons();
}

bool CEditMemoGroupDlg::CollectRecords(CArray<CMemoInfo>& records) {
    records.RemoveAll();
    // The rows show the group's file; the move and the deletion find the
    // open notes of the current group by their file names.
    std::vector<bool> ticked;
    for (int i = 0; i < m_grid.GetRowCount(); ++i) ticked.push_back(IsTicked(i));
    int selected = m_grid.GetSelectedCount() > 0 ? m_grid.GetSelectedCellRange().maxRow : -1;
    for (int row : CEditMemoGroupLogic::CollectRows(ticked, m_shown.GetSize(), selected)) {
        int record = m_grid.GetItemIndex(row, 0);
        if (record >= 0 && record < m_shown.GetSize()) records.Add(m_shown[record]);
    }
    if (records.GetSize() == 0) {
        m_host.MessageBox(g_LanguageTable[CEditMemoGroupLogic::IDS_NO_MEMO_SELECTED], MB_OK | MB_ICONSTOP);
        return false;
    }
    return true;
}

void CEditMemoGroupDlg::OnMoveMemos() {
    CArray<CMemoInfo> probe;
    if (!CollectRecords(probe)) return;
    int index = ShowGroupMenu(IDC_MOVE, ID_MANAGER_MOVE_TO_GROUP_FIRST, SelectedGroup());
    if (index >= 0) OnMoveToGroupCommand(index);
}

void CEditMemoGroupDlg::OnMoveToGroupCommand(int index) {
    int source = m_groups.GetCurSel();
    if (source < 0 || index < 0 || index >= m_groups.GetCount() || index == source) return;
    CArray<CMemoInfo> records;
    if (!CollectRecords(records)) return;
    CString from = m_groups.GetText(source), to = m_groups.GetText(index);
    CNoteMove(m_host, m_store, m_memos).MoveMemosToGroup(records, from, to);
    m_groups.SetItemData(source, (DWORD_PTR)(INT_PTR)(int)m_store.CountMemosInFile(from));
    m_groups.SetItemData(index, (DWORD_PTR)(INT_PTR)(int)m_store.CountMemosInFile(to));
    RepaintGroupList();
    ShowGroupMemos(from);
}

void CEditMemoGroupDlg::OnDeleteMemos() {
    int source = m_groups.GetCurSel();
    if (source < 0) return;
    CArray<CMemoInfo> records;
    if (!CollectRecords(records)) return;
    int answer = askDeleteMemos ? askDeleteMemos(records) : CDelMemoListBox::ResultCancel;
    if (answer != CDelMemoListBox::ResultRestorable && answer != CDelMemoListBox::ResultForGood) return;
    CString group = m_groups.GetText(source);
    CNoteMove(m_host, m_store, m_memos).DeleteMemosFromGroup(records, group, answer == CDelMemoListBox::ResultRestorable);
    m_groups.SetItemData(source, (DWORD_PTR)(INT_PTR)(int)m_store.CountMemosInFile(group));
    RepaintGroupList();
    ShowGroupMemos(group);
}

void CEditMemoGroupDlg::RefreshGroups() {
    if (!m_hWnd) return;
    int sel = m_groups.GetCurSel();
    FillGroupList();
    if (sel >= 0 && sel < m_groups.GetCount()) {
        m_groups.SetCurSel(sel);
        OnGroupSelChange();
    }
}

void CEditMemoGroupDlg::OnCancel() {
    if (onClose)
        onClose();
    else
        DestroyWindow();
}

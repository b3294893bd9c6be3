#include "notes/EditMemoGroupDlg.h"

#include "notes/DelMemoGroupDlg.h"
#include "notes/DelMemoListBox.h"
#include "notes/MemoDialogTemplate.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"

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
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_GRID, OnGridItemChanged)
END_MESSAGE_MAP()

void CMemoGroupCountList::DrawItem(LPDRAWITEMSTRUCT draw) {
    if ((int)draw->itemID < 0) return;
    HDC dc = draw->hDC;
    bool selected = (draw->itemState & ODS_SELECTED) != 0;
    FillRect(dc, &draw->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    CString name = GetText((int)draw->itemID);
    CString shown = name.Compare(CMemoStore::RecycleBinFile) == 0 ? g_LanguageTable[CEditMemoGroupLogic::IDS_TEMPORARY_STORAGE]
                                                                   : CEditMemoGroupLogic::DisplayName(name);
    bool current = name.Compare(g_Settings.General.MemoDBFile.GetString()) == 0;
    HFONT font = (HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0);
    LOGFONTW lf = {};
    GetObjectW(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    if (current) lf.lfWeight = FW_BOLD;
    HFONT drawFont = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, drawFont);
    RECT rc = draw->rcItem;
    rc.left += 4;
    rc.right -= 4;
    DrawTextW(dc, shown, -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    int count = (int)(INT_PTR)GetItemData((int)draw->itemID);
    if (count >= 0) {
        CString number;
        number.Format(L"%d", count);
        DrawTextW(dc, number, -1, &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
    DeleteObject(drawFont);
}

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
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    static HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
    CMemoDialogTemplate d(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 380, 220, L"");
    d.Add(CMemoDialogTemplate::ListBox, IDC_GROUPS, L"",
          WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
              LBS_NOINTEGRALHEIGHT,
          8, 8, 130, 150);
    // The notes of the shown group: a tick box per row, title and date.
    d.Add(WC_LISTVIEWW, IDC_GRID, L"",
          WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
          144, 8, 228, 100);
    d.Add(RICHEDIT_CLASSW, IDC_PREVIEW, L"", WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
          144, 112, 228, 66);
    d.Add(CMemoDialogTemplate::Static, IDC_COUNT, L"", SS_RIGHT, 300, 182, 72, 10);
    d.Add(CMemoDialogTemplate::Button, IDC_ADD_GROUP, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 162, 64, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_RENAME_GROUP, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 74, 162, 64, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_DELETE_GROUP, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 180, 64, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_OPEN_GROUP, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 74, 180, 64, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_RECYCLE_BIN, L"", WS_TABSTOP | BS_PUSHBUTTON, 8, 198, 54, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_MOVE, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 144, 198, 60, 14);
    d.Add(CMemoDialogTemplate::Button, IDC_DELETE_MEMOS, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 208, 198, 60, 14);
    d.Add(CMemoDialogTemplate::Button, IDCANCEL, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 312, 198, 60, 14);
    return CreateIndirect(d.Get(), parent);
}

BOOL CEditMemoGroupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_groups.SubclassDlgItem(IDC_GROUPS, this);
    m_grid.SubclassDlgItem(IDC_GRID, this);
    m_preview.SubclassDlgItem(IDC_PREVIEW, this);
    SetWindowText(g_LanguageTable[1100]);
    const int texts[][2] = {{IDC_ADD_GROUP, 1104}, {IDC_RENAME_GROUP, 1105}, {IDC_DELETE_GROUP, 1106},
                            {IDC_OPEN_GROUP, 1103}, {IDC_RECYCLE_BIN, 1107}, {IDC_MOVE, 38},
                            {IDC_DELETE_MEMOS, 22}, {IDCANCEL, 26}};
    for (const auto& t : texts) SetDlgItemText(t[0], g_LanguageTable[t[1]]);
    FillGroupList();
    m_grid.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    CRect client;
    ::GetClientRect(m_grid.m_hWnd, &client);
    m_grid.InsertColumn(0, L"", LVCFMT_LEFT, 30);
    m_grid.InsertColumn(1, g_LanguageTable[10150], LVCFMT_LEFT, 240);
    m_grid.InsertColumn(2, g_LanguageTable[10152], LVCFMT_LEFT, client.Width() - 270 > 60 ? client.Width() - 270 : 100);
    m_preview.SetBackgroundColor(FALSE, RGB(220, 220, 220));
    ShowGroupMemos(g_Settings.General.MemoDBFile);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CenterWindow();
    UpdateButtons();
    return TRUE;
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
    m_filling = true;
    m_shown.RemoveAll();
    m_store.SerializeGroupFile(group, m_shown, 0);
    m_grid.DeleteAllItems();
    for (int i = 0; i < m_shown.GetSize(); ++i) {
        const CMemoInfo& rec = m_shown[i];
        int row = m_grid.InsertItem(i, L"");
        m_grid.SetItemText(row, 1, rec.m_strTitle.IsEmpty() ? rec.m_strFileName : rec.m_strTitle);
        m_grid.SetItemText(row, 2, rec.m_strDate);
        m_grid.SetItemState(row, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
    }
    m_filling = false;
    m_preview.SetWindowText(L"");
    m_countLabel.Format(L"%d/%d", m_shown.GetSize(), g_Settings.MemoLimit);
    SetDlgItemText(IDC_COUNT, m_countLabel);
}

void CEditMemoGroupDlg::SetTicked(int row, bool ticked) {
    m_grid.SetItemState(row, INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1), LVIS_STATEIMAGEMASK);
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
    std::vector<BYTE> bytes;
    const CString& file = m_shown[record].m_strFileName;
    if (IsSafeFileName(file) &&
        CSafeFileWriter::ReadFile(m_store.GetMemoFolder() + file, bytes, CSafeFileWriter::MaxNoteFileBytes))
        m_preview.StreamInBytes(SF_RTF, CStringA(reinterpret_cast<const char*>(bytes.data()), (int)bytes.size()));
    else
        m_preview.SetWindowText(L"");
    m_preview.SetModify(FALSE);
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        if (note && note->Record().m_strFileName.Compare(file.GetString()) == 0) {
            note->FlashAttention();
            break;
        }
    }
}

void CEditMemoGroupDlg::OnGridItemChanged(NMHDR* header, LRESULT* result) {
    *result = 0;
    auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (m_filling || change->iItem < 0) return;
    if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) Preview(change->iItem);
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
    if (!askText || !askText(CEditMemoGroupLogic::IDS_NEW_GROUP_NAME, CString(), CEditMemoGroupLogic::MaxNameLength, text)) return;
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
        !askText(CEditMemoGroupLogic::IDS_CHANGE_GROUP_NAME, CEditMemoGroupLogic::DisplayName(old), CEditMemoGroupLogic::MaxRenameLength, text))
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
    for (int i = 0; i < m_grid.GetItemCount(); ++i)
        ticked.push_back((m_grid.GetItemState(i, LVIS_STATEIMAGEMASK) >> 12) == 2);
    int selected = m_grid.GetNextItem(-1, LVNI_SELECTED);
    for (int row : CEditMemoGroupLogic::CollectRows(ticked, m_shown.GetSize(), selected)) records.Add(m_shown[row]);
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

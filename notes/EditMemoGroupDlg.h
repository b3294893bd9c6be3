// CEditMemoGroupDlg: the memo-group manager. It lists the groups with their
// note counts, shows the notes of the selected group with a preview, and
// adds, renames, deletes and opens groups, moves the ticked notes to another
// group and deletes them. The group files are handled by
// CEditMemoGroupLogic and CNoteMove; switching the current group, saving
// changed notes, asking for names and confirmations are the frame's.
#pragma once

#include "fw/AfxWin.h"
#include "notes/EditMemoGroupLogic.h"
#include "notes/NoteMove.h"
#include "notes/OleRichEditCtrl.h"
#include "ui/GridCtrl.h"
#include "ui/GroupListBox.h"

#include <functional>

class CEditMemoGroupDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 236, IDC_GROUPS = 1249, IDC_GRID_PLACE = 1484, IDC_PREVIEW = 1088, IDC_COUNT = 1486,
        IDC_ADD_GROUP = 1064, IDC_RENAME_GROUP = 1065, IDC_DELETE_GROUP = 1066, IDC_OPEN_GROUP = 1067,
        IDC_RECYCLE_BIN = 1068, IDC_MOVE = 1069, IDC_DELETE_MEMOS = 1070, IDC_GRID = 1128,
        MaxMenuGroups = 200, GroupItemHeight = 22,
    };
    // The items of its own group menus, under the Open and Move buttons. The
    // menus give back the chosen item rather than sending it as a command, so
    // these may share numbers with the program's commands.
    enum { ID_MANAGER_OPEN_GROUP_FIRST = 4824, ID_MANAGER_MOVE_TO_GROUP_FIRST = 5224 };
    // The tick column's pictures; the colours of the grid and the preview.
    enum { UntickedImage = 0, TickedImage = 1, TickWidth = 24, TickHeight = 20 };
    static constexpr COLORREF PreviewBackground = RGB(220, 220, 220), UntitledText = RGB(96, 96, 96);

    CEditMemoGroupDlg(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos);

    // The frame's side; each has a default that needs no frame where one makes sense.
    std::function<void(const CString&)> switchGroup;  // CMainFrame::SwitchMemoGroup
    std::function<void()> saveChanged;                 // CMainFrame::AutoSaveMemos (1)
    std::function<void()> onClose;                     // WM_USER+300 to the frame
    // Asks for a text: prompt text id, initial text, most characters; false on Cancel.
    std::function<bool(CWnd*, int, const CString&, int, CString&)> askText;
    // The confirmations (default: CDelMemoGroupDlg and CDelMemoListBox).
    std::function<int(int)> askDeleteGroup;
    std::function<int(const CArray<CMemoInfo>&)> askDeleteMemos;

    BOOL CreateModeless(CWnd* parent);

    // Frame calls.
    void OnMemoListChanged(CMemoInfo) { RefreshGroups(); }
    void RefreshGroups();
    void RepaintGroupList() { ::InvalidateRect(m_groups.m_hWnd, nullptr, TRUE); }

    // What the buttons and menus do (public for the frame's menus and tests).
    void OnAddGroup();
    void OnRenameGroup();
    void OnDeleteGroup();
    void OnOpenGroupCommand(int index);
    void OnMoveToGroupCommand(int index);
    void OnDeleteMemos();
    void ShowGroupMemos(const CString& group);
    void SetTicked(int row, bool ticked);
    bool IsTicked(int row) const { return m_grid.GetItemImage(row, 0) == TickedImage; }

    CGroupListBox& Groups() { return m_groups; }
    CGridCtrl& Grid() { return m_grid; }
    COleRichEditCtrl& PreviewEditor() { return m_preview; }
    const CArray<CMemoInfo>& Shown() const { return m_shown; }
    CString GetCountLabel() const { return m_countLabel; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    void OnGroupSelChange();
    void OnGroupDblClk();
    void OnOpenGroup();
    void OnMoveMemos();
    void OnRecycleBin();
    // A click on a cell, or the focus moved by a key (row << 16 | column).
    LRESULT OnGridClick(WPARAM cell, LPARAM gridId);

private:
    void CreateMemoGrid();
    void FillGroupList();
    void UpdateButtons();
    void Preview(int record);
    // The records the Move and Delete buttons act on; empty after telling
    // the user that nothing is ticked or selected.
    bool CollectRecords(CArray<CMemoInfo>& records);
    int ShowGroupMenu(int button, int firstId, const CString& greyed);
    CString SelectedGroup() const;

    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
    CEditMemoGroupLogic m_logic;
    COleRichEditCtrl m_preview;
    CGroupListBox m_groups;
    CArray<CMemoInfo> m_shown;
    CGridCtrl m_grid;
    CImageList m_ticks;
    CString m_countLabel;
};

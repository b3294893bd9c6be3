// CRestoreMemoDlg: the list of note files that can be brought back (mode 0
// the deleted notes, mode 1 the note files no open note uses) with a
// preview, restoring one or all as notes of the current group, or deleting
// them. Hiding keeps the window and its list; the frame destroys it. The
// disk work is CRestoreMemoLogic's; the notes are made by the frame.
#pragma once

#include "fw/AfxWin.h"
#include "notes/OleRichEditCtrl.h"
#include "notes/RestoreMemoLogic.h"

#include <functional>

class CRestoreMemoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 203, IDC_LIST = 1087, IDC_PREVIEW = 1088, IDC_RESTORE = 1089, IDC_RESTORE_ALL = 1068,
        IDC_DELETE = 1066, IDC_DELETE_ALL = 1067,
    };
    // Each listed file shows the file picture of the restore strip (cells of
    // 14 x 16 pixels).
    enum { RestoreIconWidth = 14, RestoreIconImage = 1 };
    static constexpr COLORREF PreviewBackground = RGB(198, 198, 198);

    CRestoreMemoDlg(INoteLifecycleHost& host, const CString& memoFolder, int mode)
        : m_host(host), m_logic(host, memoFolder, mode), m_folder(memoFolder) {}

    // What the frame answers: whether an open note uses a file, the notes of
    // the current group, making a note for a file, and telling the group
    // manager that the groups changed.
    CRestoreMemoLogic::IsOpenFn isOpen;
    std::function<int()> currentCount;
    CRestoreMemoLogic::AddNoteFn addNote;
    std::function<void()> onGroupsChanged;

    BOOL CreateModeless(CWnd* parent);
    // A note just deleted restorably (mode 0 only).
    void AddFileItem(const CString& path);
    int GetMode() const { return m_logic.GetMode(); }
    CListCtrl& List() { return m_list; }
    CString GetPreviewText() const;
    COleRichEditCtrl& PreviewEditor() { return m_preview; }
    void FillList();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { ShowWindow(SW_HIDE); }
    void OnCancel() override { ShowWindow(SW_HIDE); }
    void OnItemChanged(NMHDR* header, LRESULT* result);
    void OnDblClick(NMHDR* header, LRESULT* result);
    void OnRestore();
    void OnRestoreAll();
    void OnDelete();
    void OnDeleteAll();

private:
    void AddItem(const CRestoreMemoLogic::Item& item);
    int Selected() const;
    // Removes an item and selects the one before it (or the first).
    void RemoveItem(int index);
    void Preview(int index);

    INoteLifecycleHost& m_host;
    CRestoreMemoLogic m_logic;
    CString m_folder;
    CListCtrl m_list;
    CImageList m_images;
    COleRichEditCtrl m_preview;
    int m_previewed = -1;
};

#include "notes/LifecycleDialogs.h"

#include "notes/OleRichEditCtrl.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "ui/ControlSettings.h"

#include <vector>

namespace {
std::vector<std::unique_ptr<CDialog>> g_pendingDestroy;
UINT_PTR g_destroyTimer = 0;

void Destroy(CDialog* dialog) {
    if (dialog && dialog->m_hWnd) dialog->DestroyWindow();
}
}  // namespace

void AttachNotePreview(COleRichEditCtrl& preview, CWnd* dialog, UINT id, COLORREF background) {
    preview.SubclassDlgItem(id, dialog);
    // A control made by the dialog misses the editor's creation, which is
    // where the shared callback for embedded pictures is attached.
    COleRichEditCtrl::IExRichEditOleCallback* callback = COleRichEditCtrl::GetSharedCallback();
    if (callback && callback->IsReady()) preview.SendMessage(EM_SETOLECALLBACK, 0, (LPARAM)callback);
    preview.SetEditable(FALSE);
    preview.SetBackgroundColor(background);
}

void ShowNotePreview(COleRichEditCtrl& preview, const CString& path) {
    preview.ShowScrollBar(SB_VERT, FALSE);
    preview.SetEventMask(ENM_SELCHANGE);
    preview.SendMessage(EM_HIDESELECTION, FALSE, FALSE);
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 180;
    format.bCharSet = 0;
    // A proportional face, as in the notes themselves.
    format.bPitchAndFamily = VARIABLE_PITCH;
    lstrcpynW(format.szFaceName, g_ControlSettings.UIFontFace, LF_FACESIZE);
    preview.SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&format);
    std::vector<BYTE> bytes;
    bool shown = !path.IsEmpty() && CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes) &&
                 !bytes.empty() && preview.LoadFromBuffer(bytes.data(), bytes.size());
    if (!shown) preview.SetWindowText(L"");
    preview.SetModify(FALSE);
}

CLifecycleDialogs::CLifecycleDialogs(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos, FrameSide side)
    : m_host(host), m_store(store), m_memos(memos), m_side(std::move(side)) {}

CLifecycleDialogs::~CLifecycleDialogs() {
    Destroy(m_groups.get());
    Destroy(m_restoreMemo.get());
    Destroy(m_restoreSchedule.get());
    Destroy(m_restoreAnniversary.get());
    DestroyPending(nullptr, 0, 0, 0);
}

void CLifecycleDialogs::DestroyLater(std::unique_ptr<CDialog> dialog) {
    if (!dialog) return;
    if (dialog->m_hWnd) dialog->ShowWindow(SW_HIDE);
    g_pendingDestroy.push_back(std::move(dialog));
    if (!g_destroyTimer) g_destroyTimer = SetTimer(nullptr, 0, 1, DestroyPending);
}

void CALLBACK CLifecycleDialogs::DestroyPending(HWND, UINT, UINT_PTR, DWORD) {
    if (g_destroyTimer) KillTimer(nullptr, g_destroyTimer);
    g_destroyTimer = 0;
    std::vector<std::unique_ptr<CDialog>> pending;
    pending.swap(g_pendingDestroy);
    for (auto& dialog : pending) Destroy(dialog.get());
}

bool CLifecycleDialogs::IsOpen(const CString& fileName) const {
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        if (note && note->Record().m_strFileName.Compare(fileName.GetString()) == 0) return true;
    }
    return false;
}

void CLifecycleDialogs::OnEditMemoGroup() {
    if (m_groups && m_groups->m_hWnd) {
        ::SetForegroundWindow(m_groups->m_hWnd);
        return;
    }
    auto dialog = std::make_unique<CEditMemoGroupDlg>(m_host, m_store, m_memos);
    dialog->switchGroup = m_side.switchGroup;
    dialog->saveChanged = m_side.saveChanged;
    dialog->askText = m_side.askText;
    dialog->onClose = [this] { OnGroupManagerClosed(); };
    if (!dialog->CreateModeless(m_side.frame)) return;
    dialog->ShowWindow(SW_SHOW);
    m_groups = std::move(dialog);
}

void CLifecycleDialogs::OnGroupManagerClosed() { DestroyLater(std::move(m_groups)); }

void CLifecycleDialogs::OpenRestoreMemo(int mode) {
    CloseRestoreMemoDialog();
    auto dialog = std::make_unique<CRestoreMemoDlg>(m_host, m_store.GetMemoFolder(), mode);
    dialog->isOpen = [this](const CString& name) { return IsOpen(name); };
    dialog->currentCount = [this] { return m_memos.GetSize(); };
    dialog->addNote = m_side.addNote;
    dialog->onGroupsChanged = [this] { MemoListChanged(); };
    if (!dialog->CreateModeless(m_side.frame)) return;
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
    m_restoreMemo = std::move(dialog);
}

void CLifecycleDialogs::OnMemoListDamaged() {
    if (m_restoreMemo && m_restoreMemo->m_hWnd) {
        m_restoreMemo->ShowWindow(SW_SHOWNOACTIVATE);
        ::SetWindowPos(m_restoreMemo->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    m_host.MessageBox(g_LanguageTable[IDS_MEMO_LIST_DAMAGED], MB_OK | MB_ICONWARNING);
    OpenRestoreMemo(1);
}

void CLifecycleDialogs::CloseRestoreMemoDialog() { DestroyLater(std::move(m_restoreMemo)); }

void CLifecycleDialogs::OnRestoreSchedule() {
    CloseRestoreScheduleDialog();
    auto dialog = std::make_unique<CRestoreScheduleDlg>(m_host, m_side.scheduleFolder, m_side.historyLevel);
    dialog->onRestored = m_side.alarmsRestored;
    dialog->onClose = [this] { CloseRestoreScheduleDialog(); };
    if (!dialog->CreateModeless(m_side.frame)) return;
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
    m_restoreSchedule = std::move(dialog);
}

void CLifecycleDialogs::OnRestoreAnniversary() {
    CloseRestoreAnniversaryDialog();
    auto dialog = std::make_unique<CRestoreAnniversaryDlg>(m_host, m_side.programFolder, m_side.historyLevel);
    dialog->onRestored = m_side.anniversariesRestored;
    dialog->onClose = [this] { CloseRestoreAnniversaryDialog(); };
    if (!dialog->CreateModeless(m_side.frame)) return;
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
    m_restoreAnniversary = std::move(dialog);
}

void CLifecycleDialogs::CloseRestoreScheduleDialog() { DestroyLater(std::move(m_restoreSchedule)); }
void CLifecycleDialogs::CloseRestoreAnniversaryDialog() { DestroyLater(std::move(m_restoreAnniversary)); }

void CLifecycleDialogs::CloseAllDialogs() {
    CloseRestoreMemoDialog();
    CloseRestoreScheduleDialog();
    CloseRestoreAnniversaryDialog();
    OnGroupManagerClosed();
}

void CLifecycleDialogs::AddToRestoreMemoDialog(const CString& path) {
    if (m_restoreMemo) m_restoreMemo->AddFileItem(path);
}

void CLifecycleDialogs::MemoListChanged() {
    if (m_groups) m_groups->RefreshGroups();
}

void CLifecycleDialogs::RepaintGroupList() {
    if (m_groups && m_groups->m_hWnd) m_groups->RepaintGroupList();
}

// COleRichEditCtrl: the text editor of every note, of the hover tip and of
// the dialogs that show a note's text. It keeps its text as RTF, embeds OLE
// objects (pictures) through one callback object shared by all editors, and
// adds the note's formatting commands, keys, a context menu with date and
// time macros, find, link opening with Ctrl + click and streaming to files
// and memory.
#pragma once

#include "notes/NoteEditor.h"
#include "notes/RichEditCtrl20.h"

#include <functional>
#include <memory>
#include <richole.h>
#include <vector>

class COleRichEditCtrl : public CRichEditCtrl20, public INoteEditor {
    DECLARE_MESSAGE_MAP()
public:
    // The callback shared by every editor: embedded objects live in
    // sub-storages of one temporary compound file.
    class IExRichEditOleCallback : public IRichEditOleCallback {
    public:
        IExRichEditOleCallback();
        virtual ~IExRichEditOleCallback();
        bool IsReady() const { return m_pStorage != nullptr; }

        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetNewStorage(LPSTORAGE* storage) override;
        HRESULT STDMETHODCALLTYPE GetInPlaceContext(LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*,
                                                    LPOLEINPLACEFRAMEINFO) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE QueryInsertObject(LPCLSID, LPSTORAGE, LONG) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE DeleteObject(LPOLEOBJECT) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL) override {
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT*) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL, DWORD, LPDWORD) override { return S_OK; }
        HRESULT STDMETHODCALLTYPE GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU*) override { return S_OK; }

        int GetStorageCount() const { return m_nStorageCount; }

    private:
        IStorage* m_pStorage = nullptr;
        int m_nStorageCount = 0;
        LONG m_nRefCount = 0;
    };

    COleRichEditCtrl();
    ~COleRichEditCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) override;

    // ---- Streaming (RTF) ----
    BOOL LoadFromFile(const CString& path);
    BOOL LoadFromBuffer(const BYTE* bytes, size_t length);
    void ClearText();
    // The whole text as RTF.
    BOOL GetRtf(std::vector<BYTE>& rtf);
    // Writes the RTF through a temporary file; nothing is written while the
    // open-failed mark is set. False when writing failed.
    BOOL SaveToFile(const CString& path);
    // Inserts RTF at the selection (pictures arrive this way, as metafiles,
    // because the control refuses plain bitmaps).
    BOOL InsertRtf(const char* rtf);
    // Inserts a bitmap as an enhanced metafile picture at the selection.
    BOOL InsertPicture(HBITMAP bitmap);
    BOOL IsOpenFailedMark() const { return m_bOpenFailed; }
    // Pastes the clipboard; a bitmap arrives as a metafile picture.
    void Paste();

    // ---- INoteEditor ----
    bool GetRtfBytes(std::vector<BYTE>& rtf) override { return GetRtf(rtf) != FALSE; }
    bool LoadRtfBytes(const BYTE* rtf, size_t length) override { return LoadFromBuffer(rtf, length) != FALSE; }
    bool LoadRtfFile(const CString& path) override { return LoadFromFile(path) != FALSE; }
    void EmptyText() override { SetWindowText(L""); }
    bool IsOpenFailed() const override { return m_bOpenFailed != FALSE; }
    bool IsTextModified() const override { return GetModify() != FALSE; }
    void SetTextModified(bool modified) override { SetModify(modified); }
    long GetTextLength() const override { return GetTextLengthEx(); }

    // ---- Editing state ----
    void SetEditable(BOOL on);
    BOOL IsEditable() const { return m_bEditable; }

    // ---- Formatting of the selection ----
    void ToggleBold() { ToggleEffect(CFM_BOLD, CFE_BOLD); }
    void ToggleItalic() { ToggleEffect(CFM_ITALIC, CFE_ITALIC); }
    void ToggleUnderline() { ToggleEffect(CFM_UNDERLINE, CFE_UNDERLINE); }
    void ToggleStrikeOut() { ToggleEffect(CFM_STRIKEOUT, CFE_STRIKEOUT); }
    void SetSize(int size);
    void SetColor(COLORREF color);
    void SetFaceName(const CString& face);
    void SetHighlight(COLORREF color);
    void ClearHighlight();
    void AlignLeft() { SetAlignment(PFA_LEFT); }
    void AlignRight() { SetAlignment(PFA_RIGHT); }
    void AlignCenter() { SetAlignment(PFA_CENTER); }
    void ToggleBullets();
    void GrowSize();
    void ShrinkSize();
    // The typing format of an empty editor (a new note).
    void SetTypingFormat(BOOL bold, BOOL italic, BOOL underline, COLORREF color, int size, const CString& face);
    // The default format of the control (not only the selection).
    void SetDefaultFormat(const CString& face);

    // ---- Queries (read the selection's format first) ----
    BOOL IsBold() { return HasEffect(CFE_BOLD); }
    BOOL IsItalic() { return HasEffect(CFE_ITALIC); }
    BOOL IsUnderline() { return HasEffect(CFE_UNDERLINE); }
    BOOL IsStrikeOut() { return HasEffect(CFE_STRIKEOUT); }
    int GetSize();
    COLORREF GetColor();
    CString GetFaceName();
    COLORREF GetHighlight();
    WORD GetAlignment();
    BOOL HasBullets();

    // ---- Find ----
    // flags: FR_DOWN, FR_WHOLEWORD, FR_MATCHCASE. True when found.
    BOOL FindWithOptions(const CString& text, DWORD flags);
    // Opens the find box below the editor with the text to look for; a box
    // already open comes forward instead.
    void OpenFindBox(const CString& initial);
    // The find box was cancelled: it is hidden and the next opening makes a
    // fresh one.
    void OnFindDialogClosed() { m_bFindBoxClosed = TRUE; }
    CWnd* GetFindBox();

    // ---- Commands and menus ----
    // Runs one of the editor's commands (menu, keys, formatting bar).
    BOOL ExecuteCommand(UINT id);
    // The macro texts of the context menu, expanded at the clock's time.
    const std::vector<CString>& BuildMacroMenu(CMenu* submenu);
    const std::vector<CString>& GetMacroTexts() const { return m_macros; }
    // Handles Ctrl + letter and the other keys of the editor; true when the
    // key was taken (not passed on to the control).
    BOOL HandleKey(UINT key, BOOL ctrl, BOOL shift);

    // Decides the hit test when the editor sits in a note window; null
    // elsewhere.
    std::function<LRESULT(LRESULT defaultHit)> m_hitTest;

    // Seams the program sets and tests replace.
    static std::function<SYSTEMTIME()> s_clock;
    static std::function<CString(int index)> s_macroSource;
    static std::function<void(const CString& target)> s_openLink;
    static std::function<bool(CWnd* owner, COLORREF& color)> s_chooseColor;
    static std::function<void(COleRichEditCtrl* editor, const CString& initial)> s_openFind;

    static IExRichEditOleCallback* GetSharedCallback();

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void AttachCallback();
    void ShowOpenFailure(const CString& path);
    BOOL StreamIn(const BYTE* bytes, size_t length, DWORD flags);
    void ToggleEffect(DWORD mask, DWORD effect);
    BOOL HasEffect(DWORD effect);
    void ReadSelectionFormat();
    void SetAlignment(WORD alignment);
    void InsertTextDirect(const CString& text);

    CHARFORMATW m_cf;
    CHARFORMAT2W m_cf2;
    PARAFORMAT m_pf;
    BOOL m_bEditable = TRUE;
    BOOL m_bOpenFailed = FALSE;
    BOOL m_bCallbackSet = FALSE;
    std::vector<CString> m_macros;
    class CFindBox;
    std::unique_ptr<CFindBox> m_findBox;
    BOOL m_bFindBoxClosed = FALSE;
};

// Creates the shared OLE callback when missing (the main frame calls it
// after its creation; the first editor does too).
void EnsureOleCallback();

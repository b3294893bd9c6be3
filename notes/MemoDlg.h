// CMemoDlg: the sticky-note window. A borderless floating window that shows
// one note: a title strip with its bar of buttons, the rich-text editor and
// a frame while expanded, or a one-line strip while folded. It keeps its own
// copy of the note's record and writes the note's text file; the main frame
// decides when (autosave) and keeps the list of records.
#pragma once

#include "notes/MemoInfo.h"
#include "notes/NoteLogic.h"
#include "notes/NoteTextStore.h"
#include "notes/OleRichEditCtrl.h"
#include "ui/ShareButtonEx.h"
#include "ui/ZDialog.h"

#include <memory>

class CTitleBar;
class CStyleBar;
class INoteHost;

class CMemoDlg : public CZDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CMemoDlg(CWnd* parent = nullptr);
    ~CMemoDlg() override;

    // The program's host; the frame sets it once at start-up.
    static INoteHost* s_pHost;

    // The template of the note or one of its bars as the windows are made
    // from it: without its font, which none of them uses (their controls are
    // made in code and placed in pixels), so that the dialog manager does not
    // make and measure a font for every window. The resource's own template
    // when it is not an extended template without controls.
    static LPCDLGTEMPLATE WindowTemplate(UINT templateId);

    // ---- Creation and loading ----
    BOOL CreateNew(UINT templateId, CWnd* parent);
    BOOL LoadMemo(UINT templateId, CWnd* parent, CMemoInfo* record);
    void ShowReceived(const CString& geometry, const CString& title);

    // ---- State ----
    CMemoInfo& GetInfo() { return m_info; }
    // The editor with the note's text in it: a note folded under its title
    // makes its editor and reads its file on this first call.
    COleRichEditCtrl& GetEditor() {
        EnsureTextLoaded();
        return m_edit;
    }
    CTitleBar* GetTitleBar() { return m_pTitleBar.get(); }
    CStyleBar* GetStyleBar() { return m_pStyleBar.get(); }
    BOOL IsExpanded() const { return m_info.m_bExpanded != 0; }
    BOOL IsLocked() const { return m_info.m_bLocked != 0; }
    BOOL IsTextLoaded() const { return m_store.IsTextLoaded(); }
    // A folded note with a title shows no text: its file is read, and its
    // editor window made, when the text is first needed (unfolded, searched,
    // a command of its menu).
    BOOL IsTextDeferred() const { return m_bTextDeferred; }
    void EnsureTextLoaded();
    // The windows of the buttons, made when the mouse first comes over the
    // note or it is activated; till then the note and its title bar paint
    // the buttons' pictures.
    void MakeButtonWindows();
    BOOL IsOpenFailed() const { return m_store.IsOpenFailed() || m_edit.IsOpenFailed(); }
    CString GetMemoPath() const { return m_store.GetPath(); }

    // ---- Operations ----
    void SetExpanded(BOOL expand, BOOL applyAlpha);
    void SetLevel(int level);
    void SetLevelFromPin();
    void ShowByLevel(BOOL show);
    void FlashAttention(BOOL unfold);
    void SetColorType(int type, BOOL redraw);
    void SetTitleColor(COLORREF color);
    void SetBodyColor(COLORREF color);
    void PreviewColor(COLORREF color, BOOL redraw);
    void ApplyTitleBarColor();
    void SetReminder(BOOL on);
    void StopReminder();
    void ResumeReminder();
    void SetImportance(int importance);
    void ApplyAlpha(BOOL inactive);
    void ShowTitleParts(BOOL hide);
    void ToggleStyleBar();
    void CloseStyleBar();
    void LayoutControls();
    void ClipFoldedEditor(bool folded);
    void FitHeightOnce();

    // ---- Text storage ----
    BOOL IsReadyToSave(BOOL modifiedOnly);
    BOOL SaveMemo();
    BOOL LoadLockedText();
    // Asks for the password of a locked note; true when it was right.
    BOOL AskAndCheckPassword();

    // ---- Commands ----
    void ShowContextMenu(CPoint clientPoint);
    // Builds the note's context menu (the caller destroys it).
    HMENU BuildContextMenu();
    BOOL ExecuteCommand(UINT id);
    void DeleteMemo();
    void OnTitleInput();
    void OnNewSameColor();
    void OnNextColor();
    void OnUnfold();
    void OnFold();
    void OnLock();
    void OnMoveToGroup(UINT id);
    void OnSaveToFile();
    void OnOpenWordPad();
    void OnPrint();
    void OnSend();
    void OnIconClick();
    void OnIconDoubleClick();
    // A note whose file could not be read starts again, empty and editable.
    void OnStartAfresh();

    // Modifier keys for the delete decision; tests replace it.
    static std::function<void(bool& shift, bool& ctrl, bool& alt)> s_readModifiers;

    // ---- CZDialog ----
    CRect GetRect() override { return m_info.m_rcWindow; }
    int GetAlpha() override;
    void SetActive(int active) override;
    BOOL IsMouseOverHiding() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

protected:
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc) { return TRUE; }
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnNcActivate(BOOL active);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnTimer(UINT_PTR id);
    void OnEditVScroll();

private:
    BOOL CreateWindowFromTemplate(UINT templateId, CWnd* parent);
    void MakeEditor(bool visible);
    // Moves the editor, or notes where it is to be made.
    void PlaceEditor(const CRect& rect);
    void ApplyColors(COLORREF title, COLORREF body, COLORREF bar, BOOL redraw);
    void SetFoldedButtonImages();
    void EnsureTitleBar();
    void MakeTitleBarWindow();
    void ShowTitleBar(bool show);
    void ShowFoldedButtons(bool show);
    CSize MeasureTitle();
    void PaintExpanded(CDC& dc);
    void PaintFolded(CDC& dc);
    void DrawTitleText(CDC& dc, const CRect& area, UINT format, int height);
    void OnFitHeightRequest(int wanted);
    bool HasContent();
    void KeepCopy();
    void RemoveFile();
    bool UnlockForAction();
    // Fills the read-only editor of a note whose file could not be read with
    // what happened and what the user can do.
    void ShowDamagedMarker();

    COleRichEditCtrl m_edit;
    std::unique_ptr<CTitleBar> m_pTitleBar;
    std::unique_ptr<CStyleBar> m_pStyleBar;
    CShareButtonEx m_btnUnfold;  // 1009 in the folded strip
    CShareButtonEx m_btnTitle;   // 1010 in the folded strip
    CMemoInfo m_info;
    CNoteTextStore m_store;
    NoteLogic::CAutosaveRule m_autosave;
    CRect m_rcClient;
    CRect m_rcTitle;
    CRect m_rcEdit;
    CRect m_rcEditPlaced;  // where the editor window stands
    BOOL m_bLoading = FALSE;  // between LoadMemo's start and its first layout
    CRect m_rcLoading;        // the stored place of the note being loaded
    BOOL m_bEditorStartsHidden = FALSE;
    bool m_bEditorDeferred = false;  // while a note whose text stays unread is made
    bool m_bPlaceFirst = false;      // while a note that opens unfolded is made
    int m_nFoldedCut = 0;  // the folded editor's height cut to its first line, 0 when whole
    int m_nFlashTick = 0;
    BOOL m_bFlashing = FALSE;
    BOOL m_bDeleteAsking = FALSE;
    BOOL m_bTitleDialogOpen = FALSE;
    int m_nLastFitRequest = -1;
    int m_nContentHeight = 0;
    BOOL m_bCreated = FALSE;
    BOOL m_bTrackingLeave = FALSE;
    BOOL m_bTextDeferred = FALSE;
    bool m_bFoldedButtonsShown = false;
    bool m_bTitleBarShown = true;  // also while the note paints the bar itself
};

// The font and display context that every note window shares to measure
// folded titles and draw date texts.
void CreateSharedMemoFont();
void FreeSharedMemoFont();
HFONT GetSharedMemoFont();

// CGDIDialog: a floating window whose whole look comes from a skin. It builds
// the skin's measures and meters, composes each frame with GDI+ into a 32-bit
// premultiplied back buffer and presents it with per-pixel alpha through
// UpdateLayeredWindow. Button meters post their commands into the window's
// queue, which runs them one per message; images that meters show from the
// web are downloaded into the cache folder; the right button opens the
// skinned windows' context menu. Every skinned window derives from it.
#pragma once

#include "ui/ZDialog.h"
#include "widgets/SkinDefinition.h"
#include "widgets/SkinHost.h"

#include <functional>
#include <memory>
#include <vector>

namespace Gdiplus {
class Bitmap;
}

class CMeasure;
class CMeter;
class CMenu;
class CToolTipCtrl;
class TiXmlElement;

class CGDIDialog : public CZDialog, public ISkinHost {
    DECLARE_MESSAGE_MAP()
public:
    explicit CGDIDialog(CWnd* parent = nullptr);
    CGDIDialog(UINT templateId, CWnd* parent);
    ~CGDIDialog() override;

    // Starts the download of url into "system\caches\<fileName>"; the owner
    // later gets WM_DOWNLOAD_DONE (wParam the key, lParam 1 or 0). False when
    // nothing was started. The web client does it unless a test sets a
    // starter of its own.
    typedef std::function<bool(CWnd* owner, int key, const CString& url, const CString& fileName)> DownloadStarter;
    static void SetDownloadStarter(DownloadStarter starter);
    static DownloadStarter GetDownloadStarter();

    // ---- Overridable operations ----
    virtual int ExecuteCommand(const CString& command) override;
    virtual void Redraw();
    virtual void Repaint();
    // Drawn over the meters on every redraw and repaint, before the frame
    // is presented; nothing here.
    virtual void DrawOverlay() {}
    virtual BOOL PostCommand(const CString& command);
    virtual void LoadDefaultSkin();
    virtual BOOL LoadSkin(const CString& path);
    virtual CPoint GetTopLeft();
    virtual void OnSkinLoaded() {}
    virtual void SelectSkin(UINT id);
    virtual void OnOpenWidget(UINT id);
    virtual void SetOpacityByCommand(UINT id);
    virtual void EndNcClick(int x, int y);

    using CZDialog::Create;
    BOOL Create(UINT templateId, CWnd* parent = nullptr) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL SetLayeredAlpha(COLORREF colorKey, BYTE alpha, DWORD flags) override;
    void FadeIn() override;

    // ---- ISkinHost ----
    Gdiplus::Bitmap* GetBackBuffer() override { return m_pBackBuffer.get(); }
    bool LoadBackgroundFile(const CString& path) override;
    void RefreshWindow() override { Redraw(); }
    CString GetSkinFile() const override { return m_strSkinFile; }

    // ---- Skins ----
    void SetSkinFile(const CString& path) { m_strSkinFile = path; }
    void SetSkinFolder(const CString& path) { m_strSkinFolder = path; }
    const CString& GetSkinFolder() const { return m_strSkinFolder; }
    BOOL LoadSkinFromText(const TiXmlElement* root);
    void ReloadSkin() { LoadSkin(m_strSkinFile); }
    void ReloadSkinIfHotkeyButtons();
    BOOL BuildSkin(int forcedResourceId);
    void BindMeasures();
    void ClearSkin();
    void ClearMeters();
    void ClearMeasures();
    BOOL LoadBackgroundResource(int id);
    BOOL CreateBlankBackground(int width, int height);
    void FitWindowToSkin();
    CMeter* DetachMeter(int id);
    CMeasure* FindMeasureByKind(int kind);
    CMeter* FindMeter(int kind, int id);
    void SetRegionFromImage(BOOL remove);

    // ---- Presenting ----
    void UpdateLayered();

    // ---- The context menu ----
    // Menu 199's first popup, prepared for this window (levels, checks,
    // skins, the frame's menu); the caller tracks and destroys it. A window
    // with a menu of its own builds it with BuildWindowMenu.
    virtual HMENU BuildContextMenu();
    // Where a skinned window's menu keeps its parts: the resource, the texts
    // of its items by position (the last item, the frame's menu, is always
    // named), and the positions of its level, arrange, opacity and skin
    // submenus.
    struct WindowMenuLayout {
        UINT menuId;
        std::vector<std::pair<UINT, int>> texts;
        int levelPos, arrangePos, opacityPos, skinPos;
    };
    HMENU BuildWindowMenu(const WindowMenuLayout& layout);
    void BuildSkinMenu(CMenu* menu);

    // ---- State the tests and derived windows read ----
    const std::vector<CMeter*>& GetMeters() const { return m_Meters; }
    const std::vector<CMeasure*>& GetMeasures() const { return m_Measures; }
    SkinDefinition& GetSkinDefinition() { return m_Skin; }
    Gdiplus::Bitmap* GetBackground() const { return m_pBackground.get(); }
    int GetUpdateCycle() const { return m_nUpdateCycle; }
    const CString& GetAboutSkin() const { return m_strAboutSkin; }
    const CString& GetDoubleClickCommand() const { return m_strDblClkCommand; }
    int GetPendingDownloads() const { return m_nPendingDownloads; }
    int GetLoadingFrame() const override { return m_nLoadingFrame; }
    int GetZPosition() const override { return m_nZPosition; }
    int GetConstantAlpha() const { return m_nConstantAlpha; }
    int GetQueuedCount() const { return m_CommandQueue.GetCount(); }
    bool IsCloseAfterFade() const { return m_bCloseAfterFade != 0; }
    const CStringArray& GetSkinList() const { return m_SkinList; }
    // How often the frame was handed to UpdateLayeredWindow, and the
    // constant alpha of the last time.
    int GetPresentCount() const { return m_nPresentCount; }
    int GetLastPresentedAlpha() const { return m_nLastPresentedAlpha; }
    const CString& GetToolTipText() const { return m_strToolTipText; }

    void StartImageDownloads();
    void ShowToolTip(const CString& text, BOOL activate);
    void ActivateToolTip(BOOL activate);

protected:
    // Asks for the name of a skin copy; false when cancelled. Tests answer.
    virtual bool AskSkinCopyName(const CString& proposed, CString& entered);
    // Shows a short notice about the skin (no skin to edit).
    virtual void ShowSkinNotice(const CString& text);

    void DoDataExchange(CDataExchange*) override {}

    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonUp(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnMove(int x, int y);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnTimer(UINT_PTR id);
    void OnPaint();
    LRESULT OnRunQueuedCommand(WPARAM, LPARAM);
    LRESULT OnImageDownloaded(WPARAM key, LPARAM success);
    LRESULT OnWeatherData(WPARAM record, LPARAM);
    void OnSkinDefault();
    void OnEditSkin();
    void OnSkinInfo();
    void OnMakeSkinCopy();
    void OnSkinChoice(UINT id);
    void OnOpenWidgetRange(UINT id);
    void OnOpacity(UINT id);

    // The button-up of a click at the screen point.
    void FinishClick(CPoint point);
    void QueueCommand(const CString& command) { m_CommandQueue.Add(command); }
    void ShowToolTipWidget(const CString& name);
    void StopCountdown();
    void EnsureToolTip();
    // An image path of the skin, made absolute against the skin's folder.
    CString ResolveSkinPath(const CString& path) const;
    void SetBackBufferSize(int width, int height);

    CStringArray m_CommandQueue;
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
    CString m_strToolTipText;
    int m_bToolTipShown = 0;
    int m_bToolTipHasTool = 0;
    int m_nLoadingFrame = 0;
    int m_nConstantAlpha = 255;
    CString m_strSkinFile;
    CString m_strSkinFolder;
    std::unique_ptr<Gdiplus::Bitmap> m_pBackground;
    std::vector<CMeter*> m_Meters;
    std::vector<CMeasure*> m_Measures;
    SkinDefinition m_Skin;
    std::unique_ptr<Gdiplus::Bitmap> m_pBackBuffer;
    int m_bLayeredPending = 1;
    CString m_strDblClkCommand;
    CString m_strAboutSkin;
    int m_nUpdateCycle = 0;
    CStringArray m_SkinList;
    int m_bPressed = 0;
    int m_bCloseAfterFade = 0;
    int m_nPendingDownloads = 0;
    int m_nPresentCount = 0;
    int m_nLastPresentedAlpha = -1;
};

// The next number the image downloads of every skinned window hand out.
extern int g_DownloadCounter;

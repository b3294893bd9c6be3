// CSlideUpDlg: a notice that slides into view from an edge of the work area,
// stays a while and slides away, then destroys itself. Its look is a skin
// handed over as parsed XML, a skin file, or by default a small text skin
// with a title, a body, an information button and a close button. Notices of
// one batch stack along the edge through a position counter their caller
// keeps.
#pragma once

#include "widgets/GDIDialog.h"
#include "widgets/NoticeSkin.h"
#include "widgets/SlideMotion.h"

#include <memory>

class TiXmlNode;

class CSlideUpDlg : public CGDIDialog, private ISlideWindow {
    DECLARE_MESSAGE_MAP()
public:
    explicit CSlideUpDlg(CWnd* parent = nullptr);
    ~CSlideUpDlg() override;

    // Create the window from template 231 with the built-in text skin, a
    // skin file or a parsed skin (copied); false when it cannot be made
    // (the caller then deletes the object).
    BOOL CreateWithTitle(CWnd* parent, const CString& title);
    BOOL CreateWithSkinFile(CWnd* parent, const CString& path);
    BOOL CreateFromXml(CWnd* parent, const TiXmlElement* root);

    void SetTitleFont(const CString& face, int size, COLORREF color);
    void SetBodyFont(const CString& face, int size, COLORREF color);
    void SetItemId(int id) { m_nItemId = id; }
    int GetItemId() const { return m_nItemId; }

    // Shows the body text: slides in from the edge of placement 0-7 at the
    // counter's offset (the counter comes back advanced), stays stayMs and
    // slides out. Called again while shown, it only prolongs the stay (and
    // brings back a notice that was sliding out).
    void ShowSlide(const CString& body, UINT slideInMs, UINT stayMs, UINT slideOutMs, int step, int placement,
                   int& counter);
    // Writes and builds the built-in text skin.
    void BuildSlideSkin();

    BOOL OnInitDialog() override;
    BOOL PostCommand(const CString& command) override;
    void OnFadeOutDone() override;

    const NoticeText& GetText() const { return m_Text; }
    const CSlideMotion& GetMotion() const { return m_Motion; }

protected:
    void PostNcDestroy() override;

    void OnTimer(UINT_PTR id);
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseHover(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    LRESULT OnEditScheduleMessage(WPARAM id, LPARAM);
    void OnEditSchedule();

private:
    BOOL CreateNotice(CWnd* parent);
    bool CursorInWindow();
    // ---- ISlideWindow ----
    void StartTimer(UINT id, UINT ms) override { SetTimer(id, ms, nullptr); }
    void StopTimer(UINT id) override { KillTimer(id); }
    void MoveTo(CPoint pos) override;
    void Finished() override;

    CWnd* m_pOwner = nullptr;
    std::unique_ptr<TiXmlNode> m_pSkinXml;
    NoticeText m_Text;
    CString m_strTitleFace, m_strBodyFace;
    int m_nItemId = -1;
    CSlideMotion m_Motion{*this};
};

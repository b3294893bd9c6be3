// CPopUpDlg: the skinned pop-up that announces a due alarm or anniversary
// (and the web check's notices). Made on the heap for each notice, it fades
// in, stays until closed or until its auto-close time runs out, fades out
// and deletes itself. Its skin is given (parsed XML or a file) or built in
// memory: the note-coloured title, body and close button for style 3, the
// sliding notice's text for the other styles.
#pragma once

#include "widgets/GDIDialog.h"
#include "widgets/NoticeSkin.h"

#include <memory>

class TiXmlNode;

class CPopUpDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CPopUpDlg(CWnd* parent = nullptr);
    ~CPopUpDlg() override;

    // 3: the built-in note-coloured skin; other values the sliding notice's.
    void SetStyle(int style) { m_nStyle = style; }
    int GetStyle() const { return m_nStyle; }
    void SetScheduleId(int id) { m_nScheduleId = id; }
    int GetScheduleId() const { return m_nScheduleId; }
    void SetTitleFont(const CString& face, int size, COLORREF color);
    void SetBodyFont(const CString& face, int size, COLORREF color);

    // Create the window (template 231 for a parsed skin, which is copied,
    // 232 otherwise); false when it cannot be made (the caller then deletes
    // the object).
    BOOL CreatePopup(CWnd* owner, const TiXmlElement* root);
    BOOL CreateWithTitle(CWnd* owner, const CString& title);
    BOOL CreateWithSkin(CWnd* owner, const CString& skinFile);

    // Loads the skin, puts the window's corner at (x, y), fades it in and,
    // with an auto-close time above 0, fades it out after that time.
    void ShowPopup(int x, int y, int autoCloseMs, const CString& body);
    // Writes and builds the note-coloured skin.
    void BuildPopupSkin();

    BOOL OnInitDialog() override;
    int ExecuteCommand(const CString& command) override;
    void OnFadeOutDone() override;

    const NoticeText& GetText() const { return m_Text; }
    int GetAutoCloseTime() const { return m_nAutoClose; }

protected:
    void PostNcDestroy() override;

    void OnTimer(UINT_PTR id);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    LRESULT OnEditScheduleMessage(WPARAM id, LPARAM);
    void OnEditSchedule();

private:
    void BuildTextSkin(bool noteColours);

    CWnd* m_pOwner = nullptr;
    std::unique_ptr<TiXmlNode> m_pSkinXml;
    NoticeText m_Text;
    CString m_strTitleFace, m_strBodyFace;
    int m_nStyle = 0;
    int m_nAutoClose = 0;
    int m_nScheduleId = -1;
};

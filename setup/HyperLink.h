// A static that works as a link: coloured by its state (normal, hovered,
// visited), underlined, with the hand cursor and an optional tooltip. A click
// opens the address minimised, or tells the parent instead.
#pragma once

#include "fw/Afx.h"
#include "fw/Static.h"
#include "fw/ToolTipCtrl.h"

#include <functional>

class CHyperLink : public CStatic {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr COLORREF kNormalColor = 0xFF0000;
    static constexpr COLORREF kHoverColor = 0x0000FF;
    static constexpr COLORREF kVisitedColor = 0x8F2205;

    CHyperLink() = default;
    ~CHyperLink() override;

    void SetUrl(const CString& url) { m_url = url; }
    const CString& GetUrl() const { return m_url; }
    void EnableTooltip(bool enable = true);
    void SetTooltipText(const CString& text);
    void SetNotifyParent(bool notify) { m_notifyParent = notify; }
    void SetUnderline(bool underline) { m_underline = underline; }

    bool IsVisited() const { return m_visited; }
    bool IsHovering() const { return m_hovering; }
    // The text colour for the link's state.
    COLORREF GetTextColor() const;

    // How an address is opened (ShellExecute "open" with the show command);
    // tests put their own here, so no browser starts. Null puts it back.
    using Opener = std::function<void(const CString& url, int showCommand)>;
    static void SetOpener(Opener opener);

protected:
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnClicked();
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);

private:
    CString m_url;
    bool m_hovering = false;
    bool m_visited = false;
    bool m_showTooltip = false;
    bool m_notifyParent = false;
    bool m_underline = true;
    HFONT m_font = nullptr;
    CToolTipCtrl m_tooltip;
    HCURSOR m_hand = nullptr;
};

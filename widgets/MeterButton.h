// A button meter: a picture with up to four looks (a strip of pressed,
// normal, over and disabled frames, or one face), an optional text label,
// a tooltip and a command that the skinned window runs on a click.
#pragma once

#include "widgets/MeterFaces.h"
#include "widgets/MeterPicture.h"

#include <memory>

class CMeterString;

class CMeterButton : public CMeter, public IButtonMeter {
public:
    enum State { STATE_PRESSED = 0, STATE_NORMAL = 1, STATE_OVER = 2, STATE_DISABLED = 3 };

    explicit CMeterButton(ISkinHost* owner);
    ~CMeterButton() override;

    void ReadConfig(const CInfoSection& section) override;
    void Initialize() override;
    bool Update() override { return false; }
    bool Draw() override;
    CString GetImageUrl() override { return m_Picture.GetUrl(); }
    void OnImageDownloaded(bool success) override;
    int GetIndicator() override { return m_Picture.GetIndicator(); }
    int GetCacheKey(int fallback) override { return m_Picture.GetCacheKey(fallback); }
    bool IsButton() override { return true; }

    // ---- IButtonMeter ----
    bool UpdateButtonState(bool down, CPoint point) override;
    CString GetCommand() override { return m_Command; }
    CString GetToolTipText() override { return m_ToolTip; }
    bool HitTestToolTip(CPoint point) override;
    int GetHyperLink() override { return m_HyperLink; }

    int GetState() const { return m_State; }
    void SetState(int state) { m_State = state; }
    // Windows whose lists grow move their buttons along.
    void MoveTo(int x, int y) {
        m_X = x;
        m_Y = y;
    }
    CMeterString* GetLabel() const { return m_Label.get(); }
    int GetLabelRelativeX() const { return m_LabelRelativeX; }
    int GetLabelRelativeY() const { return m_LabelRelativeY; }
    bool HasImage() const { return m_Picture.Get() != nullptr; }
    bool IsTouchHighlight() const { return m_TouchHighlight != 0; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

protected:
    // For the launcher kinds, which fill in the command, picture and tooltip
    // from their own keys after the button's.
    CMeterPicture& Picture() { return m_Picture; }
    const CMeterPicture& Picture() const { return m_Picture; }
    void SetCommand(const CString& command) { m_Command = command; }
    void SetToolTip(const CString& text) { m_ToolTip = text; }
    void SetSingleFrame(int single) { m_SingleFrame = single; }

private:
    CMeterPicture m_Picture;
    CString m_Command;
    int m_HyperLink = 0;
    CString m_ToolTip;
    int m_SingleFrame = 0;
    int m_TouchHighlight = 0;
    int m_State = STATE_NORMAL;
    std::unique_ptr<CMeterString> m_Label;
    int m_LabelRelativeX = 0, m_LabelRelativeY = 0;
    DWORD m_LabelColors[4] = {};  // by state: select, normal, over, disabled
};

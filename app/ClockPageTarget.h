// What the clock page does to the desktop clock while the user chooses:
// skins and transparency act at once, Apply shows or hides the clock and
// sets its level. The frame hands out the real clock; tests a recording fake.
#pragma once

#include "fw/Afx.h"

#include <functional>

class CClockDlg;

class IClockPageTarget {
public:
    virtual ~IClockPageTarget() = default;
    virtual CString GetSkinFile() = 0;
    virtual int GetAlpha() = 0;
    virtual int GetMouseOverHiding() = 0;
    virtual int GetZPosition() = 0;
    // The built-in skin, or a skin file; the clock keeps it as its setting.
    virtual void LoadDefaultSkin() = 0;
    virtual void LoadSkin(const CString& path) = 0;
    virtual void SetAlpha(int alpha) = 0;
    // View mode 0 fades the clock in to stay; any other fades it out.
    virtual void ShowOrHide(int viewMode) = 0;
    virtual void SetMouseOverHiding(int on) = 0;
    // The level, remembered as the clock's own.
    virtual void SetZPosition(int level) = 0;
    virtual void Repaint() = 0;
};

// The clock window the frame owns, found again on every call.
class CClockWindowTarget : public IClockPageTarget {
public:
    explicit CClockWindowTarget(std::function<CClockDlg*()> find) : m_find(std::move(find)) {}
    CString GetSkinFile() override;
    int GetAlpha() override;
    int GetMouseOverHiding() override;
    int GetZPosition() override;
    void LoadDefaultSkin() override;
    void LoadSkin(const CString& path) override;
    void SetAlpha(int alpha) override;
    void ShowOrHide(int viewMode) override;
    void SetMouseOverHiding(int on) override;
    void SetZPosition(int level) override;
    void Repaint() override;

private:
    std::function<CClockDlg*()> m_find;
};

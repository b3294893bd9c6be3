// What the hot keys do with a desktop window (clock, calendar, day schedule,
// quick-menu bar): the main frame hands out one of these per existing window;
// tests record the calls.
#pragma once

class IHotKeyView {
public:
    enum { STAY = -1 };  // ArmAutoHide: shown until the user hides it

    virtual ~IHotKeyView() = default;
    virtual bool IsVisible() = 0;
    // The window's level: 0 normal, 1 always on top, 2 on the desktop.
    virtual int GetLevel() = 0;
    virtual void ArmAutoHide(int fadeIn, int stayMs) = 0;
    virtual void SetZPosition(int level, bool remember) = 0;
    virtual void SetForeground() = 0;
    virtual void FadeOut() = 0;
    virtual void ShowWithEffect() = 0;
    virtual void AddToSpotlightIfActive() = 0;
};

// What the fade and mouse-over logic asks of its window. The floating window
// answers with its real handle; tests answer with a recording fake.
#pragma once

class IFadeHost {
public:
    virtual ~IFadeHost() {}
    // Layered opacity 0..255 (only called where layered windows exist).
    virtual void ApplyOpacity(int alpha) = 0;
    // On: transparent to the mouse, opacity 0 and hidden. Off: shown again
    // without activation.
    virtual void MakeClickThrough(bool on) = 0;
    virtual bool IsWindowShown() = 0;
    virtual void ShowNoActivate() = 0;
    // Brings a normal-level window to the top of its band, without activation.
    virtual void BringToTopIfNormal() = 0;
    virtual int TargetAlpha() = 0;
    virtual bool MouseOverHidingOn() = 0;
    virtual bool CtrlHeld() = 0;
    virtual bool CursorInside() = 0;
    virtual bool LayeredAvailable() = 0;
    virtual void StartTimer(unsigned id, unsigned ms) = 0;
    virtual void StopTimer(unsigned id) = 0;
    // The window's own (possibly overridden) fade-in.
    virtual void RunFadeIn() = 0;
    virtual void FadeInDone() = 0;
    virtual void FadeOutDone() = 0;
};

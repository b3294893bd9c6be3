// The settings that floating windows, snapping and the overlays read. They
// belong to the program's settings store; the store installs a provider that
// fills this record from its current values, so a change is seen at once.
#pragma once

struct CFloatingOptions {
    int Docking = 1;           // snapping on
    int DockingSize = 10;      // snap distance in pixels
    int EnableDesktop = 0;     // the desktop level is allowed
    int RevisionPosition = 1;  // keep windows on a monitor
    int WorkMonitor = 0;       // monitor for new windows and shifted rectangles
    int WidgetShowEffect = 1;  // bring windows forward over the spotlight
    int QuickMenuDockMode = 1; // the docked quick-menu bar joins the spotlight
    bool PlatformNT = true;    // layered windows are available
};

typedef CFloatingOptions (*FloatingOptionsProvider)();

// Null restores the built-in defaults.
void SetFloatingOptionsProvider(FloatingOptionsProvider provider);
CFloatingOptions GetFloatingOptions();

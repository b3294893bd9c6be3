// The settings that floating windows, snapping and the overlays read, taken
// from the program's settings at every question so a change applies at once.
// Tests (and a program without loaded settings) install their own provider.
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

// Null goes back to the program's settings.
void SetFloatingOptionsProvider(FloatingOptionsProvider provider);
CFloatingOptions GetFloatingOptions();

// The values of the program's settings record.
CFloatingOptions FloatingOptionsFromSettings();

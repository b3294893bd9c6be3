// The state machine shared by the image-strip buttons and the hit-area
// button, and the choice of the strip cell to draw, without a window.
#pragma once

#include <windows.h>

class CButtonStateLogic {
public:
    enum State { Pressed = 0, Normal = 1, Hover = 2, Disabled = 3 };

    // What the window must do after an event.
    struct Effect {
        bool capture = false;      // take the mouse capture
        bool release = false;      // release it
        bool repaint = false;      // repaint without erasing
        bool command = false;      // send WM_COMMAND (id, 0) to the parent
    };

    // SetState: 0 and 2 keep, 3 disables, anything else becomes 1. Returns
    // whether the window is to be enabled.
    bool SetState(int state);

    // Pointer moves; inside = the point lies in the client rectangle,
    // holdsCapture = this button holds the capture.
    Effect OnMouseMove(bool inside, bool holdsCapture);
    // Press: the state becomes pressed and the button is armed. For the
    // hit-area button the command goes out here.
    Effect OnLButtonDown(bool commandOnPress = false);
    // Release: only while armed. toggleCheck: check buttons flip their check
    // first, so the parent reads the new state.
    Effect OnLButtonUp(bool toggleCheck, bool sendCommand = true);

    // Cells of the strips.
    static int PushButtonCell(int state, bool checked, bool itemDisabled);
    static int CheckButtonCell(int state, bool checked, bool itemDisabled);
    // The ground colour of a check button in a state.
    static COLORREF CheckButtonFill(int state, COLORREF pressed, COLORREF normal, COLORREF hover);

    int m_nState = Normal;
    BOOL m_bTracking = FALSE;
    BOOL m_bChecked = FALSE;
    BOOL m_bArmed = FALSE;
    BOOL m_bIgnore = FALSE;
};

#include "ui/ControlSettings.h"

#include "shell/Settings.h"

CControlSettings g_ControlSettings;

void LoadControlSettings() {
    CControlSettings& to = g_ControlSettings;
    // An unset default font keeps the controls' own face and size.
    if (!g_Settings.DefaultFontFace.IsEmpty()) to.DefaultFontFace = g_Settings.DefaultFontFace;
    if (g_Settings.DefaultFontSize > 0) to.DefaultFontSize = g_Settings.DefaultFontSize;
    to.MemoDBFile = g_Settings.General.MemoDBFile;
    to.MouseOverHiding = g_Settings.General.MouseOverHiding ? TRUE : FALSE;
}

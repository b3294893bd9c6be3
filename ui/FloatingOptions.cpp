#include "ui/FloatingOptions.h"

#include "shell/AppGlobals.h"
#include "shell/Settings.h"

namespace {
FloatingOptionsProvider s_provider = nullptr;
}

void SetFloatingOptionsProvider(FloatingOptionsProvider provider) { s_provider = provider; }

CFloatingOptions GetFloatingOptions() { return s_provider ? s_provider() : FloatingOptionsFromSettings(); }

CFloatingOptions FloatingOptionsFromSettings() {
    CFloatingOptions options;
    const CSettings::GeneralSection& general = g_Settings.General;
    options.Docking = general.Docking;
    options.DockingSize = general.DockingSize;
    options.EnableDesktop = general.EnableDesktop;
    options.RevisionPosition = general.RevisionPosition;
    options.WorkMonitor = general.WorkMonitor;
    options.WidgetShowEffect = general.WidgetShowEffect;
    options.QuickMenuDockMode = g_Settings.QuickMenu.DockMode;
    options.PlatformNT = g_PlatformId >= 2;
    return options;
}

// Entry point of ZorelUninstall.exe: the one application object and the
// framework's start-up and exit.
#include "uninstall/ZorelUninstallApp.h"

static CZorelUninstallApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}

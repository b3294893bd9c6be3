// Entry point of ZorelSetup.exe: the one application object and the
// framework's start-up and exit.
#include "setup/SetupApp.h"

static CSetupApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}

// Entry point of Zorel.exe: the one application object and the framework's
// start-up, message loop and exit.
#include "app/MemoApp.h"

static CMemoApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}

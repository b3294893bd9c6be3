#include "setup/RunningProgram.h"

namespace {

class CRealRunningProgram : public IRunningProgram {
public:
    HWND FindByTitle(const wchar_t* title) override { return FindWindowW(nullptr, title); }
    // Posted: a program busy saving must not hold the installer up here;
    // the wait that follows is what gives it time.
    void RequestClose(HWND window) override { PostMessageW(window, WM_CLOSE, 0, 0); }
    void Wait(DWORD ms) override { Sleep(ms); }
};

}  // namespace

IRunningProgram& GetRealRunningProgram() {
    static CRealRunningProgram real;
    return real;
}

// The base of the tests that run the real Zorel.exe: program folders made for
// a test are removed after it, and a copy closed as the uninstaller would
// close it must end cleanly.
#pragma once

#include "ZorelDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ZorelTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (std::wstring& folder : folders) RemoveProgramFolder(folder);
    }
    std::wstring NewFolderWith(const char* config) {
        folders.push_back(MakeProgramFolder(config));
        return folders.back();
    }
    void CloseAndExpectCleanExit(ZorelProcess& zorel, HWND frame) {
        PostMessageW(frame, WM_CLOSE, 0, 0);
        DWORD code = 1;
        ASSERT_TRUE(zorel.WaitForExit(15000, &code));
        EXPECT_EQ(code, 0u);
    }
    std::vector<std::wstring> folders;
};

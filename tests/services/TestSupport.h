// Fixtures shared by the services tests: a temporary folder and fakes for the
// message box and folder-picker seams.
#pragma once

#include "fw/Afx.h"
#include "shell/Seams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed again afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        CString name;
        name.Format(L"%szorel_services_%lu_%lu_%d", temp, GetCurrentProcessId(), GetTickCount(), ++serial);
        m_root = name;
        std::filesystem::create_directories(m_root.GetString());
    }
    void TearDown() override {
        // Read-only files would block the clean-up.
        std::error_code ec;
        std::filesystem::recursive_directory_iterator it(m_root.GetString(), ec), end;
        while (!ec && it != end) {
            SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
            it.increment(ec);
        }
        std::filesystem::remove_all(m_root.GetString(), ec);
    }

    CString Path(const CString& relative) const { return m_root + L"\\" + relative; }
    void WriteFile(const CString& relative, const std::string& bytes) const {
        std::filesystem::path p(Path(relative).GetString());
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string ReadFile(const CString& relative) const {
        std::ifstream in(std::filesystem::path(Path(relative).GetString()), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Exists(const CString& relative) const {
        return GetFileAttributesW(Path(relative)) != INVALID_FILE_ATTRIBUTES;
    }
    void MakeFolder(const CString& relative) const {
        std::filesystem::create_directories(Path(relative).GetString());
    }

    CString m_root;
};

// Answers message boxes from a script and records what was shown.
class FakeMessageBox : public ISystemMessageBox {
public:
    FakeMessageBox() { SetSystemMessageBox(this); }
    ~FakeMessageBox() override { SetSystemMessageBox(nullptr); }
    int Show(HWND, const CString& text, const CString& caption, UINT type) override {
        texts.push_back(text);
        captions.push_back(caption);
        types.push_back(type);
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<int> answers;
    std::vector<CString> texts, captions;
    std::vector<UINT> types;
};

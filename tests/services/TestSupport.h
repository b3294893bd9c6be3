// Fixtures shared by the services tests: a temporary folder and fakes for the
// message box and folder-picker seams.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "shell/Seams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// A fresh folder under the temporary folder, removed again afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_scratch.reset(new CScratchFolder(L"services"));
        m_root = m_scratch->Path().Left(m_scratch->Path().GetLength() - 1);
    }
    void TearDown() override { m_scratch.reset(); }

    CString Path(const CString& relative) const { return m_root + L"\\" + relative; }
    void WriteFile(const CString& relative, const std::string& bytes) const { m_scratch->Write(relative, bytes); }
    std::string ReadFile(const CString& relative) const {
        std::ifstream in(std::filesystem::path(Path(relative).GetString()), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Exists(const CString& relative) const { return m_scratch->Has(relative); }
    void MakeFolder(const CString& relative) const { m_scratch->MakeFolder(relative); }

    std::unique_ptr<CScratchFolder> m_scratch;
    CString m_root;  // without a trailing backslash
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

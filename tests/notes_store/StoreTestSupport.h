// Shared pieces of the note and alarm store tests: a host that records what
// the stores tell the user, and byte helpers; the scratch folder is the one
// every test program shares.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "notes/StoreHost.h"

#include <gtest/gtest.h>

#include <vector>

// Holds a file open without sharing, as another program might.
class CHeldFile {
public:
    explicit CHeldFile(const CString& path)
        : m_h(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(m_h, INVALID_HANDLE_VALUE);
    }
    ~CHeldFile() {
        if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
    }

private:
    HANDLE m_h;
};

class CRecordingHost : public IStoreHost {
public:
    SYSTEMTIME now = MakeTime(2014, 2, 9, 15, 30, 45);
    std::vector<CString> messages;
    std::vector<CString> saveFailures;
    int restoreOffers = 0;

    SYSTEMTIME Now() override { return now; }
    void ReportSaveFailure(const CString& path) override { saveFailures.push_back(path); }
    void ShowMessage(const CString& text) override { messages.push_back(text); }
    void OfferMemoRestore() override { ++restoreOffers; }

    static SYSTEMTIME MakeTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0);
};

std::vector<BYTE> ReadAll(const CString& path);
void WriteAll(const CString& path, const std::vector<BYTE>& bytes);
bool Exists(const CString& path);
// The archive string bytes of a text in its UTF-16 form.
std::vector<BYTE> ArchiveString(const wchar_t* text);
void AppendInt(std::vector<BYTE>& v, int value);
void AppendBytes(std::vector<BYTE>& v, const std::vector<BYTE>& more);

#include "SkinTestSupport.h"

#include <algorithm>

namespace {
int g_ScratchCounter = 0;
}

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    m_Path.Format(L"%szorel_skins_%lu_%d\\", temp, GetCurrentProcessId(), ++g_ScratchCounter);
    CreateDirectoryW(m_Path, nullptr);
}

ScratchFolder::~ScratchFolder() {
    std::vector<CString> folders = {m_Path};
    // Two levels are enough for these tests.
    for (size_t i = 0; i < folders.size(); ++i) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(folders[i] + L"*", &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            CString name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                folders.push_back(folders[i] + name + L"\\");
            else
                DeleteFileW(folders[i] + name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) RemoveDirectoryW(*it);
}

CString ScratchFolder::WriteBytes(const wchar_t* name, const std::string& bytes) const {
    CString path = m_Path + name;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(file);
    return path;
}

CString DumpSections(const SkinDefinition& skin) {
    CString out;
    for (int i = 0; i < skin.GetSectionCount(); ++i) {
        const CInfoSection* s = skin.GetSection(i);
        out += s->GetName() + L"{";
        bool first = true;
        for (const auto& kv : s->Values()) {  // an ordered map: keys sorted
            if (!first) out += L";";
            out += kv.first + L"=" + kv.second;
            first = false;
        }
        out += L"}";
    }
    return out;
}

bool FakeEnvironment::QuerySystemInformation(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) {
    if (infoClass == 0) {
        // The basic record of a 64-bit process: the processor count at byte 56.
        if (size < 57) return false;
        memset(buffer, 0, size);
        ((BYTE*)buffer)[56] = (BYTE)processorCount;
        *returned = 64;
        return true;
    }
    if (nextSample >= cpuSamples.size()) return false;
    const auto& sample = cpuSamples[nextSample++];
    LONGLONG* out = (LONGLONG*)buffer;
    ULONG need = (ULONG)(sample.size() * 48);
    if (need > size) return false;
    memset(buffer, 0, need);
    for (size_t i = 0; i < sample.size(); ++i) {
        out[i * 6 + 0] = sample[i][0];
        out[i * 6 + 1] = sample[i][1];
        out[i * 6 + 2] = sample[i][2];
    }
    *returned = cpuReturnedOverride ? cpuReturnedOverride : need;
    return true;
}

FakeHost::FakeHost(int width, int height)
    : buffer(new Gdiplus::Bitmap(width, height, PixelFormat32bppPARGB)) {}

FakeHost::~FakeHost() = default;

DWORD FakeHost::Pixel(int x, int y) const {
    Gdiplus::Color c;
    buffer->GetPixel(x, y, &c);
    return c.GetValue();
}

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_Token, &input, nullptr);
}

GdiplusSession::~GdiplusSession() { Gdiplus::GdiplusShutdown(m_Token); }

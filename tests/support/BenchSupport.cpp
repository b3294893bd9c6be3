#include "BenchSupport.h"

#include <algorithm>

double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool RawRead(const CString& path, std::vector<BYTE>& bytes) {
    HANDLE h = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    DWORD read = 0;
    bool ok = ::GetFileSizeEx(h, &size) != FALSE;
    if (ok) {
        bytes.resize((size_t)size.QuadPart);
        ok = ::ReadFile(h, bytes.data(), (DWORD)bytes.size(), &read, nullptr) && read == bytes.size();
    }
    ::CloseHandle(h);
    return ok;
}

bool RawWrite(const CString& path, const std::vector<BYTE>& bytes) {
    HANDLE h = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    ok = ::FlushFileBuffers(h) && ok;
    return ::CloseHandle(h) && ok;
}

#include "NotewinTestSupport.h"

CHeldOpen::CHeldOpen(const CString& path)
    : m_h(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

CHeldOpen::~CHeldOpen() {
    if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
}

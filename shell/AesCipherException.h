// A failure inside AesCipher: its message, and the error code that was set
// for the caller (0 when none).
#pragma once

#include <windows.h>

#include <exception>
#include <string>

class AesCipherException : public std::exception {
public:
    explicit AesCipherException(const std::string& message, DWORD code = 0) : m_message(message), m_code(code) {}
    const char* what() const noexcept override { return m_message.c_str(); }
    DWORD GetCode() const { return m_code; }

private:
    std::string m_message;
    DWORD m_code;
};

#include "notes/AlarmFireTrust.h"

#include "shell/SafeFileWriter.h"

#include <vector>

bool CAlarmFireTrust::Load() {
    m_waiting.clear();
    if (m_path.IsEmpty() || !CSafeFileWriter::FileExists(m_path)) return true;
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(m_path, bytes, CSafeFileWriter::MaxListFileBytes)) return false;
    std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) m_waiting.insert(Utf8ToString(line.c_str()).str());
        start = end + 1;
    }
    return true;
}

bool CAlarmFireTrust::Save() const {
    if (m_path.IsEmpty()) return false;
    std::string text;
    for (const std::wstring& command : m_waiting) {
        text += StringToUtf8(CString(command)).GetString();
        text += "\r\n";
    }
    return CSafeFileWriter::WriteFile(m_path, text.data(), text.size());
}

namespace {

// Commands are stored one a line: a line break inside one would split it.
std::wstring Key(const CString& command) {
    std::wstring key = command.str();
    for (wchar_t& c : key)
        if (c == L'\r' || c == L'\n') c = L' ';
    return key;
}

}  // namespace

void CAlarmFireTrust::NoteSynchronised(const CArray<CAlarmInfo>& before, const CArray<CAlarmInfo>& after) {
    std::set<std::wstring> known;
    for (int i = 0; i < before.GetSize(); ++i)
        if (!before[i].m_strCommand.IsEmpty() && !NeedsConfirmation(before[i].m_strCommand))
            known.insert(Key(before[i].m_strCommand));
    for (int i = 0; i < after.GetSize(); ++i) {
        const CString& command = after[i].m_strCommand;
        if (!command.IsEmpty() && !known.count(Key(command))) m_waiting.insert(Key(command));
    }
    Save();
}

bool CAlarmFireTrust::NeedsConfirmation(const CString& command) const {
    return !command.IsEmpty() && m_waiting.count(Key(command)) != 0;
}

void CAlarmFireTrust::Confirm(const CString& command) {
    if (m_waiting.erase(Key(command))) Save();
}

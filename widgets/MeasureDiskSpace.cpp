#include "widgets/MeasureDiskSpace.h"

#include "widgets/WidgetEnvironment.h"

namespace {

int MatchWord(const CString& text, const wchar_t* const words[], int count) {
    for (int i = 0; i < count; ++i)
        if (text.CompareNoCase(words[i]) == 0) return i;
    return 0;
}

}  // namespace

bool CMeasureDiskSpace::IsAllowedDriveName(const CString& drive) {
    if (drive.GetLength() < 2) return false;
    wchar_t letter = drive[0];
    bool isLetter = (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
    return isLetter && drive[1] == L':';
}

bool CMeasureDiskSpace::IsRemovable() const {
    UINT type = GetWidgetEnvironment().GetDriveType(m_DriveName);
    return type == DRIVE_CDROM || type == DRIVE_REMOVABLE;
}

void CMeasureDiskSpace::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_DriveName = section.GetString(L"DriveName", L"C:\\");
    m_Relative = section.GetInt(L"Relative", 0) == 1;
    static const wchar_t* const kValues[] = {L"Total", L"Free", L"Used"};
    static const wchar_t* const kUnits[] = {L"Giga", L"Mega", L"Kilo", L"Byte"};
    m_ValueType = MatchWord(section.GetString(L"ValueType", L"Total"), kValues, 3);
    m_UnitType = MatchWord(section.GetString(L"UnitType", L"Giga"), kUnits, 4);
    if (!IsAllowedDriveName(m_DriveName) || IsRemovable()) return;
    ULONGLONG total = 0, totalFree = 0;
    if (GetWidgetEnvironment().GetDiskSpace(m_DriveName, total, totalFree)) m_MaxValue = (double)total;
}

bool CMeasureDiskSpace::Update() {
    if (!BeginUpdate()) return false;
    if (!IsAllowedDriveName(m_DriveName) || IsRemovable()) {
        m_Value = 0.0;
        return EndUpdate();
    }
    ULONGLONG total = 0, totalFree = 0;
    if (!GetWidgetEnvironment().GetDiskSpace(m_DriveName, total, totalFree)) return EndUpdate();
    if (m_ValueType == VALUE_FREE)
        m_Value = (double)totalFree;
    else if (m_ValueType == VALUE_USED)
        m_Value = (double)(total >= totalFree ? total - totalFree : 0);
    else
        m_Value = (double)total;
    if (m_Relative) m_Value = GetRelativeValue() * 100.0;
    return EndUpdate();
}

CString CMeasureDiskSpace::GetStringValue(bool, double, int, bool) {
    CString text;
    if (m_Relative) {
        text.Format(L"%d", (int)m_Value);
        return text;
    }
    switch (m_UnitType) {
    case UNIT_GIGA: {
        float giga = (float)(m_Value / 1073741824.0);
        if (giga < 100.0f)
            text.Format(L"%.1f", (double)giga);
        else
            text.Format(L"%d", (int)giga);
        break;
    }
    case UNIT_MEGA: text.Format(L"%d", (int)(m_Value / 1048576.0)); break;
    case UNIT_KILO: text.Format(L"%lld", (long long)(m_Value / 1024.0)); break;
    default: text.Format(L"%.0f", m_Value); break;
    }
    return text;
}

#include "widgets/SkinDefinition.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// Lines too short to hold a key, comments and lines that start with a zero
// byte carry nothing.
bool IsDroppedLine(const CString& line) {
    return line.GetLength() < 2 || line[0] == L'#' || line[0] == 0;
}

bool IsHeader(const CString& line) { return !line.IsEmpty() && line[0] == L'['; }

const wchar_t kAnalogClockText[] =
    L"[Background]\n"
    L"Background=IDR_ANALOG_BACKGROUND\n"
    L"[MeasureTime]\n"
    L"MeasureType=Time\n"
    L"[MeasureDay]\n"
    L"MeasureType=Time\n"
    L"Format=\"%%#d\n"
    L"[DayOfWeek]\n"
    L"MeasureSection=MeasureTime\nDrawType=NUMIMAGE\nX=53\nY=79\nW=10\nH=6\nCipher=1\n"
    L"ValueDiv=86400\nValueMax=7\nRevisionVal=4\nImageID=%d\n"
    L"[Day]\n"
    L"MeasureSection=MeasureDay\nDrawType=NUMIMAGE\nX=68\nY=79\nW=5\nH=6\nCipher=2\n"
    L"ValueDiv=1\nValueMax=32\nImageID=%d\n"
    L"[Hour]\n"
    L"MeasureSection=MeasureTime\nDrawType=ROTATOR\nX=1\nY=1\nW=128\nH=128\nOffsetX=0\nOffsetY=6\n"
    L"ValueReminder=43200\nStartAngle=4.7124\nRotationAngle=6.2832\nImageID=%d\n"
    L"[Minute]\n"
    L"MeasureSection=MeasureTime\nDrawType=ROTATOR\nX=1\nY=1\nW=128\nH=128\nOffsetX=0\nOffsetY=6\n"
    L"ValueReminder=3600\nStartAngle=4.7124\nRotationAngle=6.2832\nImageID=%d\n"
    L"[Second]\n"
    L"MeasureSection=MeasureTime\nDrawType=ROTATOR\nX=1\nY=1\nW=128\nH=128\nOffsetX=64\nOffsetY=64\n"
    L"ValueReminder=60\nStartAngle=6.2832\nRotationAngle=6.2832\nImageID=%d\n"
    L"[Knob]\n"
    L"DrawType=IMAGE\nX=61\nY=61\nImageID=%d\n"
    L"[DrawTypeGloss]\n"
    L"DrawType=IMAGE\nX=10\nY=15\nImageID=%d\n";

}  // namespace

void SkinDefinition::Clear() {
    m_Sections.clear();
    m_Lines.RemoveAll();
}

void SkinDefinition::AddLine(const wchar_t* line) { m_Lines.Add(CString(line)); }

void SkinDefinition::AddLineFormat(const wchar_t* format, ...) {
    wchar_t buffer[kLineBufferSize];
    va_list args;
    va_start(args, format);
    int n = _vsnwprintf(buffer, kLineBufferSize - 1, format, args);
    va_end(args);
    // A line that does not fit is cut at the buffer's end rather than lost.
    if (n < 0 || n >= kLineBufferSize - 1) n = kLineBufferSize - 1;
    buffer[n] = 0;
    m_Lines.Add(CString(buffer));
}

CInfoSection* SkinDefinition::FindSection(const wchar_t* name) const {
    for (const auto& s : m_Sections)
        if (s->GetName() == name) return s.get();
    return nullptr;
}

bool SkinDefinition::GetSectionName(const CString& line, CString& name) {
    name = line;
    name.TrimRight(L'\n');
    name.TrimRight(L'\r');
    name.TrimRight(L' ');
    name.TrimRight(L']');
    name.TrimLeft(L' ');
    name.TrimLeft(L'[');
    return !name.IsEmpty();
}

bool SkinDefinition::ReadSectionKeys(CInfoSection& section, int& lineIndex) const {
    int i = lineIndex + 1;
    for (; i < m_Lines.GetSize(); ++i) {
        const CString& line = m_Lines[i];
        if (IsDroppedLine(line)) continue;
        if (IsHeader(line)) break;
        int eq = line.Find(L'=');
        if (eq < 1) continue;
        CString key = line.Left(eq);
        key.Trim(L' ');
        if (key.IsEmpty()) continue;
        CString value = line.Mid(eq + 1);
        value.TrimRight(L'\n');
        value.TrimRight(L'\r');
        value.TrimRight(L' ');
        value.TrimLeft(L' ');
        section.SetValue(key, value);
    }
    lineIndex = i - 1;
    return section.GetCount() > 0;
}

void SkinDefinition::ParseLines() {
    for (int i = 0; i < m_Lines.GetSize(); ++i) {
        const CString& line = m_Lines[i];
        if (IsDroppedLine(line) || !IsHeader(line)) continue;
        CString name;
        if (!GetSectionName(line, name)) continue;  // its key lines belong to nothing
        auto section = std::make_unique<CInfoSection>(name.MakeUpper());
        if (ReadSectionKeys(*section, i)) m_Sections.push_back(std::move(section));
    }
}

void SkinDefinition::ParseText(const CString& text) {
    int start = 0;
    while (start < text.GetLength()) {
        int end = text.Find(L'\n', start);
        if (end < 0) end = text.GetLength();
        AddLine(text.Mid(start, end - start));
        start = end + 1;
    }
    ParseLines();
}

bool SkinDefinition::LoadFile(const CString& path) {
    Clear();
    int dot = path.ReverseFind(L'.');
    CString ext = dot >= 0 ? path.Mid(dot + 1) : CString();
    ext.MakeUpper();
    if (ext == L"XML" || ext == L"XXML") return LoadXmlFile(path);

    FILE* file = _wfopen(path, L"rt");
    if (!file) return false;
    // Each line is read whole with its line end, however long: a long value
    // must not be cut and its tail read as a key of its own.
    std::string line;
    for (int c = fgetc(file);; c = fgetc(file)) {
        if (c != EOF) line.push_back((char)c);
        if (c == '\n' || (c == EOF && !line.empty())) {
            AddFileLine(line);
            line.clear();
        }
        if (c == EOF) break;
    }
    fclose(file);
    ParseLines();
    return true;
}

void SkinDefinition::AddFileLine(const std::string& bytes) {
    // What follows a zero byte is not read.
    int n = (int)strnlen(bytes.data(), bytes.size());
    // Too short (including the line end), a comment, or a zero byte first.
    if (n < 2 || bytes[0] == '#') return;
    m_Lines.Add(MultiByteToString(bytes.data(), n, CP_THREAD_ACP));
}

void SkinDefinition::LoadNoSkin() {
    Clear();
    ParseText(L"[Background]\nBackground=IDR_NO_SKIN\n");
}

void SkinDefinition::LoadAnalogClock() {
    Clear();
    CString text;
    text.Format(kAnalogClockText, 212, 211, 267, 268, 269, 207, 208);
    ParseText(text);
}

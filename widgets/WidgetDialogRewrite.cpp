#include "widgets/WidgetDialogRewrite.h"

#include "fw/Convert.h"
#include "shell/SafeFileWriter.h"
#include "shell/TextUtil.h"

#include "tinyxml.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// The file's lines, each with the line end it had (the last may have none).
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

// The line end new lines take: the one the file uses.
std::string LineEnd(const std::string& text) {
    size_t lf = text.find('\n');
    return lf != std::string::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : lf == std::string::npos ? "\r\n" : "\n";
}


int FindLine(const std::vector<std::string>& lines, size_t from, const std::string& marker) {
    for (size_t i = from; i < lines.size(); ++i)
        if (CWidgetDialogRewrite::Normalise(lines[i]).find(marker) != std::string::npos) return (int)i;
    return -1;
}

bool RewriteFile(const CString& path, const std::function<bool(std::string&)>& change) {
    std::vector<BYTE> data;
    if (!CSafeFileWriter::ReadFile(path, data, CSafeFileWriter::MaxListFileBytes)) return false;
    std::string text(data.begin(), data.end());
    if (!change(text)) return false;
    return CSafeFileWriter::WriteFile(path, text.data(), text.size());
}

}  // namespace

std::string CWidgetDialogRewrite::Normalise(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        out += c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
    }
    return out;
}

bool CWidgetDialogRewrite::RewriteCountdown(std::string& text, const CString& section, const CountdownSetting& setting) {
    std::string upperSection = EscapeXmlAttribute(section);
    for (char& c : upperSection)
        if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
    std::string start = Normalise("<MeasureType=\"CountDown\"Section=\"" + upperSection + "\">");
    std::vector<std::string> lines = SplitLines(text);
    int first = FindLine(lines, 0, start);
    if (first < 0) return false;
    // Without the end of the block nothing is replaced: guessing where the
    // block ends could take lines that belong to something else.
    int end = FindLine(lines, first, "</MEASURE>");
    if (end < 0) return false;
    std::string eol = LineEnd(text);
    char buf[256];
    std::vector<std::string> block;
    block.push_back("<Measure Type= \"CountDown\" Section= \"" + upperSection + "\">" + eol);
    snprintf(buf, sizeof(buf), "\t<Target Year = \"%d\" Month = \"%d\" Day = \"%d\" Hour = \"%d\" Minute = \"%d\"  Second = \"%d\"/>",
             setting.year, setting.month, setting.day, setting.hour, setting.minute, setting.second);
    block.push_back(buf + eol);
    block.push_back("\t<Label Value = \"" + EscapeXmlAttribute(setting.label) + "\"/>" + eol);
    if (!setting.command.IsEmpty()) block.push_back("\t<Command Value = \"" + EscapeXmlAttribute(setting.command) + "\"/>" + eol);
    lines.erase(lines.begin() + first, lines.begin() + end);
    lines.insert(lines.begin() + first, block.begin(), block.end());
    text = Join(lines);
    return true;
}

namespace {
// The index of the location line of the weather widget with that ID, or -1.
int FindWeatherLine(const std::vector<std::string>& lines, int meterId) {
    char buf[96];
    snprintf(buf, sizeof(buf), "<WIDGETTYPE=\"WEATHER\"ID=\"%d\">", meterId);
    int first = FindLine(lines, 0, buf);
    return first < 0 ? -1 : FindLine(lines, (size_t)first, "<WEATHERWOEID");
}
}  // namespace

bool CWidgetDialogRewrite::ReadWeather(const std::string& text, int meterId, CString& woeid, CString& unit) {
    std::vector<std::string> lines = SplitLines(text);
    int line = FindWeatherLine(lines, meterId);
    if (line < 0) return false;
    TiXmlDocument doc;
    const char* element = strchr(lines[line].c_str(), '<');
    doc.Parse(element);
    const TiXmlElement* weather = doc.RootElement();
    if (!weather) return false;
    const char* id = weather->Attribute("WOEID");
    const char* u = weather->Attribute("Unit");
    woeid = id ? AnsiToString(CStringA(id)) : CString();
    unit = u ? AnsiToString(CStringA(u)) : CString();
    return true;
}

bool CWidgetDialogRewrite::ReadWeatherFile(const CString& path, int meterId, CString& woeid, CString& unit) {
    std::vector<BYTE> data;
    if (!CSafeFileWriter::ReadFile(path, data, CSafeFileWriter::MaxListFileBytes)) return false;
    return ReadWeather(std::string(data.begin(), data.end()), meterId, woeid, unit);
}

bool CWidgetDialogRewrite::RewriteWeather(std::string& text, int meterId, const CString& woeid, bool fahrenheit) {
    std::vector<std::string> lines = SplitLines(text);
    int line = FindWeatherLine(lines, meterId);
    if (line < 0) return false;
    // The replaced line keeps the line end it had, so the last line of the
    // file still has none when it had none.
    const std::string& old = lines[line];
    std::string end = old.size() >= 2 && old.compare(old.size() - 2, 2, "\r\n") == 0 ? "\r\n"
                      : !old.empty() && old.back() == '\n'                           ? "\n"
                                                                                     : "";
    lines[line] = "\t<Weather WOEID = \"" + EscapeXmlAttribute(woeid) + "\" Unit = \"" + (fahrenheit ? "f" : "c") + "\"/>" + end;
    text = Join(lines);
    return true;
}

bool CWidgetDialogRewrite::RewriteCountdownFile(const CString& path, const CString& section, const CountdownSetting& setting) {
    return RewriteFile(path, [&](std::string& text) { return RewriteCountdown(text, section, setting); });
}

bool CWidgetDialogRewrite::RewriteWeatherFile(const CString& path, int meterId, const CString& woeid, bool fahrenheit) {
    return RewriteFile(path, [&](std::string& text) { return RewriteWeather(text, meterId, woeid, fahrenheit); });
}

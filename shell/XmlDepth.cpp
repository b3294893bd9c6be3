#include "shell/XmlDepth.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace {

// How the parser steps over characters. It starts reading byte by byte,
// or by UTF-8 sequences when the text begins with the byte-order mark; the
// first declaration at the top level may switch it to UTF-8 for the rest.
enum class Stepping { Bytes, Utf8, BytesThenUtf8 };

// One pass over the text as the parser would read it. Wherever the parser
// would stop with an error the pass stops too: what the parser built up to
// there is all it ever reaches.
class DepthReader {
public:
    DepthReader(const unsigned char* text, size_t size, Stepping stepping)
        : m_s(text), m_n(size), m_utf8(stepping == Stepping::Utf8), m_switch(stepping == Stepping::BytesThenUtf8) {}

    int Run() {
        int depth = 0;
        int deepest = 0;
        // Every turn moves the read position on or ends the pass.
        while (true) {
            SkipSpace();
            if (AtEnd()) break;
            if (m_s[m_p] != '<') {
                if (depth == 0 || !SkipText()) break;
                continue;
            }
            if (depth > 0 && Starts("</")) {
                // The end tag of the open element; one that does not match
                // ends the parse, so counting on past it only overstates.
                --depth;
                if (!SkipPast(">", m_p + 2)) break;
            } else if (StartsNoCase("<?xml")) {
                if (!SkipDeclaration()) break;
                if (depth == 0 && m_switch) m_utf8 = true;
                m_switch = false;
            } else if (Starts("<!--")) {
                if (!SkipPast("-->", m_p + 4)) break;
            } else if (Starts("<![CDATA[")) {
                if (!SkipPast("]]>", m_p + 9)) break;
            } else if (Starts("<!")) {
                if (!SkipPast(">", m_p + 1)) break;
            } else if (m_p + 1 < m_n && (IsAlpha(m_s[m_p + 1]) || m_s[m_p + 1] == '_')) {
                // The element is made (one level deeper) before its tag is
                // read, even when the tag then turns out empty or broken.
                deepest = std::max(deepest, depth + 1);
                bool opened = false;
                if (!ReadStartTag(opened)) break;
                if (opened) ++depth;
            } else {
                if (!SkipPast(">", m_p + 1)) break;
            }
        }
        return deepest;
    }

private:
    static bool IsSpace(unsigned char c) { return isspace(c) || c == '\n' || c == '\r'; }
    // Every byte from 127 up counts as a letter to the parser.
    static bool IsAlpha(unsigned char c) { return c >= 127 || isalpha(c); }
    static bool IsNameChar(unsigned char c) {
        return c >= 127 || isalnum(c) || c == '_' || c == '-' || c == '.' || c == ':';
    }
    static size_t Utf8Length(unsigned char c) {
        if (c >= 0xC2 && c <= 0xDF) return 2;
        if (c >= 0xE0 && c <= 0xEF) return 3;
        if (c >= 0xF0 && c <= 0xF4) return 4;
        return 1;
    }

    // The parser's text ends at a 0 byte it steps onto; it can step over
    // one inside a multi-byte character, and so can this reader.
    bool AtEnd() const { return m_p >= m_n || m_s[m_p] == 0; }
    unsigned char At(size_t i) const { return i < m_n ? m_s[i] : 0; }

    bool Starts(const char* tag) const {
        size_t len = strlen(tag);
        return m_n - m_p >= len && memcmp(m_s + m_p, tag, len) == 0;
    }
    bool StartsNoCase(const char* tag) const {
        size_t len = strlen(tag);
        if (m_n - m_p < len) return false;
        for (size_t i = 0; i < len; ++i)
            if (tolower(m_s[m_p + i]) != tolower((unsigned char)tag[i])) return false;
        return true;
    }
    // To just past the next tag at or after from; false when there is none.
    bool SkipPast(const char* tag, size_t from) {
        size_t len = strlen(tag);
        for (size_t i = from; i < m_n && m_s[i] != 0; ++i) {
            if (i + len <= m_n && memcmp(m_s + i, tag, len) == 0) {
                m_p = i + len;
                return true;
            }
        }
        m_p = m_n;
        return false;
    }

    void SkipSpace() {
        while (!AtEnd()) {
            // Byte-order marks (and two other non-characters) read as space
            // when the parser reads UTF-8.
            if (m_utf8 && At(m_p) == 0xEF &&
                ((At(m_p + 1) == 0xBB && At(m_p + 2) == 0xBF) ||
                 (At(m_p + 1) == 0xBF && (At(m_p + 2) == 0xBE || At(m_p + 2) == 0xBF)))) {
                m_p += 3;
                continue;
            }
            if (!IsSpace(m_s[m_p])) break;
            ++m_p;
        }
    }
    // One character of text or of a quoted value. A UTF-8 lead byte takes
    // its whole sequence whatever follows, so a markup character inside it
    // is no markup; an entity is letters, digits and ';' or it ends the
    // parse, so byte steps over it land where the parser lands.
    void StepChar() {
        m_p += m_utf8 ? Utf8Length(m_s[m_p]) : 1;
        if (m_p > m_n) m_p = m_n;
    }

    // Text inside an element, up to the next '<'.
    bool SkipText() {
        while (!AtEnd() && m_s[m_p] != '<') {
            if (IsSpace(m_s[m_p]))
                ++m_p;
            else
                StepChar();
        }
        return !AtEnd();
    }

    bool ReadName() {
        if (AtEnd() || !(IsAlpha(m_s[m_p]) || m_s[m_p] == '_')) return false;
        while (!AtEnd() && IsNameChar(m_s[m_p])) ++m_p;
        return true;
    }

    // name = "value", name = 'value' or name = value.
    bool ReadAttribute() {
        SkipSpace();
        if (!ReadName()) return false;
        SkipSpace();
        if (AtEnd() || m_s[m_p] != '=') return false;
        ++m_p;
        SkipSpace();
        if (AtEnd()) return false;
        unsigned char quote = m_s[m_p];
        if (quote == '"' || quote == '\'') {
            ++m_p;
            while (!AtEnd() && m_s[m_p] != quote) StepChar();
            if (AtEnd()) return false;
            ++m_p;
        } else {
            while (!AtEnd() && !IsSpace(m_s[m_p]) && m_s[m_p] != '/' && m_s[m_p] != '>') {
                if (m_s[m_p] == '"' || m_s[m_p] == '\'') return false;
                ++m_p;
            }
        }
        return !AtEnd();
    }

    bool SkipDeclaration() {
        m_p += 5;
        while (!AtEnd()) {
            if (m_s[m_p] == '>') {
                ++m_p;
                return true;
            }
            SkipSpace();
            if (AtEnd()) return false;
            if (StartsNoCase("version") || StartsNoCase("encoding") || StartsNoCase("standalone")) {
                if (!ReadAttribute()) return false;
            } else {
                while (!AtEnd() && m_s[m_p] != '>' && !IsSpace(m_s[m_p])) ++m_p;
            }
        }
        return false;
    }

    // A start tag; opened tells "<name ...>" from "<name .../>".
    bool ReadStartTag(bool& opened) {
        ++m_p;
        SkipSpace();
        if (!ReadName() || AtEnd()) return false;
        while (true) {
            SkipSpace();
            if (AtEnd()) return false;
            if (m_s[m_p] == '/') {
                if (At(m_p + 1) != '>') return false;
                m_p += 2;
                opened = false;
                return true;
            }
            if (m_s[m_p] == '>') {
                ++m_p;
                opened = true;
                return true;
            }
            if (!ReadAttribute()) return false;
        }
    }

    const unsigned char* m_s;
    size_t m_n;
    size_t m_p = 0;
    bool m_utf8;
    bool m_switch;
};

}  // namespace

namespace XmlDepth {

int Measure(const char* text, size_t size) {
    if (!text) return 0;
    const unsigned char* bytes = (const unsigned char*)text;
    int deepest = 0;
    for (Stepping stepping : {Stepping::Bytes, Stepping::Utf8, Stepping::BytesThenUtf8})
        deepest = std::max(deepest, DepthReader(bytes, size, stepping).Run());
    return deepest;
}

bool IsWithinLimit(const char* text, size_t size) { return Measure(text, size) <= MaxDepth; }

int MeasureFile(FILE* file) {
    if (!file || fseek(file, 0, SEEK_END) != 0) return -1;
    long length = ftell(file);
    if (length < 0 || fseek(file, 0, SEEK_SET) != 0) return -1;
    std::vector<char> bytes((size_t)length);
    bool read = length == 0 || fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    fseek(file, 0, SEEK_SET);
    if (!read) return -1;
    // The parser makes CR LF and a lone CR into LF in place, up to the first
    // 0 byte, and ends the text there; the bytes after it stay as they were
    // (a multi-byte character can step into them). The text is measured in
    // the same buffer.
    size_t in = 0, out = 0;
    while (in < bytes.size() && bytes[in] != 0) {
        if (bytes[in] == '\r') {
            bytes[out++] = '\n';
            if (++in < bytes.size() && bytes[in] == '\n') ++in;
        } else {
            bytes[out++] = bytes[in++];
        }
    }
    if (out < bytes.size()) bytes[out] = 0;
    return Measure(bytes.data(), bytes.size());
}

bool IsFileWithinLimit(FILE* file) {
    int depth = MeasureFile(file);
    return depth >= 0 && depth <= MaxDepth;
}

}  // namespace XmlDepth

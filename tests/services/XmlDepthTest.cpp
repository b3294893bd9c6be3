#include "TestSupport.h"

#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <random>

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// The deepest element the parser built, counted the same way: an element
// at the top is 1 deep.
int TreeDepth(const TiXmlNode* node) {
    int deepest = 0;
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
        if (child->ToElement()) deepest = std::max(deepest, 1 + TreeDepth(child));
    return deepest;
}

TEST(XmlDepth, CountsOnlyTheNestingTheParserSees) {
    struct Case {
        const char* what;
        std::string text;
        int depth;
    } cases[] = {
        {"settings", "<?xml version=\"1.0\" ?>\n<ZorelConfig><System><Version>1</Version></System></ZorelConfig>", 3},
        {"empty elements add one level, siblings none", "<r><a/><a /><a x='1'/></r>", 2},
        {"a broken start tag still makes its element", "<r><a x=", 2},
        {"siblings do not add up", "<r><a></a><a></a><a></a></r>", 2},
        {"text and entities", "<r>a &amp; b &#x41; <a>c</a></r>", 2},
        {"an end tag in a comment", "<r><!--</r>--><a><b></b></a></r>", 3},
        {"an end tag in CDATA", "<r><![CDATA[</r>]]><a></a></r>", 2},
        {"an end tag in a quoted value", "<r x=\"</r>\"><a y='</a>'><b/></a></r>", 3},
        {"an empty-tag mark in a quoted value", "<r x=\"/>\"><a></a></r>", 2},
        {"an end tag in a declaration's value", "<r><?xml version=\"</r>\"?><a></a></r>", 2},
        {"an end tag swallowed by a UTF-8 character", "\xEF\xBB\xBF<r>\xF0</r><a><b></b></a></r>", 3},
        {"the same after a declaration switches to UTF-8",
         "<?xml version='1.0'?><r>\xE2</r><a><b></b></a></r>", 3},
        {"a 0 byte ends the text", std::string("<r><a>\0<b><c><d>", 16), 2},
        {"nothing but text", "just text", 0},
        {"deep", Repeat("<a>", 10000), 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(XmlDepth::Measure(c.text.data(), c.text.size()), c.depth);
    }
}

TEST(XmlDepth, TheLimitRefusesDeepFilesAndKeepsEveryOther) {
    struct Case {
        std::string text;
        bool within;
    } cases[] = {
        {Repeat("<a>", XmlDepth::MaxDepth) + Repeat("</a>", XmlDepth::MaxDepth), true},
        {Repeat("<a>", XmlDepth::MaxDepth + 1), false},
        {"<ZorelConfig>" + Repeat("<a>", 10000) + "</ZorelConfig>", false},
        {"<r>" + Repeat("<a/>", 100000) + "</r>", true},
        {Repeat("<a>", XmlDepth::MaxDepth) + "<a/>", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XmlDepth::IsWithinLimit(c.text.data(), c.text.size()), c.within) << c.text.substr(0, 40);
    }
}

// The measure must never fall below what the parser reaches: random texts
// made of the pieces that hide or end markup are measured and parsed, from
// memory and from files (where the parser turns CR into LF and can step over
// a 0 byte inside a multi-byte character).
class XmlDepthAgainstParser : public TempFolderTest {};

TEST_F(XmlDepthAgainstParser, NeverBelowTheParsersDepth) {
    static const char* const kPieces[] = {
        "<a>", "<a>", "<a>", "<b>", "</a>", "</b>", "<a/>", "<a x=\"", "<a x='", "\"", "'", ">", "/>", "<!--",
        "-->", "<![CDATA[", "]]>", "<?xml version=\"", "<?xml encoding='UTF-8'?>", "<?xml?>", "<!DOCTYPE ",
        "<", "</", "\xF0", "\xE2", "\xC3", "\xEF\xBB\xBF", "\xEF\xBF\xBE", "&#x41;", "&#65;", "&", " ", "\n",
        "x", "=", "<_", "< a>", "a=", "\r", "\r\n", "\r\r\n",
    };
    const size_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);
    std::mt19937 random(20261210);
    for (int trial = 0; trial < 3000; ++trial) {
        bool fromFile = trial % 6 == 0;
        std::string text;
        int pieces = 1 + (int)(random() % 60);
        for (int i = 0; i < pieces; ++i) {
            if (fromFile && random() % 40 == 0)
                text += '\0';
            else
                text += kPieces[random() % kPieceCount];
        }
        // Room for the parser's last multi-byte step, which can pass the end.
        text += "    ";

        TiXmlDocument doc;
        int measured;
        if (fromFile) {
            FILE* file = _wfopen(m_scratch->Write(L"t.xml", text), L"rb");
            ASSERT_TRUE(file);
            measured = XmlDepth::MeasureFile(file);
            EXPECT_EQ(ftell(file), 0);
            doc.LoadFile(file);
            fclose(file);
        } else {
            measured = XmlDepth::Measure(text.c_str(), strlen(text.c_str()));
            doc.Parse(text.c_str());
        }
        int parsed = TreeDepth(&doc);
        ASSERT_GE(measured, parsed) << "trial " << trial << (fromFile ? " (file)" : "") << ": " << text;
    }
}

}  // namespace

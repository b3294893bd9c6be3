#include "SkinTestSupport.h"

#include "widgets/Meter.h"
#include "widgets/SkinXml.h"

#include "tinyxml.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <cstdlib>

namespace {

// Stands in for the image kind's own converter: DrawType and the common keys.
void ConvertTestImage(const TiXmlElement* element, CInfoSection& section) {
    section.SetValue(L"DrawType", L"IMAGE");
    ConvertMeterCommon(element, section);
}

class SkinXml : public ::testing::Test {
protected:
    void SetUp() override { SetMeterXmlConverter(L"IMAGE", ConvertTestImage); }
    void TearDown() override { SetMeterXmlConverter(L"IMAGE", nullptr); }
};

const char kXmlSkin[] =
    "<?xml version=\"1.0\"?>\n"
    "<ZorelWidget>\n"
    "  <!-- a comment is no section -->\n"
    "  <System><Version Value=\"1\"/><Author Value=\"me\"/><About Image=\"about.png\"/>"
    "<UpdateCycle Value=\"1\"/></System>\n"
    "  <Window><Size W=\"120\" H=\"80\"/><Background Image=\"bg.png\"/>"
    "<Command LBtnDoubleClick=\"HIDE\"/><ZOrder Value=\"1\"/></Window>\n"
    "  <Measure Type=\"cpu\" Section=\"MeasureCpu\"><MinValue Value=\"0\"/><MaxValue Value=\"100\"/>"
    "<InvertMeasure Value=\"1\"/><MakeFrame Value=\"1\"/><Frame Value=\"20\"/></Measure>\n"
    "  <Measure Type=\"CountDown\" Section=\"Timer\"><Target Year=\"2030\" Month=\"5\" Day=\"6\" Hour=\"7\" "
    "Minute=\"8\" Second=\"9\"/><Label Value=\"Go\"/><Command Value=\"HIDE\"/><AlertBG Value=\"red.png\"/>"
    "<AlertTime Value=\"60\"/></Measure>\n"
    "  <Widget Type=\"Image\" ID=\"7\"><Origin X=\"3\" Y=\"4\"/><Size W=\"10\" H=\"11\"/>"
    "<SolidColor Value=\"FF0000\"/><BevelType Value=\"1\"/><Hidden Value=\"0\"/>"
    "<MeasureSection Value=\"MeasureCpu\"/></Widget>\n"
    "  <Weather Location=\"20069923\" unit=\"c\"/>\n"
    "</ZorelWidget>\n";

const char kIniSkin[] =
    "[System]\n"
    "AboutSkin=about.png\n"
    "UpdateCycle=1\n"
    "[Window]\n"
    "WindowWidth=120\nWindowHeight=80\nBackground=bg.png\nLBtnDoubleClick=HIDE\n"
    "[MeasureCpu]\n"
    "MeasureType=CPU\nMinValue=0\nMaxValue=100\nInvertMeasure=1\nMakeFrame=1\nMaxFrame=20\n"
    "[Timer]\n"
    "MeasureType=CountDown\nTargetYear=2030\nTargetMonth=5\nTargetDay=6\nTargetHour=7\nTargetMinute=8\n"
    "TargetSecond=9\nLabel=Go\nCommand=HIDE\nAlertBG=red.png\nAlertTime=60\n"
    "[Widget]\n"
    "DrawType=IMAGE\nID=7\nX=3\nY=4\nW=10\nH=11\nSolidColor=FF0000\nBevelType=1\nHidden=0\n"
    "MeasureSection=MeasureCpu\n"
    "[Weather]\n"
    "LOCATION=20069923\nUNIT=c\n";

TEST_F(SkinXml, GivesTheSameSectionsAsTheTextForm) {
    CScratchFolder folder(L"skins");
    SkinDefinition xml, ini;
    ASSERT_TRUE(xml.LoadFile(folder.Write(L"skin.XML", kXmlSkin)));
    ASSERT_TRUE(ini.LoadFile(folder.Write(L"skin.ini", kIniSkin)));
    // Measure sections keep the Section attribute's case; the text form
    // upper-cases every header, so compare those names without case.
    CString a = DumpSections(xml), b = DumpSections(ini);
    EXPECT_EQ(a.MakeUpper(), b.MakeUpper());
    EXPECT_EQ(DumpSections(xml),
              L"SYSTEM{AboutSkin=about.png;UpdateCycle=1}"
              L"WINDOW{Background=bg.png;LBtnDoubleClick=HIDE;WindowHeight=80;WindowWidth=120}"
              L"MeasureCpu{InvertMeasure=1;MakeFrame=1;MaxFrame=20;MaxValue=100;MeasureType=CPU;MinValue=0}"
              L"Timer{AlertBG=red.png;AlertTime=60;Command=HIDE;Label=Go;MeasureType=CountDown;TargetDay=6;"
              L"TargetHour=7;TargetMinute=8;TargetMonth=5;TargetSecond=9;TargetYear=2030}"
              L"WIDGET{BevelType=1;DrawType=IMAGE;H=11;Hidden=0;ID=7;MeasureSection=MeasureCpu;SolidColor=FF0000;"
              L"W=10;X=3;Y=4}"
              L"WEATHER{LOCATION=20069923;UNIT=c}");
}

TEST_F(SkinXml, ADamagedEndKeepsTheElementsBeforeIt) {
    CScratchFolder folder(L"skins");
    std::string text = "<ZorelWidget><System><UpdateCycle Value=\"2\"/></System>"
                       "<Window><Size W=\"5\" H=\"6\"/></Window></ZorelWidget";
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadFile(folder.Write(L"cut.xml", text)));
    EXPECT_EQ(DumpSections(skin), L"SYSTEM{UpdateCycle=2}WINDOW{WindowHeight=6;WindowWidth=5}");

    EXPECT_FALSE(skin.LoadFile(folder.Write(L"other.xml", "<Other><System/></Other>")));
    EXPECT_FALSE(skin.LoadFile(folder.Path() + L"missing.xml"));
    EXPECT_EQ(skin.GetSectionCount(), 0);
}

TEST_F(SkinXml, ASkinNestedTooDeepIsRefusedUnparsed) {
    CScratchFolder folder(L"skins");
    std::string deep = "<ZorelWidget><System><UpdateCycle Value=\"2\"/></System>";
    for (int i = 0; i < 10000; ++i) deep += "<Window>";
    SkinDefinition skin;
    EXPECT_FALSE(skin.LoadFile(folder.Write(L"deep.xml", deep)));
    EXPECT_FALSE(skin.LoadXmlText(deep.c_str()));
    EXPECT_EQ(skin.GetSectionCount(), 0);
    // An ordinary skin still loads after it.
    EXPECT_TRUE(skin.LoadFile(folder.Write(L"skin.xml", kXmlSkin)));
}

TEST_F(SkinXml, TagCaseRules) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<system><UpdateCycle Value=\"1\"/></system>"
        "<WINDOW><size W=\"1\" H=\"2\"/><Size w=\"3\"/><Background Image=\"a.png\"/><Background Image=\"b.png\"/>"
        "</WINDOW>"
        "<measure type=\"time\" Section=\"T\"/>"
        "<Measure Type=\"Time\" Section=\"T\"><Format Value=\"%H\"/><format Value=\"%M\"/></Measure>"
        "<Measure Type=\"Number\"><Value Start=\"1\" End=\"3\"/></Measure>"
        "<Measure Type=\"Bogus\" Section=\"B\"><MinValue Value=\"1\"/></Measure>"
        "<Widget Type=\"Rauncher\" Name=\"x\"/>"
        "<Widget Type=\"Image\"><size W=\"9\"/></Widget>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"SYSTEM{UpdateCycle=1}"
              L"WINDOW{Background=a.png}"          // lower-case size and w set nothing; first Background wins
              L"T{}"                               // a lower-case type attribute is no Type
              L"T{Format=%H;MeasureType=TIME}"
              L"{End=3;MeasureType=Number;Start=1}"  // a measure without a Section has an empty name
              L"B{}"                               // an unknown type sets no key
              L"WIDGET{NAME=x;TYPE=Rauncher}"      // no converter: attributes only, so no meter
              L"WIDGET{DrawType=IMAGE}");
}

TEST_F(SkinXml, MeasureElementTables) {
    SkinDefinition skin;
    ASSERT_TRUE(skin.LoadXmlText(
        "<ZorelWidget>"
        "<Measure Type=\"Time\" Section=\"A\"><TimeZone Value=\"+9\"/><TimeOffset Value=\"0\"/></Measure>"
        "<Measure Type=\"Calendar\" Section=\"B\"><Offset Value=\"-1\"/></Measure>"
        "<Measure Type=\"Memory\" Section=\"C\"><Total Value=\"1\"/><Physical Value=\"0\"/>"
        "<Virtual Value=\"1\"/><Relative Value=\"1\"/></Measure>"
        "<Measure Type=\"Battery\" Section=\"D\"/>"
        "<Measure Type=\"PhysicalMemory\" Section=\"E\"><Total Value=\"1\"/><Relative Value=\"1\"/></Measure>"
        "<Measure Type=\"VirtualMemory\" Section=\"F\"><Relative Value=\"1\"/></Measure>"
        "<Measure Type=\"CountDown\" Section=\"G\"><Target RemainTime=\"90\"/></Measure>"
        "<Measure Type=\"DiskSpace\" Section=\"H\"><Drive Name=\"D:\\\"/><Relative Value=\"1\"/>"
        "<Value Type=\"Free\" Unit=\"Mega\"/></Measure>"
        "<Measure Type=\"User\" Section=\"I\"><Revision Lifetime=\"2\" Age=\"3\" PassDay=\"4\" "
        "NextBirthday=\"5\"/></Measure>"
        "<Measure Type=\"Biorhythm\" Section=\"J\"/>"
        "</ZorelWidget>"));
    EXPECT_EQ(DumpSections(skin),
              L"A{MeasureType=TIME;TimeOffset=0;TimeZone=+9}"
              L"B{MeasureType=CALENDAR;Offset=-1}"
              L"C{MeasureType=Memory;Physical=0;Relative=1;Total=1;Virtual=1}"
              L"D{MeasureType=Battery}"
              L"E{MeasureType=PhysicalMemory;Relative=1;Total=1}"
              L"F{MeasureType=VirtualMemory;Relative=1}"
              L"G{MeasureType=CountDown;RemainTime=90}"
              L"H{DriveName=D:\\;MeasureType=DiskSpace;Relative=1;UnitType=Mega;ValueType=Free}"
              L"I{AgeRevision=3;LifetimeRevision=2;MeasureType=User;NextBirthdayRevision=5;PassDayRevision=4}"
              L"J{MeasureType=Biorhythm}");
}

TEST_F(SkinXml, LoadXmlElementAppends) {
    SkinDefinition skin;
    skin.LoadNoSkin();
    TiXmlDocument doc;
    doc.Parse("<ZorelWidget><Window><Size W=\"1\" H=\"1\"/></Window></ZorelWidget>");
    EXPECT_TRUE(skin.LoadXmlElement(doc.FirstChildElement("ZorelWidget")));
    EXPECT_FALSE(skin.LoadXmlElement(nullptr));
    EXPECT_EQ(skin.GetSectionCount(), 2);
    EXPECT_FALSE(skin.LoadXmlText("<NotZorel/>"));
    EXPECT_EQ(skin.GetSectionCount(), 0);
}

// The cycle is read in seconds; a skin written in milliseconds would wait
// a quarter of an hour between updates of a clock.
TEST(AuthoredWidgetSkins, UpdateAtMostOnceAMinute) {
    const char* root = getenv("ZOREL_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    CString dir = CString(L"Z:") + CString(root) + L"\\data\\skin\\widgets\\";
    dir.Replace(L'/', L'\\');
    WIN32_FIND_DATAW folder;
    HANDLE folders = FindFirstFileW(dir + L"*", &folder);
    ASSERT_NE(folders, INVALID_HANDLE_VALUE);
    int checked = 0;
    do {
        if (!(folder.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || folder.cFileName[0] == L'.') continue;
        CString skinDir = dir + folder.cFileName + L"\\";
        WIN32_FIND_DATAW file;
        HANDLE files = FindFirstFileW(skinDir + L"*.xml", &file);
        if (files == INVALID_HANDLE_VALUE) continue;
        do {
            SkinDefinition skin;
            ASSERT_TRUE(skin.LoadXmlFile(skinDir + file.cFileName)) << CStringA(file.cFileName).GetString();
            const CInfoSection* system = skin.FindSection(L"SYSTEM");
            double cycle = system ? system->GetDouble(L"UpdateCycle", 0.0) : 0.0;
            EXPECT_LE(cycle, 60.0) << CStringA(file.cFileName).GetString();
            ++checked;
        } while (FindNextFileW(files, &file));
        FindClose(files);
    } while (FindNextFileW(folders, &folder));
    FindClose(folders);
    EXPECT_GE(checked, 6);
}

}  // namespace

// Checks against the running system and the thread's code page.
#include "SkinTestSupport.h"

#include "widgets/MeasureBattery.h"
#include "widgets/MeasureCPU.h"
#include "widgets/MeasureDiskSpace.h"
#include "widgets/MeasureMemory.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemMeasures, ReadTheRunningSystem) {
    CInfoSection none(L"S");
    CMeasureCPU cpu;
    // The processor count comes from the basic record in this build's layout.
    EXPECT_GE(cpu.GetProcessorCount(), 1);
    EXPECT_LE(cpu.GetProcessorCount(), 255);
    cpu.ReadConfig(none);
    cpu.Update();
    EXPECT_GE(cpu.GetRawValue(), 0.0);
    EXPECT_LE(cpu.GetRawValue(), 100.0);

    CMeasureMemory memory;
    memory.ReadConfig(none);
    memory.Update();
    EXPECT_GT(memory.GetMaxValue(), 1.0);
    EXPECT_GT(memory.GetRawValue(), 0.0);
    EXPECT_LE(memory.GetRawValue(), memory.GetMaxValue());

    CMeasureDiskSpace disk;
    disk.ReadConfig(none);
    disk.Update();
    EXPECT_GT(disk.GetMaxValue(), 1.0);
    EXPECT_EQ(disk.GetRawValue(), disk.GetMaxValue());  // the total by default

    CMeasureBattery battery;
    battery.ReadConfig(none);
    battery.Update();
    EXPECT_GE(battery.GetRawValue(), 0.0);
    EXPECT_LE(battery.GetRawValue(), 100.0);
}

TEST(SkinText, ReadInTheThreadsCodePage) {
    CScratchFolder folder(L"skins");
    // "한글" in code page 949.
    const std::string hangul = "\xC7\xD1\xB1\xDB";
    SkinDefinition ini, xml;
    ASSERT_TRUE(ini.LoadFile(folder.Write(L"skin.txt", "[A]\nName=" + hangul + "\n")));
    ASSERT_TRUE(xml.LoadFile(folder.Write(L"skin.xml", "<ZorelWidget><Extra Name=\"" + hangul +
                                                                "\"/></ZorelWidget>")));
    CString expected = GetACP() == 949 ? CString(L"\xD55C\xAE00") : MultiByteToString(hangul.data(), 4, CP_ACP);
    EXPECT_EQ(ini.FindSection(L"A")->GetString(L"Name"), expected);
    EXPECT_EQ(xml.FindSection(L"EXTRA")->GetString(L"NAME"), expected);
}

}  // namespace

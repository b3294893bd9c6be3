// The anniversary file the build packs for Korean installations reads back
// whole in the program's own anniversary format.
#include "SetupTestFiles.h"
#include "calendar/AnniversaryFile.h"
#include "fw/File.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SetupSeedTest, KoreanHolidaysReadBack) {
    CString path = EnvFolder("ZOREL_BINARY_DIR") + L"setup_data\\anniversary.xzrn";
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead | CFile::typeBinary));
    std::vector<CDayInfo> records;
    EXPECT_TRUE(CAnniversaryFile::ReadRecords(file, [&](const CDayInfo& info) { records.push_back(info); }));
    ASSERT_EQ(11u, records.size());
    // Seollal: the first day of the first lunar month, a holiday.
    const CDayInfo& seollal = records[1];
    EXPECT_EQ(1, seollal.m_nMonth);
    EXPECT_EQ(1, seollal.m_nDay);
    EXPECT_TRUE(seollal.m_bLunar);
    EXPECT_TRUE(seollal.m_bHoliday);
    EXPECT_EQ(CString(L"설날"), seollal.m_strText);
    for (const CDayInfo& info : records) EXPECT_TRUE(info.m_bHoliday);
}

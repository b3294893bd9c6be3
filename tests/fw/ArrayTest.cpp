#include "fw/Afx.h"

#include <gtest/gtest.h>

namespace {

// Counts how often records are copied and moved.
struct Counted {
    static int copies;
    static int moves;
    CString text;
    explicit Counted(const wchar_t* t = L"") : text(t) {}
    Counted(const Counted& o) : text(o.text) { ++copies; }
    Counted(Counted&& o) noexcept : text(std::move(o.text)) { ++moves; }
    Counted& operator=(const Counted& o) {
        text = o.text;
        ++copies;
        return *this;
    }
    Counted& operator=(Counted&& o) noexcept {
        text = std::move(o.text);
        ++moves;
        return *this;
    }
};
int Counted::copies = 0;
int Counted::moves = 0;

}  // namespace

// Lists of records grow one Add at a time as they are read: a record handed
// over is moved in, and growing the array moves what it holds, so a list of
// n records costs no copies at all; a record added by name is copied once.
TEST(Array, GrowsByMovingItsRecords) {
    Counted::copies = Counted::moves = 0;
    CArray<Counted> a;
    for (int i = 0; i < 1000; ++i) {
        Counted c(L"a record with a text too long to live inside the string");
        a.Add(std::move(c));
    }
    EXPECT_EQ(0, Counted::copies);
    ASSERT_EQ(1000, a.GetSize());
    EXPECT_EQ(CString(L"a record with a text too long to live inside the string"), a[999].text);

    Counted kept(L"kept");
    a.Add(kept);
    EXPECT_EQ(1, Counted::copies);
    EXPECT_EQ(CString(L"kept"), kept.text);
    EXPECT_EQ(CString(L"kept"), a[1000].text);
}

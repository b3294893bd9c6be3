// Real notice windows for tests: the program's templates, pictures and
// meters, a work area of the tests' own, editors that record what they were
// asked to open, and windows that note their own deletion.
#pragma once

#include "MessagePump.h"
#include "ScratchFolder.h"
#include "SkinTestSupport.h"

#include "widgets/NoticeDisplay.h"
#include "widgets/PopUpDlg.h"
#include "widgets/SlideUpDlg.h"

#include "ui/FloatingOptions.h"
#include "ui/ZDialogList.h"
#include "ui/ZDialogOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

template <class Window>
class Tracked : public Window {
public:
    explicit Tracked(bool* deleted) : Window(nullptr), m_deleted(deleted) { *deleted = false; }
    ~Tracked() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

// The owner a test gives the floating windows: it records "hide the others".
class NoticeTestOwner : public CZDialogOwner {
public:
    std::vector<CZDialog*> hidOthersExcept;
    void ShowAllWidgets(BOOL show, CZDialog* except) override {
        if (!show) hidOthersExcept.push_back(except);
    }
};

struct NoticeWindowTest : ::testing::Test {
    static const CRect kWork;
    NoticeTestOwner owner;
    std::vector<std::pair<char, int>> edited;  // 'A' alarm or 'N' anniversary, and the id
    int registeredBefore = 0;

    void SetUp() override;
    void TearDown() override;

    // The back buffer's pixel as 0xAARRGGBB.
    static DWORD Pixel(Gdiplus::Bitmap* bitmap, int x, int y);
    // True when some pixel of the rectangle differs between the two bitmaps.
    static bool Differs(Gdiplus::Bitmap* a, Gdiplus::Bitmap* b, const CRect& area);
    static CPoint TopLeft(CWnd* window);
};

inline CPoint Offset(CPoint p, int dx, int dy) { return CPoint(p.x + dx, p.y + dy); }

// The folder of the sources, in Wine's spelling, ending with a backslash.
CString SourceFolder();

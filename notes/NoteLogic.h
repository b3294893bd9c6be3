// The decisions of the note window that need no window: folding geometry,
// fit height, the editor's layout, hit testing, the delete decision, the
// autosave rule, importance changes, text sizes and effects, the date and
// time macros, the hover tip's place and the printer page. The note window,
// its editor, its bars and the tip call these; the tests call them directly.
#pragma once

#include "fw/Afx.h"

#include <functional>
#include <vector>

class CLanguageTable;

namespace NoteLogic {

// ---- Geometry ----
enum {
    TitleStripHeight = 17,
    FoldedHeight = 18,       // the height of a folded strip
    MinTrackWidth = 125,     // the smallest size the user can drag a note to
    MinTrackHeight = 42,
    FoldedButtonRoom = 30,   // the two buttons at the right of a folded strip
    ImportanceIconRoom = 12, // room for the importance icon in a folded strip
};

// A record's rectangle as loaded: an empty width becomes 100 and an empty
// height 50, both ending at the stored right and bottom edges.
CRect RepairRect(const CRect& rect);
// A rectangle of any values (a damaged file's) moved, and shrunk where it is
// larger, to lie wholly on the work area that holds its centre, or on the
// first one when none does. An empty width or height becomes 100 or 50.
CRect FitOnScreen(const CRect& rect, const std::vector<CRect>& workAreas);

// The strip a note folds to. The top and right edges stay where they are.
// showsTitle: the note has a title or is locked (the strip shows the title,
// measured as titleExtent); otherwise the strip is contractDX x 18 and shows
// the editor's first line.
struct FoldInput {
    CRect window;          // the window's present rectangle
    bool showsTitle = false;
    CSize titleExtent;     // the measured title, single line
    bool hasImportance = false;
    int contractDX = 0;    // General/ContractDX
    bool fitTitleWidth = false;
};
CRect FoldedRect(const FoldInput& in);
// The expanded window: top and right edges kept, the expanded size taken.
CRect ExpandedRect(const CRect& window, int expandedWidth, int expandedHeight);

// The height a fit-height note asks for: the editor's wanted height plus the
// title strip and frame (and the formatting bar when open), at least
// minHeight (General/StartDY) and at most 80 % of the screen's height.
int FitHeight(int wanted, bool styleBarOpen, int minHeight, int screenHeight);
// Whether the window should take that height: not when it is the last
// request or the present height.
bool ShouldApplyFitHeight(int height, int lastRequest, int presentHeight);

// Where the editor stands in a note's client area.
struct LayoutInput {
    CRect client;
    bool expanded = true;
    bool styleBarOpen = false;
    bool hasImportance = false;
    bool hasTitle = false;
    int contractDX = 0;
};
CRect EditorRect(const LayoutInput& in);
// The formatting bar's rectangle below the title bar (expanded notes only).
CRect StyleBarRect(int windowWidth);
// The two buttons of a folded strip: 1009 (unfold) and 1010 (title).
CPoint UnfoldButtonPos(const CRect& client);
CPoint TitleButtonPos(const CRect& client);

// Hit testing of a note window in client coordinates.
struct HitInput {
    CPoint point;
    CSize size;              // client size
    bool expanded = true;
    bool pinned = false;
    bool fitHeight = false;
    bool mouseOverHiding = false;
    bool focusInNote = false; // the focus is in the note or its editor
    bool ctrlHeld = false;
};
LRESULT NoteHitTest(const HitInput& in);

// The colour of the frame around an expanded note's text.
COLORREF FrameColor(COLORREF body, int importance);

// ---- Deleting ----
enum class DeleteAction {
    Nothing,      // cancelled, or a confirmation is already open
    Remove,       // remove the file and close the note
    KeepCopy,     // save, move the file to its ".brt" name and close the note
    RecycleBin,   // hand the note to the frame's recycle bin
    Ask,          // show the confirmation box
};
struct DeleteInput {
    bool shift = false, ctrl = false, alt = false;
    bool locked = false;
    bool hasContent = false;
    bool confirmOpen = false;
};
DeleteAction DecideDelete(const DeleteInput& in);
// The confirmation box's answer (IDOK keep a copy, IDABORT remove, IDRETRY
// recycle bin, anything else nothing). A note without content is removed
// rather than kept.
DeleteAction DeleteFromAnswer(int answer, bool hasContent);
// Whether a note has content: text in a readable editor; otherwise a loaded
// note's file that is not empty; a locked note still encrypted always has.
bool NoteHasContent(bool editorOpenFailed, long editorLength, bool textLoaded, LONGLONG fileSize);

// ---- Autosave ----
// A changed note is saved at the first check after its length stopped
// changing between two checks, so typing is not interrupted.
class CAutosaveRule {
public:
    bool IsReadyToSave(bool modified, long length);
    long LastLength() const { return m_lastLength; }
private:
    long m_lastLength = 0;
};

// ---- Importance ----
bool ImportanceRunsReminder(int importance);
// A click on the title bar's icon: a running reminder stops, otherwise the
// note switches between normal and favourite.
int ImportanceAfterClick(int importance);
// A double click on the icon: an important note stops its reminder,
// anything else starts it.
int ImportanceAfterDoubleClick(int importance);

// ---- Text sizes and effects ----
// The 16 sizes, in steps of 18 twips per unit.
extern const int kTextSizes[16];
enum { TwipsPerSizeUnit = 18 };
// The next larger or smaller size of the list; false (and no change) at the
// ends or for a size not in the list.
bool GrowSize(int size, int& next);
bool ShrinkSize(int size, int& next);
int SizeIndex(int size);  // -1 when not in the list
// The size of a character height in twips. RTF keeps heights in half
// points, so 14 x 18 = 252 twips comes back from a file as 250: the height
// is rounded to the nearest unit instead of cut, or the size would shrink
// at every save.
int SizeFromTwips(int twips);
// The new state of a character effect after its toggle: a selection that has
// the same state throughout is inverted, a mixed one is switched on.
bool ToggledEffect(bool uniform, bool present);

// ---- Date and time macros ----
// The seven macro texts, read from the settings (MemoMacro/Macro<n>, whose
// default is the text 10127 + n); an empty one ends the list.
using MacroSource = std::function<CString(int index)>;
CString ExpandMacro(const CString& macro, const SYSTEMTIME& time, const CLanguageTable& texts);
std::vector<CString> BuildMacroList(const MacroSource& source, const SYSTEMTIME& time, const CLanguageTable& texts);
enum { MacroCount = 7, FirstMacroText = 10127 };

// Finds the word around a character position for Ctrl + click: from the
// nearest blank or line break before it (at most 100 characters back) to the
// nearest one after it (at most 100 ahead). Returns the range [start, end).
void WordRangeAt(const CString& text, int pos, int& start, int& end);

// ---- Hover tip ----
// The area the expanded note would cover below its folded strip.
CRect TipRect(const CRect& strip, int expandedWidth, int expandedHeight);
int TipContentHeight(int preferred, int screenHeight);

// ---- Formatting bar ----
int FaceListWidth(int barRight, int sizeListRight);

// ---- Printing ----
// The page in twips, whole inches first.
CRect PrintPageTwips(int horzRes, int logPixelsX, int vertRes, int logPixelsY);

}  // namespace NoteLogic

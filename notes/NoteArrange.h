// CNoteArrange: where notes stand. The free place for a new note in the
// note column at the right edge of the work area, moving a window to that
// column, stacking every note into columns, ordering notes by where they
// are, folding and unfolding them all, and showing or hiding them all.
// The geometry is plain functions of rectangles; the frame-facing methods
// apply it to the open notes.
#pragma once

#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"

#include <functional>
#include <vector>

// General/StartDX, StartDY, ContractDX and SortStart, filled by the frame;
// the defaults are those of a new settings file.
struct NoteColumnSettings {
    int startDX = 180;
    int startDY = 100;
    int contractDX = 180;
    int sortStart = 15;
};

class CNoteArrange {
public:
    enum ArrangeKind { ArrangeKeep, ArrangeFold, ArrangeExpand };

    CNoteArrange(INoteLifecycleHost& host, CMemoStore& store, CArray<CMemoInfo>& memos,
                 const NoteColumnSettings& column)
        : m_host(host), m_store(store), m_memos(memos), m_column(column) {}

    // The rectangle of the next new note. notes are the records' rectangles
    // in array order; quickMenu the undocked, visible bar or null.
    static CRect NewMemoRect(const CRect& work, const std::vector<CRect>& notes, const CRect* quickMenu,
                             const NoteColumnSettings& s);
    // Where a window of the given size goes in the column; others are every
    // other window (notes and the bar), firstCandidates marks those that may
    // open the column (notes only at the exact top; the bar by its rule).
    static CPoint PlaceInColumn(const CRect& work, const std::vector<CRect>& others, const CSize& size,
                                const CRect* quickMenu, const NoteColumnSettings& s);
    // The rectangles of windows stacked into columns from the right edge:
    // the bar (when given, its own size) first, then the notes. step is the
    // distance between columns.
    static std::vector<CRect> StackColumns(const CRect& work, const std::vector<CSize>& sizes, int step,
                                           int sortStart, CRect* quickMenu);
    // The order of notes by their columns (right first) and then their tops.
    static std::vector<int> OrderByPosition(const std::vector<CRect>& rects, int startDX);

    // Frame-facing operations on the open notes of the current group.
    CRect GetNewMemoRect();
    void PlaceInMemoColumn(ILifecycleNote* note);
    void Arrange(ArrangeKind kind);
    // Re-orders the memo array by position and writes it, then arranges;
    // the autosave callback saves changed notes first.
    void ArrangeByPosition(const std::function<void()>& saveChanged);
    void FoldAllMemos(bool expand);
    void ShowAllMemos(bool show, ILifecycleNote* except = nullptr);
    // Every note (or only the important ones) shown above the spotlight.
    void SpotlightMemos(bool importantOnly);
    void SetAllMemosLevel(int level);

private:
    std::vector<ILifecycleNote*> Notes();

    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    CArray<CMemoInfo>& m_memos;
    NoteColumnSettings m_column;
};

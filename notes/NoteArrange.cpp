#include "notes/NoteArrange.h"

#include "notes/Autosave.h"
#include "notes/MemoSortInfo.h"

#include <algorithm>

namespace {

// The bar opens the column when it stands at the right edge, no lower than
// the column's first place.
bool BarOpensColumn(const CRect& work, const CRect* bar, int sortStart) {
    return bar && bar->right == work.right && bar->top <= work.top + sortStart;
}

}  // namespace

CRect CNoteArrange::NewMemoRect(const CRect& work, const std::vector<CRect>& notes, const CRect* quickMenu,
                                const NoteColumnSettings& s) {
    const int X = s.startDX, Y = s.startDY, S = s.sortStart;
    CRect result(work.right - X, work.top + S, work.right, work.top + S + Y);

    const CRect* first = nullptr;
    if (BarOpensColumn(work, quickMenu, S)) {
        first = quickMenu;
    } else {
        for (const CRect& rc : notes)
            if (rc.right == work.right && (rc.top == work.top || rc.top == work.top + S)) {
                first = &rc;
                break;
            }
    }

    if (first) {
        int R = first->right, T = first->bottom;
        // Bounded: a chain can visit each note at most once, and notes of
        // zero height or a zero width step cannot make it spin.
        for (size_t round = 0; round < notes.size() + 1; ++round) {
            const CRect* next = nullptr;
            for (const CRect& rc : notes)
                if (rc.right == R && rc.top == T) {
                    next = &rc;
                    break;
                }
            if (!next) break;
            T = next->bottom;
            if (T + Y > work.bottom) {
                T = work.top;
                R = next->right - X;
            }
        }
        result = CRect(R - X, T, R, T + Y);
    }

    for (int i = 0; i < 5 && result.right < work.left; ++i) {
        int shift = work.right - X - work.left;
        result.OffsetRect(shift, 0);
    }
    return result;
}

CPoint CNoteArrange::PlaceInColumn(const CRect& work, const std::vector<CRect>& others, const CSize& size,
                                   const CRect* quickMenu, const NoteColumnSettings& s) {
    const int X = s.startDX, Y = s.startDY, S = s.sortStart;
    const CRect* first = nullptr;
    if (BarOpensColumn(work, quickMenu, S)) {
        first = quickMenu;
    } else {
        for (const CRect& rc : others)
            if (rc.right == work.right && rc.top == work.top + S) {
                first = &rc;
                break;
            }
    }
    if (!first) return CPoint(work.right - size.cx, work.top + S);

    int R = first->right, T = first->bottom;
    for (size_t round = 0; round < others.size() + 1; ++round) {
        const CRect* next = nullptr;
        for (const CRect& rc : others)
            if (rc.right == R && rc.top == T) {
                next = &rc;
                break;
            }
        if (!next) break;
        T = next->bottom;
        if (T + Y > work.bottom) {
            T = work.top;
            R = next->right - X;
        }
    }
    return CPoint(R - size.cx, T);
}

std::vector<CRect> CNoteArrange::StackColumns(const CRect& work, const std::vector<CSize>& sizes, int step,
                                              int sortStart, CRect* quickMenu) {
    int T = work.top + sortStart, R = work.right, column = 0;
    if (quickMenu) {
        int w = quickMenu->Width(), h = quickMenu->Height();
        *quickMenu = CRect(R - w, T, R, T + h);
        T += h;
    }
    std::vector<CRect> result;
    result.reserve(sizes.size());
    for (const CSize& sz : sizes) {
        if (work.bottom < T + sz.cy) {
            ++column;
            R = work.right - step * column;
            T = work.top;
        }
        result.push_back(CRect(R - sz.cx, T, R, T + sz.cy));
        T += sz.cy;
    }
    return result;
}

std::vector<int> CNoteArrange::OrderByPosition(const std::vector<CRect>& rects, int startDX) {
    std::vector<CMemoSortInfo> infos(rects.size());
    std::vector<CMemoInfo> records(rects.size());
    for (size_t i = 0; i < rects.size(); ++i) {
        records[i].m_rcWindow = rects[i];
        infos[i].Init(&records[i], startDX);
    }
    std::vector<int> order(rects.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = (int)i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (infos[a].m_nKey != infos[b].m_nKey) return infos[a].m_nKey > infos[b].m_nKey;
        return rects[a].top < rects[b].top;
    });
    return order;
}

std::vector<ILifecycleNote*> CNoteArrange::Notes() {
    std::vector<ILifecycleNote*> notes;
    for (int i = 0; i < m_memos.GetSize(); ++i)
        if (ILifecycleNote* note = m_host.NoteOf(m_memos[i])) notes.push_back(note);
    return notes;
}

CRect CNoteArrange::GetNewMemoRect() {
    std::vector<CRect> rects;
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        rects.push_back(note ? note->Record().m_rcWindow : m_memos[i].m_rcWindow);
    }
    CRect bar;
    bool hasBar = m_host.GetQuickMenuRect(bar);
    return NewMemoRect(m_host.GetWorkArea(), rects, hasBar ? &bar : nullptr, m_column);
}

void CNoteArrange::PlaceInMemoColumn(ILifecycleNote* note) {
    if (!note) return;
    std::vector<CRect> others;
    for (ILifecycleNote* other : Notes())
        if (other != note) others.push_back(other->Record().m_rcWindow);
    CRect bar;
    bool hasBar = m_host.GetQuickMenuRect(bar);
    CRect rc = note->Record().m_rcWindow;
    CPoint pt = PlaceInColumn(m_host.GetWorkArea(), others, rc.Size(), hasBar ? &bar : nullptr, m_column);
    note->MoveTo(CRect(pt.x, pt.y, pt.x + rc.Width(), pt.y + rc.Height()));
}

void CNoteArrange::Arrange(ArrangeKind kind) {
    ShowAllMemos(false);
    CRect work = m_host.GetWorkArea();
    CRect bar;
    bool hasBar = m_host.GetQuickMenuRect(bar);
    if (hasBar && kind != ArrangeKeep) {
        m_host.SetQuickMenuExpanded(kind == ArrangeExpand);
        hasBar = m_host.GetQuickMenuRect(bar);
    }
    std::vector<ILifecycleNote*> notes = Notes();
    std::vector<CSize> sizes;
    for (ILifecycleNote* note : notes) {
        CMemoInfo& rec = note->Record();
        if (kind == ArrangeFold && rec.m_bExpanded)
            note->SetExpanded(false);
        else if (kind == ArrangeExpand && !rec.m_bExpanded && !rec.m_bLocked)
            note->SetExpanded(true);
        sizes.push_back(note->Record().m_rcWindow.Size());
    }
    int step = kind == ArrangeFold ? m_column.contractDX : m_column.startDX;
    std::vector<CRect> places = StackColumns(work, sizes, step, m_column.sortStart, hasBar ? &bar : nullptr);
    if (hasBar) m_host.MoveQuickMenu(bar.TopLeft());
    for (size_t i = 0; i < notes.size(); ++i) notes[i]->MoveTo(places[i]);
    ShowAllMemos(true);
}

void CNoteArrange::ArrangeByPosition(const std::function<void()>& saveChanged) {
    if (m_memos.GetSize() < 2) return;
    if (saveChanged) saveChanged();
    std::vector<CRect> rects;
    CArray<CMemoInfo> current;
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        CMemoInfo rec = note ? note->Record() : m_memos[i];
        rec.m_pWindow = m_memos[i].m_pWindow;
        current.Add(rec);
        rects.push_back(rec.m_rcWindow);
    }
    std::vector<int> order = OrderByPosition(rects, m_column.startDX);
    m_memos.RemoveAll();
    for (int index : order) m_memos.Add(current[index]);
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    Arrange(ArrangeKeep);
}

void CNoteArrange::FoldAllMemos(bool expand) {
    ShowAllMemos(false);
    for (ILifecycleNote* note : Notes()) {
        if (note->Record().m_bLocked && expand) continue;
        note->SetExpanded(expand);
        note->MoveTo(note->Record().m_rcWindow);
    }
    ShowAllMemos(true);
}

void CNoteArrange::ShowAllMemos(bool show, ILifecycleNote* except) {
    for (ILifecycleNote* note : Notes()) {
        if (show)
            note->Show(true);
        else if (note != except)
            note->Show(false);
    }
}

void CNoteArrange::SpotlightMemos(bool importantOnly) {
    std::vector<ILifecycleNote*> group;
    for (ILifecycleNote* note : Notes())
        if (!importantOnly || note->Record().m_nImportance != 0) group.push_back(note);
    m_host.ShowNoteGroup(group);
}

void CNoteArrange::SetAllMemosLevel(int level) {
    for (ILifecycleNote* note : Notes()) {
        note->Record().m_nLevel = level;
        note->SetLevel(level);
    }
}

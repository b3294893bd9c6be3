// A child meter that a composite meter moves about as it draws: from cell to
// cell of a calendar, from row to row of a schedule list.
#pragma once

class ISkinHost;

template <class Base>
class CPlaced : public Base {
public:
    explicit CPlaced(ISkinHost* owner) : Base(owner) {}
    void Place(int x, int y) {
        this->m_X = x;
        this->m_Y = y;
    }
};

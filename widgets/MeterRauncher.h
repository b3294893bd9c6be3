// An icon list read from INI-like skins: a head, body rows and a tail of
// pictures with a label per icon. Nothing in the program fills its list, so
// it draws only the common background and is never hit.
#pragma once

#include "widgets/Meter.h"

#include <memory>

class CMeterImage;
class CMeterString;

class CMeterRauncher : public CMeter {
public:
    explicit CMeterRauncher(ISkinHost* owner);
    ~CMeterRauncher() override;

    void ReadConfig(const CInfoSection& section) override;
    bool HitTest(int x, int y) override { return false; }

    int GetItemCount() const { return (int)m_Items.size(); }

private:
    // The pictures of the list: head, body row, tail, "no data", icon back.
    enum { PART_HEAD, PART_BODY, PART_TAIL, PART_NO_DATA, PART_ICON_BACKGROUND, PART_COUNT };
    std::unique_ptr<CMeterImage> m_Parts[PART_COUNT];
    std::unique_ptr<CMeterString> m_Label;
    std::vector<CString> m_Items;
    int m_RowDataCount = 0;
    int m_RowHeight = 0;
    CSize m_IconSpace, m_IconShift, m_IconBackgroundShift, m_Space, m_LabelSize, m_LabelShift;
};

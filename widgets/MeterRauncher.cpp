#include "widgets/MeterRauncher.h"

#include "widgets/MeterImage.h"
#include "widgets/MeterString.h"

CMeterRauncher::CMeterRauncher(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_RAUNCHER; }

CMeterRauncher::~CMeterRauncher() = default;

void CMeterRauncher::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_RowDataCount = section.GetInt(L"RowDataCount", 0);
    m_RowHeight = section.GetInt(L"RowHeight", 0);
    m_IconSpace = CSize(section.GetInt(L"IconWSpace", 0), section.GetInt(L"IconHSpace", 0));
    // The skins spell these two with a small "s".
    m_IconShift = CSize(section.GetInt(L"IconShiftX", 0), section.GetInt(L"IconshiftY", 0));
    m_IconBackgroundShift =
        CSize(section.GetInt(L"IconBackgroundShiftX", 0), section.GetInt(L"IconBackgroundshiftY", 0));
    m_Space = CSize(section.GetInt(L"SPACE_W", 0), section.GetInt(L"SPACE_H", 0));
    m_LabelSize = CSize(section.GetInt(L"LabelW", 0), section.GetInt(L"LabelH", 0));
    m_LabelShift = CSize(section.GetInt(L"LabelShiftX", 0), section.GetInt(L"LabelShiftY", 0));

    const wchar_t* kPartKeys[PART_COUNT] = {L"HeadImage", L"BodyImage", L"TailImage", L"NoDataImage",
                                            L"IconBackgroundImage"};
    for (int i = 0; i < PART_COUNT; ++i) {
        CInfoSection part(L"PART");
        CString name = section.GetString(kPartKeys[i], L"");
        if (!name.IsEmpty()) part.SetValue(L"ImageName", name);
        m_Parts[i].reset(new CMeterImage(m_Owner));
        m_Parts[i]->ReadConfig(part);
    }
    CInfoSection label(L"LABEL");
    const struct {
        const wchar_t* from;
        const wchar_t* to;
    } kLabelKeys[] = {{L"LabelW", L"W"},
                      {L"LabelH", L"H"},
                      {L"LabelFontColor", L"FontColor"},
                      {L"LabelFontSize", L"FontSize"},
                      {L"LabelFontAlign", L"StringAlign"},
                      {L"LabelFontVAlign", L"StringVAlign"}};
    for (const auto& k : kLabelKeys)
        if (section.HasKey(k.from)) label.SetValue(k.to, section.GetString(k.from, L""));
    m_Label.reset(new CMeterString(m_Owner));
    m_Label->ReadConfig(label);
}

// A draw-object meter: a list of fixed shapes (lines, rectangles, ellipses,
// shaded lines and balls) in window coordinates. The meter's own rectangle
// only places its background and its hit area.
#pragma once

#include "widgets/Meter.h"

#include <vector>

enum DrawObjectType {
    DRAWOBJ_LINE = 0,
    DRAWOBJ_LINE3D = 1,
    DRAWOBJ_RECTANGLE = 2,
    DRAWOBJ_FRECTANGLE = 3,
    DRAWOBJ_ELLIPSE = 4,
    DRAWOBJ_FELLIPSE = 5,
    DRAWOBJ_ELLIPSE3D = 6,
};

// One shape of the list.
struct CMDrawObject {
    int type = DRAWOBJ_LINE;
    float SX = 0, SY = 0, EX = 0, EY = 0;
    DWORD color = 0xFF000000;
    float width = 1.0f;
    float antiAlias = 1.0f;
};

class CMeterDrawObject : public CMeter {
public:
    explicit CMeterDrawObject(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_DRAWOBJECT; }

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override { return false; }
    bool Draw() override;

    const std::vector<CMDrawObject>& GetObjects() const { return m_Objects; }

    // The type number of a Type word (exact case), or -1.
    static int TypeOfWord(const wchar_t* word);

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    std::vector<CMDrawObject> m_Objects;
};

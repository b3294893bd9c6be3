// A text meter filled with facts about the user's birthday (name, region,
// days lived, age...), by the placeholders of a user format, over a user
// measure.
#pragma once

#include "widgets/MeterString.h"

class CMeasureUser;
struct WidgetUserProfile;

class CMeterUserString : public CMeterString {
public:
    explicit CMeterUserString(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;

    static CString FormatUser(const CString& format, const CMeasureUser& measure, const WidgetUserProfile& profile);
    // The number with one comma before its last three digits from 1000 on.
    static CString WithThousandsComma(int number);

private:
    CString m_UserFormat;
};

// What an anniversary means for a given day: the day's anniversary text and
// the days until an anniversary comes round again.
#pragma once

#include "calendar/DayInfo.h"

#include <climits>

// Returned by DaysUntilAnniversary when the anniversary has no date to count
// to (a month or day out of range, a lunar date outside the table): large
// enough that no advance notice ever reaches it.
const int kNoAnniversaryDay = INT_MAX;

// The texts of the anniversaries on a solar date, one per line in list
// order; when a lunar one matches, a first line "Lun MM/DD" (text 22001)
// gives the lunar date. Empty without a list.
CString GetDayAnniversaryText(const CArray<CDayInfo>* list, int year, int month, int day);

// Days from the date to the next occurrence of the anniversary, 0 on the day.
int DaysUntilAnniversary(int year, int month, int day, int anniversaryMonth, int anniversaryDay, BOOL lunar,
                         BOOL leap);

// The data of the Korean lunisolar calendar, written by
// calendar/tools/make_lunar_tables.py: the month table is the Korea Astronomy
// and Space Science Institute's published calendar (calendar/tools/
// lunar_months.csv), the solar terms are computed (see that script).
#pragma once

const int kLunarFirstYear = 1841;
const int kLunarLastYear = 2043;
const int kLunarYearCount = kLunarLastYear - kLunarFirstYear + 1;  // 203
const int kSolarTermCount = 1811;

// Per lunar year, one code per month: 1 = 29 days, 2 = 30 days; 3 to 6 = the
// month followed by a leap month (29+29, 29+30, 30+29, 30+30).
extern const unsigned char g_LunarMonthTable[kLunarYearCount][12];

// Minutes since 1900-01-01 00:00 (UTC+9) of the twelve month-opening solar
// terms of each year from Ipchun 1900 to Daeseol 2050; index 12k is the
// Ipchun of 1900 + k.
extern const int g_SolarTermTable[kSolarTermCount];

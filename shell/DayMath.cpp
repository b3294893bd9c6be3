#include "shell/DayMath.h"

#include <climits>

int CDayMath::MinuteKey(int year, int month, int day, int hour, int minute) {
    // Saturate instead of overflowing on absurd years read from a file.
    long long key = (long long)year * 535680 + (long long)month * 44640 + (long long)day * 1440 + hour * 60LL + minute;
    if (key > INT_MAX) return INT_MAX;
    if (key < INT_MIN) return INT_MIN;
    return (int)key;
}

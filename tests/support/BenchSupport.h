// What the benchmarks share: a millisecond clock, the median of repeated
// runs, and the raw file reads and writes they hold the program's own file
// work against.
#pragma once

#include "fw/Afx.h"

#include <vector>

// Milliseconds from the performance counter.
double NowMs();
// The middle of the values (the upper one of an even count); 0 for none.
double Median(std::vector<double> values);
// The whole file into bytes with one read; false on any failure.
bool RawRead(const CString& path, std::vector<BYTE>& bytes);
// The bytes into a new file with one write and a flush to the disk.
bool RawWrite(const CString& path, const std::vector<BYTE>& bytes);

#pragma once
// The chart's option flags, kept per tournament so that a restart plays on with the same options: a file of
// its own beside the tournament's files ("fChOpt<n>.Fil", n = slot - 1), one 10-byte record "c#t#s" of
// 0/1 flags: omit the consolation, omit the third-place matches, semi-final finish.

#include "charts/advance.h"
#include "store/action.h"

namespace tallyvex::charts {

// The flags as last written; all off when the file is missing or its record is not three 0/1 flags.
ChartOptions readChartOptions(store::Action& action, int slot);
void writeChartOptions(store::Action& action, int slot, const ChartOptions& options);
// A tournament built anew starts with every option off.
void removeChartOptions(store::Action& action, int slot);

}  // namespace tallyvex::charts

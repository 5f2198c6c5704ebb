#pragma once
// The fee and prize money report: the descriptive data, the money from the fees collected down to the total
// prize money, and the prize distribution of the main and consolation events; for a round robin also the
// finalists who take the prize places.

#include <string>
#include <string_view>
#include <vector>

#include "fees/fees_file.h"
#include "print/print_job.h"

namespace tallyvex::fees {

inline constexpr std::string_view kFeeReportJob = "Fee Report";

// A prize place taken by a finalist of a round robin.
struct PrizePlace {
    int line = 0;
    std::string names;
};

// `data` as saved; `prizes` as the window shows them; `places` in ranking order (empty for none).
print::PrintJob feeReport(const FeesData& data, const Prizes& prizes, const std::vector<PrizePlace>& places,
                          const MoneyFormat& format = {});

// "1st", "2nd", "3rd", "4th", ... "8th".
std::string ordinal(int place);

}  // namespace tallyvex::fees

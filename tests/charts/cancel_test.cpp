#include <gtest/gtest.h>

#include <string>

#include "charts/chart_options.h"
#include "support/data_folder_test.h"

namespace tallyvex::charts {
namespace {

class ChartOptionsTest : public testing::DataFolderTest {};

std::string flags(const ChartOptions& o) {
    return std::to_string(o.omitConsolation) + std::to_string(o.omitThirdPlace) +
           std::to_string(o.semiFinalFinish);
}

// The flags survive in their own file; a missing or damaged one leaves every option off.
TEST_F(ChartOptionsTest, FlagsAreKeptPerSlotAndDamageReadsAsAllOff) {
    act([](store::Action& a) {
        EXPECT_EQ(flags(readChartOptions(a, 2)), "000");
        writeChartOptions(a, 2, {true, false, true});
    });
    EXPECT_EQ(folder.bytes("fChOpt1.Fil"), "1#0#1     ");
    act([](store::Action& a) {
        EXPECT_EQ(flags(readChartOptions(a, 2)), "101");
        EXPECT_EQ(flags(readChartOptions(a, 3)), "000");
    });
    for (const char* damaged : {"1#0", "1#x#1", "1#1#1#1", "", "2#0#0"}) {
        folder.put("fChOpt1.Fil", damaged);
        act([&](store::Action& a) { EXPECT_EQ(flags(readChartOptions(a, 2)), "000") << damaged; });
    }
}

}  // namespace
}  // namespace tallyvex::charts

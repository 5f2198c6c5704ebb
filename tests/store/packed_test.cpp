#include "store/packed.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tallyvex::store {
namespace {

using Fields = std::vector<std::string>;

TEST(PackedFields, SplitKeepsEmptyPiecesAndTheTail) {
    EXPECT_EQ(splitFields("a#b#"), (Fields{"a", "b", ""}));
    EXPECT_EQ(splitFields("Tn_1#*#16#   "), (Fields{"Tn_1", "*", "16", "   "}));
    EXPECT_EQ(splitFields("##"), (Fields{"", "", ""}));
    EXPECT_EQ(splitFields("no hash"), (Fields{"no hash"}));
    EXPECT_EQ(splitFields(""), (Fields{""}));
}

TEST(PackedFields, JoinThenSplitGivesTheFieldsBack) {
    const Fields fields{"Tn_3", "*", "", "16", "é"};
    const std::string record = joinFields(fields);
    EXPECT_EQ(record, "Tn_3#*##16#é#");
    Fields back = splitFields(record);
    ASSERT_EQ(back.size(), fields.size() + 1);
    EXPECT_EQ(back.back(), "");
    back.pop_back();
    EXPECT_EQ(back, fields);
    EXPECT_EQ(joinFields({}), "");
}

TEST(PackedFields, JoinSeparatedPutsNoHashAfterTheLastField) {
    EXPECT_EQ(joinSeparated({"3", "1001", "Lee", ""}), "3#1001#Lee#");
    EXPECT_EQ(joinSeparated({"0"}), "0");
    EXPECT_EQ(joinSeparated({}), "");
    EXPECT_EQ(splitFields(joinSeparated({"a", "", "c"})), (std::vector<std::string>{"a", "", "c"}));
}

TEST(PackedFields, FieldByIndex) {
    const std::string record = "1#A#22#*#   ";
    EXPECT_EQ(field(record, 0), "1");
    EXPECT_EQ(field(record, 2), "22");
    EXPECT_EQ(field(record, 4), "   ");
    EXPECT_EQ(field(record, 5), "");
    EXPECT_EQ(field("plain", 0), "plain");
    EXPECT_EQ(field("plain", 1), "");
}

TEST(PackedFields, RecordWithoutHashCountsAsNeverWritten) {
    EXPECT_FALSE(hasFields(std::string(64, '\0')));
    EXPECT_FALSE(hasFields("    "));
    EXPECT_FALSE(hasFields(""));
    EXPECT_TRUE(hasFields("#"));
    EXPECT_TRUE(hasFields("Tn_1#*#"));
}

TEST(PackedFields, FieldValueTakesLeadingDigits) {
    EXPECT_EQ(fieldValue("16"), 16);
    EXPECT_EQ(fieldValue(" 12"), 12);
    EXPECT_EQ(fieldValue("12ab"), 12);
    EXPECT_EQ(fieldValue("0116"), 116);
    EXPECT_EQ(fieldValue("3   "), 3);
    EXPECT_EQ(fieldValue("*"), 0);
    EXPECT_EQ(fieldValue(""), 0);
    EXPECT_EQ(fieldValue("   "), 0);
    EXPECT_EQ(fieldValue("ab12"), 0);
    EXPECT_EQ(fieldValue("1 2"), 1);
    EXPECT_EQ(fieldValue(std::string("\0\0\0\0", 4)), 0);
}

TEST(PackedFields, FieldValueSaturatesInsteadOfOverflowing) {
    constexpr long kMax = std::numeric_limits<long>::max();
    const std::string max = std::to_string(kMax);
    EXPECT_EQ(fieldValue(max), kMax);
    EXPECT_EQ(fieldValue(max + "0"), kMax);
    EXPECT_EQ(fieldValue("99999999999999999999999999999"), kMax);
    std::string justBelow = max;
    justBelow.back() = static_cast<char>(justBelow.back() - 1);
    EXPECT_EQ(fieldValue(justBelow), kMax - 1);
    EXPECT_EQ(fieldInt(max), std::numeric_limits<int>::max());
    EXPECT_EQ(fieldInt("40000", 32767), 32767);
    EXPECT_EQ(fieldInt("12ab", 32767), 12);
}

TEST(TextHelpers, TrimLowerAndUpperFirst) {
    const struct {
        const char* text;
        const char* trimmed;
        const char* lower;
        const char* first;
    } cases[] = {
        {"  Ab c\t", "Ab c", "  ab c\t", " "},
        {"yes", "yes", "yes", "Y"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", "\xC3\x89"},  // é -> É
        {"\xC3\xB7", "\xC3\xB7", "\xC3\xB7", "\xC3\xB7"},                             // ÷ stays
        {"N", "N", "n", "N"},
        {" \t ", "", " \t ", " "},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trim(c.text), c.trimmed) << c.text;
        EXPECT_EQ(lowerAscii(c.text), c.lower) << c.text;
        EXPECT_EQ(upperFirst(c.text), c.first) << c.text;
    }
}

}  // namespace
}  // namespace tallyvex::store

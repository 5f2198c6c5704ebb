#include "courts/card_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyvex::courts {
namespace {

const std::string k16 = "Bar opens at 6pm";  // 16 characters
const std::string k17 = k16 + "!";

TEST(CardMessage, SaveRefusesAPieceOver16CharactersAmongTheFirstNine) {
    const std::string refusal = "Entry Error\nMax 16 Char & CRLF\nat End of Each Line.";
    const struct {
        std::string box;
        bool refused;
        std::string file;
    } cases[] = {
        {k16 + "\r\nThanks\r\n", false, k16 + "\r\nThanks\r\n"},
        {k17 + "\r\n", true, refusal},
        {"a\nb\n" + k17, true, refusal},
        // "#" splits a piece as a line break does.
        {"12345678#123456789", false, "12345678#123456789"},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n" + k17, false, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n" + k17},
        {"1\n2\n3\n4\n5\n6\n7\n8\n" + k17, true, refusal},
        {"Café au lait ½€!", false, "Café au lait ½€!"},  // characters, not bytes
        {"", false, ""},
    };
    for (const auto& c : cases) {
        const CardMessageSave save = cardMessageSave(c.box);
        EXPECT_EQ(save.refused, c.refused) << c.box;
        EXPECT_EQ(save.text, c.file) << c.box;
    }
}

TEST(CardMessage, LinesAreTheFirstNineCutToTheCardsColumn) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"One\r\nTwo\r\n", {"One", "Two"}},
        {"One\nTwo\rThree", {"One", "Two", "Three"}},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {k17 + "xyz\r\n", {k16}},
        {std::string("a\tb\0c", 5) + "\xC2\x81", {"a b c "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cardMessageLines(c.text), c.lines) << c.text;
    }
}

}  // namespace
}  // namespace tallyvex::courts

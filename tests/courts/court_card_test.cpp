#include "courts/court_card.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tournament/line_file.h"

namespace tallyvex::courts {
namespace {

// The printed rows of a rendered job that contain `part`.
std::vector<std::string> rowsWith(const std::string& text, const std::string& part) {
    std::vector<std::string> rows;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string row = text.substr(start, end - start);
        if (row.find(part) != std::string::npos) {
            rows.push_back(row);
        }
        start = end + 1;
    }
    return rows;
}

TEST(CourtCard, EventLabelColourNamesAndMessageFollowTheLines) {
    const CardHeading heading{"Spring Open Doubles 2026", "5/1/2026", {"Bar opens at 6", "", "Thanks!"}, 255};
    const struct {
        int level;
        const char* label;
        std::uint32_t color;
    } cases[] = {{9, "MAIN  RND-3", 0}, {12, "CONS  RND-3", 255}, {25, "R-R  RND-3", 0}};
    for (const auto& c : cases) {
        const CardPair pair{{7, c.level, 3, 11, "F", "Ann Lee&Bo Wu"}, {12, c.level, 3, 11, "F", "Cy Ray"}};
        const print::PrintJob job = courtCards(heading, {pair});
        const std::string text = print::renderText(job);
        EXPECT_EQ(rowsWith(text, "COURT-")[0], "    | Spring Open Doubles 2       " + std::string(c.label) +
                                                   "           COURT-11F" +
                                                   std::string(c.level == 25 ? 9 : 8, ' ') + "|");
        EXPECT_EQ(job.pages().front().runs.front().color, c.color) << c.level;
        EXPECT_EQ(rowsWith(text, "|  7"),
                  (std::vector<std::string>{
                      "    |  7  | Ann Lee                   |     |     |     |Thanks!         |",
                      "    |  7  | Bo Wu                     |     |     |     |                |",
                  }));
        EXPECT_EQ(rowsWith(text, "| Cy Ray")[0].substr(4, 10), "|  12 | Cy");
        EXPECT_EQ(rowsWith(text, "Gm1")[0].substr(56), "|Bar opens at 6  |");
    }
}

TEST(CourtCard, ThreeCardsToAPage) {
    const CardPair pair{{1, 1, 1, 1, " ", "A&B"}, {2, 1, 1, 1, " ", "C&D"}};
    for (const auto& [cards, pages] : {std::pair{1, 1}, {3, 1}, {4, 2}, {7, 3}}) {
        const print::PrintJob job =
            courtCards({}, std::vector<CardPair>(static_cast<std::size_t>(cards), pair));
        EXPECT_EQ(job.pages().size(), static_cast<std::size_t>(pages)) << cards;
        EXPECT_TRUE(job.ended());
    }
}

TEST(CourtCard, InitialCardsPairTheLinesOnEachCourtInRecordOrder) {
    using Records = std::vector<std::vector<std::string>>;
    const auto card = [](int line, int court, const std::string& end, const std::string& names) {
        return CardLine{line, 2, 1, court, end, names};
    };
    const struct {
        const char* name;
        Records records;
        bool withNames;
        std::vector<CardPair> pairs;
    } cases[] = {
        {"set-up records, a bye off court, names not finished",
         {{"1", "2", "1", "1", "5", "H", "0"},
          {"2", "2", "1", "1", "5", "H", "0"},
          {"3", "1", "2", "2", "0", "H", "0"},
          {"4", "2", "1", "1", "6", "H", "0"},
          {"5", "2", "1", "1", "6", "H", "0"}},
         false,
         {{card(1, 5, "H", ""), card(2, 5, "H", "")}, {card(4, 6, "H", ""), card(5, 6, "H", "")}}},
        {"named records in play: partners are not neighbours; a record left behind by the move",
         {{"*", "2", "1", "1", "1", "H", "A&B"},
          {"*", "2", "1", "1", "3", "H", "C&D"},
          {"*", "2", "1", "1", "3", "H", "E&F"},
          {"*", "2", "1", "1", "1", "H", "G&H"},
          {},
          {"5", "2", "1", "1", "1", "H", "0"}},
         true,
         {{card(1, 1, "H", "A&B"), card(4, 1, "H", "G&H")},
          {card(2, 3, "H", "C&D"), card(3, 3, "H", "E&F")}}},
        {"two pairs on a court, and a line left alone",
         {{"*", "2", "1", "1", "1", "H", "A"},
          {"*", "2", "1", "1", "1", "F", "B"},
          {"*", "2", "1", "1", "1", "H", "C"},
          {"*", "2", "1", "1", " ", "H", "D"},
          {"*", "2", "1", "1", "1", "F", "E"},
          {"*", "2", "1", "1", "2", "H", "F"}},
         true,
         {{card(1, 1, "H", "A"), card(3, 1, "H", "C")},
          {card(2, 1, "F", "B"), card(5, 1, "F", "E")},
          {card(6, 2, "H", "F"), {}}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(initialCardPairs(c.records, c.withNames), c.pairs) << c.name;
    }
}

TEST(CourtCard, ALineWithoutPartnerLeavesItsPlaceEmpty) {
    const std::string text = print::renderText(courtCards({}, {{{6, 2, 1, 2, "H", "Fay"}, {}}}));
    EXPECT_NE(text.find("    |  6  | Fay "), std::string::npos);
    EXPECT_EQ(text.find("|  0 "), std::string::npos);
}

TEST(CourtCard, LongNamesAreCutBetweenCharacters) {
    const std::string text =
        print::renderText(courtCards({"Spring Open Doubles \u00e92026", "", {}, 0},
                                     {{{6, 2, 1, 2, "H", "Bartholomew Fitzwilliam\u00e9z"}, {}}}));
    EXPECT_NE(text.find("| Spring Open Doubles \u00e9 "), std::string::npos);
    EXPECT_NE(text.find("| Bartholomew Fitzwilliam\u00e9 "), std::string::npos);
}

TEST(CourtCard, InitialCardsReadTheRecordsTheHeaderCounts) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tallyvex_initial_cards";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    store::DataDir dir(folder);
    store::Action action(dir);
    // Record 4 lies past the highest record in use: it is not read, or line 3 would get a card.
    tournament::replaceLineFile(action, 2,
                                {"3   1   ", "*#2#1#1#3#H#A#*", "*#2#1#1#3#H#B#*", "*#2#1#1#4#H#C#*"});
    const InitialCards cards = readInitialCards(action, 2);
    EXPECT_TRUE(cards.withNames);
    EXPECT_EQ(cards.pairs, (std::vector<CardPair>{{{1, 2, 1, 3, "H", "A"}, {2, 2, 1, 3, "H", "B"}}}));
    EXPECT_EQ(readInitialCards(action, 2, 1).pairs, (std::vector<CardPair>{{{1, 2, 1, 3, "H", "A"}, {}}}));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tallyvex::courts

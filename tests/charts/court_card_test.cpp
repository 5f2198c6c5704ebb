#include "charts/court_card.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyvex::charts {
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

}  // namespace
}  // namespace tallyvex::charts

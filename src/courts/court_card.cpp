#include "courts/court_card.h"

#include <algorithm>
#include <cstddef>

#include "store/cp1252.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::courts {

namespace {

constexpr std::size_t kNumberWidth = 21;
constexpr std::size_t kNameWidth = 24;
constexpr std::size_t kMessageLines = 9;
constexpr int kLeft = 5;
constexpr int kRight = 74;
constexpr int kMessageColumn = 57;
constexpr int kFirstConsolationLevel = 10;
constexpr int kFirstRoundRobinLevel = 20;

const std::string kRule = "|" + std::string(68, '-') + "|";
const std::string kInnerRule = "|" + std::string(51, '-') + "|";

std::string eventLabel(int level) {
    if (level >= kFirstRoundRobinLevel) {
        return "R-R  ";
    }
    return level >= kFirstConsolationLevel ? "CONS  " : "MAIN  ";
}

class CardWriter {
public:
    CardWriter(print::PrintJob& job, const CardHeading& heading) : m_job(job), m_heading(heading) {}

    void write(const CardPair& pair) {
        const CardLine& first = pair.first;
        m_job.setColor(first.level >= kFirstConsolationLevel && first.level < kFirstRoundRobinLevel
                           ? m_heading.consolationColor
                           : 0);
        m_message = 0;
        m_job.printLine();
        rule();
        closed("| " + store::leftChars(m_heading.tournamentNumber, kNumberWidth), 0, [&] {
            m_job.tab(35);
            m_job.printText(eventLabel(first.level) + "RND-" + std::to_string(first.round) +
                            "           COURT-" + std::to_string(first.court) + first.end);
        });
        closed("| WINNER - SIGN HERE:", 0);
        closed("|", 0);
        rule();
        closed("| Ln# |", 0, [&] {
            m_job.tab(13);
            m_job.printText(m_heading.date);
            m_job.tab(39);
            m_job.printText("| Gm1 ");
            m_job.tab(45);
            m_job.printText("| Gm2");
            m_job.tab(51);
            m_job.printText("| Gm3 ");
            messageColumn(true);
        });
        closed(kInnerRule, 1);
        players(first);
        closed(kInnerRule, 1);
        players(pair.second);
        closed(kInnerRule, 1);
        closed("|  ^ CIRCLE WINNING LINE# | SCORER:", 0, [&] { messageColumn(true); });
        rule();
        m_job.printText("   ___");
        m_job.tab(76);
        m_job.printLine("___");
    }

private:
    void rule() {
        m_job.tab(kLeft);
        m_job.printLine(kRule);
    }
    // A row from column 5 to the closing "|" at column 74; `message` 1 prints the next message line right
    // after the text, `middle` prints what lies between.
    template <typename Middle = void (*)()>
    void closed(
        const std::string& text, int message, Middle middle = [] {}) {
        m_job.tab(kLeft);
        m_job.printText(text);
        middle();
        if (message != 0) {
            messageColumn(false);
        }
        m_job.tab(kRight);
        m_job.printLine("|");
    }
    // The message line of this row, after a "|" at column 57 when `bar`.
    void messageColumn(bool bar) {
        if (bar) {
            m_job.tab(kMessageColumn);
            m_job.printText("|");
        }
        if (m_message < m_heading.message.size() && m_message < kMessageLines) {
            m_job.printText(m_heading.message[m_message]);
        }
        ++m_message;
    }
    // The two rows of a line: its number and first player, then its number again (for two players) and
    // the second player, with the game boxes.
    void players(const CardLine& line) {
        const std::size_t split = line.names.find('&');
        const bool two = split != std::string::npos;
        const std::string number = line.line == 0 ? "" : std::to_string(line.line);
        playerRow(number, line.names.substr(0, split));
        playerRow(two ? number : " ", two ? line.names.substr(split + 1) : "");
    }
    void playerRow(const std::string& number, const std::string& name) {
        closed("|  " + number, 0, [&] {
            m_job.tab(11);
            m_job.printText("| " + store::leftChars(name, kNameWidth));
            for (const int column : {39, 45, 51}) {
                m_job.tab(column);
                m_job.printText("|");
            }
            messageColumn(true);
        });
    }

    print::PrintJob& m_job;
    const CardHeading& m_heading;
    std::size_t m_message = 0;
};

}  // namespace

CardLine cardLine(int line, const std::vector<std::string>& teamFields) {
    const auto field = [&](std::size_t i) { return i < teamFields.size() ? teamFields[i] : std::string(); };
    CardLine card;
    card.line = line;
    card.level = store::fieldInt(field(tournament::kTeamLevel));
    card.round = store::fieldInt(field(tournament::kTeamRound));
    card.court = store::fieldInt(field(tournament::kTeamCourt));
    card.end = field(tournament::kTeamEnd);
    card.names = store::trim(field(tournament::kTeamNames));
    return card;
}

print::PrintJob courtCards(const CardHeading& heading, const std::vector<CardPair>& pairs) {
    print::PrintJob job{std::string(kCourtCardsJob)};
    job.setDesign({print::PageDesign::Placement::Fit, kCardColumns, kCardsPerPage * kCardRows});
    CardWriter writer(job, heading);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0 && i % kCardsPerPage == 0) {
            job.newPage();
        }
        writer.write(pairs[i]);
    }
    job.endDoc();
    return job;
}

std::vector<CardPair> initialCardPairs(const std::vector<std::vector<std::string>>& teamRecords,
                                       bool withNames) {
    const std::size_t count = std::min(teamRecords.size(), static_cast<std::size_t>(kMaxInitialCardLines));
    std::vector<CardPair> pairs;
    std::vector<std::size_t> waiting;  // the cards whose first line still waits for its partner
    for (std::size_t i = 0; i < count; ++i) {
        const std::vector<std::string>& fields = teamRecords[i];
        if (fields.empty()) {
            continue;
        }
        // A moved record holds a mark, where a record the move left behind still holds a line number.
        const int fieldLine = store::fieldInt(fields[tournament::kTeamLine]);
        const int number = withNames ? (fieldLine == 0 ? static_cast<int>(i) + 1 : 0) : fieldLine;
        CardLine line = cardLine(number, fields);
        if (number == 0 || line.court == 0) {
            continue;
        }
        if (!withNames) {
            line.names.clear();
        }
        const auto partner = std::find_if(waiting.begin(), waiting.end(), [&](std::size_t card) {
            const CardLine& first = pairs[card].first;
            return first.court == line.court && store::trim(first.end) == store::trim(line.end);
        });
        if (partner == waiting.end()) {
            waiting.push_back(pairs.size());
            pairs.push_back({std::move(line), {}});
        } else {
            pairs[*partner].second = std::move(line);
            waiting.erase(partner);
        }
    }
    return pairs;
}

InitialCards readInitialCards(store::Action& action, int slot, int lines) {
    InitialCards cards;
    const tournament::LineHeader header = tournament::readLineHeader(action, slot);
    cards.withNames = header.namesPlaced;
    std::vector<std::vector<std::string>> records;
    for (int r = 2; r <= std::min({header.count, lines + 1, kMaxInitialCardLines + 1}); ++r) {
        records.push_back(tournament::teamRecordWritten(action, slot, r)
                              ? tournament::readTeamFields(action, slot, r)
                              : std::vector<std::string>{});
    }
    cards.pairs = initialCardPairs(records, cards.withNames);
    return cards;
}

}  // namespace tallyvex::courts

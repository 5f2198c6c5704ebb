#include "players/name_list_print.h"

#include "store/cp1252.h"

namespace tallyvex::players {

namespace {

constexpr int kLeft = 1200;
constexpr int kTournamentLineY = 600;
constexpr int kHeadingsY = 1200;
constexpr int kRowStep = 300;
constexpr int kNameColumn = 15;
constexpr int kClubColumn = 35;
constexpr int kDistrictColumn = 52;
constexpr int kRankHeadingColumn = 59;
constexpr int kRankColumn = 60;
constexpr std::size_t kNameWidth = 18;
// Club and district stop a blank short of the next column, so a long one never pushes the row apart.
constexpr std::size_t kClubWidth = kDistrictColumn - kClubColumn - 1;
constexpr std::size_t kDistrictWidth = kRankColumn - kDistrictColumn - 1;

void printHeadings(print::PrintJob& job) {
    job.setCurrentX(kLeft);
    job.setCurrentY(kHeadingsY);
    job.printText("Ln#");
    job.tab(kNameColumn);
    job.printText("NAME");
    job.tab(kClubColumn);
    job.printText("CLUB");
    job.tab(kDistrictColumn);
    job.printText("DIST");
    job.tab(kRankHeadingColumn);
    job.printLine("RNK ID");
}

void printRow(print::PrintJob& job, int row, const NameRecord& name) {
    job.setCurrentX(kLeft);
    job.setCurrentY(kHeadingsY + kRowStep * row);
    job.printText(name.line);
    job.tab(kNameColumn);
    job.printText(store::leftChars(name.lastName + ", " + name.firstName, kNameWidth));
    job.tab(kClubColumn);
    job.printText(store::leftChars(name.club, kClubWidth));
    job.tab(kDistrictColumn);
    job.printText(store::leftChars(name.district, kDistrictWidth));
    job.tab(kRankColumn);
    job.printLine(name.rank + "  " + name.id);
}

}  // namespace

std::vector<NameRecord> namesToPrint(store::Action& action, int slot, SortOrder order) {
    const std::string file =
        order == SortOrder::Alphabetical ? std::string(kSortedListFile) : nameFileName(slot);
    const store::RecordFile records(action, file, kNameRecordLength);
    const int count = parseNameHeader(records.read(1)).count;
    std::vector<NameRecord> names;
    for (int r = 2; r <= count; ++r) {
        names.push_back(parseNameRecord(records.read(r)));
    }
    return names;
}

std::optional<print::PrintJob> nameListPrintJob(const NameListPrintValues& values,
                                                const std::vector<NameRecord>& names) {
    if (names.empty()) {
        return std::nullopt;
    }
    print::PrintJob job{std::string(kNameListJobName)};
    // The rows are placed in twips down the page: they print exactly there.
    job.setDesign({print::PageDesign::Placement::Twips, 0, 0});
    job.setCurrentX(kLeft);
    job.setCurrentY(kTournamentLineY);
    job.printLine(values.number);
    job.tab(kNameColumn);
    job.printLine("Player Name List  " + values.title);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int row = static_cast<int>(k % kNamesPerPage) + 1;
        if (row == 1) {
            if (k > 0) {
                job.newPage();
            }
            printHeadings(job);
        }
        printRow(job, row, names[k]);
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::players

#include "charts/finalists_report.h"

#include <algorithm>
#include <optional>

#include "charts/bracket.h"
#include "store/packed.h"

namespace tallyvex::charts {

namespace {

constexpr int kLeft = 1200;
constexpr int kSecondColumn = 5400;
constexpr int kPlayerColumn = 2400;
constexpr int kTop = 1200;
constexpr int kRow = print::PrintJob::kTwipsPerRow;
constexpr double kTitleSize = 16;
constexpr double kHeadingSize = 13;
constexpr double kTextSize = 11;
constexpr int kReportColumns = 66;

constexpr std::array<std::string_view, 4> kPlaces = {"1st  ", "2nd", "3rd", "4th"};

// First name, a blank, last name, two blanks, ID, a blank, club, a blank, district.
std::string playerLine(const tournament::ResultsPlayer& p) {
    return p.firstName + " " + p.lastName + "  " + p.id + " " + p.club + " " + p.district;
}

bool emptyPlayer(const tournament::ResultsPlayer& p) {
    return p.firstName.empty() && p.lastName.empty() && p.id.empty() && p.club.empty() && p.district.empty();
}

class ReportWriter {
public:
    explicit ReportWriter(print::PrintJob& job) : m_job(job) {}

    void at(int x, std::string_view text, double size, bool bold = false) {
        m_job.setFontSize(size);
        m_job.setBold(bold);
        m_job.setCurrentX(x);
        m_job.setCurrentY(m_y);
        m_job.printText(text);
    }
    void down(int rows) { m_y += rows * kRow; }

    void event(std::string_view title, const tournament::ResultsPlace* places, bool semiFinalFinish) {
        at(kLeft, title, kHeadingSize, true);
        down(2);
        for (std::size_t i = 0; i < kPlaces.size(); ++i) {
            at(kLeft, semiFinalFinish ? std::string_view("   ") : kPlaces[i], kTextSize, true);
            bool any = false;
            for (const tournament::ResultsPlayer* p : {&places[i].a, &places[i].b}) {
                if (!emptyPlayer(*p)) {
                    at(kPlayerColumn, playerLine(*p), kTextSize);
                    down(1);
                    any = true;
                }
            }
            down(any ? 1 : 2);
        }
        down(1);
    }

private:
    print::PrintJob& m_job;
    int m_y = kTop;
};

}  // namespace

int expectedFinalists(const ChartOptions& options, int teams) {
    int expected = 8;
    if (options.omitConsolation && options.omitThirdPlace) {
        expected = 2;
    } else if (options.omitConsolation || options.omitThirdPlace) {
        expected = 4;
    }
    return std::min(expected, teams);
}

Finalists savedFinalists(store::Action& action, int slot, int rounds, bool semiFinalFinish) {
    std::array<Position, 8> eight;
    const int firstRecord = semiFinalFinish ? 9 : 1;
    for (std::size_t i = 0; i < eight.size(); ++i) {
        const int record = firstRecord + static_cast<int>(i);
        eight[i] = readPosition(action, slot, record).value_or(Position{record, kNoLine, std::string(kOpen)});
    }
    Finalists lines{};
    if (semiFinalFinish) {
        lines = semiFinalistsOf(eight);
    } else if (const std::optional<Finalists> finalists = finalistsOf(eight)) {
        lines = *finalists;
    }
    for (int& line : lines) {
        if (line < 1 || line > chartSize(rounds)) {
            line = 0;
        }
    }
    return lines;
}

int listedFinalists(const Finalists& lines) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](int line) { return line != 0; }));
}

std::array<tournament::ResultsPlace, tournament::kResultsPlaces> finalistPlayers(
    const Finalists& lines, const std::vector<players::StoredName>& names) {
    std::array<tournament::ResultsPlace, tournament::kResultsPlaces> places;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == 0) {
            continue;
        }
        int found = 0;
        for (const players::StoredName& stored : names) {
            if (store::fieldInt(stored.record.line) != lines[i]) {
                continue;
            }
            const players::NameRecord& r = stored.record;
            tournament::ResultsPlayer& player = found == 0 ? places[i].a : places[i].b;
            player = {r.firstName, r.lastName, r.id, r.district, r.club};
            if (++found == 2) {
                break;
            }
        }
    }
    return places;
}

print::PrintJob finalistsReport(const FinalistsReportValues& values) {
    print::PrintJob job{std::string(kFinalistsReportJob)};
    // Laid out on a sheet 66 columns wide, so the page's width magnifies it into a handout.
    job.setDesign({print::PageDesign::Placement::Fit, kReportColumns, 0});
    job.setFontName(std::string(kFinalistsReportFont));
    ReportWriter w(job);
    w.at(kLeft, "Tournament:  " + values.number, kTitleSize, true);
    w.down(2);
    w.at(kLeft, "Entries: " + values.teams, kTextSize);
    w.at(kSecondColumn, "           Type: " + values.type, kTextSize);
    w.down(1);
    w.at(kLeft, "Director: " + values.director, kTextSize);
    w.at(kSecondColumn, "      Name: " + values.name, kTextSize);
    w.down(1);
    w.at(kLeft, "Sponsor:  " + values.sponsor, kTextSize);
    w.down(3);
    w.at(kLeft, std::string(values.semiFinalFinish ? "Semi" : "") + " FINALISTS", kTitleSize, true);
    w.down(3);
    w.event("Main Event", values.places.data(), values.semiFinalFinish);
    w.event("Consolation Event", values.places.data() + 4, values.semiFinalFinish);
    w.at(kLeft, "        Verify that all information is present. If not, ", kTextSize);
    w.down(1);
    w.at(kLeft, "        look up missing data to correct Final Results.", kTextSize);
    job.endDoc();
    return job;
}

}  // namespace tallyvex::charts

#include "fees/fee_report.h"

#include <utility>

#include "store/cp1252.h"

namespace tallyvex::fees {

namespace {

constexpr int kLeft = 1200;
constexpr int kTop = 800;
constexpr int kLineStep = 300;
constexpr int kValueColumn = 40;
constexpr std::array<int, 4> kPrizeColumns = {30, 40, 50, 60};
constexpr int kPlaceLineColumn = 20;
constexpr int kPlaceNamesColumn = 28;
constexpr int kPlacePrizeColumn = 60;
constexpr std::size_t kPlaceNamesWidth = 30;
// The widest line ends near column 72: the page is fitted to that width.
constexpr int kReportColumns = 74;

class Report {
public:
    explicit Report(print::PrintJob& job) : m_job(job) {}

    // Line i (from 1) at its fixed height: the label, then each value at its column.
    void line(std::string_view label, const std::vector<std::pair<int, std::string>>& values = {}) {
        ++m_line;
        m_job.setCurrentX(kLeft);
        m_job.setCurrentY(kTop + kLineStep * m_line);
        m_job.printText(label);
        for (const auto& [column, text] : values) {
            m_job.tab(column);
            m_job.printText(text);
        }
    }

private:
    print::PrintJob& m_job;
    int m_line = 0;
};

}  // namespace

std::string ordinal(int place) {
    static constexpr std::array<const char*, 4> kSuffixes = {"st", "nd", "rd", "th"};
    return std::to_string(place) + kSuffixes[static_cast<std::size_t>(std::min(place, 4) - 1)];
}

print::PrintJob feeReport(const FeesData& data, const Prizes& prizes, const std::vector<PrizePlace>& places,
                          const MoneyFormat& format) {
    print::PrintJob job{std::string(kFeeReportJob)};
    job.setDesign({print::PageDesign::Placement::Fit, kReportColumns, 0});
    Report report(job);
    const auto value = [](std::string text) {
        return std::vector<std::pair<int, std::string>>{{kValueColumn, text}};
    };
    const auto money = [&](Cents cents) { return value(currency(cents, format)); };

    report.line("FEE & PRIZE MONEY DISTRIBUTIONS");
    report.line("");
    static constexpr std::array<const char*, kTexts> kTextLabels = {
        "Place/Host",      "Tournament No.",       "Start Date",      "No. of Players",
        "Division & Type", "Tournament Directors", "Tournament Name", "Sponsor"};
    // The texts as the fees file keeps them: a box may hold more than a record does.
    for (std::size_t i = 0; i < kTextLabels.size(); ++i) {
        report.line(kTextLabels[i], value(store::leftChars(data.texts[i], kValueWidth)));
    }
    const Totals totals = totalsOf(data.money);
    report.line("Tot Fees Collected", money(data.money.fees));
    report.line("Tourn Dir Fees", money(data.money.directorFees));
    report.line("Sub-Total", money(totals.subTotal1));
    report.line("State/Dist Share", money(data.money.districtShare));
    report.line("Sub-Total", money(totals.subTotal2));
    report.line("Club Share", money(data.money.clubShare));
    report.line("Sub-Total", money(totals.subTotal3));
    report.line("Sponsor Contribution", money(data.money.sponsorMoney));
    report.line("Total Prize Money", money(totals.prizeMoney));
    report.line("");
    report.line("Prize Distribution     1st       2nd       3rd       4th");
    for (const std::size_t first : {std::size_t{0}, std::size_t{4}}) {
        std::vector<std::pair<int, std::string>> row;
        for (std::size_t k = 0; k < kPrizeColumns.size(); ++k) {
            row.emplace_back(kPrizeColumns[k], currency(prizes[first + k], format));
        }
        report.line(first == 0 ? "    Main" : "    Cons", row);
    }
    if (!places.empty()) {
        report.line("");
        report.line("Prize Places (Round Robin Finalists)");
        for (std::size_t i = 0; i < places.size() && i < prizes.size(); ++i) {
            const PrizePlace& place = places[i];
            report.line("    " + ordinal(static_cast<int>(i) + 1),
                        {{kPlaceLineColumn, "Ln# " + std::to_string(place.line)},
                         {kPlaceNamesColumn, store::leftChars(place.names, kPlaceNamesWidth)},
                         {kPlacePrizeColumn, currency(prizes[i], format)}});
        }
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::fees

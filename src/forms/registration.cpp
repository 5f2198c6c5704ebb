#include "forms/registration.h"

#include <algorithm>

#include "app/registry.h"
#include "store/cp1252.h"
#include "store/packed.h"

namespace tallyvex::forms {

namespace {

constexpr int kHeadingColumns = 110;  // "LINE _____" at column 100 ends at column 109
constexpr int kLineBlankColumn = 100;
constexpr int kTextColumn = 2;

std::string lowerCase(std::string_view text) {
    return store::lowerAscii(text);
}

// A line in capitals (the title, a section's name) prints in bold.
bool isHeading(std::string_view line) {
    const bool letters = std::any_of(line.begin(), line.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    const bool lower = std::any_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return letters && !lower;
}

}  // namespace

std::vector<long> RegistrationRun::numbers() const {
    std::vector<long> out;
    out.reserve(static_cast<std::size_t>(std::max(forms, 0L)));
    for (long i = 0; i < forms; ++i) {
        out.push_back(ascending ? first + i : first + forms - 1 - i);
    }
    return out;
}

RegistrationRun registrationRun(std::string_view formsText, std::string_view lastNoText, bool ascending) {
    RegistrationRun run;
    run.forms = std::clamp(store::fieldValue(formsText), 1L, kMaxForms);
    run.first = std::clamp(store::fieldValue(lastNoText), 1L, kMaxRegNo);
    run.ascending = ascending;
    return run;
}

print::PrintJob headingJob(const Heading& heading) {
    print::PrintJob job("Registration Forms");
    job.setDesign({print::PageDesign::Placement::Fit, kHeadingColumns, 0});
    job.setFontName("times new roman");
    job.setFontSize(12);
    bool first = true;
    for (const long number : heading.run.numbers()) {
        // One heading a form; no empty page after the last.
        if (!first) {
            job.newPage();
        }
        first = false;
        job.setColor(heading.color);
        job.printLine();
        job.tab(kTextColumn);
        job.printText("REG# " + std::to_string(number) + "  " + heading.rankId);
        job.tab(kLineBlankColumn);
        job.printLine(heading.lineBlank ? "LINE _____" : " ");
        job.tab(kTextColumn);
        job.printLine(heading.tournament + " " + heading.date);
    }
    job.endDoc();
    return job;
}

bool slotInUse(const std::vector<std::string>& fields) {
    return fields.size() > app::kTournamentType && fields[app::kTournamentType] != "*";
}

SlotUpdate registeredSlotText(std::string_view oldRecord, int slot, std::string_view tournamentBox,
                              std::size_t row, std::string_view rankId, long next) {
    if (rankId.find('#') != std::string_view::npos) {
        return {"", SlotProblem::HashInRank};
    }
    std::vector<std::string> fields =
        app::slotFields(store::hasFields(oldRecord) ? oldRecord : app::freeSlotText(slot));
    // A name holding '/' makes no file name, one holding '#' would split the record.
    const bool validName =
        !tournamentBox.empty() && tournamentBox.find_first_of("/#") == std::string_view::npos;
    if (!slotInUse(fields) && validName) {
        fields[app::kTournamentNumber] = std::string(tournamentBox);
    }
    fields[app::kRankId1 + row] = std::string(rankId);
    fields[app::kLastRegNo1 + row] = std::to_string(next);
    std::string text = app::slotText(fields);
    // Cut to the record, the last counters would be lost and their numbers handed out again.
    if (store::charCount(text) > app::kRegistryRecordLength) {
        return {"", SlotProblem::TooLong};
    }
    return {std::move(text), SlotProblem::None};
}

bool holdsPdf(const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(), [](const std::string& name) {
        const std::string lower = lowerCase(name);
        return lower.size() > 4 && lower.ends_with(".pdf");
    });
}

print::PrintJob releaseFormJob(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::size_t columns = 0;
    for (const std::string& line : lines) {
        columns = std::max(columns, store::charCount(line));
    }
    print::PrintJob job("Release Form");
    // The form fills the page: its widest line spans the width, its lines the height.
    job.setDesign({print::PageDesign::Placement::Fit, static_cast<int>(columns) + 2,
                   static_cast<int>(lines.size()) + 2});
    job.printLine();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool title = i == 0;
        job.setBold(isHeading(lines[i]));
        const std::size_t indent = title ? (columns - store::charCount(lines[i])) / 2 : 0;
        job.tab(static_cast<int>(indent) + 2);
        job.printLine(lines[i]);
    }
    job.endDoc();
    return job;
}

}  // namespace tallyvex::forms

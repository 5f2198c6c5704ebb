// Print Round: one round of the chart on paper.

#include <optional>

#include "app/hub.h"
#include "app/shared_menus.h"
#include "charts/bracket.h"
#include "charts/chart_file.h"
#include "charts/chart_form.h"
#include "charts/round_print.h"
#include "store/error.h"
#include "store/packed.h"
#include "tournament/line_file.h"

namespace tallyvex::charts {

namespace {

// The positions of a level with the teams' names as the chart's boxes show them. A missing or garbled
// position or team record stops the print.
PrintedLevel readLevel(store::Action& action, int slot, int rounds, int level) {
    PrintedLevel printed{level, {}};
    const LevelRange range = levelRange(level);
    for (int record = range.first; record <= range.last; ++record) {
        const std::optional<Position> p = readPosition(action, slot, record);
        const bool fits = p && (!p->holdsTeam() || (p->line >= 1 && p->line <= chartSize(rounds)));
        if (!fits) {
            throw store::Error("Chart record " + std::to_string(record) + " is garbled", chartFileName(slot));
        }
        PrintedSide side{p->line, "", p->won() || p->state == kByeWon};
        if (p->holdsTeam()) {
            if (!tournament::teamRecordWritten(action, slot, p->line + 1)) {
                throw store::Error("The line file holds no team for line " + std::to_string(p->line),
                                   tournament::lineFileName(slot));
            }
            side.names = shortNames(
                store::trim(tournament::readTeamFields(action, slot, p->line + 1)[tournament::kTeamNames]));
        }
        printed.sides.push_back(std::move(side));
    }
    return printed;
}

}  // namespace

void ChartForm::printRound(int button) {
    if (!m_shown || button < 0 || button >= kColumns) {
        return;
    }
    const std::string caption = m_cmdRnd[static_cast<std::size_t>(button)]->text;
    const int round = store::fieldInt(store::trim(caption.substr(caption.rfind(' ') + 1)), 100);
    const std::optional<std::vector<int>> levels = printedLevels(m_rounds, round);
    if (!levels) {
        m_hub.services().messageBox(caption + std::string(kRoundMissing));
        return;
    }
    if (m_hub.printerOff()) {
        return;
    }
    const RoundHeading heading{
        m_txtTitle->text,
        m_openedDate,
        m_teams,
        m_hub.selected().director,
        m_hub.selected().sponsor,
        static_cast<std::uint32_t>(store::fieldInt(m_hub.selected().consolationColor))};
    std::optional<print::PrintJob> job;
    const std::string error(kRoundPrintingError);
    int printerStage = 0;
    const bool read = m_hub.runAction(error, [&](store::Action& action, int& stage) {
        // One stage for each level read, then the job.
        std::vector<PrintedLevel> printed;
        for (const int level : *levels) {
            ++stage;
            printed.push_back(readLevel(action, m_slot, m_rounds, level));
        }
        ++stage;
        job = roundPrint(m_rounds, round, heading, printed);
        printerStage = stage + 1;
    });
    if (read && job) {
        app::printFromWindow(*this, m_hub, *job, error + std::to_string(printerStage));
    }
}

}  // namespace tallyvex::charts

#include "charts/chart_options.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "store/packed.h"
#include "tournament/slot_files.h"

namespace tallyvex::charts {

namespace {

constexpr std::size_t kOptionsRecordLength = 10;

std::string optionsFileName(int slot) {
    return tournament::slotFileName(tournament::SlotFile::ChartOptions, slot);
}

store::RecordFile optionsFile(store::Action& action, int slot) {
    return store::RecordFile(action, optionsFileName(slot), kOptionsRecordLength);
}

}  // namespace

ChartOptions readChartOptions(store::Action& action, int slot) {
    const std::vector<std::string> fields =
        store::splitFields(store::trim(optionsFile(action, slot).read(1)));
    std::array<bool, 3> flags{};
    if (fields.size() != flags.size()) {
        return {};
    }
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (fields[i] != "0" && fields[i] != "1") {
            return {};
        }
        flags[i] = fields[i] == "1";
    }
    return ChartOptions{flags[0], flags[1], flags[2]};
}

void writeChartOptions(store::Action& action, int slot, const ChartOptions& options) {
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    optionsFile(action, slot)
        .write(1, store::joinSeparated({flag(options.omitConsolation), flag(options.omitThirdPlace),
                                        flag(options.semiFinalFinish)}));
}

void removeChartOptions(store::Action& action, int slot) {
    action.remove(optionsFileName(slot));
}

}  // namespace tallyvex::charts

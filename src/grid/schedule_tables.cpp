#include "grid/schedule_tables.h"

namespace tallyvex::grid {

namespace {

const std::vector<std::string_view>& rowsFor(int teams) {
    static const std::vector<std::string_view> kT4{
        "2#3#1",
        "3#2",
        "1",
        "0",
    };
    static const std::vector<std::string_view> kT6{
        "4#3#2#5#1", "2#5#3#4", "3#2#1", "5#4", "1", "0",
    };
    static const std::vector<std::string_view> kT8{
        "6#5#4#3#2#7#1", "5#6#3#4#7#2", "4#3#5#6#1", "3#4#6#5", "2#7#1", "7#2", "1", "0",
    };
    static const std::vector<std::string_view> kT10{
        "8#7#6#5#4#3#2#9#1", "2#6#8#3#5#9#7#4", "6#8#3#2#7#5#1", "5#3#4#9#8#6", "4#2#7#8#1",
        "3#9#2#6",           "7#4#1",           "9#5",           "1",           "0",
    };
    static const std::vector<std::string_view> kT12{
        "10#9#8#7#6#5#4#3#2#11#1",
        "2#10#6#3#4#8#9#5#11#7",
        "5#6#10#4#3#9#2#8#1",
        "3#5#9#8#10#4#7#6",
        "4#2#7#10#9#11#1",
        "6#8#3#5#11#10",
        "7#3#2#6#1",
        "8#7#5#2",
        "9#11#1",
        "11#4",
        "1",
        "0",
    };
    static const std::vector<std::string_view> kT14{
        "12#11#10#9#8#7#6#5#4#3#2#13#1",
        "2#12#8#11#7#9#10#3#6#5#13#4",
        "5#10#12#7#9#6#8#2#3#11#1",
        "3#5#7#10#11#12#9#4#8#6",
        "9#7#2#4#10#8#13#12#1",
        "10#9#5#12#2#13#11#7",
        "11#8#9#6#13#10#1",
        "7#4#3#2#12#5",
        "4#2#11#3#1",
        "6#3#4#5",
        "8#13#1",
        "13#6",
        "1",
        "0",
    };
    static const std::vector<std::string_view> kT16{
        "14#13#12#11#10#9#8#7#6#5#4#3#2#15#1",
        "13#14#11#12#9#10#7#8#5#6#3#4#15#2",
        "12#11#14#13#8#7#10#9#4#3#6#5#1",
        "11#12#13#14#7#8#9#10#3#4#5#6",
        "10#9#8#7#12#13#14#11#2#15#1",
        "9#10#7#8#13#12#11#14#15#2",
        "8#7#10#9#14#11#12#13#1",
        "7#8#9#10#11#14#13#12",
        "6#5#4#3#2#15#1",
        "5#6#3#4#15#2",
        "4#3#6#5#1",
        "3#4#5#6",
        "2#15#1",
        "15#2",
        "1",
        "0",
    };
    static const std::vector<std::string_view> kNone;
    switch (teams) {
        case 4:
            return kT4;
        case 6:
            return kT6;
        case 8:
            return kT8;
        case 10:
            return kT10;
        case 12:
            return kT12;
        case 14:
            return kT14;
        case 16:
            return kT16;
        default:
            return kNone;
    }
}

}  // namespace

bool hasSchedule(int teams) {
    return !rowsFor(teams).empty();
}

const std::vector<std::string_view>& scheduleRows(int teams) {
    return rowsFor(teams);
}

std::vector<std::string> scheduleRecordTexts(int teams) {
    std::vector<std::string> texts;
    const std::vector<std::string_view>& rows = rowsFor(teams);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string text(rows[r]);
        // Fills every record up to T fields; the last row ("0") gets one more.
        for (std::size_t fill = 0; fill <= r; ++fill) {
            text += "#0";
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

Grid scheduleGrid(int teams) {
    if (!hasSchedule(teams)) {
        return {};
    }
    Grid grid = emptyGrid(teams);
    const std::vector<std::string> texts = scheduleRecordTexts(teams);
    for (std::size_t r = 0; r < texts.size(); ++r) {
        grid.rows[r] = parseGridText(teams, texts[r]);
    }
    return grid;
}

}  // namespace tallyvex::grid

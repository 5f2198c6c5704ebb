#pragma once
// The results file of a tournament ("TallyvexResults_<number>.txt"): the finalists of an elimination
// tournament as "key:value" lines ended by CR LF, for whoever collects the results. The chart window writes
// it whole; the selection window's viewer shows its first lines for correction and writes it back. Every
// reader and writer of the file goes through here.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "store/action.h"

namespace tallyvex::tournament {

inline constexpr std::string_view kResultsPrefix = "TallyvexResults";
// What the viewer shows of a file: the lines a written file holds before its closing empty line.
inline constexpr int kResultsShownLines = 106;
// A larger file is no results file; the viewer refuses it rather than fill the box.
inline constexpr std::size_t kResultsLargestFile = 1024 * 1024;
// The mark behind the values the director still has to fill in; the viewer's save takes it away.
inline constexpr std::string_view kResultsMark = "****";

// One finalist player: the fields of its name record.
struct ResultsPlayer {
    std::string firstName;
    std::string lastName;
    std::string id;
    std::string district;
    std::string club;
};

// The two players of a finalist team; a singles team's second player, and a place without a finalist,
// stay empty.
struct ResultsPlace {
    ResultsPlayer a;
    ResultsPlayer b;
};

inline constexpr std::size_t kResultsPlaces = 8;
// The places in file order: main event 1st to 4th, consolation event 1st to 4th.
inline constexpr std::array<std::string_view, kResultsPlaces> kResultsPlaceKeys = {"M1", "M2", "M3", "M4",
                                                                                   "C1", "C2", "C3", "C4"};

struct ResultsValues {
    std::string number;  // the tournament number, which also names the file
    std::string teams;
    std::string sponsor;
    std::string host;
    std::string type;
    std::string director;
    std::array<ResultsPlace, kResultsPlaces> places;
};

// "TallyvexResults_D16.txt". Throws store::Error for a number that cannot name a file of the data folder
// (empty, or holding a folder separator).
std::string resultsFileName(std::string_view tournamentNumber);

// The file's text (UTF-8): the 106 lines, each followed by CR LF, then one more CR LF.
std::string resultsText(const ResultsValues& values);
// Replaces the tournament's results file with resultsText().
void writeResults(store::Action& action, const ResultsValues& values);

// A results file opened in the viewer: the lines shown in the box, each followed by CR LF, and the lines
// beyond them as the file holds them, which the save writes back after the box.
struct OpenedResults {
    enum class Outcome { Opened, TooLarge, NotText };
    Outcome outcome = Outcome::Opened;
    std::string shown;
    std::string tail;
};

// Whether a chosen file's name (without folder) is one the viewer opens.
bool isResultsFileName(std::string_view fileName);
// The viewer's split of a file's bytes (Windows-1252): lines end with CR LF, LF or CR; a last line without
// an end counts when it holds text. A file larger than 1 MB, or holding bytes no text file holds (NUL and
// other control characters than tab, CR, LF and form feed, or the five Windows-1252 leaves undefined), is
// refused.
OpenedResults openedResults(std::string_view bytes);
// Reads the file through the action; throws store::Error when it does not exist.
OpenedResults openResults(store::Action& action, std::string_view fileName);

// What the save writes: the box's text without "****" and with its line breaks as CR LF, then the kept
// lines beyond the box; a file with none beyond gets one closing line break instead (the empty last line
// a written file ends with).
std::string savedResultsText(std::string_view boxText, std::string_view tail);
void saveResults(store::Action& action, std::string_view fileName, std::string_view boxText,
                 std::string_view tail);

}  // namespace tallyvex::tournament

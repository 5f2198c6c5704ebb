#pragma once
// The registration window frmReg ("Registration"): prints the headings of registration forms with
// sequential numbers in three rank colours, keeps each colour's rank identifier and last number in the
// selected slot's registry record, and opens the release form PDF for printing. Opened from the selection
// window; EXIT returns there.

namespace tallyvex::app {
class Hub;
}

namespace tallyvex::forms {

inline constexpr const char* kMakeSelections = "Make Selections";
inline constexpr const char* kErrorOnPrinting = "Error on Printing";
inline constexpr const char* kErrorOnFormLoad = "Error on Form Load";
inline constexpr const char* kInvalidSlash = "Name Contains Invalid '/' Character";
inline constexpr const char* kCannotBeChanged =
    "This Tournament Name is Already Established and "
    "Cannot be Changed Here. For a Different Tournament "
    "go back and choose one that's inactive.";
inline constexpr const char* kReleaseFormHint =
    "Right-click on ReleaseForm when Displayed \n"
    "then Click OPEN to display PDF Format \n"
    "then Select Number of Copies wanted and Print.";
// The pattern is "*.pdf": with a ")" behind it, as the old program wrote it, no dialog lists any file.
inline constexpr const char* kReleaseFormFilter = "ReleaseForm (*.pdf)|*.pdf";
inline constexpr const char* kHashInRank = "Rank Contains Invalid '#' Character";
inline constexpr const char* kRanksTooLong = "Rank IDs Too Long to be Stored: Shorten Them";
inline constexpr const char* kTooManyForms = "No. of Forms: 999 at most";

// Registers the window.
void registerRegistrationWindows(app::Hub& hub);

}  // namespace tallyvex::forms

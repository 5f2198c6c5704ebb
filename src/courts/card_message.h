#pragma once
// The director's card message "Ad.txt" in the data folder: up to nine lines of at most 16 characters that
// every court card prints in the column on its right. The court board edits it; the cards read it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "store/action.h"

namespace tallyvex::courts {

inline constexpr std::string_view kCardMessageFile = "Ad.txt";
inline constexpr std::size_t kCardMessageLines = 9;
inline constexpr std::size_t kCardMessageWidth = 16;

// The texts of the court board's message box.
inline constexpr std::string_view kCardMessageQuestion =
    "Do you  wish to  add or Change the Message on Court Card";
inline constexpr std::string_view kCardMessageInstruction =
    " When typing a new  message, RETURN      after each line. ";
inline constexpr std::string_view kCardMessageHint = "Double Click to Clear";
inline constexpr std::string_view kCardMessageRefusal =
    "Entry Error\nMax 16 Char & CRLF\nat End of Each Line.";

// The message lines of a file's text (UTF-8): its first nine lines, whatever ends them (CR LF, LF or CR),
// each cut to the 16 characters the card has room for, control characters shown as blanks.
std::vector<std::string> cardMessageLines(std::string_view text);

// The message lines of the data folder's message file; none when there is no file. Only the file's
// beginning is looked at, so a huge file costs no more than a short one.
std::vector<std::string> readCardMessage(store::Action& action);

// What saving the message box's text gives: the refusal, when one of its first nine pieces (the text split
// at line breaks and "#") is longer than 16 characters; else the file's new text, line breaks as CR LF.
struct CardMessageSave {
    bool refused = false;
    std::string text;  // the refusal, or the whole new text of the message file
};
CardMessageSave cardMessageSave(std::string_view boxText);

// Writes the new text of the message file in place of the old one.
void writeCardMessage(store::Action& action, std::string_view fileText);

}  // namespace tallyvex::courts

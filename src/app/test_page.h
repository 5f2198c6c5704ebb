#pragma once
// The printer test page of the selection window: the date, the printer's font, and 29 ripple lines that
// show every printable character from "0" to "z" at each column, the last three in red, green and blue.

#include <string>

#include "print/print_job.h"
#include "ui/services.h"

namespace tallyvex::app {

inline constexpr int kRippleLines = 29;
inline constexpr int kRippleWidth = 75;       // the codes "0" (48) to "z" (122)
inline constexpr int kTestPageMargin = 1000;  // twips, left and top

// Ripple line k (from 1): 75 characters from code 47 + k counting up, wrapping from "z" back to "0".
std::string rippleLine(int k);

// The test page job "Ptr Test" for the printer's current font and today's date.
print::PrintJob testPage(const ui::PrinterFont& font, const ui::DateTime& today);

}  // namespace tallyvex::app

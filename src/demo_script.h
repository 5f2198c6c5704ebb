#pragma once
// The script `tallyvex demo` plays: a director's session from start to the last print-out.

namespace tallyvex {

inline constexpr const char* kDemoScript = R"(# Tallyvex demo
start
tick
expect window frmSelect
# The host: where the tournaments are played and on which courts.
set txtLoc "Riverside Park"
set txtCtFst "1"
set txtCtLst "12"
set txtDir "Pat Morgan"
set txtSpons "Riverside Shuffleboard Club"
focus chkTn(0)
click Option2
# A test page shows that printing works.
menu itmTest
tick
menu itmExit
expect ended
)";

}  // namespace tallyvex

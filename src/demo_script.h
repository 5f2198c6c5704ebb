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
# Slot 1: a doubles elimination of 12 teams with a partner draw on courts 1 to 6; the layout preview shows
# the byes before the set-up is finished, which prints the assignment sheet and the draw tickets.
click chkTn(0)
click Tool(3)
expect window frmSize
type TnName "Spring12"
click chkCat(0)
click chkType(0)
type TnEntries "12"
type TnPtnr "y"
type TnCourts "1-6"
click cmdLayout
click cmdPrint
tick
expect window frmSelect
# Slot 2: a walking singles round robin of 8 teams and 5 rounds on courts 7 to 10.
click chkTn(1)
answer OK
click Tool(3)
type TnName "RR8"
click chkCat(1)
set txtRnds "5"
click chkType(1)
type TnEntries "8"
type TnCourts "7-10"
click cmdPrint
tick
expect window frmSelect
expect lblEntr(0) caption "12"
expect lblEntr(1) caption "8"
# Names for both tournaments: generated sample players, the list finished (names placed on the chart lines)
# and printed in line order.
click chkTn(0)
click Tool(0)
expect window frmPlayers
menu "Gen Names"
click cmdSort
answer No
click cmdPrnt
tick
menu itmStatus
click chkTn(1)
click Tool(0)
expect window frmPlayers
menu "Gen Names"
click cmdSort
answer Yes
click cmdPrnt
tick
menu itmStatus
expect window frmSelect
menu itmExit
expect ended
)";

}  // namespace tallyvex

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
# Slot 1 played to the end on its chart. Lines 1, 3, 13 and 15 have byes: round 1 is the four matches of
# lines 5 to 12; a round-1 loser goes on in the consolation below the main event.
menu itmChart
expect window frmCharts
# Line 5 entered as a winner by mistake, taken back (Shift and a click on it in round 2), and line 6 entered.
dblclick t1(4)
click t2(2) shift
expect t2(2) text ""
dblclick t1(5)
# Line 10 does not show up: a forced default (Shift and a click on line 9) puts line 9 into round 2.
answer OK
click t1(8) shift
expect t1(9) text "       Forfeit"
dblclick t1(6)
dblclick t1(10)
# Round 2 of the main event, then the consolation's: lines 2, 7, 9, 16 and 5 win.
dblclick t2(0)
dblclick t2(3)
dblclick t2(4)
dblclick t2(7)
dblclick t2(10)
# The semi-finals of both events: lines 2, 16, 5 and 12 win; the losers meet for third place.
dblclick t3(0)
dblclick t3(3)
dblclick t3(5)
dblclick t3(6)
# Third place and the finals: lines 9, 2, 4 and 12 win.
dblclick t6(1)
dblclick t4(0)
dblclick t6(2)
dblclick t4(3)
# The finished chart: the finals, the third-place matches and their winners.
dump
# The finals on paper, then the results file of the finalists with the finalists report.
click cmdRnd(3)
click cmdWin
click Tool(2)
expect window frmSelect
click chkTn(1)
click Tool(0)
expect window frmPlayers
menu "Gen Names"
click cmdSort
answer Yes
click cmdPrnt
tick
# Slot 2 played to the end on its grid: five rounds of four matches, the games of each pair typed in its
# cell; a finished pair's court goes back to the pool and the next round's pairs wait on the queue.
menu itmChart
expect window frmGrid
# Round 1
click txtGrd(6)
set txtGm(0) "2"
set txtGm(1) "1"
click cmdGo
click txtGrd(20)
set txtGm(0) "3"
set txtGm(1) "0"
click cmdGo
click txtGrd(34)
set txtGm(0) "1.5"
set txtGm(1) "1.5"
click cmdGo
click txtGrd(48)
set txtGm(0) "0"
set txtGm(1) "2"
click cmdGo
expect lblLeft caption "Round 2: 4 matches to play"
# Round 2
click txtGrd(4)
set txtGm(0) "2.5"
set txtGm(1) "0.5"
click cmdGo
click txtGrd(13)
set txtGm(0) "1"
set txtGm(1) "2"
click cmdGo
click txtGrd(32)
set txtGm(0) "2"
set txtGm(1) "0"
click cmdGo
click txtGrd(41)
set txtGm(0) "0.5"
set txtGm(1) "2.5"
click cmdGo
# Round 3
click txtGrd(3)
set txtGm(0) "1"
set txtGm(1) "1"
click cmdGo
click txtGrd(10)
set txtGm(0) "3"
set txtGm(1) "0"
click cmdGo
click txtGrd(17)
set txtGm(0) "0"
set txtGm(1) "3"
click cmdGo
click txtGrd(24)
set txtGm(0) "2"
set txtGm(1) "1"
click cmdGo
# Round 4
click txtGrd(2)
set txtGm(0) "1.5"
set txtGm(1) "0.5"
click cmdGo
click txtGrd(11)
set txtGm(0) "2"
set txtGm(1) "1"
click cmdGo
click txtGrd(16)
set txtGm(0) "3"
set txtGm(1) "0"
click cmdGo
click txtGrd(25)
set txtGm(0) "1.5"
set txtGm(1) "1.5"
click cmdGo
# Round 5
click txtGrd(1)
set txtGm(0) "0"
set txtGm(1) "2"
click cmdGo
click txtGrd(8)
set txtGm(0) "2.5"
set txtGm(1) "0.5"
click cmdGo
click txtGrd(18)
set txtGm(0) "1"
set txtGm(1) "2"
click cmdGo
click txtGrd(27)
set txtGm(0) "2"
set txtGm(1) "0"
click cmdGo
expect lblMsg caption "Tournament Over"
# Round 6 is beyond the five rounds of this tournament.
click txtGrd(0)
set txtGm(0) "2"
set txtGm(1) "1"
click cmdGo
expect msgbox "Round Not Played in this Tournament"
# The grid on the transcript, then its three print-outs: the schedule (also appended to Schedule.txt),
# the win/loss chart and the finalists.
dump
click cmdSched
click cmdWinLoss
click cmdFinal
tick
menu itmStatus
expect window frmSelect
menu itmExit
expect ended
)";

}  // namespace tallyvex

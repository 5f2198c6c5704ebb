#include "setup/validation.h"

#include <gtest/gtest.h>

#include "courts/court_files.h"
#include "setup/drawing.h"
#include "store/action.h"
#include "store/data_dir.h"
#include "support/temp_folder.h"

namespace tallyvex::setup {
namespace {

using courts::PoolState;

void expectFailure(const CheckResult& result, std::string_view message, bool messageBox) {
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(result.needsMessageBox, messageBox);
    EXPECT_FALSE(result.fault());
}

// A list of `count` single courts 1, 2, 3, ...
std::vector<int> courtsUpTo(int count) {
    std::vector<int> list;
    for (int court = 1; court <= count; ++court) {
        list.push_back(court);
    }
    return list;
}

TEST(NumberCheck, refusesBadNumbersWithoutAMessageBox) {
    EXPECT_TRUE(checkNumber("T2026").ok);
    EXPECT_TRUE(checkNumber("abc").ok);  // lower case lies above "A" too
    expectFailure(checkNumber("12ABC"), kInvalidFirstCharacter, false);
    expectFailure(checkNumber("@1"), kInvalidFirstCharacter, false);  // code 64
    expectFailure(checkNumber("AB/12"), kInvalidSlash, false);
    expectFailure(checkNumber("AB-12"), kInvalidDash, false);
    expectFailure(checkNumber("A#1"), kInvalidHash, false);
    // The first failing check wins: a slash is reported before a hash.
    expectFailure(checkNumber("A#/"), kInvalidSlash, false);
    // An empty number cannot be checked: a fault at the first stage.
    const CheckResult empty = checkNumber("");
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.faultStage, 1);
}

TEST(TypeAndPartnerChecks, needAMarkedTypeAndAMatchingPartnerEntry) {
    expectFailure(checkType(""), kNeedType, true);
    EXPECT_TRUE(checkType("NWSngs").ok);

    expectFailure(checkPartners("Dbls", "x"), kNeedPartner, true);
    expectFailure(checkPartners("Dbls", ""), kNeedPartner, true);
    EXPECT_TRUE(checkPartners("Dbls", "Y").ok);
    EXPECT_TRUE(checkPartners("Dbls", "N").ok);
    expectFailure(checkPartners("WSngs", "Y"), kIncorrectPartner, true);
    expectFailure(checkPartners("NWSngs", ""), kIncorrectPartner, true);
    EXPECT_TRUE(checkPartners("WSngs", "N").ok);
}

SizeEntries eliminationOf(const std::string& teams) {
    SizeEntries e;
    e.teams = teams;
    return e;
}

SizeEntries roundRobinOf(const std::string& teams, const std::string& rounds) {
    SizeEntries e;
    e.roundRobin = true;
    e.teams = teams;
    e.rounds = rounds;
    return e;
}

TEST(TeamsCheck, eliminationTakesItsChartFromTheDrawTables) {
    SizeParameters p;
    expectFailure(checkTeams(eliminationOf("3"), p), "Insufficient Teams", true);
    expectFailure(checkTeams(eliminationOf("200"), p), "Too Many Teams", true);
    expectFailure(checkTeams(eliminationOf(""), p), "Insufficient Teams", true);

    ASSERT_TRUE(checkTeams(eliminationOf("5"), p).ok);
    EXPECT_EQ(p.teamCount, 5);
    EXPECT_EQ(p.chartSize, 8);
    EXPECT_EQ(p.roundCount, 3);
    EXPECT_EQ(p.rounds, "3");
    EXPECT_EQ(p.category, "0");
    EXPECT_EQ(p.lineTable, (std::vector<int>{0, 2, 0, 4, 0, 6, 7, 8}));

    ASSERT_TRUE(checkTeams(eliminationOf("128"), p).ok);
    EXPECT_EQ(p.chartSize, 128);
    EXPECT_EQ(p.rounds, "7");

    // The special bye chart packs the byes at the top.
    SizeEntries special = eliminationOf("9");
    special.specialByes = true;
    ASSERT_TRUE(checkTeams(special, p).ok);
    EXPECT_EQ(p.lineTable, (std::vector<int>{0, 2, 0, 4, 0, 6, 0, 8, 0, 10, 0, 12, 0, 14, 15, 16}));
}

TEST(TeamsCheck, roundRobinNeedsAnEvenTeamCountUpTo16FewerRoundsAndRoundsHalvesToEven) {
    SizeParameters p;
    expectFailure(checkTeams(roundRobinOf("7", "3"), p), kNeedEvenTeams, true);
    expectFailure(checkTeams(roundRobinOf("18", "3"), p), kInvalidTeams, true);
    expectFailure(checkTeams(roundRobinOf("2", "1"), p), kInvalidTeams, true);
    expectFailure(checkTeams(roundRobinOf("8", "8"), p), kRoundsTooMany, true);
    expectFailure(checkTeams(roundRobinOf("8", ""), p), kInvalidTeams, true);  // 0 rounds

    ASSERT_TRUE(checkTeams(roundRobinOf("8", "7"), p).ok);
    EXPECT_EQ(p.chartSize, 8);
    EXPECT_EQ(p.roundCount, 7);
    EXPECT_EQ(p.category, "1");
    EXPECT_EQ(p.rounds, "7");
    EXPECT_EQ(p.lineTable, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));

    // Rounds are rounded with halves to the even number.
    EXPECT_EQ(roundedValue("3.5"), 4);
    EXPECT_EQ(roundedValue("4.5"), 4);
    EXPECT_EQ(roundedValue("4.51"), 5);
    EXPECT_EQ(roundedValue(" 6abc"), 6);
    EXPECT_EQ(roundedValue("x"), 0);
    ASSERT_TRUE(checkTeams(roundRobinOf("8", "6.5"), p).ok);
    EXPECT_EQ(p.rounds, "6");
}

// The host's courts 1 to 20, as in most cases below.
CheckResult parse(std::string_view text, std::vector<int>& courts) {
    return parseCourtList(text, 1, 20, courts);
}

TEST(CourtList, rangesAndSingleCourtsKeepTheirOrder) {
    std::vector<int> courts;
    ASSERT_TRUE(parse("1-20", courts).ok);
    EXPECT_EQ(courts, courtsUpTo(20));
    ASSERT_TRUE(parse(" 7 , 3-5,12", courts).ok);
    EXPECT_EQ(courts, (std::vector<int>{7, 3, 4, 5, 12}));
}

TEST(CourtList, refusesRangesOutsideTheHostAndMalformedItems) {
    std::vector<int> courts;
    for (const char* text :
         {"5-25", "20-5", "0-5", "5-5", ",3,4", "3,,4", "100", "10-100", "0", "3,0,4", "3,ab,4", "3, ,4"}) {
        SCOPED_TRACE(text);
        expectFailure(parse(text, courts), kCourtInvalid, true);
    }
    // Single courts and ranges are held to the host's courts 3 to 20 alike.
    for (const char* text : {"25", "3,2", "2-6"}) {
        expectFailure(parseCourtList(text, 3, 20, courts), kCourtInvalid, true);
    }
    EXPECT_TRUE(parseCourtList("3-6", 3, 20, courts).ok);
}

TEST(CourtList, sixteenItemsOrMoreThan100CourtsAreAFaultAtStage4) {
    std::vector<int> courts;
    EXPECT_TRUE(parse("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", courts).ok);
    const CheckResult many = parse("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", courts);
    EXPECT_TRUE(many.fault());
    EXPECT_EQ(many.faultStage, 4);
    EXPECT_EQ(many.message, kCourtInvalid);

    const CheckResult wide = parseCourtList("1-60,1-41", 1, 99, courts);
    EXPECT_TRUE(wide.fault());
    EXPECT_EQ(wide.faultStage, 4);
    EXPECT_TRUE(parseCourtList("1-60,1-40", 1, 99, courts).ok);
}

TEST(CourtCount, anEmptyOrNonNumericLastItemIsAShortageAgainstTwoAndTheCountIsLimited) {
    std::vector<int> courts;
    ASSERT_TRUE(parse("3,4,", courts).ok);
    expectFailure(checkCourtCount(courts, 2), insufficientCourtsMessage(-1), true);
    ASSERT_TRUE(parse("3,ab", courts).ok);
    expectFailure(checkCourtCount(courts, 2), insufficientCourtsMessage(0), true);
    ASSERT_TRUE(parse("", courts).ok);
    expectFailure(checkCourtCount(courts, 2), insufficientCourtsMessage(1), true);
    // At most 98 courts, or 53 with four teams a court.
    EXPECT_TRUE(checkCourtCount(courtsUpTo(98), 2).ok);
    expectFailure(checkCourtCount(courtsUpTo(99), 2), kCourtInvalid, true);
    EXPECT_TRUE(checkCourtCount(courtsUpTo(53), 4).ok);
    expectFailure(checkCourtCount(courtsUpTo(54), 4), kCourtInvalid, true);
}

// The court counts themselves are tested with courtShortage in drawing_test.cpp.
TEST(EnoughCourts, aShortageIsReportedWithTheMessageBox) {
    expectFailure(checkEnoughCourts(128, 2, 30), insufficientCourtsMessage(4), true);  // X = 34
    EXPECT_TRUE(checkEnoughCourts(128, 2, 34).ok);
}

TEST(ClaimCourts, collectsCourtsAlreadyInUseAndListsThemInOrder) {
    courts::CourtPool pool = courts::hostPool(1, 20);
    expectFailure(claimCourts(pool, {3, 4, 3}), "Duplicate Ct#'s:  3,", true);

    pool = courts::hostPool(1, 20);
    pool.set(7, PoolState::InUse);  // held by another tournament
    pool.set(9, PoolState::InUse);
    expectFailure(claimCourts(pool, {9, 8, 7}), "Duplicate Ct#'s:  9,7,", true);

    pool = courts::hostPool(1, 20);
    pool.set(5, PoolState::Unavailable);
    ASSERT_TRUE(claimCourts(pool, {5, 6}).ok);
    EXPECT_EQ(pool.state(5), PoolState::InUse);
    EXPECT_EQ(pool.state(6), PoolState::InUse);
    EXPECT_EQ(pool.state(7), PoolState::Available);
}

TEST(PoolRange, aFreeCourtOutsideTheHostIsARangeError) {
    courts::CourtPool pool = courts::hostPool(1, 20);
    EXPECT_TRUE(checkPoolRange(pool, 1, 20).ok);
    expectFailure(checkPoolRange(pool, 1, 12), kInitialCourtRange, true);
    pool.set(25, PoolState::Available);
    expectFailure(checkPoolRange(pool, 1, 20), kInitialCourtRange, true);
}

// A doubles elimination set-up of `teams` teams on the courts `courts`, host courts 1 to 20.
SizeEntries doubles(const std::string& teams, const std::string& courts) {
    SizeEntries e;
    e.number = "T1";
    e.type = "Dbls";
    e.partners = "N";
    e.teams = teams;
    e.courts = courts;
    return e;
}

CourtSituation host(int first = 1, int last = 20) {
    return CourtSituation{first, last, courts::hostPool(first, last), {}};
}

TEST(CheckSize, passesAndCollectsEverythingWithThePoolClaimed) {
    const SizeCheck check = checkSize(doubles("16", "1-4,9"), host());
    ASSERT_TRUE(check.result.ok) << check.result.message;
    EXPECT_EQ(check.stage, stages::kCourtsEnough);
    const SizeParameters& p = check.parameters;
    EXPECT_EQ(p.slotFields(), (std::vector<std::string>{"T1", "Dbls", "16", "4", "0", "N"}));
    EXPECT_EQ(p.courts, (std::vector<int>{1, 2, 3, 4, 9}));
    EXPECT_EQ(p.teamsPerCourt, 2);
    EXPECT_EQ(p.firstCourt, 1);
    EXPECT_EQ(p.lastCourt, 20);
    EXPECT_EQ(check.pool.state(9), PoolState::InUse);
    EXPECT_EQ(check.pool.state(5), PoolState::Available);
}

TEST(CheckSize, stopsAtTheFirstFailingCheckInOrder) {
    SizeEntries e = doubles("3", "5-25");
    e.number = "12";
    EXPECT_EQ(checkSize(e, host()).result.message, kInvalidFirstCharacter);
    e.number = "T1";
    e.type = "";
    EXPECT_EQ(checkSize(e, host()).result.message, kNeedType);
    e.type = "WSngs";
    e.partners = "Y";
    EXPECT_EQ(checkSize(e, host()).result.message, kIncorrectPartner);
    e.type = "Dbls";
    EXPECT_EQ(checkSize(e, host()).result.message, "Insufficient Teams");
    e.teams = "16";
    const SizeCheck courts = checkSize(e, host());
    EXPECT_EQ(courts.result.message, kCourtInvalid);
    EXPECT_EQ(courts.stage, stages::kCourtList);

    const SizeCheck range = checkSize(doubles("16", "1-4"), host());
    ASSERT_TRUE(range.result.ok);
    CourtSituation shrunk = host();
    shrunk.lastCourt = 10;  // the host now ends at 10 while the stored pool still frees 11 to 20
    const SizeCheck outside = checkSize(doubles("16", "1-4"), shrunk);
    EXPECT_EQ(outside.result.message, kInitialCourtRange);
    EXPECT_EQ(outside.stage, stages::kCourtPool);
}

TEST(CheckSize, aRepeatedSetUpMayReuseItsOwnCourtsButNotAnothers) {
    CourtSituation situation = host();
    for (const int court : {1, 2, 3, 7}) {
        situation.pool.set(court, PoolState::InUse);
    }
    situation.oldCourts = {1, 2, 3};  // this slot's; court 7 belongs to another tournament
    const SizeCheck again = checkSize(doubles("16", "1-3"), situation);
    ASSERT_TRUE(again.result.ok) << again.result.message;
    EXPECT_EQ(again.pool.state(1), PoolState::InUse);

    const SizeCheck taken = checkSize(doubles("16", "2,7"), situation);
    EXPECT_EQ(taken.result.message, "Duplicate Ct#'s:  7,");
    // Only the checked copy changed.
    EXPECT_EQ(situation.pool.state(2), PoolState::InUse);
}

TEST(LoadCourtSituation, readsThePoolOnlyWhileATournamentIsActiveAndFindsTheSlotsOldCourts) {
    tallyvex::testing::TempFolder folder;
    store::DataDir dir{folder.path()};
    {
        store::Action action(dir);
        courts::CourtPool pool = courts::hostPool(1, 20);
        pool.set(4, PoolState::InUse);
        courts::writePool(action, pool);
        courts::writeQueue(action, 2, courts::CourtQueue{6, 4, {}});
        courts::writeCourt(action, 2, courts::CourtRecord{4, "B ", "4", {1, 2}});
        courts::writeCourt(action, 2, courts::CourtRecord{5, "  ", "5", {}});
        courts::writeCourt(action, 2, courts::CourtRecord{9, "B ", "9", {3, 4}});  // past LastCourt 6
        action.commit();
    }
    store::Action action(dir);
    const CourtSituation active = loadCourtSituation(action, 2, true, 1, 20);
    EXPECT_EQ(active.pool.state(4), PoolState::InUse);
    EXPECT_EQ(active.oldCourts, (std::vector<int>{4}));
    const CourtSituation fresh = loadCourtSituation(action, 2, false, 3, 12);
    EXPECT_EQ(fresh.pool.state(4), PoolState::Available);
    EXPECT_EQ(fresh.pool.state(2), PoolState::NotHostCourt);
    EXPECT_EQ(fresh.pool.state(13), PoolState::NotHostCourt);
    EXPECT_EQ(fresh.firstCourt, 3);
    EXPECT_FALSE(action.exists("fCourt0.Fil"));
}

}  // namespace
}  // namespace tallyvex::setup

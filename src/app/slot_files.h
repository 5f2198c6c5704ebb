#pragma once
// The files that belong to one tournament slot, named by a prefix and n = slot - 1 ("fLine0.Fil" for slot 1),
// and the deletion of a tournament.

#include <functional>
#include <string>
#include <string_view>

#include "store/action.h"

namespace tallyvex::app {

inline constexpr std::string_view kChartPrefix = "fChart";
inline constexpr std::string_view kLinePrefix = "fLine";
inline constexpr std::string_view kFeesPrefix = "fFees";
inline constexpr std::string_view kNamePrefix = "fName";
inline constexpr std::string_view kCourtPrefix = "fCourt";
inline constexpr std::string_view kCourtQueuePrefix = "fCourtq";

using store::slotFileName;

// Gives a tournament's courts back to the court pool before its court files go. The court subsystem
// provides it; without one the pool is left as it is.
using CourtRelease = std::function<void(store::Action& action, int slot)>;

// The question before a tournament is deleted.
inline constexpr const char* kAreYouSure = "ARE YOU SURE ABOUT THIS?";

// Deletes the tournament of a slot within one action: releases its courts, deletes its court, court queue,
// chart, line, fees and name files (missing ones are no error) and frees its slot record. `stage` counts
// the steps for the action's error message.
void deleteTournament(store::Action& action, int slot, const CourtRelease& releaseCourts, int& stage);

}  // namespace tallyvex::app

#pragma once
// The deletion of a tournament: its files (named by the slot table) and its slot record.

#include <functional>
#include <string>
#include <string_view>

#include "store/action.h"

namespace tallyvex::app {

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

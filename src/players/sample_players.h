#pragma once
// The built-in sample players that name generation draws from to fill a tournament for trying the program
// out.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tallyvex::players {

struct SamplePlayer {
    std::string_view id;  // four digits, from 1001 up
    std::string_view lastName;
    std::string_view firstName;
};

inline constexpr std::size_t kSamplePlayerCount = 130;

const std::array<SamplePlayer, kSamplePlayerCount>& samplePlayers();

// A sample player in the name record's fields 1 to 7: ID, last name, first name and four empty fields,
// joined by '#' ("1001#Abernathy#Kathleen####").
std::string sampleEntryText(const SamplePlayer& player);

}  // namespace tallyvex::players

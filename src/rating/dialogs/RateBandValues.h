#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace dorv::rating {

// The three rate bands of one personal database entry, as the band editor is given them and
// hands them back: titles (empty for an unused band), the notes carried along unchanged, and
// the eighteen times (hour x 100), band after band.
struct RateBandValues {
  std::array<std::string, 3> bandTitle;
  std::array<std::string, 3> bandNotes;
  std::array<std::uint16_t, 18> bandHours{};
};

}  // namespace dorv::rating

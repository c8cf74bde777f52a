#pragma once
#include <cstdint>
#include <string>

namespace dorv::bench {

// Writes a book of `count` entries as the user's own books look: mixed types, names, cities,
// numbers at home and abroad, extensions, notes; every deletedEvery-th entry deleted.
void WriteMixedBook(const std::string& path, long count, long deletedEvery);

// The bytes of a month's log of `count` calls from monthStart on, oldest last as a month
// edited over time may be: mixed names, numbers, lengths, costs, surcharges, directions.
std::string MixedMonth(long count, std::uint32_t monthStart);

}  // namespace dorv::bench

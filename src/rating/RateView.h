#pragma once
#include <concepts>
#include <cstdint>

#include "data/CallLogRecord.h"
#include "data/PdbRecord.h"

namespace dorv::rating {

// Index of a band (0..2), or this value when no band applies.
inline constexpr int kNoBand = 3;

// The day types of the band hours, in their stored order.
enum class DayType : int { Weekday = 0, Saturday = 1, Sunday = 2 };

// Start and end of one band on one day type, each an hour x 100.
struct BandHours {
  std::uint16_t start;
  std::uint16_t end;
};

struct Intervals {
  std::uint32_t initial;     // seconds of the first interval
  std::uint32_t additional;  // seconds of each further interval
};

// A record that carries rate data: a personal database entry or a logged call.
template <class Record>
concept RateRecord =
    std::same_as<Record, data::PdbRecord> || std::same_as<Record, data::CallLogRecord>;

// The rate data of a personal database entry or of a logged call (which carries a copy of
// it), read in place. The record must outlive the view; edits to it are seen at once.
class RateView {
 public:
  template <RateRecord Record>
  explicit RateView(const Record& record)
      : m_rates(record.rates),
        m_bandHours(record.bandHours),
        m_initial(&record.initialInterval),
        m_additional(&record.additionalInterval) {}
  // A view of a temporary would dangle.
  template <RateRecord Record>
  RateView(const Record&&) = delete;

  // band 0..2
  const data::BandRates& Rates(int band) const { return m_rates[band]; }
  BandHours Hours(int band, DayType day) const {
    const std::uint16_t* pair = m_bandHours + band * 6 + static_cast<int>(day) * 2;
    return {pair[0], pair[1]};
  }
  Intervals IntervalLengths() const { return {*m_initial, *m_additional}; }

 private:
  const data::BandRates* m_rates;
  const std::uint16_t* m_bandHours;
  const std::uint32_t* m_initial;
  const std::uint32_t* m_additional;
};

}  // namespace dorv::rating

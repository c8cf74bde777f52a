#include "reports/MemoSteps.h"

namespace dorv::reports {

long NewestMemo(const std::vector<std::string>& texts) {
  return NextMemo(texts, static_cast<long>(texts.size()), -1);
}

long NextMemo(const std::vector<std::string>& texts, long from, int step) {
  const long count = static_cast<long>(texts.size());
  for (long index = from + step; index >= 0 && index < count; index += step)
    if (!texts[static_cast<std::size_t>(index)].empty()) return index;
  return -1;
}

}  // namespace dorv::reports

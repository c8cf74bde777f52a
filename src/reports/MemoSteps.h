#pragma once
#include <string>
#include <vector>

namespace dorv::reports {

// The memo texts of an entry in the order of its memo index, oldest first; a deleted memo has
// an empty text and is stepped over.

// The memo a viewer opens on: the newest with a text; -1 when there is none.
long NewestMemo(const std::vector<std::string>& texts);

// The nearest memo with a text before (step -1) or after (step +1) the one at `from`; -1 when
// there is none, so the button that would lead there is disabled.
long NextMemo(const std::vector<std::string>& texts, long from, int step);

}  // namespace dorv::reports

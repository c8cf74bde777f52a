#pragma once

namespace dorv::rating {

// How the call screen is opened: a call typed in afterwards, a call timed now, or a logged call
// opened again.
enum class CallScreenMode : int { ManualEntry = 1, Timing = 2, Reopen = 3 };

}  // namespace dorv::rating

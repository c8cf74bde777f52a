#pragma once
// Every text the user sees, exactly as shown. Line breaks are written "\r\n" as stored and
// shown as one line break.

namespace dorv::res {

inline constexpr const char* kProductTitle = "Dorv";
inline constexpr const char* kLogoTagline = "Telephone call cost estimates";
inline constexpr const char* kAboutText =
    "Dorv\r\nEstimates what telephone calls cost and keeps the records that go with them.";

inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuExit = "E&xit";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuAbout = "&About Dorv...";
inline constexpr const char* kStatusReady = "Ready";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";

inline constexpr const char* kErrorPersonalDatabase =
    "Error - Cannot access the personal database";
inline constexpr const char* kErrorMyInfo = "Error - Cannot access my setup information";
inline constexpr const char* kErrorInternal =
    "Error - An internal program error was detected - Contact Support\r\nError Code %i";
inline constexpr const char* kErrorReadEntry = "Error - Could not get the personal database entry";
inline constexpr const char* kErrorSaveEntry =
    "Error - Could not save the personal database entry";

inline constexpr const char* kMonthNames[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr const char* kUnknownMonth = "???";

inline constexpr const char* kNoticeRecurringCreated =
    "A New Recurring Charge Log for %s, %s Was Created";

// Sample database
inline constexpr const char* kErrorSampleDatabase = "Error - Cannot Access Our Sample Database";
inline constexpr const char* kErrorHourDefinitions =
    "Error - Cannot access the hour definition file";

}  // namespace dorv::res

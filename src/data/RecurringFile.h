#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "Charges.h"
#include "MoneyText.h"
#include "MyInfo.h"
#include "Notices.h"

namespace dorv::data {

// The contents of a month's recurring charge file, LOG/<Month><Year>.RCH.
struct RecurringFile {
  std::int32_t billingFromDay;
  std::int32_t billingThruDay;
  RecurringCharge charges[20];
};
static_assert(sizeof(RecurringFile) == 1448);
static_assert(offsetof(RecurringFile, billingThruDay) == 4);
static_assert(offsetof(RecurringFile, charges) == 8);

// Creates the month's file from the settings' billing days and recurring defaults and tells
// the user. Returns the open handle, or -1; a file that could not be written completely is
// removed again so that no torn month file is left behind. A month that already has a file
// keeps it untouched and the result is -1.
int CreateRecurringFile(const std::string& monthName, const std::string& yearText,
                        const MyInfo& info, Notices& notices);
// Opens an existing month's file for reading and writing; -1 when it is missing.
int OpenRecurringFile(const std::string& monthName, const std::string& yearText);
int OpenRecurringFileNumber(int month, int year);
// Opens an existing month's file for reading only; -1 when it is missing or cannot be opened.
int OpenRecurringFileForReading(int month, int year);

bool ReadRecurring(int handle, RecurringFile& contents);
// Replaces the month's file whole through the scratch file, so a failure leaves the stored
// charges as they were. On success the handle is closed and the new file's handle put in its
// place.
bool WriteRecurring(int& handle, int month, int year, const RecurringFile& contents);

}  // namespace dorv::data

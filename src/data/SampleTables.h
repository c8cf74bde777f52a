#pragma once
#include "SampleLocation.h"
#include "StateTables.h"
#include "TelcoFile.h"

namespace dorv::data {

// The sample files kept open for the program's whole run: the four region tables, the two
// state tables and the telephone companies.
struct SampleTables {
  LocationTable unitedStates;
  LocationTable canada;
  LocationTable mexico;
  LocationTable international;
  StateTable northAmericanStates;
  StateTable otherStates;
  TelcoFile telcos;

  // Opens them in start-up order (United States, Canada, Mexico, international, the two
  // state tables, the companies) and stops at the first failure, leaving the rest closed.
  bool Open();
  void Close();
  // Region 1 United States, 2 Canada, 3 Mexico, 4 international; nullptr for any other.
  LocationTable* Region(int region);
};

}  // namespace dorv::data

#include "SampleTables.h"

namespace dorv::data {

bool SampleTables::Open() {
  return unitedStates.Open(kUnitedStatesTable) && canada.Open(kCanadaTable) &&
         mexico.Open(kMexicoTable) && international.Open(kInternationalTable) &&
         northAmericanStates.Open(kNorthAmericanStates) && otherStates.Open(kOtherStates) &&
         telcos.Open();
}

void SampleTables::Close() {
  for (LocationTable* table : {&unitedStates, &canada, &mexico, &international}) table->Close();
  northAmericanStates.Close();
  otherStates.Close();
  telcos.Close();
}

LocationTable* SampleTables::Region(int region) {
  switch (region) {
    case 1: return &unitedStates;
    case 2: return &canada;
    case 3: return &mexico;
    case 4: return &international;
    default: return nullptr;
  }
}

}  // namespace dorv::data

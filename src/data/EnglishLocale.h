#pragma once
#include <locale.h>

namespace dorv::data {

// Day and month names are shown in English whatever the desktop's locale.
inline locale_t EnglishLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

}  // namespace dorv::data

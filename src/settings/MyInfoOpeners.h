#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "data/LocationSearch.h"

class QWidget;

namespace dorv::settings {

// The pickers the personal information dialog opens, handed in by whoever opens it. A picker
// left unset keeps its button disabled.
struct MyInfoOpeners {
  // The sample database lookup in its select role: the chosen location, or nothing.
  std::function<std::optional<data::LocationRow>(QWidget* parent)> pickLocation;
  // The telephone company dialog in its choosing role, opened on the current choice; true
  // when it ended with OK, the two values then holding the choice.
  std::function<bool(std::int32_t& accessCode, std::string& company, QWidget* parent)> chooseTelco;
};

}  // namespace dorv::settings

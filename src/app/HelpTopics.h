#pragma once
#include <span>
#include <string_view>

namespace dorv::app {

// A window class and the anchor of its topic in the guide.
struct HelpTopic {
  std::string_view windowClass;
  std::string_view anchor;
};

// Every window that has a topic of its own.
std::span<const HelpTopic> HelpTopics();

// The anchor of a window's topic from its class name, with or without its namespace; empty
// when it has none of its own.
std::string_view HelpAnchorOf(std::string_view className);

}  // namespace dorv::app

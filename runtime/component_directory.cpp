#include "runtime/component_directory.h"

#include <map>

namespace runtime {
namespace {

std::map<std::uint32_t, ComponentDirectory*>& Listed() {
  static std::map<std::uint32_t, ComponentDirectory*> windows;
  return windows;
}

}  // namespace

void ListWindow(std::uint32_t windowId, ComponentDirectory* directory) {
  Listed()[windowId] = directory;
}

void UnlistWindow(std::uint32_t windowId, const ComponentDirectory* directory) {
  auto& listed = Listed();
  auto it = listed.find(windowId);
  if (it != listed.end() && it->second == directory) listed.erase(it);
}

ComponentDirectory* FindWindowDirectory(std::uint32_t windowId) {
  auto& listed = Listed();
  auto it = listed.find(windowId);
  return it == listed.end() ? nullptr : it->second;
}

HWND ComponentWindow(std::uint32_t windowId, std::uint32_t componentId) {
  ComponentDirectory* directory = FindWindowDirectory(windowId);
  return directory ? directory->ComponentWindow(componentId) : nullptr;
}

}  // namespace runtime

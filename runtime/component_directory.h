#pragma once
// Where the lower layers find a component's window by its address (window id, component id)
// without knowing how windows are built: every window built from a form lists itself here while
// it exists.
#include <windows.h>

#include <cstdint>

namespace runtime {

class ComponentDirectory {
 public:
  // The child window of a component; the window itself for the window's own component id; null
  // for components without a window and unknown ids.
  virtual HWND ComponentWindow(std::uint32_t componentId) const = 0;

 protected:
  ~ComponentDirectory() = default;
};

// Lists directory under windowId, replacing any earlier one.
void ListWindow(std::uint32_t windowId, ComponentDirectory* directory);
// Takes windowId off the list if directory is still the one listed under it.
void UnlistWindow(std::uint32_t windowId, const ComponentDirectory* directory);
// The directory listed under windowId, or null.
ComponentDirectory* FindWindowDirectory(std::uint32_t windowId);

// The window handle of component (windowId, componentId), or null.
HWND ComponentWindow(std::uint32_t windowId, std::uint32_t componentId);

}  // namespace runtime

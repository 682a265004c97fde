#pragma once
// The description of a window and its components as data: the runtime builds the window from
// it. Component ids are fixed; the low word of each id is also the id the window system uses
// for the component's child window, menu command or timer, so it must be unique in a form.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace runtime {

enum class Kind { Timer, PictureBox, Menu, MenuItem, Button, EditBox, TransparentLabel };

class Form;

// Every action is handed the form whose component raised the event.
using Action = void (*)(Form& form);
// Left button pressed on a picture box: x, y in the box, and the Ctrl, Shift and Alt states.
using MouseAction = void (*)(Form& form, int x, int y, bool ctrl, bool shift, bool alt);

struct FontDef {
  const char* face;
  int height;  // negative: character height in pixels
  int weight;
  BYTE charset;
};

struct PictureData {
  const unsigned char* bytes = nullptr;
  std::size_t size = 0;
};

// Written with designated initializers: a row names what differs from these defaults.
struct ComponentDef {
  Kind kind;
  std::uint32_t id;
  const char* name;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;  // menu entries: false means hidden
  bool disabled = false;
  bool tabStop = false;
  const char* text = nullptr;  // caption, content or menu text ("-" is a separator)
  const FontDef* font = nullptr;  // null: the default GUI font
  const PictureData* picture = nullptr;
  bool wordWrap = false;  // transparent labels
  bool checked = false;   // menu items
  int menuLevel = 0;      // menu entries: 0 top level, 1 below it
  Action onEvent = nullptr;            // click, menu choice or timer tick
  MouseAction onMouseDown = nullptr;   // picture box
};

struct FormDef {
  std::uint32_t windowId;
  std::uint32_t componentId;  // the window itself as a component
  const char* className;
  const char* caption;
  int width, height;  // outer size; the window starts centred on the screen
  DWORD style;
  DWORD exStyle;
  const PictureData* background;  // tiled from the top-left corner over the button-face colour
  int iconResource;        // 0: none
  bool escCloses;
  std::span<const ComponentDef> components;
  Action onCreated;
};

// The low word of a component id, used as the child window, menu command and timer id.
constexpr UINT CommandId(std::uint32_t componentId) { return componentId & 0xFFFFu; }

// True when no two components share the low word of their id.
constexpr bool CommandIdsAreUnique(std::span<const ComponentDef> components) {
  for (std::size_t i = 0; i < components.size(); ++i)
    for (std::size_t j = i + 1; j < components.size(); ++j)
      if (CommandId(components[i].id) == CommandId(components[j].id)) return false;
  return true;
}

}  // namespace runtime

#pragma once
// A window built from its form definition, with its components and their properties. Writing a
// property takes effect on screen at once; events of the components run the bound actions.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/component_directory.h"
#include "runtime/dpi.h"
#include "runtime/form_def.h"
#include "runtime/picture.h"
#include "runtime/unique_handle.h"

namespace runtime {

// The form's numbers are design units (96 DPI); the window, its components and their fonts take
// them at the window's DPI, and again at a new one when Windows moves the window to a monitor of
// another scale (WM_DPICHANGED). Properties read and written in pixels (a component's top) are
// design units too.
class Form final : public ComponentDirectory {
 public:
  // Builds the window, still hidden and centred on the screen at the size for its DPI, then its
  // components in table order (stacked first on top, each clipped by those above it), and shows
  // the components whose visible flag is set. Null when the window cannot be created.
  static std::unique_ptr<Form> Create(const FormDef& definition);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND window() const { return window_; }
  const FormDef& definition() const { return definition_; }
  // The DPI the window is laid out for.
  int dpi() const { return dpi_; }

  // Runs the created event (the start-up handler) once.
  void RunCreated();
  // Ends the message loop (PostQuitMessage) when the window is destroyed.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  // The child window of a component; the window itself for the form's own component id; null for
  // components without a window (timer, menu entries, transparent labels) and unknown ids.
  HWND ComponentWindow(std::uint32_t id) const override;

  // Text of an edit box (its content), button, transparent label or menu item (its caption).
  std::string Text(std::uint32_t id) const;
  // Sets it; a transparent label is repainted at once over what lies beneath it.
  void SetText(std::uint32_t id, const std::string& text);
  bool Disabled(std::uint32_t id) const;
  // Disabling the control that has the focus first moves the focus to the next tab stop.
  void SetDisabled(std::uint32_t id, bool disabled);
  bool Checked(std::uint32_t id) const;  // menu items
  void SetChecked(std::uint32_t id, bool checked);
  int Top(std::uint32_t id) const;  // in client coordinates, design units
  void SetTop(std::uint32_t id, int top);
  int TimerPeriod(std::uint32_t id) const;  // milliseconds; 0 = not ticking
  // A negative value counts as 0; the current value changes nothing (a running timer keeps its
  // phase); any other value stops the timer and, above 0, starts a new one.
  void SetTimerPeriod(std::uint32_t id, int period);

  // A pop-up menu of the sub-items of a top-level menu entry, in form order: hidden items left
  // out, disabled ones greyed, checked ones checked, "-" as a separator line.
  UniqueMenu BuildPopupMenu(std::uint32_t menuId) const;

  // The area of a windowless transparent label in client coordinates, in pixels.
  RECT LabelRect(std::uint32_t id) const;

 private:
  struct Component {
    const ComponentDef* def = nullptr;
    Form* owner = nullptr;  // handed to the actions of a child window's own procedure
    HWND window = nullptr;
    std::string text;  // labels and menu entries; windows keep their own text
    bool disabled = false;
    bool checked = false;
    bool visible = true;
    int top = 0;
    int timerPeriod = 0;
    UniqueFont font;
    bool pictureLoaded = false;  // picture boxes: decoded on the first paint that shows a part
    DecodedPicture picture;
  };

  explicit Form(const FormDef& definition);
  bool CreateWindowAndComponents();
  void CreateComponent(Component& component, HWND& stackAbove);
  // A component's rectangle in client pixels at the window's DPI.
  RECT PixelRect(const Component& component) const;
  HFONT GuiFont() const;
  HFONT FontOf(const Component& component) const;
  // The suggested rectangle, then fonts and components at the new DPI, then a whole repaint.
  void OnDpiChanged(int dpi, const RECT& suggested);
  Component* Find(std::uint32_t id);
  const Component* Find(std::uint32_t id) const;
  Component* FindByCommand(UINT command, Kind kind);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void LoadPicture(Component& box);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void EraseBackground(HDC dc) const;
  void PaintLabels() const;
  void PaintLabel(HDC dc, const Component& label) const;
  void RepaintLabel(const Component& label);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void MoveFocusOnFrom(HWND control);

  const FormDef& definition_;
  HWND window_ = nullptr;
  int dpi_ = kDesignDpi;
  // The default GUI font at dpi_; empty where the stock font has that size already.
  UniqueFont guiFont_;
  bool quitOnDestroy_ = false;
  std::vector<Component> components_;
};

// The form of a window id while it exists, or null.
Form* FindForm(std::uint32_t windowId);

}  // namespace runtime

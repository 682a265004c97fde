#include "runtime/form.h"

#include "runtime/wide_text.h"

namespace runtime {
namespace {

constexpr char kPictureBoxClass[] = "CYPictureBox";

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

COLORREF ButtonFace() { return ::GetSysColor(COLOR_BTNFACE); }

// Registers a Unicode window class once per process: its windows get their messages, typed
// characters and texts included, in UTF-16.
void RegisterOnce(const char* name, WNDPROC procedure, int iconResource) {
  const std::wstring wideName = ToWide(name);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(Instance(), wideName.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Instance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = wideName.c_str();
  if (iconResource) {
    wc.hIcon = static_cast<HICON>(::LoadImageW(Instance(), MAKEINTRESOURCEW(iconResource),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(::LoadImageW(Instance(), MAKEINTRESOURCEW(iconResource),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  }
  ::RegisterClassExW(&wc);
}

bool Intersect(const RECT& a, const RECT& b, RECT* out) {
  return ::IntersectRect(out, &a, &b) != FALSE;
}

// A component's own font at dpi.
HFONT CreateComponentFont(const FontDef& font, int dpi) {
  return ::CreateFontW(Scaled(font.height, dpi), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                       font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, ToWide(font.face).c_str());
}

// The default GUI font's face at dpi, or null where the stock font has that size: Windows makes
// it for the system's DPI, the DPI of the screen at sign-in (96 on a screen at 100 %).
HFONT CreateGuiFont(int dpi) {
  const WindowDC screen(nullptr);
  const int systemDpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  LOGFONTW font{};
  if (dpi == systemDpi || systemDpi <= 0 ||
      !::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font))
    return nullptr;
  font.lfHeight = ::MulDiv(font.lfHeight, dpi, systemDpi);
  font.lfWidth = ::MulDiv(font.lfWidth, dpi, systemDpi);
  return ::CreateFontIndirectW(&font);
}

}  // namespace

Form::Form(const FormDef& definition) : definition_(definition) {}

std::unique_ptr<Form> Form::Create(const FormDef& definition) {
  std::unique_ptr<Form> form(new Form(definition));
  if (!form->CreateWindowAndComponents()) return nullptr;
  ListWindow(definition.windowId, form.get());
  return form;
}

Form::~Form() {
  UnlistWindow(definition_.windowId, this);
  if (window_ && ::IsWindow(window_)) {
    for (const Component& c : components_)
      if (c.def->kind == Kind::Timer && c.timerPeriod > 0)
        ::KillTimer(window_, CommandId(c.def->id));
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
}

bool Form::CreateWindowAndComponents() {
  RegisterOnce(definition_.className, WindowProc, definition_.iconResource);
  RegisterOnce(kPictureBoxClass, PictureBoxProc, 0);
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - definition_.width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - definition_.height) / 2;
  window_ =
      ::CreateWindowExW(definition_.exStyle, ToWide(definition_.className).c_str(),
                        ToWide(definition_.caption).c_str(), definition_.style, left, top,
                        definition_.width, definition_.height, nullptr, nullptr, Instance(), this);
  if (!window_) return false;
  // Windows sends no WM_DPICHANGED for the monitor the window opens on: the window takes the size
  // for that monitor's DPI here, centred as at 96 DPI.
  dpi_ = WindowDpi(window_);
  if (dpi_ != kDesignDpi) {
    const int width = Scaled(definition_.width, dpi_);
    const int height = Scaled(definition_.height, dpi_);
    ::SetWindowPos(window_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  guiFont_.reset(CreateGuiFont(dpi_));
  ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);

  components_.reserve(definition_.components.size());
  for (const ComponentDef& def : definition_.components) {
    Component& component = components_.emplace_back();
    component.def = &def;
    component.owner = this;
  }
  HWND stackAbove = nullptr;
  for (Component& component : components_) CreateComponent(component, stackAbove);
  for (Component& component : components_)
    if (component.window && component.def->visible) ::ShowWindow(component.window, SW_SHOWNA);
  return true;
}

void Form::CreateComponent(Component& c, HWND& stackAbove) {
  const ComponentDef& def = *c.def;
  c.disabled = def.disabled;
  c.checked = def.checked;
  c.visible = def.visible;
  c.top = def.top;
  c.text = def.text ? def.text : "";
  if (def.font) c.font.reset(CreateComponentFont(*def.font, dpi_));

  const char* windowClass = nullptr;
  // Each child window is clipped by the siblings stacked above it, so that a component that
  // repaints beneath the raised picture box cannot draw over it.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (def.disabled ? WS_DISABLED : 0) |
                (def.tabStop ? WS_TABSTOP : 0);
  switch (def.kind) {
    case Kind::Button:
      windowClass = "BUTTON";
      style |= BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
      break;
    case Kind::EditBox:
      windowClass = "EDIT";
      style |= WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
      break;
    case Kind::PictureBox:
      windowClass = kPictureBoxClass;  // its picture is decoded when it first shows (LoadPicture)
      break;
    case Kind::Timer:
    case Kind::Menu:
    case Kind::MenuItem:
    case Kind::TransparentLabel:
      return;  // no window of their own
  }
  const RECT r = PixelRect(c);
  c.window = ::CreateWindowExW(0, ToWide(windowClass).c_str(), ToWide(c.text).c_str(), style,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, window_,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(def.id)), Instance(),
                               nullptr);
  if (!c.window) return;
  ::SetWindowLongPtrW(c.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
  ::SendMessageW(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(c)), FALSE);
  if (def.kind == Kind::EditBox) ::SendMessageW(c.window, EM_SETLIMITTEXT, 0, 0);
  // Each component goes directly below the previous one: the first is on top.
  ::SetWindowPos(c.window, stackAbove ? stackAbove : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  stackAbove = c.window;
}

RECT Form::PixelRect(const Component& c) const {
  const ComponentDef& def = *c.def;
  return {Scaled(def.left, dpi_), Scaled(c.top, dpi_), Scaled(def.left + def.width, dpi_),
          Scaled(c.top + def.height, dpi_)};
}

HFONT Form::GuiFont() const {
  return guiFont_ ? guiFont_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HFONT Form::FontOf(const Component& c) const { return c.font ? c.font.get() : GuiFont(); }

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The fonts of the old DPI go once no window holds them any more.
  const UniqueFont oldGuiFont = std::move(guiFont_);
  guiFont_.reset(CreateGuiFont(dpi_));
  std::vector<UniqueFont> oldFonts;
  for (Component& c : components_) {
    if (c.def->font) {
      oldFonts.push_back(std::move(c.font));
      c.font.reset(CreateComponentFont(*c.def->font, dpi_));
    }
    if (!c.window) continue;
    const RECT r = PixelRect(c);
    ::SetWindowPos(c.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(c)), FALSE);
    // A picture box decodes its picture again, at the new scale, when it next shows.
    c.pictureLoaded = false;
    c.picture = {};
  }
  ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
  ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::RunCreated() {
  if (definition_.onCreated) definition_.onCreated(*this);
}

Form::Component* Form::Find(std::uint32_t id) {
  for (Component& c : components_)
    if (c.def->id == id) return &c;
  return nullptr;
}

const Form::Component* Form::Find(std::uint32_t id) const {
  return const_cast<Form*>(this)->Find(id);
}

Form::Component* Form::FindByCommand(UINT command, Kind kind) {
  for (Component& c : components_)
    if (c.def->kind == kind && CommandId(c.def->id) == command) return &c;
  return nullptr;
}

HWND Form::ComponentWindow(std::uint32_t id) const {
  if (id == definition_.componentId) return window_;
  const Component* c = Find(id);
  return c ? c->window : nullptr;
}

std::string Form::Text(std::uint32_t id) const {
  const Component* c = Find(id);
  if (!c) return {};
  if (!c->window) return c->text;
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(c->window)) + 1, L'\0');
  const int copied = ::GetWindowTextW(c->window, text.data(), static_cast<int>(text.size()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return ToNarrow(text);
}

void Form::SetText(std::uint32_t id, const std::string& text) {
  Component* c = Find(id);
  if (!c) return;
  c->text = text;
  if (c->window)
    ::SetWindowTextW(c->window, ToWide(text).c_str());
  else if (c->def->kind == Kind::TransparentLabel)
    RepaintLabel(*c);
}

bool Form::Disabled(std::uint32_t id) const {
  const Component* c = Find(id);
  if (!c) return false;
  return c->window ? !::IsWindowEnabled(c->window) : c->disabled;
}

void Form::SetDisabled(std::uint32_t id, bool disabled) {
  Component* c = Find(id);
  if (!c) return;
  c->disabled = disabled;
  if (!c->window) return;
  if (disabled && ::GetFocus() == c->window) MoveFocusOnFrom(c->window);
  ::EnableWindow(c->window, !disabled);
}

// A disabled control loses the keyboard focus, after which no key reaches the window as a key
// press. As a dialog does, the focus goes to the next tab stop first, or to the window itself when
// there is none, so that Tab and Esc keep working.
void Form::MoveFocusOnFrom(HWND control) {
  HWND next = ::GetNextDlgTabItem(window_, control, FALSE);
  ::SetFocus(next && next != control ? next : window_);
}

bool Form::Checked(std::uint32_t id) const {
  const Component* c = Find(id);
  return c && c->checked;
}

void Form::SetChecked(std::uint32_t id, bool checked) {
  if (Component* c = Find(id)) c->checked = checked;
}

int Form::Top(std::uint32_t id) const {
  const Component* c = Find(id);
  return c ? c->top : 0;
}

void Form::SetTop(std::uint32_t id, int top) {
  Component* c = Find(id);
  if (!c) return;
  c->top = top;
  if (c->window) {
    const RECT r = PixelRect(*c);
    ::SetWindowPos(c->window, nullptr, r.left, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int Form::TimerPeriod(std::uint32_t id) const {
  const Component* c = Find(id);
  return c ? c->timerPeriod : 0;
}

void Form::SetTimerPeriod(std::uint32_t id, int period) {
  Component* c = Find(id);
  if (!c || c->def->kind != Kind::Timer) return;
  if (period < 0) period = 0;
  if (period == c->timerPeriod) return;
  const UINT timerId = CommandId(c->def->id);
  if (c->timerPeriod > 0) ::KillTimer(window_, timerId);
  c->timerPeriod = period;
  if (period > 0) ::SetTimer(window_, timerId, static_cast<UINT>(period), nullptr);
}

UniqueMenu Form::BuildPopupMenu(std::uint32_t menuId) const {
  UniqueMenu popup(::CreatePopupMenu());
  bool inside = false;
  for (const Component& c : components_) {
    if (c.def->id == menuId) {
      inside = true;
      continue;
    }
    if (!inside) continue;
    if (c.def->kind != Kind::MenuItem || c.def->menuLevel == 0) break;
    if (c.def->menuLevel != 1 || !c.visible) continue;
    if (c.text == "-") {
      ::AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags =
        MF_STRING | (c.checked ? MF_CHECKED : MF_UNCHECKED) | (c.disabled ? MF_GRAYED : MF_ENABLED);
    ::AppendMenuW(popup.get(), flags, CommandId(c.def->id), ToWide(c.text).c_str());
  }
  return popup;
}

RECT Form::LabelRect(std::uint32_t id) const {
  const Component* c = Find(id);
  return c ? PixelRect(*c) : RECT{};
}

// The background picture is decoded for each erase, only the part the erase shows, and not
// kept: its pixels would hold half a megabyte for the whole run.
void Form::EraseBackground(HDC dc) const {
  RECT client;
  ::GetClientRect(window_, &client);
  const PictureData* background = definition_.background;
  if (background)
    PaintTiledFromBytes(dc, client, background->bytes, background->size, ButtonFace());
  else
    PaintTiled(dc, client, 0, 0, DecodedPicture{}, ButtonFace());
}

// Transparent labels have no window: they are drawn onto the window after the frame, through a
// device context that the child windows clip, so that a component above them covers them.
void Form::PaintLabels() const {
  WindowDC dc(window_);
  if (!dc.get()) return;
  for (const Component& c : components_)
    if (c.def->kind == Kind::TransparentLabel && c.visible) PaintLabel(dc.get(), c);
}

void Form::PaintLabel(HDC dc, const Component& label) const {
  RECT rect = LabelRect(label.def->id);
  SelectedObject selected(dc, FontOf(label));
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = ::SetTextColor(dc, RGB(255, 255, 255));
  UINT format = DT_LEFT | DT_NOPREFIX;
  format |= label.def->wordWrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
  ::DrawTextW(dc, ToWide(label.text).c_str(), -1, &rect, format);
  ::SetTextColor(dc, previousColour);
  ::SetBkMode(dc, previousMode);
}

// The window's area under the label is erased and painted at once (the frame beneath, then the
// labels), and every child window that overlaps the label is redrawn in the overlapping part.
void Form::RepaintLabel(const Component& label) {
  if (!window_) return;
  const RECT rect = LabelRect(label.def->id);
  ::InvalidateRect(window_, &rect, TRUE);
  ::UpdateWindow(window_);
  for (const Component& c : components_) {
    if (!c.window || !::IsWindowVisible(c.window)) continue;
    RECT childRect = PixelRect(c);
    RECT overlap;
    if (!Intersect(rect, childRect, &overlap)) continue;
    ::OffsetRect(&overlap, -childRect.left, -childRect.top);
    ::RedrawWindow(c.window, &overlap, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT command = LOWORD(wParam);
  if (lParam == 0 && HIWORD(wParam) == 0) {
    if (Component* item = FindByCommand(command, Kind::MenuItem); item && item->def->onEvent)
      item->def->onEvent(*this);
    return;
  }
  if (HIWORD(wParam) == BN_CLICKED) {
    Component* button = FindByCommand(command, Kind::Button);
    // A disabled button ignores clicks, also those sent to it as messages.
    if (button && button->window == reinterpret_cast<HWND>(lParam) &&
        ::IsWindowEnabled(button->window) && button->def->onEvent)
      button->def->onEvent(*this);
  }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      ::BeginPaint(window_, &ps);
      ::EndPaint(window_, &ps);
      PaintLabels();
      return 0;
    }
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_TIMER:
      if (Component* timer = FindByCommand(static_cast<UINT>(wParam), Kind::Timer);
          timer && timer->timerPeriod > 0 && timer->def->onEvent)
        timer->def->onEvent(*this);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      if (quitOnDestroy_) ::PostQuitMessage(0);
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    form->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return ::DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->window_ = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Form::PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<Component*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(window, &ps);
      RECT client, visible;
      ::GetClientRect(window, &client);
      if (box && ::GetClipBox(dc, &visible) != NULLREGION) LoadPicture(*box);
      PaintTiled(dc, client, 0, 0, box ? box->picture : DecodedPicture{}, ButtonFace());
      ::EndPaint(window, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (box && box->def->onMouseDown)
        box->def->onMouseDown(*box->owner, static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam)), (wParam & MK_CONTROL) != 0,
                              (wParam & MK_SHIFT) != 0, ::GetKeyState(VK_MENU) < 0);
      return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// A picture box out of sight (the panel below the client area) costs neither the decoding time
// nor the memory of its picture until a part of it shows.
void Form::LoadPicture(Component& box) {
  if (box.pictureLoaded) return;
  box.pictureLoaded = true;
  const PictureData* data = box.def->picture;
  if (!data) return;
  box.picture = DecodePicture(data->bytes, data->size, ButtonFace());
  // Without blending: the panel's QR codes must stay readable at every scale.
  if (const int dpi = box.owner->dpi_; dpi != kDesignDpi && box.picture.valid())
    box.picture =
        ScaledNearest(box.picture, Scaled(box.picture.width, dpi), Scaled(box.picture.height, dpi));
}

Form* FindForm(std::uint32_t windowId) {
  // Only forms list themselves.
  return static_cast<Form*>(FindWindowDirectory(windowId));
}

}  // namespace runtime

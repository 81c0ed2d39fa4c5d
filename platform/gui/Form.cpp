#include "platform/gui/Form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UiSeam.h"

namespace platform {

namespace {

constexpr char kClassName[] = "QuarvelinForm";
// Posted to a form whose OnClose chose Free: it is deleted once the event
// that closed it has returned.
constexpr UINT kFreeMessage = WM_USER + 0x100;

ATOM g_atom = 0;

bool Has(const std::vector<std::string>& words, std::string_view w) {
  return std::find(words.begin(), words.end(), w) != words.end();
}

bool SameFont(const LayoutFont& a, const LayoutFont& b) {
  return a.face == b.face && a.size == b.size && a.bold == b.bold && a.italic == b.italic;
}

std::string WithoutUtf8Bom(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  return text;
}

// The top-level windows that a modal form shuts off while it runs.
struct DisabledWindows {
  HWND modal;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM lParam) {
  auto* d = reinterpret_cast<DisabledWindows*>(lParam);
  if (hwnd != d->modal && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    d->windows.push_back(hwnd);
  }
  return TRUE;
}

BOOL CALLBACK CollectForm(HWND hwnd, LPARAM lParam) {
  if (Form* f = Form::FromHandle(hwnd)) reinterpret_cast<std::vector<Form*>*>(lParam)->push_back(f);
  return TRUE;
}

}  // namespace

void Form::RegisterWindowClass() {
  if (g_atom) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Form::WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kClassName;
  g_atom = RegisterClassExA(&wc);
  if (!g_atom) throw std::runtime_error("Fensterklasse der Formulare l\xE4sst sich nicht anmelden");
}

Form* Form::FromHandle(HWND hwnd) {
  if (!hwnd || !g_atom || GetClassLongPtrA(hwnd, GCW_ATOM) != g_atom) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

std::vector<Form*> ScreenForms() {
  std::vector<Form*> forms;
  EnumThreadWindows(GetCurrentThreadId(), &CollectForm, reinterpret_cast<LPARAM>(&forms));
  return forms;
}

Form::Form(const std::string& layoutName) : Form(std::vector<std::string>{layoutName}) {}

Form::Form(std::vector<std::string> layoutChain) : chain_(std::move(layoutChain)) {
  if (chain_.empty()) throw std::logic_error("Formular ohne Layout");
  try {
    Build();
  } catch (...) {
    Destroy();
    throw;
  }
}

Form::~Form() { Destroy(); }

void Form::Build() {
  RegisterWindowClass();
  const std::vector<FormLayout> layouts = LoadLayouts(true);
  hwnd_ = CreateWindowExA(0, kClassName, "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd_)
    throw std::runtime_error("Formular " + ClassName() + " l\xE4sst sich nicht anlegen (Fehler " +
                             std::to_string(GetLastError()) + ")");
  for (const auto& layout : layouts) {
    ApplyFormProperties(layout.form);
    ApplyComponents(layout, true);
  }
}

void Form::Destroy() noexcept {
  if (hwnd_) {
    // Detach first: the messages of the teardown must not reach a form that
    // is being taken apart.
    HWND hwnd = hwnd_;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
  components_.clear();
  byName_.clear();
  timers_.clear();
}

std::vector<FormLayout> Form::LoadLayouts(bool creating) const {
  std::vector<FormLayout> layouts;
  for (const auto& name : chain_) {
    auto data = LoadResData("FORM", name);
    if (!data) {
      if (creating) throw std::runtime_error("Formular " + name + ": gespeichertes Layout (FORM " + name + ") fehlt");
      continue;
    }
    auto parsed = ParseFormLayout(Utf8ToAnsi(WithoutUtf8Bom(std::move(*data))));
    if (!parsed.layout) throw std::runtime_error("Formular " + name + ", " + parsed.error);
    if (parsed.layout->form.name != name)
      throw std::runtime_error("Formular " + name + ": das Layout geh\xF6rt zu " + parsed.layout->form.name);
    layouts.push_back(std::move(*parsed.layout));
  }
  return layouts;
}

void Form::ReadLayout() {
  // Everything is parsed before anything changes.
  const std::vector<FormLayout> layouts = LoadLayouts(false);
  for (const auto& layout : layouts) {
    ApplyFormProperties(layout.form);
    ApplyComponents(layout, false);
  }
}

void Form::ApplyFormProperties(const LayoutObject& stored) {
  if (auto v = stored.Text("BorderStyle")) borderStyle_ = *v;
  if (auto v = stored.Words("BorderIcons")) borderIcons_ = *v;
  if (auto v = stored.Text("Position")) position_ = *v;
  if (auto v = stored.Int("ClientWidth")) clientWidth_ = *v;
  if (auto v = stored.Int("ClientHeight")) clientHeight_ = *v;
  if (auto v = stored.Int("HelpContext")) helpContext_ = *v;
  if (auto v = stored.Text("Caption")) SetCaption(*v);
  if (auto f = stored.Font()) {
    formFont_ = FontFor(*f);
    for (const auto& c : components_)
      if (auto* control = dynamic_cast<Control*>(c.get())) control->SetParentFont(formFont_);
  }
  ApplyWindowStyle();
  ApplyClientSize();
  const auto left = stored.Int("Left");
  const auto top = stored.Int("Top");
  if (position_ == "designed" && (left || top)) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    SetWindowPos(hwnd_, nullptr, left.value_or(r.left), top.value_or(r.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Form::ApplyWindowStyle() {
  DWORD style = 0;
  DWORD ex = 0;
  if (borderStyle_ == "none") {
    style = WS_POPUP;
  } else {
    style = WS_CAPTION;
    bool system = Has(borderIcons_, "system");
    bool minimize = Has(borderIcons_, "minimize");
    bool maximize = Has(borderIcons_, "maximize");
    if (borderStyle_ == "sizeable") style |= WS_THICKFRAME;
    if (borderStyle_ == "dialog") ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle_ == "toolwindow") ex |= WS_EX_TOOLWINDOW;
    if (borderStyle_ == "dialog" || borderStyle_ == "toolwindow") minimize = maximize = false;
    if (system) style |= WS_SYSMENU;
    if (system && minimize) style |= WS_MINIMIZEBOX;
    if (system && maximize) style |= WS_MAXIMIZEBOX;
    if (system && !minimize && !maximize && Has(borderIcons_, "help")) ex |= WS_EX_CONTEXTHELP;
  }
  constexpr DWORD kStyleMask = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  constexpr DWORD kExMask = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;
  const auto oldStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
  const auto oldEx = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
  const DWORD newStyle = (oldStyle & ~kStyleMask) | style;
  const DWORD newEx = (oldEx & ~kExMask) | ex;
  if (newStyle == oldStyle && newEx == oldEx) return;
  SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(newEx));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::ApplyClientSize() {
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT r{};
  GetWindowRect(hwnd_, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - w) / 2, work.top + (work.bottom - work.top - h) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ApplyComponents(const FormLayout& layout, bool creating) {
  for (const auto& stored : layout.components) {
    if (Component* existing = FindComponent(stored.name)) {
      if (existing->Kind() == stored.kind) {
        existing->Apply(stored);
      } else if (creating) {
        throw std::runtime_error("Formular " + ClassName() + ": " + stored.name + " ist schon ein " +
                                 std::string(existing->Kind()) + ", kein " + stored.kind);
      }
      continue;
    }
    // A language module re-reads what is there; it does not add components.
    if (!creating) continue;
    std::unique_ptr<Component> component = MakeComponent(*this, stored);
    if (!component)
      throw std::runtime_error("Formular " + ClassName() + ": f\xFCr die Art " + stored.kind + " gibt es keine Klasse");
    HWND parent = hwnd_;
    if (!stored.parent.empty()) {
      auto* container = dynamic_cast<Control*>(FindComponent(stored.parent));
      if (!container || !container->IsContainer())
        throw std::runtime_error("Formular " + ClassName() + ": " + stored.parent + " kann " + stored.name +
                                 " nicht enthalten");
      parent = container->Handle();
    }
    Component* raw = component.get();
    components_.push_back(std::move(component));
    byName_.emplace(stored.name, raw);
    raw->Create(stored, parent);
  }
}

Component* Form::FindComponent(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  return it == byName_.end() ? nullptr : it->second;
}

void Form::MissingComponent(std::string_view name) const {
  throw std::logic_error("Formular " + ClassName() + ": das Layout hat kein " + std::string(name));
}

void Form::WrongKind(const Component& c, std::string_view wanted) const {
  throw std::logic_error("Formular " + ClassName() + ": " + c.Name() + " ist ein " + std::string(c.Kind()) +
                         ", kein " + std::string(wanted));
}

bool Form::SetControlValue(const std::string& name, const std::string& value) {
  Component* c = FindComponent(name);
  return c && c->SetValue(value);
}

std::optional<std::string> Form::GetControlValue(const std::string& name) const {
  Component* c = FindComponent(name);
  return c ? c->Value() : std::nullopt;
}

std::string Form::Caption() const {
  if (!hwnd_) return {};
  const int length = GetWindowTextLengthA(hwnd_);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void Form::SetCaption(const std::string& caption) {
  if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

int Form::ClientWidth() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r.right - r.left;
}

int Form::ClientHeight() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r.bottom - r.top;
}

bool Form::Visible() const { return hwnd_ && (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void Form::Show() {
  if (!hwnd_) return;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (position_ == "screencenter") CenterOnScreen();
  }
  if (Visible()) {
    BringWindowToTop(hwnd_);
    return;
  }
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  RestoreFocus();
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Form::Close() {
  if (modal_) {
    // The modal loop asks OnClose once it sees the result.
    modalResult_ = mrCancel;
    return;
  }
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(action);
  if (action == CloseAction::None) return;
  Hide();
  if (action == CloseAction::Free && hwnd_) PostMessageA(hwnd_, kFreeMessage, 0, 0);
}

int Form::ShowModal() {
  UiRequest request;
  request.kind = UiKind::ModalForm;
  request.caption = Caption();
  request.helpContext = helpContext_;
  request.form = this;
  modalResult_ = RunModal(request, [this](UiRequest&) { return RunModalLoop(); });
  return modalResult_;
}

int Form::RunModalLoop() {
  if (!hwnd_ || Visible() || modal_)
    throw std::logic_error("Formular " + ClassName() + " ist schon sichtbar und kann nicht modal gezeigt werden");
  HWND previous = GetActiveWindow();
  DisabledWindows disabled{hwnd_, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));

  // Whatever ends the loop (a result, the quit request, an exception from an
  // event), the other windows come back.
  struct Restore {
    Form& form;
    DisabledWindows& disabled;
    HWND previous;
    ~Restore() {
      // Enabled first, so that the activation goes back to them when the form hides.
      for (HWND w : disabled.windows)
        if (IsWindow(w)) EnableWindow(w, TRUE);
      form.modal_ = false;
      form.Hide();
      if (previous && IsWindow(previous) && IsWindowVisible(previous)) SetActiveWindow(previous);
    }
  } restore{*this, disabled, previous};

  modal_ = true;
  modalResult_ = mrNone;
  Show();
  for (;;) {
    if (!hwnd_ || App().Terminated()) {
      modalResult_ = mrCancel;
      break;
    }
    if (modalResult_ != mrNone) {
      CloseAction action = CloseAction::Hide;
      if (OnClose) OnClose(action);
      if (action != CloseAction::None) break;
      modalResult_ = mrNone;  // vetoed: the form stays
    }
    App().HandleMessage();
  }
  return modalResult_;
}

void Form::RestoreFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) && IsWindowVisible(lastFocus_) &&
      IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
  // Without a control to take it the form keeps the focus, so that its keys
  // (Esc) still arrive.
  else if (GetFocus() != hwnd_) SetFocus(hwnd_);
}

bool Form::HandleDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !hwnd_ || !IsWindowEnabled(hwnd_)) return false;
  const WPARAM key = msg.wParam;
  if (key != VK_RETURN && key != VK_ESCAPE && key != VK_TAB) return false;
  if (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0) return false;
  UINT code = 0;
  if (msg.hwnd != hwnd_)
    code = static_cast<UINT>(SendMessageA(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg)));
  if (code & DLGC_WANTMESSAGE) return false;

  auto press = [](Button* b) {
    if (!b || !b->Handle() || !IsWindowVisible(b->Handle()) || !IsWindowEnabled(b->Handle())) return false;
    b->Click();
    return true;
  };
  switch (key) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      const bool back = GetKeyState(VK_SHIFT) < 0;
      HWND from = IsChild(hwnd_, msg.hwnd) ? msg.hwnd : nullptr;
      HWND next = GetNextDlgTabItem(hwnd_, from, back ? TRUE : FALSE);
      if (!next) return true;
      SetFocus(next);
      // As in dialogs: an edit reached by Tab has its text selected.
      if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
      return true;
    }
    case VK_RETURN: {
      if (code & DLGC_WANTALLKEYS) return false;
      // Enter presses the focused push button, otherwise the default button.
      auto* focused = dynamic_cast<Button*>(Control::FromHandle(msg.hwnd));
      return press(focused && focused->Owner().hwnd_ == hwnd_ ? focused : defaultButton_);
    }
    case VK_ESCAPE:
      if (code & DLGC_WANTALLKEYS) return false;
      return press(cancelButton_);
  }
  return false;
}

HFONT Form::FontFor(const LayoutFont& font) {
  for (const auto& [def, owned] : fonts_)
    if (SameFont(def, font)) return owned.Get();
  fonts_.emplace_back(font, CreateLayoutFont(font));
  return fonts_.back().second.Get();
}

HFONT Form::FormFont() const {
  return formFont_ ? formFont_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Form::SetDefaultButton(Button* button, bool isDefault) {
  if (isDefault) defaultButton_ = button;
  else if (defaultButton_ == button) defaultButton_ = nullptr;
}

void Form::SetCancelButton(Button* button, bool isCancel) {
  if (isCancel) cancelButton_ = button;
  else if (cancelButton_ == button) cancelButton_ = nullptr;
}

UINT_PTR Form::AddTimer(Timer* timer) {
  const UINT_PTR id = nextTimerId_++;
  timers_.emplace(id, timer);
  return id;
}

void Form::RemoveTimer(UINT_PTR id) { timers_.erase(id); }

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  std::optional<LRESULT> result;
  App().Guard([&] { result = self->HandleMessage(msg, wParam, lParam); });
  // self may be gone here (a form that freed itself).
  if (result) return *result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::optional<LRESULT> Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      LRESULT result = 0;
      if (Control::Reflect(msg, wParam, lParam, result)) return result;
      return std::nullopt;
    }
    case WM_TIMER: {
      auto it = timers_.find(static_cast<UINT_PTR>(wParam));
      if (it == timers_.end()) return std::nullopt;
      it->second->Fire();
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      } else if (!HIWORD(wParam)) {
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case kFreeMessage:
      delete this;
      return 0;
    default: return std::nullopt;
  }
}

}  // namespace platform

#include "platform/gui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/ControlKind.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Label.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UiSeam.h"

namespace platform {

namespace {

constexpr char kClassName[] = "QuarvelinForm";
// Posted to a form whose OnClose chose Free: it is deleted once the event
// that closed it has returned.
constexpr UINT kFreeMessage = WM_USER + 0x100;

constexpr std::string_view kBorderStyles[] = {"sizeable", "single", "dialog", "none", "toolwindow"};
constexpr std::string_view kBorderIcons[] = {"system", "minimize", "maximize", "help"};
constexpr std::string_view kPositions[] = {"designed", "screencenter"};
constexpr std::string_view kFormStyles[] = {"normal", "stayontop"};

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

// The stored layout of that name, parsed; nothing when there is none.
std::optional<LayoutParseResult> ParseStoredLayout(const std::string& name) {
  auto data = LoadResData("FORM", name);
  if (!data) return std::nullopt;
  return ParseFormLayout(Utf8ToAnsi(WithoutUtf8Bom(std::move(*data))), ControlKinds());
}

BOOL CALLBACK CollectForm(HWND hwnd, LPARAM lParam) {
  if (Form* f = Form::FromHandle(hwnd)) reinterpret_cast<std::vector<Form*>*>(lParam)->push_back(f);
  return TRUE;
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

std::span<const PropSpec> Form::StoredProperties() {
  // Applied by ApplyFormProperties: the form is no component.
  static constexpr PropSpec kProps[] = {
      {"Caption", PropType::Text},
      {"ClientWidth", PropType::Int, {}, true},
      {"ClientHeight", PropType::Int, {}, true},
      {"Left", PropType::Int},
      {"Top", PropType::Int},
      {"BorderStyle", PropType::Word, kBorderStyles},
      {"BorderIcons", PropType::WordList, kBorderIcons},
      {"Position", PropType::Word, kPositions},
      {"FormStyle", PropType::Word, kFormStyles},
      {"Font", PropType::Font},
      {"HelpContext", PropType::Int},
      // Read before the form is built (StoredChain); nothing to apply.
      {"BaseForm", PropType::Text},
  };
  return kProps;
}

Form* Form::FromHandle(HWND hwnd) { return dynamic_cast<Form*>(TopWindow::FromHandle(hwnd)); }

std::vector<Form*> ScreenForms() {
  std::vector<Form*> forms;
  EnumThreadWindows(GetCurrentThreadId(), &CollectForm, reinterpret_cast<LPARAM>(&forms));
  return forms;
}

Form::Form(const std::string& layoutName) : Form(StoredChain(layoutName)) {}

std::vector<std::string> Form::StoredChain(const std::string& layoutName) {
  std::vector<std::string> chain{layoutName};
  for (;;) {
    // A layout that is missing or does not parse is reported when the form
    // is built from the chain.
    const auto parsed = ParseStoredLayout(chain.front());
    if (!parsed || !parsed->layout) break;
    const auto base = parsed->layout->form.Text("BaseForm");
    if (!base || base->empty()) break;
    if (std::find(chain.begin(), chain.end(), *base) != chain.end())
      throw std::runtime_error("Formular " + layoutName + ": " + *base + " ist sein eigenes Basisformular");
    chain.insert(chain.begin(), *base);
  }
  return chain;
}

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
  const std::vector<FormLayout> layouts = LoadLayouts(true);
  CreateTopWindow({.className = kClassName,
                   .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .classStyle = CS_DBLCLKS});
  for (const auto& layout : layouts) {
    ApplyFormProperties(layout.form);
    ApplyComponents(layout, true);
  }
}

void Form::Destroy() noexcept {
  DestroyTopWindow();
  components_.clear();
  byName_.clear();
  byId_.clear();
  timers_.clear();
  commands_.clear();
  popupOpening_.clear();
}

std::vector<FormLayout> Form::LoadLayouts(bool creating) const {
  std::vector<FormLayout> layouts;
  for (const auto& name : chain_) {
    auto parsed = ParseStoredLayout(name);
    if (!parsed) {
      if (creating) throw std::runtime_error("Formular " + name + ": gespeichertes Layout (FORM " + name + ") fehlt");
      continue;
    }
    if (!parsed->layout) throw std::runtime_error("Formular " + name + ", " + parsed->error);
    if (parsed->layout->form.name != name)
      throw std::runtime_error("Formular " + name + ": das Layout geh\xF6rt zu " + parsed->layout->form.name);
    layouts.push_back(std::move(*parsed->layout));
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
  if (auto v = stored.Text("FormStyle")) SetStayOnTop(*v == "stayontop");
  if (auto f = stored.Font()) {
    formFont_ = FontFor(*f);
    for (const auto& c : components_)
      if (auto* control = dynamic_cast<Control*>(c.get())) control->SetParentFont(formFont_);
  }
  ApplyWindowStyle();
  ApplyClientSize();
  const auto left = stored.Int("Left");
  const auto top = stored.Int("Top");
  if (position_ == "designed" && (left || top)) SetPosition(left.value_or(Left()), top.value_or(Top()));
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
  const auto oldStyle = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  const auto oldEx = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE));
  const DWORD newStyle = (oldStyle & ~kStyleMask) | style;
  const DWORD newEx = (oldEx & ~kExMask) | ex;
  if (newStyle == oldStyle && newEx == oldEx) return;
  SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>(newStyle));
  SetWindowLongPtrA(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(newEx));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::ApplyClientSize() { SetClientSize(clientWidth_, clientHeight_); }

void Form::ApplyComponents(const FormLayout& layout, bool creating) {
  for (const auto& stored : layout.components) {
    const ControlKind* kind = FindControlKind(stored.kind);
    if (Component* existing = FindComponent(stored.name)) {
      if (existing->Kind() == stored.kind) {
        if (kind) ApplyStoredProperties(*kind, *existing, stored);
      } else if (creating) {
        throw std::runtime_error("Formular " + ClassName() + ": " + stored.name + " ist schon ein " +
                                 std::string(existing->Kind()) + ", kein " + stored.kind);
      }
      continue;
    }
    // A language module re-reads what is there; it does not add components.
    if (!creating) continue;
    if (!kind)
      throw std::runtime_error("Formular " + ClassName() + ": f\xFCr die Art " + stored.kind + " gibt es keine Klasse");
    std::unique_ptr<Component> component = kind->make(*this, stored.name);
    Component* parent = nullptr;
    if (!stored.parent.empty()) {
      parent = FindComponent(stored.parent);
      if (!parent)
        throw std::runtime_error("Formular " + ClassName() + ": " + stored.parent + " kann " + stored.name +
                                 " nicht enthalten");
    }
    Component* raw = component.get();
    components_.push_back(std::move(component));
    byName_.emplace(stored.name, raw);
    raw->Create(stored, parent);
    ApplyStoredProperties(*kind, *raw, stored);
  }
}

Component* Form::FindComponent(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  return it == byName_.end() ? nullptr : it->second;
}

std::vector<Component*> Form::Components() const {
  std::vector<Component*> all;
  all.reserve(components_.size());
  for (const auto& c : components_) all.push_back(c.get());
  return all;
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

// ---- Caption, size and place -------------------------------------------

std::string Form::Caption() const { return WindowText(Handle()); }

void Form::SetCaption(const std::string& caption) {
  if (Handle()) SetWindowTextA(Handle(), caption.c_str());
}

namespace {
RECT WindowRectOf(HWND hwnd) {
  RECT r{};
  if (hwnd) GetWindowRect(hwnd, &r);
  return r;
}
RECT ClientRectOf(HWND hwnd) {
  RECT r{};
  if (hwnd) GetClientRect(hwnd, &r);
  return r;
}
}  // namespace

int Form::Left() const { return WindowRectOf(Handle()).left; }
int Form::Top() const { return WindowRectOf(Handle()).top; }
int Form::Width() const {
  const RECT r = WindowRectOf(Handle());
  return r.right - r.left;
}
int Form::Height() const {
  const RECT r = WindowRectOf(Handle());
  return r.bottom - r.top;
}
int Form::ClientWidth() const { return ClientRectOf(Handle()).right; }
int Form::ClientHeight() const { return ClientRectOf(Handle()).bottom; }

void Form::SetBounds(int left, int top, int width, int height) {
  if (Handle()) SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetPosition(int left, int top) {
  if (Handle()) SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetSize(int width, int height) {
  if (Handle()) SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(int width, int height) {
  if (!Handle()) return;
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), menuBar_ ? TRUE : FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
  SetSize(r.right - r.left, r.bottom - r.top);
  // A menu bar that wraps onto a second line takes more client height away
  // than the frame computation knows; an empty one takes none.
  if (menuBar_) {
    const int missing = height - ClientHeight();
    if (missing != 0) SetSize(r.right - r.left, r.bottom - r.top + missing);
  }
}

void Form::PlaceLike(const Form& other) {
  // Placed on purpose: the first showing no longer centres it.
  position_ = "designed";
  SetPosition(other.Left(), other.Top());
}

void Form::CenterOnScreen() {
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SetPosition(work.left + (work.right - work.left - Width()) / 2, work.top + (work.bottom - work.top - Height()) / 2);
}

bool Form::Enabled() const { return Handle() && IsWindowEnabled(Handle()); }

void Form::SetEnabled(bool enabled) {
  if (Handle()) EnableWindow(Handle(), enabled ? TRUE : FALSE);
}

bool Form::StayOnTop() const { return Handle() && (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST); }

void Form::SetStayOnTop(bool onTop) {
  if (!Handle()) return;
  constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // Wine puts a window below the pop-ups it owns that stand above it instead
  // of making it topmost; the tool tip is one, so it is owned by no window
  // while the form moves.
  const bool detach = onTop && toolTip_;
  if (detach) SetWindowLongPtrA(toolTip_, GWLP_HWNDPARENT, 0);
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
  if (detach) SetWindowLongPtrA(toolTip_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
}

Control* Form::ActiveControl() const {
  HWND focus = GetFocus();
  if (!focus || !IsChild(Handle(), focus)) focus = lastFocus_;
  for (HWND w = focus; w && w != Handle(); w = GetParent(w))
    if (Control* c = Control::FromHandle(w); c && &c->Owner() == this) return c;
  return nullptr;
}

// ---- Showing, closing, modal use ---------------------------------------

bool Form::Visible() const { return Handle() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VISIBLE); }

void Form::Show() {
  if (!Handle()) return;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (position_ == "screencenter") CenterOnScreen();
  }
  if (Visible()) {
    BringWindowToTop(Handle());
    return;
  }
  ShowWindow(Handle(), SW_SHOWNORMAL);
  RestoreFocus();
}

void Form::Hide() {
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return;
  if (modal_) {
    // The modal loop asks OnClose once it sees the result.
    modalResult_ = mrCancel;
    return;
  }
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(action);
  if (action == CloseAction::None) return;
  Hide();
  if (action == CloseAction::Free && Handle()) PostMessageA(Handle(), kFreeMessage, 0, 0);
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
  if (!Handle() || Visible() || modal_)
    throw std::logic_error("Formular " + ClassName() + " ist schon sichtbar und kann nicht modal gezeigt werden");
  ModalScope scope(Handle());
  // Whatever ends the loop (a result, the quit request, an exception from an
  // event), the other windows come back before the form hides, so that the
  // activation returns to them.
  struct Restore {
    Form& form;
    ModalScope& scope;
    ~Restore() {
      scope.Release();
      form.modal_ = false;
      form.Hide();
    }
  } restore{*this, scope};

  modal_ = true;
  modalResult_ = mrNone;
  Show();
  for (;;) {
    if (!Handle() || App().Terminated()) {
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
  // Focus already given inside the form (as it shows, before the window
  // manager activates it) stays where it is.
  if (HWND focus = GetFocus(); focus && IsChild(Handle(), focus)) return;
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
      IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
  // Without a control to take it the form keeps the focus, so that its keys
  // (Esc) still arrive.
  else if (GetFocus() != Handle()) SetFocus(Handle());
}

void Form::Showing() {
  if (OnShow) OnShow();
}

void Form::Resized() {
  if (OnResize) OnResize();
}

void Form::HelpRequested(int helpContext) { App().HelpContext(helpContext); }

// ---- Keys -----------------------------------------------------------------

int Form::HelpContextFor(HWND focus) const {
  for (HWND w = focus; w && w != Handle(); w = GetParent(w)) {
    if (Control* c = Control::FromHandle(w); c && c->HelpContext() != 0) return c->HelpContext();
  }
  return helpContext_;
}

bool Form::PreTranslateKey(const MSG& msg) {
  if (!Handle() || !IsWindowEnabled(Handle())) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && !KeyDown(VK_CONTROL) && !KeyDown(VK_SHIFT) &&
      !KeyDown(VK_MENU)) {
    HelpRequested(HelpContextFor(msg.hwnd));
    return true;
  }
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && HandleShortCut(msg)) return true;
  if (msg.message == WM_SYSCHAR && HandleLabelMnemonic(msg)) return true;
  for (const auto& c : components_)
    if (auto* control = dynamic_cast<Control*>(c.get()); control && control->FormKey(msg)) return true;
  return false;
}

bool Form::HandleShortCut(const MSG& msg) {
  const ShortCut pressed{static_cast<UINT>(msg.wParam), KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), KeyDown(VK_MENU)};
  for (auto& [id, command] : commands_) {
    if (command.shortcut.key == 0 || !(command.shortcut == pressed)) continue;
    // Copied: the command may remove itself.
    auto invoke = command.invoke;
    if (invoke) invoke();
    return true;
  }
  return false;
}

bool Form::HandleLabelMnemonic(const MSG& msg) {
  // A label moves the focus to the control it names, or else to the next
  // one in tab order (our form is no dialog window, so the dialog navigation
  // would not). On screen, not only visible by style: labels on a hidden tab
  // sheet do not count.
  for (const auto& c : components_) {
    auto* label = dynamic_cast<Label*>(c.get());
    if (!label || !label->ShowAccelChar() || !IsWindowVisible(label->Handle())) continue;
    if (!MatchesMnemonic(label->Caption(), msg.wParam)) continue;
    auto* target = label->FocusControl().empty()
                       ? Control::FromHandle(GetNextDlgTabItem(Handle(), label->Handle(), FALSE))
                       : dynamic_cast<Control*>(FindComponent(label->FocusControl()));
    if (!target || !IsWindowVisible(target->Handle()) || !target->Enabled()) continue;
    target->SetFocus();
    if (SendMessageA(target->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
      SendMessageA(target->Handle(), EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

// ---- Menus, commands, tooltips --------------------------------------------

int Form::AddCommand(FormCommand command) {
  const int id = nextId_++;
  commands_.emplace(id, std::move(command));
  return id;
}

void Form::RemoveCommand(int id) { commands_.erase(id); }

void Form::SetCommandShortCut(int id, ShortCut shortcut) {
  if (auto it = commands_.find(id); it != commands_.end()) it->second.shortcut = shortcut;
}

void Form::SetPopupOpening(HMENU menu, std::function<void()> opening) {
  if (opening) popupOpening_[menu] = std::move(opening);
  else popupOpening_.erase(menu);
}

void Form::SetMenuBar(HMENU menu) {
  if (!Handle() || menu == menuBar_) return;
  const int width = ClientWidth();
  const int height = ClientHeight();
  menuBar_ = menu;
  SetMenu(Handle(), menu);
  SetClientSize(width, height);
}

void Form::SetToolTip(HWND control, const std::string& text) {
  if (!Handle()) return;
  if (!toolTip_) {
    if (text.empty()) return;
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!toolTip_) return;
    SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (text.empty()) return;
  std::string copy = text;
  info.lpszText = copy.data();
  SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

bool Form::Command(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  auto from = reinterpret_cast<HWND>(lParam);
  if (!from) {
    // A menu (code 0), an accelerator (code 1), or the dialog navigation,
    // which names a button by its id alone when the button lies inside a
    // container.
    if (auto it = commands_.find(id); it != commands_.end()) {
      auto invoke = it->second.invoke;
      if (invoke) invoke();
      return true;
    }
    if (auto it = byId_.find(id); it != byId_.end() && it->second->Handle()) {
      from = it->second->Handle();
    } else if (id == IDCANCEL) {
      // Esc.
      if (cancelButton_ && cancelButton_->Handle() && IsWindowVisible(cancelButton_->Handle()) &&
          IsWindowEnabled(cancelButton_->Handle()))
        cancelButton_->Click();
      return true;
    } else if (id == IDOK) {
      return true;  // Enter without a default button
    } else {
      return MenuCommand(id);
    }
  }
  return Control::Reflect(WM_COMMAND, wParam, reinterpret_cast<LPARAM>(from)).has_value();
}

// ---- For the controls -----------------------------------------------------

HFONT Form::FontFor(const LayoutFont& font) {
  for (const auto& [def, owned] : fonts_)
    if (SameFont(def, font)) return owned.Get();
  fonts_.emplace_back(font, CreateLayoutFont(font));
  return fonts_.back().second.Get();
}

HFONT Form::FormFont() const {
  return formFont_ ? formFont_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int Form::AddControlId(Control* control) {
  const int id = nextId_++;
  byId_.emplace(id, control);
  return id;
}

void Form::RemoveControlId(int id) { byId_.erase(id); }

bool Form::MeasureItem(LPARAM lParam) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!item || item->CtlType == ODT_MENU) return false;
  auto it = byId_.find(static_cast<int>(item->CtlID));
  if (it == byId_.end()) return false;
  bool handled = false;
  App().Guard([&] { handled = it->second->OnMeasureItem(*item); });
  return handled;
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

// ---- Messages ---------------------------------------------------------------

namespace {
// A button that can be pressed now.
bool Pressable(const Button* b) {
  return b && b->Handle() && IsWindowVisible(b->Handle()) && IsWindowEnabled(b->Handle());
}
}  // namespace

std::optional<LRESULT> Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (Command(wParam, lParam)) return 0;
      break;
    case DM_GETDEFID: {
      // Enter presses the focused push button, else the default button.
      if (auto* focused = dynamic_cast<Button*>(Control::FromHandle(GetFocus()));
          focused && &focused->Owner() == this && Pressable(focused))
        return MAKELRESULT(GetDlgCtrlID(focused->Handle()), DC_HASDEFID);
      if (Pressable(defaultButton_)) return MAKELRESULT(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
      return 0;
    }
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
      if (auto reflected = Control::Reflect(msg, wParam, lParam)) return reflected;
      break;
    case WM_MEASUREITEM:
      if (MeasureItem(lParam)) return TRUE;
      break;
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam) == 0) {
        if (auto it = popupOpening_.find(reinterpret_cast<HMENU>(wParam)); it != popupOpening_.end()) {
          auto opening = it->second;
          opening();
          return 0;
        }
      }
      break;
    case WM_HELP: {
      const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
      if (!info) break;
      if (info->iContextType == HELPINFO_MENUITEM) {
        auto it = commands_.find(info->iCtrlId);
        HelpRequested(it != commands_.end() && it->second.helpContext ? it->second.helpContext() : helpContext_);
      } else {
        HelpRequested(HelpContextFor(static_cast<HWND>(info->hItemHandle)));
      }
      return TRUE;
    }
    case WM_TIMER: {
      auto it = timers_.find(static_cast<UINT_PTR>(wParam));
      if (it == timers_.end()) break;
      it->second->Fire();
      return 0;
    }
    case WM_SHOWWINDOW:
      if (wParam) Showing();
      break;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Resized();
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        WindowHold::Deactivated(Handle());
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
    default: break;
  }
  return FormMessage(msg, wParam, lParam);
}

// ---- Shortcut texts -------------------------------------------------------

namespace {

struct KeyName {
  UINT key;
  std::string_view shown;  // as menus show it
  std::string_view alias;  // the English spelling, also accepted
};

constexpr KeyName kKeyNames[] = {
    {VK_DELETE, "Entf", "Del"},    {VK_INSERT, "Einfg", "Ins"},    {VK_ESCAPE, "Esc", "Escape"},
    {VK_RETURN, "Eingabe", "Enter"}, {VK_TAB, "Tab", "Tab"},       {VK_SPACE, "Leer", "Space"},
    {VK_HOME, "Pos1", "Home"},     {VK_END, "Ende", "End"},        {VK_PRIOR, "Bild auf", "PgUp"},
    {VK_NEXT, "Bild ab", "PgDn"},  {VK_BACK, "R\xFC" "cktaste", "Backspace"},
    {VK_LEFT, "Links", "Left"},    {VK_RIGHT, "Rechts", "Right"},  {VK_UP, "Oben", "Up"},
    {VK_DOWN, "Unten", "Down"},
};

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

std::optional<UINT> KeyFromName(std::string_view name) {
  if (name.size() == 1) {
    auto c = static_cast<unsigned char>(name[0]);
    if (c >= 'a' && c <= 'z') c -= 32;
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
    int n = 0;
    for (char ch : name.substr(1)) {
      if (ch < '0' || ch > '9') return std::nullopt;
      n = n * 10 + (ch - '0');
    }
    if (n >= 1 && n <= 24) return VK_F1 + static_cast<UINT>(n - 1);
    return std::nullopt;
  }
  for (const auto& k : kKeyNames)
    if (SameNoCase(name, k.shown) || SameNoCase(name, k.alias)) return k.key;
  return std::nullopt;
}

}  // namespace

std::string ShortCutText(const ShortCut& s) {
  if (s.key == 0) return {};
  std::string text;
  if (s.ctrl) text += "Strg+";
  if (s.shift) text += "Umschalt+";
  if (s.alt) text += "Alt+";
  if ((s.key >= 'A' && s.key <= 'Z') || (s.key >= '0' && s.key <= '9')) return text + static_cast<char>(s.key);
  if (s.key >= VK_F1 && s.key <= VK_F24) return text + "F" + std::to_string(s.key - VK_F1 + 1);
  for (const auto& k : kKeyNames)
    if (k.key == s.key) return text + std::string(k.shown);
  return text + "?";
}

std::optional<ShortCut> ParseShortCut(std::string_view text) {
  ShortCut s;
  while (true) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus + 1 >= text.size()) break;
    const std::string_view mod = text.substr(0, plus);
    if (SameNoCase(mod, "Strg") || SameNoCase(mod, "Ctrl")) s.ctrl = true;
    else if (SameNoCase(mod, "Umschalt") || SameNoCase(mod, "Shift")) s.shift = true;
    else if (SameNoCase(mod, "Alt")) s.alt = true;
    else return std::nullopt;
    text.remove_prefix(plus + 1);
  }
  if (text.empty()) return std::nullopt;
  auto key = KeyFromName(text);
  if (!key) return std::nullopt;
  s.key = *key;
  return s;
}

bool CheckShortCut(std::string_view text, std::string& why) {
  if (text.empty() || ParseShortCut(text)) return true;
  // Built piece by piece: GCC 12 warns falsely (restrict) on "=" and "+".
  why.assign(1, '"');
  why += text;
  why += "\" ist keine Taste (etwa \"Strg+O\", \"F5\", \"Umschalt+Entf\")";
  return false;
}

}  // namespace platform

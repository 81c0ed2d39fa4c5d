#pragma once
// Forms: top-level windows whose controls come from a stored layout (a FORM
// resource named after the form class, see FormLayout.h).
//
// A form class passes its layout name to the constructor, which reads the
// resource from the current resource source and creates the window and every
// component. The class then binds its members by name:
//
//   class TBeispielDlg : public platform::Form {
//    public:
//     TBeispielDlg() : Form("TBeispielDlg") {
//       btnOk.OnClick = [this] { btnOkClick(); };
//     }
//     platform::Button& btnOk = Find<platform::Button>("btnOk");
//     ...
//   };
//
// ReadLayout re-reads the stored layouts into the live form (the language
// switch does this for every form on the screen).
//
// Keys work as in the system's dialogs: Tab and Shift+Tab walk the controls
// in creation order, the arrow keys move inside a group of radio buttons,
// Alt with the "&" letter of a caption presses that button or moves to the
// control a label belongs to, Enter presses the focused or else the default
// button, Esc the cancel button. A menu item's shortcut runs it from
// anywhere in the form; F1 asks for the help context of the focused control
// (or of its nearest container that has one, else of the form), and F1 on a
// highlighted menu item for that item's. Controls with keys of their own
// (Ctrl+Tab in a page control) take them before the dialog navigation.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/gui/Font.h"
#include "platform/gui/FormLayout.h"
#include "platform/gui/TopWindow.h"

namespace platform {

class Button;
class Timer;

// What closing a form does; the OnClose hook may change it.
enum class CloseAction {
  None,  // the form stays open (veto)
  Hide,  // the default: the form is hidden, the object stays
  Free,  // hidden, then deleted once the event has returned (modeless forms made
         // with new only; a modal form just ends, its caller frees it)
};

// A key with its modifiers, as a menu item's shortcut names it ("Strg+O").
struct ShortCut {
  UINT key = 0;  // virtual-key code; 0: none
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool operator==(const ShortCut&) const = default;
};

// What a menu command does; registered by menu items with the form that
// shows them.
struct FormCommand {
  std::function<void()> invoke;       // runs the command (when it is enabled)
  std::function<int()> helpContext;   // F1 on the highlighted item
  ShortCut shortcut;
};

class Form : public TopWindow {
 public:
  // The layout named after the form class, after the layouts of the base
  // forms it names (BaseForm).
  explicit Form(const std::string& layoutName);
  // A form class derived from another form class reads the layouts of the
  // chain, the base class's first; each later one adds components or changes
  // stored properties.
  explicit Form(std::vector<std::string> layoutChain);
  // The chain of a layout: the base forms its layout names (BaseForm = "..."),
  // the farthest first, then the layout itself.
  static std::vector<std::string> StoredChain(const std::string& layoutName);
  ~Form() override;

  // The name of the form's own class (the last layout of the chain).
  const std::string& ClassName() const { return chain_.back(); }
  // The form object of a window; nullptr when it is not one of our forms.
  static Form* FromHandle(HWND hwnd);
  // The form's own stored properties (Caption, ClientWidth, ...).
  static std::span<const PropSpec> StoredProperties();

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }

  // Size and place. Left/Top/Width/Height are the outer rectangle on the
  // screen; the client size is the area inside frame, caption and menu bar.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  int ClientWidth() const;
  int ClientHeight() const;
  void SetBounds(int left, int top, int width, int height);
  void SetPosition(int left, int top);
  void SetSize(int width, int height);
  void SetClientSize(int width, int height);
  // Where the other form stands now (a wizard's next page takes the place
  // of the one before), also at a first showing that would centre it.
  void PlaceLike(const Form& other);
  void CenterOnScreen();

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool StayOnTop() const;
  void SetStayOnTop(bool onTop);
  // The control that has the focus, or had it last while the form was
  // inactive; nullptr when none.
  Control* ActiveControl() const;

  // Modeless use.
  void Show();
  void Hide();
  bool Visible() const;
  // Asks OnCloseQuery and OnClose what to do; by default the form is hidden,
  // and a modal form ends with mrCancel.
  void Close();

  // Events. OnShow runs each time the form becomes visible, OnResize after
  // each change of its size; OnCloseQuery may veto a close (canClose =
  // false) before OnClose decides what closing does.
  std::function<void()> OnShow;
  std::function<void()> OnResize;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void(CloseAction&)> OnClose;

  // Shows the form modally through the modal seam (UiSeam.h) and returns the
  // modal result. A button's ModalResult, SetModalResult or Close ends it.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Typed lookup of a component by name; throws std::logic_error when the
  // layout has no such component or it is of another kind.
  template <class T>
  T& Find(std::string_view name) {
    Component* c = FindComponent(name);
    if (!c) MissingComponent(name);
    T* typed = dynamic_cast<T*>(c);
    if (!typed) {
      if constexpr (requires { T::kKind; }) WrongKind(*c, T::kKind);
      else WrongKind(*c, typeid(T).name());
    }
    return *typed;
  }
  Component* FindComponent(std::string_view name) const;
  // Every component, in creation order.
  std::vector<Component*> Components() const;

  // Filling and reading controls by name, for scripted modal answers: the
  // text of an edit, "0"/"1" for a check box. False when there is no such
  // control or it takes no value.
  virtual bool SetControlValue(const std::string& name, const std::string& value);
  virtual std::optional<std::string> GetControlValue(const std::string& name) const;

  // Re-reads the layouts of the chain from the current resource source into
  // this form: stored properties are replaced, no component is created twice,
  // and components that the live form lacks are passed over. A layout that
  // does not parse throws before anything changes.
  void ReadLayout();

  Button* DefaultButton() const { return defaultButton_; }
  Button* CancelButton() const { return cancelButton_; }

  // The keys the form acts on before the dialog navigation: F1, menu
  // shortcuts and the "&" letters of labels. The application's message pump
  // calls it for key messages aimed at the form or its controls. True when
  // consumed.
  bool PreTranslateKey(const MSG& msg);
  bool WantsDialogKeys() const override { return true; }

  // For the library's components: menus, tooltips, owner-drawn items.
  int AddCommand(FormCommand command);
  void RemoveCommand(int id);
  void SetCommandShortCut(int id, ShortCut shortcut);
  // Runs when the pop-up menu opens (a sub-menu's own click).
  void SetPopupOpening(HMENU menu, std::function<void()> opening);
  // The main menu bar; nullptr for none. The client size stays as it was.
  void SetMenuBar(HMENU menu);
  HMENU MenuBar() const { return menuBar_; }
  void SetToolTip(HWND control, const std::string& text);
  HFONT FontFor(const LayoutFont& font);
  HFONT FormFont() const;

 protected:
  // Hooks for form classes, so that none needs a window procedure of its
  // own. Each default runs the matching event or the library's behaviour.
  //   Showing: the form becomes visible. Resized: its size changed.
  virtual void Showing();
  virtual void Resized();
  //   A WM_COMMAND from a menu or accelerator whose id no menu item of ours
  //   owns. True when handled.
  virtual bool MenuCommand(int /*id*/) { return false; }
  //   F1 or a help button asked for this context: by default the
  //   application's help handler shows it.
  virtual void HelpRequested(int helpContext);
  //   Any other message; nothing: the default handling.
  virtual std::optional<LRESULT> FormMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return std::nullopt;
  }

 private:
  friend class Control;
  friend class Button;
  friend class Timer;

  void Build();
  void Destroy() noexcept;
  std::vector<FormLayout> LoadLayouts(bool creating) const;
  void ApplyFormProperties(const LayoutObject& stored);
  void ApplyComponents(const FormLayout& layout, bool creating);
  void ApplyWindowStyle();
  void ApplyClientSize();
  int RunModalLoop();
  void RestoreFocus();
  // The help context F1 asks for when the focus is on this window.
  int HelpContextFor(HWND focus) const;
  bool HandleShortCut(const MSG& msg);
  bool HandleLabelMnemonic(const MSG& msg);
  bool Command(WPARAM wParam, LPARAM lParam);

  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  [[noreturn]] void MissingComponent(std::string_view name) const;
  [[noreturn]] void WrongKind(const Component& c, std::string_view wanted) const;

  // For the controls.
  int AddControlId(Control* control);
  void RemoveControlId(int id);
  bool MeasureItem(LPARAM lParam);
  void SetDefaultButton(Button* button, bool isDefault);
  void SetCancelButton(Button* button, bool isCancel);
  UINT_PTR AddTimer(Timer* timer);
  void RemoveTimer(UINT_PTR id);

  std::vector<std::string> chain_;
  std::vector<std::unique_ptr<Component>> components_;
  std::unordered_map<std::string, Component*> byName_;
  std::unordered_map<int, Control*> byId_;
  std::unordered_map<UINT_PTR, Timer*> timers_;
  std::unordered_map<int, FormCommand> commands_;
  std::unordered_map<HMENU, std::function<void()>> popupOpening_;
  UINT_PTR nextTimerId_ = 1;
  // Controls and menu commands share the ids; they start high above the
  // dialog ids (IDOK, IDCANCEL, ...) that the dialog navigation sends.
  int nextId_ = 100;
  std::vector<std::pair<LayoutFont, OwnedFont>> fonts_;
  HFONT formFont_ = nullptr;  // borrowed from fonts_ or the stock GUI font
  HMENU menuBar_ = nullptr;
  HWND toolTip_ = nullptr;

  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  HWND lastFocus_ = nullptr;

  // Stored form properties.
  std::string borderStyle_ = "sizeable";
  std::vector<std::string> borderIcons_ = {"system", "minimize", "maximize"};
  std::string position_ = "designed";
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int helpContext_ = 0;
  bool shownOnce_ = false;

  bool modal_ = false;
  int modalResult_ = 0;
};

// Our forms on the screen (visible or not), topmost first: what the language
// switch re-reads.
std::vector<Form*> ScreenForms();

// A shortcut as menus show it, "Strg+Umschalt+F5"; and back. Nothing for a
// text that names no key. The layout checks stored shortcuts with it.
std::string ShortCutText(const ShortCut& shortcut);
std::optional<ShortCut> ParseShortCut(std::string_view text);
bool CheckShortCut(std::string_view text, std::string& why);

}  // namespace platform

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

class Form {
 public:
  // The layout named after the form class.
  explicit Form(const std::string& layoutName);
  // A form class derived from another form class reads the layouts of the
  // chain, the base class's first; each later one adds components or changes
  // stored properties.
  explicit Form(std::vector<std::string> layoutChain);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND Handle() const { return hwnd_; }
  // The name of the form's own class (the last layout of the chain).
  const std::string& ClassName() const { return chain_.back(); }
  // The form object of a window; nullptr when it is not one of our forms.
  static Form* FromHandle(HWND hwnd);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  int ClientWidth() const;
  int ClientHeight() const;
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }

  // Modeless use.
  void Show();
  void Hide();
  bool Visible() const;
  // Asks OnClose what to do; by default the form is hidden, and a modal form
  // ends with mrCancel.
  void Close();
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

  // Enter, Esc and Tab for this form; the application's message pump calls it
  // for key messages aimed at the form or its controls. True when consumed.
  bool HandleDialogKey(const MSG& msg);

  Button* DefaultButton() const { return defaultButton_; }
  Button* CancelButton() const { return cancelButton_; }

  // Registers the window class of forms (the application does at start-up).
  static void RegisterWindowClass();

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
  void CenterOnScreen();
  int RunModalLoop();
  void RestoreFocus();

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // The result of a message the form handles itself; nothing for DefWindowProc.
  std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  [[noreturn]] void MissingComponent(std::string_view name) const;
  [[noreturn]] void WrongKind(const Component& c, std::string_view wanted) const;

  // For the controls.
  HFONT FontFor(const LayoutFont& font);
  HFONT FormFont() const;
  int NextControlId() { return nextControlId_++; }
  void SetDefaultButton(Button* button, bool isDefault);
  void SetCancelButton(Button* button, bool isCancel);
  UINT_PTR AddTimer(Timer* timer);
  void RemoveTimer(UINT_PTR id);

  std::vector<std::string> chain_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Component>> components_;
  std::unordered_map<std::string, Component*> byName_;
  std::unordered_map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
  int nextControlId_ = 100;
  std::vector<std::pair<LayoutFont, OwnedFont>> fonts_;
  HFONT formFont_ = nullptr;  // borrowed from fonts_ or the stock GUI font

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

}  // namespace platform

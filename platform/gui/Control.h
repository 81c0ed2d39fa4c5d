#pragma once
// The base classes of everything a stored form layout names: components
// (anything with a name: a timer, a menu item) and controls (components that
// own one child window). Each kind registers its layout name, property table
// and factory in ControlKind.h.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/gui/ControlKind.h"
#include "platform/gui/FormLayout.h"

namespace platform {

class Form;

class Component {
 public:
  virtual ~Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return owner_; }
  // The kind as the layout spells it ("Label").
  virtual std::string_view Kind() const = 0;

  // The value a script or test fills in ("0"/"1" for a check box, the text of
  // an edit); false when this kind takes no value or the value does not fit.
  virtual bool SetValue(const std::string& value);
  virtual std::optional<std::string> Value() const;

  // Shows the component as a pop-up menu at a screen position; false for
  // kinds that are no pop-up menu.
  virtual bool PopupAt(POINT /*screen*/) { return false; }

 protected:
  Component(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

 private:
  friend class Form;
  // Creates the window (or whatever the kind needs) in its parent: the
  // containing component, or nullptr for the form itself. The form applies
  // the stored properties afterwards; Create reads only those that a window
  // must be created with.
  virtual void Create(const LayoutObject& stored, Component* parent) = 0;

  Form& owner_;
  std::string name_;
};

class Control : public Component {
 public:
  Control(Form& owner, std::string name) : Component(owner, std::move(name)) {}
  ~Control() override;

  HWND Handle() const { return hwnd_; }
  // The control's object from its window; nullptr for windows we do not own.
  static Control* FromHandle(HWND hwnd);

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFocus();
  bool Focused() const;
  bool TabStop() const;
  void SetTabStop(bool tabStop);

  // Position in the client area of the parent.
  LayoutBounds Bounds() const;
  void SetBounds(const LayoutBounds& bounds);
  // A font of its own; without one the control shows the form's.
  void SetFont(const LayoutFont& font);

  // F1 on the control asks for this context; 0 hands the question to the
  // parent, and at last to the form.
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }

  // The text shown in a tooltip while the mouse rests on the control; empty:
  // none.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  // The pop-up menu a right click (or the context-menu key) opens; a
  // component name of the form, empty for none.
  const std::string& PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(const std::string& name) { popupMenu_ = name; }

  // Repaints of a control that changes all the time are spaced this far
  // apart: each paint shows the latest state, and the bar and the text of a
  // progress window still move more smoothly than an eye can follow. (Under
  // Wine a paint costs about a millisecond.)
  static constexpr DWORD kRepaintIntervalMs = 40;

  // The window that the controls inside this one are children of; nullptr
  // when it holds none.
  virtual HWND ContainerHandle() const { return nullptr; }

  // Hands a child's notification (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
  // WM_DRAWITEM, WM_MEASUREITEM) that reached a parent window to the child's
  // object. The message's result when it was handled.
  static std::optional<LRESULT> Reflect(UINT msg, WPARAM wParam, LPARAM lParam);

  // The properties every control takes: Bounds, Visible, Enabled, Font,
  // HelpContext, Hint, TabStop, PopupMenu.
  static std::span<const PropSpec> CommonProperties();

 protected:
  // The one way a control's window comes into being.
  struct WindowArgs {
    const char* className = nullptr;
    std::string text = {};
    DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added from the layout
    DWORD exStyle = 0;
    Component* parent = nullptr;  // the containing component; nullptr: the form
  };
  void CreateWindowFor(const WindowArgs& args, const LayoutObject& stored);

  std::string ReadText() const;
  void WriteText(const std::string& text);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SetStyleBits(DWORD mask, DWORD bits);
  void SetExStyleBits(DWORD mask, DWORD bits);
  // The font the control shows (its own or the form's).
  HFONT CurrentFont() const;

  // Notifications reflected from the parent. Handled: return true, or the
  // notification's result.
  virtual bool OnCommand(WORD /*code*/) { return false; }
  virtual std::optional<LRESULT> OnNotify(NMHDR& /*header*/) { return std::nullopt; }
  // Colours of the control: return the brush, or nullptr for the default.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
  // Owner-drawn controls: the parent's WM_DRAWITEM and WM_MEASUREITEM.
  virtual bool OnDrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // Messages to the control's own window, before the standard control sees
  // them. Handled: return the message's result.
  virtual std::optional<LRESULT> OnOwnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return std::nullopt; }
  // Hands a message straight to the standard control. Only from OnOwnMessage:
  // it goes on along the subclass chain of the message being handled.
  LRESULT CallStandard(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // A font change reached the control (its own or the form's).
  virtual void FontChanged() {}
  // A container: the focus went from a control inside it to a control of
  // the same form outside it.
  virtual void FocusLeft() {}
  // A key message aimed at the form or any of its controls, before the
  // dialog navigation sees it (a page control's Ctrl+Tab, the "&" letter of
  // a tab or of a radio group's caption). True when consumed.
  virtual bool FormKey(const MSG& /*msg*/) { return false; }

  // Invalidates the control now, or when the interval since its last paint is
  // over. The paint itself comes with the message pump.
  void ScheduleRepaint();
  // What a repaint invalidates: the whole window, erased.
  virtual void Invalidate();

 private:
  friend class Form;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Takes our procedure out of the window's chain where it can.
  static void Unbind(HWND hwnd);
  void Detach();
  void TellContainersFocusLeft(HWND newFocus);
  // The form's font reaches every control that stores none of its own.
  void SetParentFont(HFONT font);
  void ApplyFont(HFONT font);
  // The window that this control's window is made a child of.
  HWND ParentWindow(Component* parent) const;
  bool ShowPopupMenu(LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC standard_ = nullptr;  // the procedure ours stands in front of
  int helpContext_ = 0;
  bool ownFont_ = false;
  HFONT font_ = nullptr;  // borrowed from the form
  std::string hint_;
  std::string popupMenu_;
  DWORD lastPaint_ = 0;
  bool repaintTimer_ = false;
};

// Whether the "&" letter of a caption (not an escaped "&&") is the typed
// character, compared as the locale compares capitals.
bool MatchesMnemonic(std::string_view caption, WPARAM typed);

// The text of a window (a control's text, a form's caption), whatever its
// length; "" without a window.
std::string WindowText(HWND hwnd);

}  // namespace platform

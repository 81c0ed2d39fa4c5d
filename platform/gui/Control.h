#pragma once
// The base classes of everything a stored form layout names: components
// (anything with a name, a timer for example) and controls (components that
// own one child window).
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

 protected:
  Component(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

 private:
  friend class Form;
  // Creates the window (or whatever the kind needs) from the stored
  // properties; parent is the window of the form or of the containing control.
  virtual void Create(const LayoutObject& stored, HWND parent) = 0;
  // Replaces the properties that the layout stores; everything else stays.
  virtual void Apply(const LayoutObject& stored) = 0;

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

  // Position in the client area of the parent.
  LayoutBounds Bounds() const;
  void SetBounds(const LayoutBounds& bounds);

  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }

  // Repaints of a control that changes all the time are spaced this far
  // apart: each paint shows the latest state, and the bar and the text of a
  // progress window still move more smoothly than an eye can follow. (Under
  // Wine a paint costs about a millisecond.)
  static constexpr DWORD kRepaintIntervalMs = 40;

  // Windows that hold other controls pass their children's notifications on.
  virtual bool IsContainer() const { return false; }

  // Hands a child's notification (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) that
  // reached a parent window to the child's object. True when it was handled;
  // result is then the message's result.
  static bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  // The one way a control's window comes into being.
  struct WindowArgs {
    const char* className = nullptr;
    std::string text = {};
    DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added from the layout
    DWORD exStyle = 0;
    HWND parent = nullptr;
  };
  void CreateWindowFor(const WindowArgs& args, const LayoutObject& stored);
  // Bounds, Visible, Enabled, Font and HelpContext.
  void ApplyCommon(const LayoutObject& stored);

  std::string ReadText() const;
  void WriteText(const std::string& text);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SetStyleBits(DWORD mask, DWORD bits);

  // Notifications reflected from the parent. Handled: return true.
  virtual bool OnCommand(WORD /*code*/) { return false; }
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // Colours of the control: return the brush, or nullptr for the default.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
  // Messages to the control's own window, before the standard control sees
  // them. Handled: return true; result is then the message's result.
  virtual bool OnOwnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
  // Hands a message straight to the standard control. Only from OnOwnMessage:
  // it goes on along the subclass chain of the message being handled.
  LRESULT CallStandard(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Invalidates the control now, or when the interval since its last paint is
  // over. The paint itself comes with the message pump.
  void ScheduleRepaint();
  // What a repaint invalidates: the whole window, erased.
  virtual void Invalidate();

 private:
  friend class Form;
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR refData);
  void Detach();
  // The form's font reaches every control that stores none of its own.
  void SetParentFont(HFONT font);

  HWND hwnd_ = nullptr;
  int helpContext_ = 0;
  bool ownFont_ = false;
  DWORD lastPaint_ = 0;
  bool repaintTimer_ = false;
};

}  // namespace platform

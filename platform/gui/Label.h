#pragma once
// A text on a form. Its "&" letter moves the focus to its FocusControl (or,
// without one, to the next control in tab order). A one-line label whose
// text can outgrow it says so with "...": Ellipsis = end cuts the end off,
// Ellipsis = path the middle of a path, keeping its last part (the system
// draws either; the caption keeps the whole text).
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class Label : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Label";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  // The caption as last set, also while the window has yet to paint it.
  std::string Caption() const;
  // A new caption is painted with the next paint the message pump delivers,
  // not at once: long runs set one per page, far more often than anybody can
  // read, and each paint costs more than the work of a page.
  void SetCaption(const std::string& caption);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  void SetAlignment(const std::string& alignment);
  void SetWordWrap(bool wordWrap);
  // "none", "end" or "path".
  void SetEllipsis(const std::string& ellipsis);
  // Whether an "&" marks the letter (false: it shows as it is).
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  // The text colour: a colour word of the layout ("default", "red",
  // "navy", ...), see ColorFromWord.
  void SetColor(const std::string& color);
  COLORREF TextColor() const;

  const std::string& FocusControl() const { return focusControl_; }
  void SetFocusControl(const std::string& name) { focusControl_ = name; }

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  HBRUSH OnCtlColor(HDC dc) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Invalidate() override;
  DWORD StaticStyle() const;
  void HandTextToWindow();

  std::string alignment_ = "left";
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  std::string ellipsis_ = "none";
  bool transparent_ = false;
  std::string color_ = "default";
  std::string focusControl_;
  // The caption as set. Known: it is what the window holds or is about to
  // take; text set from outside (WM_SETTEXT) makes it unknown.
  std::string text_;
  bool textKnown_ = false;
  // The window still holds an older text; a paint is on its way.
  bool textPending_ = false;
};

}  // namespace platform

#pragma once
// A tool button: a glyph (a bitmap resource) above or left of its caption,
// flat until the mouse rests on it if Flat, a hint as its tooltip. It takes
// no focus, so a click leaves the focus where the user had it.
#include <functional>
#include <string>

#include "platform/gui/Control.h"
#include "platform/gui/Pictures.h"

namespace platform {

class SpeedButton : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "SpeedButton";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // The bitmap resource shown as the glyph; empty for none.
  const std::string& Glyph() const { return glyph_; }
  void SetGlyph(const std::string& name);
  // "glyphleft" (the default) or "glyphtop".
  const std::string& Layout() const { return layout_; }
  void SetLayout(const std::string& layout);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

  // Runs OnClick, as a click of the mouse does; nothing while disabled.
  void Click();
  std::function<void()> OnClick;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  bool MouseInside(LPARAM lParam) const;
  void Repaint();

  std::string caption_;
  std::string glyph_;
  std::string layout_ = "glyphleft";
  bool flat_ = false;
  OwnedImageList glyphList_;
  SIZE glyphSize_{};
  bool pressed_ = false;   // the mouse went down here and is still over it
  bool tracking_ = false;  // the mouse went down here and is held
  bool hot_ = false;       // the mouse rests on it
};

// Where glyph and caption stand in a tool button of the given size (before
// a pressed button shifts them): centred together, 4 pixels apart, the
// glyph above or left of the caption; either alone is centred.
struct GlyphArrangement {
  POINT glyph{};
  RECT text{};
};
GlyphArrangement ArrangeGlyph(SIZE button, SIZE glyph, SIZE text, bool glyphTop);

}  // namespace platform

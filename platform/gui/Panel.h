#pragma once
// A container with a bevelled edge whose caption can show a value (a folder
// path, a count): the caption is drawn in the panel, left, centred or right,
// and "&" in it is shown as it is.
#include <string>

#include "platform/gui/Control.h"
#include "platform/gui/Pictures.h"

namespace platform {

class Panel : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Panel";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();
  HWND ContainerHandle() const override { return Handle(); }

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption);
  // "left", "center", "right".
  void SetAlignment(const std::string& alignment);
  // The outer edge: "none", "raised", "lowered".
  void SetBevelOuter(const std::string& bevel);
  // The face: a colour word of the layout ("default": the dialog face).
  void SetColor(const std::string& color);
  COLORREF FaceColor() const;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);
  HBRUSH FaceBrush() const;

  std::string alignment_ = "center";
  std::string bevel_ = "raised";
  std::string color_ = "default";
  OwnedBrush brush_;  // the face, when it is not the dialog face
};

}  // namespace platform

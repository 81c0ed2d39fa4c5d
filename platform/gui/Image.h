#pragma once
// A picture from a bitmap resource: at the top-left corner, centred, or
// stretched to the control's size.
#include <string>

#include "platform/gui/Control.h"
#include "platform/gui/Pictures.h"

namespace platform {

class Image : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Image";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  // The bitmap resource shown; empty for none.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& name);
  SIZE PictureSize() const { return size_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc);

  std::string picture_;
  OwnedBitmap bitmap_;
  SIZE size_{};
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace platform

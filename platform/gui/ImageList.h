#pragma once
// A list of pictures of one size from bitmap resources, for the icons of
// menu items: one `Item = "NAME"` line per bitmap resource (a bitmap wider
// than one picture gives a strip of several).
#include <string>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/gui/Pictures.h"

namespace platform {

class ImageList : public Component {
 public:
  ImageList(Form& owner, std::string name) : Component(owner, std::move(name)) {}
  static constexpr std::string_view kKind = "ImageList";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const;
  HIMAGELIST Handle() const { return list_.Get(); }

  // The bitmap resources the pictures come from, in order.
  const std::vector<std::string>& Bitmaps() const { return bitmaps_; }
  void SetBitmaps(const std::vector<std::string>& names);

  void Draw(HDC dc, int index, int x, int y, bool enabled = true) const;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  void Rebuild();

  int width_ = 16;
  int height_ = 16;
  std::vector<std::string> bitmaps_;
  OwnedImageList list_;
};

}  // namespace platform

#include "platform/gui/ImageList.h"

#include "platform/gui/Form.h"
#include "platform/gui/Menu.h"

namespace platform {

const ControlKind& ImageList::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&ImageList::SetWidth>("Width"),
      Prop<&ImageList::SetHeight>("Height"),
      Prop<&ImageList::SetBitmaps>("Item"),
  };
  static const ControlKind kind{{.kind = kKind, .placement = Placement::Form, .props = {props}}, &Make<ImageList>};
  return kind;
}

void ImageList::Create(const LayoutObject& stored, Component*) {
  width_ = stored.Int("Width").value_or(width_);
  height_ = stored.Int("Height").value_or(height_);
  list_ = CreatePictureList(width_, height_);
}

void ImageList::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Rebuild();
}

void ImageList::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Rebuild();
}

void ImageList::SetBitmaps(const std::vector<std::string>& names) {
  if (names == bitmaps_) return;
  bitmaps_ = names;
  Rebuild();
}

int ImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.Get()) : 0; }

void ImageList::Rebuild() {
  list_ = CreatePictureList(width_, height_);
  for (const auto& name : bitmaps_) AddMaskedPictures(list_.Get(), LoadBitmapResource(name).Get());
  // Menus that show these pictures take the new ones.
  for (Component* c : Owner().Components())
    if (auto* menu = dynamic_cast<Menu*>(c); menu && menu->Images() == Name()) menu->RefreshImages();
}

void ImageList::Draw(HDC dc, int index, int x, int y, bool enabled) const {
  DrawPicture(dc, list_.Get(), index, x, y, enabled);
}

}  // namespace platform

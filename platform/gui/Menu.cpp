#include "platform/gui/Menu.h"

#include <functional>

#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/MenuItem.h"

namespace platform {

namespace {
constexpr std::string_view kImageListKinds[] = {"ImageList"};
}

UINT MenuHolder::PositionOf(const MenuItem& item) const {
  UINT position = 0;
  for (const MenuItem* sibling : items_) {
    if (sibling == &item) break;
    if (sibling->attached_) ++position;
  }
  return position;
}

std::span<const PropSpec> Menu::MenuProperties() {
  static constexpr PropSpec props[] = {
      RefProp<&Menu::SetImages>("Images", kImageListKinds),
  };
  return props;
}

void Menu::SetImages(const std::string& name) {
  if (name == images_) return;
  images_ = name;
  RefreshImages();
}

ImageList* Menu::ImageSource() const {
  return images_.empty() ? nullptr : dynamic_cast<ImageList*>(Owner().FindComponent(images_));
}

void Menu::RefreshImages() {
  const std::function<void(const MenuHolder&)> refresh = [&](const MenuHolder& holder) {
    for (MenuItem* item : holder.Items()) {
      item->RefreshImage();
      refresh(*item);
    }
  };
  refresh(*this);
}

}  // namespace platform

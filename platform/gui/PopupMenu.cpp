#include "platform/gui/PopupMenu.h"

#include <stdexcept>

#include "platform/gui/Form.h"

namespace platform {

const ControlKind& PopupMenu::KindInfo() {
  static const ControlKind kind{
      {.kind = kKind, .placement = Placement::Form, .holds = Holds::Listed, .props = {MenuProperties()}},
      &Make<PopupMenu>};
  return kind;
}

PopupMenu::~PopupMenu() {
  if (menu_) DestroyMenu(menu_);
}

void PopupMenu::Create(const LayoutObject&, Component*) {
  menu_ = CreatePopupMenu();
  if (!menu_) throw std::runtime_error("Men\xFC " + Name() + " l\xE4sst sich nicht anlegen");
}

void PopupMenu::Popup(int x, int y) {
  if (!Owner().Handle()) return;
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, Owner().Handle(), nullptr);
}

bool PopupMenu::PopupAt(POINT screen) {
  Popup(screen.x, screen.y);
  return true;
}

}  // namespace platform

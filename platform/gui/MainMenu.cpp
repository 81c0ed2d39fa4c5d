#include "platform/gui/MainMenu.h"

#include <stdexcept>

#include "platform/gui/Form.h"

namespace platform {

const ControlKind& MainMenu::KindInfo() {
  static const ControlKind kind{
      {.kind = kKind, .placement = Placement::Form, .holds = Holds::Listed, .props = {MenuProperties()}},
      &Make<MainMenu>};
  return kind;
}

MainMenu::~MainMenu() {
  if (IsMenuBar()) {
    // A window takes its menu bar with it when it goes.
    if (!Owner().Handle()) return;
    Owner().SetMenuBar(nullptr);
  }
  DestroyMenu(menu_);
}

void MainMenu::Create(const LayoutObject&, Component*) {
  menu_ = CreateMenu();
  if (!menu_) throw std::runtime_error("Men\xFC " + Name() + " l\xE4sst sich nicht anlegen");
  if (!Owner().MenuBar()) Owner().SetMenuBar(menu_);
}

bool MainMenu::IsMenuBar() const { return menu_ && Owner().Handle() && Owner().MenuBar() == menu_; }

void MainMenu::ItemsChanging() {
  if (IsMenuBar()) clientBefore_ = {Owner().ClientWidth(), Owner().ClientHeight()};
}

void MainMenu::ItemsChanged() {
  if (!IsMenuBar()) return;
  // A bar whose items no longer fit one line takes a second one, from the
  // client area unless the form grows.
  DrawMenuBar(Owner().Handle());
  if (Owner().ClientWidth() != clientBefore_.cx || Owner().ClientHeight() != clientBefore_.cy)
    Owner().SetClientSize(clientBefore_.cx, clientBefore_.cy);
}

}  // namespace platform

#pragma once
// A pop-up menu: a control whose PopupMenu property names it opens it on a
// right click (or the context-menu key); Popup opens it from code.
#include "platform/gui/Menu.h"

namespace platform {

class PopupMenu : public Menu {
 public:
  PopupMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}
  ~PopupMenu() override;
  static constexpr std::string_view kKind = "PopupMenu";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  // Opens the menu with its top-left corner at the screen position and
  // returns when it closes; the chosen item's click follows from the
  // message pump.
  void Popup(int x, int y);
  bool PopupAt(POINT screen) override;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
};

}  // namespace platform

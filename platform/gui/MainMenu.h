#pragma once
// The form's menu bar: the first main menu of a layout becomes it, and the
// form keeps its client size when the bar comes or its items change.
#include "platform/gui/Menu.h"

namespace platform {

class MainMenu : public Menu {
 public:
  MainMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}
  ~MainMenu() override;
  static constexpr std::string_view kKind = "MainMenu";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  void ItemsChanging() override;
  void ItemsChanged() override;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  bool IsMenuBar() const;

  SIZE clientBefore_{};
};

}  // namespace platform

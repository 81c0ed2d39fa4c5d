#pragma once
// One item of a main menu or pop-up menu, or of another item's sub-menu
// (Menu.h shows a layout). The caption "-" makes a separator; a hidden item
// is absent from its menu; a shortcut ("Strg+O") is shown after the caption
// and runs the item from anywhere in the form while it is enabled. An item
// with items of its own opens them as its sub-menu, and its OnClick runs as
// the sub-menu opens (so that it can enable what its items need).
#include <functional>
#include <string>

#include "platform/gui/Menu.h"
#include "platform/gui/Pictures.h"

namespace platform {

class MenuItem : public Component, public MenuHolder {
 public:
  MenuItem(Form& owner, std::string name) : Component(owner, std::move(name)) {}
  ~MenuItem() override;
  static constexpr std::string_view kKind = "MenuItem";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // F1 on the highlighted item asks for this context; 0 hands the question
  // to the item above, and at last to the form.
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int helpContext) { helpContext_ = helpContext; }
  // As stored ("Strg+O"); empty for none.
  const std::string& ShortCut() const { return shortCut_; }
  void SetShortCut(const std::string& shortCut);
  // The picture beside the caption, from the menu's image list; -1: none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);

  // The id that WM_COMMAND and WM_HELP carry for this item.
  int CommandId() const { return id_; }
  HMENU SubMenu() const { return submenu_; }
  // The user can choose the item: it and every item above it are visible
  // and enabled.
  bool Reachable() const;
  // Runs OnClick, as choosing the item does; nothing while it is disabled.
  void Click();
  std::function<void()> OnClick;

 private:
  friend class Menu;
  friend class MenuHolder;
  void Create(const LayoutObject& stored, Component* parent) override;
  HMENU ItemsMenu() override;
  Menu& RootMenu() override { return parent_->RootMenu(); }
  // The item's state into its place in the parent's menu.
  void Attach();
  void Detach();
  void Update();
  void RefreshImage();
  int EffectiveHelpContext() const;
  std::string Text() const;

  MenuHolder* parent_ = nullptr;
  int id_ = 0;
  HMENU submenu_ = nullptr;
  bool attached_ = false;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  int helpContext_ = 0;
  std::string shortCut_;
  int imageIndex_ = -1;
  OwnedBitmap image_;
};

}  // namespace platform

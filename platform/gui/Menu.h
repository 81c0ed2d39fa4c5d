#pragma once
// What main menus and pop-up menus share: the tree of menu items below them
// (MenuItem.h) and the image list their items take icons from.
//
//   MainMenu Hauptmenue             the form's menu bar
//   MenuItem menDatei
//     Parent = Hauptmenue
//     Caption = "&Datei"
//     HelpContext = 10
//   MenuItem Projektffnen1          an item of the sub-menu "&Datei"
//     Parent = menDatei
//     Caption = "Projekt &öffnen..."
//     ShortCut = "Strg+O"
//   MenuItem N1
//     Parent = menDatei
//     Caption = "-"                 a separator
#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "platform/gui/Control.h"

namespace platform {

class ImageList;
class Menu;
class MenuItem;

// A menu or a menu item with a sub-menu: what menu items stand in.
class MenuHolder {
 public:
  virtual ~MenuHolder() = default;
  // The items in layout order, shown or hidden.
  const std::vector<MenuItem*>& Items() const { return items_; }

 protected:
  friend class MenuItem;
  // The system menu that shows the items; an item makes its sub-menu when
  // its first item arrives.
  virtual HMENU ItemsMenu() = 0;
  virtual Menu& RootMenu() = 0;
  // Where the item stands in ItemsMenu: hidden items are not in it.
  UINT PositionOf(const MenuItem& item) const;

  std::vector<MenuItem*> items_;
};

class Menu : public Component, public MenuHolder {
 public:
  HMENU Handle() const { return menu_; }

  // The image list (a component name) that the items' ImageIndex points
  // into; empty for none.
  const std::string& Images() const { return images_; }
  void SetImages(const std::string& name);
  ImageList* ImageSource() const;
  // Every item takes its picture from the list again.
  void RefreshImages();

  // For the items: around a change of an item that stands directly in this
  // menu.
  virtual void ItemsChanging() {}
  virtual void ItemsChanged() {}

 protected:
  using Component::Component;
  static std::span<const PropSpec> MenuProperties();

  HMENU ItemsMenu() override { return menu_; }
  Menu& RootMenu() override { return *this; }

  HMENU menu_ = nullptr;

 private:
  std::string images_;
};

}  // namespace platform

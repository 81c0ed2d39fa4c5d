#include "platform/gui/MenuItem.h"

#include <stdexcept>

#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"

namespace platform {

namespace {
constexpr std::string_view kMenuParents[] = {"MainMenu", "PopupMenu", "MenuItem"};

// Brackets a change of an item: a menu bar keeps the form's client size
// when its items change.
class ItemChange {
 public:
  explicit ItemChange(MenuHolder* parent) : menu_(dynamic_cast<Menu*>(parent)) {
    if (menu_) menu_->ItemsChanging();
  }
  ~ItemChange() {
    if (menu_) menu_->ItemsChanged();
  }
  ItemChange(const ItemChange&) = delete;
  ItemChange& operator=(const ItemChange&) = delete;

 private:
  Menu* menu_;
};

}  // namespace

const ControlKind& MenuItem::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&MenuItem::SetCaption>("Caption"),
      Prop<&MenuItem::SetEnabled>("Enabled"),
      Prop<&MenuItem::SetVisible>("Visible"),
      Prop<&MenuItem::SetChecked>("Checked"),
      Prop<&MenuItem::SetHelpContext>("HelpContext"),
      platform::Checked(Prop<&MenuItem::SetShortCut>("ShortCut"), &CheckShortCut),
      Prop<&MenuItem::SetImageIndex>("ImageIndex"),
  };
  static const ControlKind kind{{.kind = kKind,
                                 .placement = Placement::Menu,
                                 .holds = Holds::Listed,
                                 .props = {props},
                                 .parents = {std::begin(kMenuParents), std::end(kMenuParents)}},
                                &Make<MenuItem>};
  return kind;
}

MenuItem::~MenuItem() {
  Owner().RemoveCommand(id_);
  if (!submenu_) return;
  Owner().SetPopupOpening(submenu_, nullptr);
  // A shown item's sub-menu goes with the menu it stands in.
  if (!attached_) DestroyMenu(submenu_);
}

void MenuItem::Create(const LayoutObject& stored, Component* parent) {
  parent_ = dynamic_cast<MenuHolder*>(parent);
  if (!parent_) throw std::runtime_error("Formular " + Owner().ClassName() + ": " + Name() + " steht in keinem Men\xFC");
  id_ = Owner().AddCommand({.invoke = [this] { if (Reachable()) Click(); },
                            .helpContext = [this] { return EffectiveHelpContext(); },
                            .shortcut = {}});
  parent_->items_.push_back(this);
  // Shown once, with the stored caption, rather than empty first.
  caption_ = stored.Text("Caption").value_or("");
  visible_ = stored.Bool("Visible").value_or(true);
  if (visible_) Attach();
}

std::string MenuItem::Text() const {
  std::string text = caption_;
  if (auto parsed = ParseShortCut(shortCut_)) {
    text += '\t';
    text += ShortCutText(*parsed);
  }
  return text;
}

void MenuItem::Attach() {
  if (attached_) return;
  ItemChange change(parent_);
  std::string text = Text();
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_BITMAP | (IsSeparator() ? 0 : MIIM_STRING);
  info.fType = IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
  info.fState = (enabled_ ? 0 : MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0);
  info.wID = static_cast<UINT>(id_);
  info.hSubMenu = submenu_;
  info.hbmpItem = image_.Get();
  info.dwTypeData = text.data();
  InsertMenuItemA(parent_->ItemsMenu(), parent_->PositionOf(*this), TRUE, &info);
  attached_ = true;
}

void MenuItem::Detach() {
  if (!attached_) return;
  ItemChange change(parent_);
  // RemoveMenu keeps the sub-menu: the item may be shown again.
  RemoveMenu(parent_->ItemsMenu(), parent_->PositionOf(*this), MF_BYPOSITION);
  attached_ = false;
}

void MenuItem::Update() {
  if (!attached_) return;
  ItemChange change(parent_);
  std::string text = Text();
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_BITMAP | (IsSeparator() ? 0 : MIIM_STRING);
  info.fType = IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
  info.fState = (enabled_ ? 0 : MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0);
  info.hSubMenu = submenu_;
  info.hbmpItem = image_.Get();
  info.dwTypeData = text.data();
  SetMenuItemInfoA(parent_->ItemsMenu(), parent_->PositionOf(*this), TRUE, &info);
}

HMENU MenuItem::ItemsMenu() {
  if (!submenu_) {
    submenu_ = CreatePopupMenu();
    if (!submenu_) throw std::runtime_error("Men\xFC " + Name() + " l\xE4sst sich nicht anlegen");
    Owner().SetPopupOpening(submenu_, [this] { Click(); });
    Update();
  }
  return submenu_;
}

void MenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Update();
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void MenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (visible_) Attach();
  else Detach();
}

void MenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Update();
}

void MenuItem::SetShortCut(const std::string& shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Owner().SetCommandShortCut(id_, ParseShortCut(shortCut_).value_or(platform::ShortCut{}));
  Update();
}

void MenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  RefreshImage();
}

void MenuItem::RefreshImage() {
  const ImageList* list = RootMenu().ImageSource();
  OwnedBitmap next;
  if (list && imageIndex_ >= 0) next = PictureOnColor(list->Handle(), imageIndex_, GetSysColor(COLOR_MENU));
  if (!next && !image_) return;
  // The menu lets go of the old picture before it is deleted.
  OwnedBitmap old = std::move(image_);
  image_ = std::move(next);
  Update();
}

bool MenuItem::Reachable() const {
  if (!visible_ || !enabled_) return false;
  auto* above = dynamic_cast<const MenuItem*>(parent_);
  return !above || above->Reachable();
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick();
}

int MenuItem::EffectiveHelpContext() const {
  for (const MenuItem* item = this; item; item = dynamic_cast<const MenuItem*>(item->parent_))
    if (item->helpContext_ != 0) return item->helpContext_;
  return Owner().HelpContext();
}

}  // namespace platform

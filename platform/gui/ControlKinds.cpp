// The registry of control kinds, with the library's own kinds in it from
// the start.
#include <algorithm>
#include <vector>

#include "platform/gui/ControlKind.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Form.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/MainMenu.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Timer.h"

namespace platform {

namespace {

class Registry : public LayoutSchema {
 public:
  Registry() {
    for (const ControlKind* kind : {
             &Label::KindInfo(),
             &Button::KindInfo(),
             &Edit::KindInfo(),
             &CheckBox::KindInfo(),
             &GroupBox::KindInfo(),
             &ProgressBar::KindInfo(),
             &Timer::KindInfo(),
             &ListBox::KindInfo(),
             &ComboBox::KindInfo(),
             &MainMenu::KindInfo(),
             &PopupMenu::KindInfo(),
             &MenuItem::KindInfo(),
             &SpeedButton::KindInfo(),
             &Image::KindInfo(),
             &ImageList::KindInfo(),
             &Panel::KindInfo(),
             &PageControl::KindInfo(),
             &TabSheet::KindInfo(),
             &RadioGroup::KindInfo(),
             &SpinEdit::KindInfo(),
             &Memo::KindInfo(),
         })
      Add(*kind);
  }

  void Add(const ControlKind& kind) {
    auto same = [&](const ControlKind* k) { return k->schema.kind == kind.schema.kind; };
    kinds_.erase(std::remove_if(kinds_.begin(), kinds_.end(), same), kinds_.end());
    kinds_.push_back(&kind);
  }

  const ControlKind* Find(std::string_view kind) const {
    for (const ControlKind* k : kinds_)
      if (k->schema.kind == kind) return k;
    return nullptr;
  }

  const KindSchema* FindKind(std::string_view kind) const override {
    const ControlKind* k = Find(kind);
    return k ? &k->schema : nullptr;
  }
  std::span<const PropSpec> FormProps() const override { return Form::StoredProperties(); }
  std::span<const PropSpec> ControlProps() const override { return Control::CommonProperties(); }

 private:
  std::vector<const ControlKind*> kinds_;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterControlKind(const ControlKind& kind) { TheRegistry().Add(kind); }

const ControlKind* FindControlKind(std::string_view kind) { return TheRegistry().Find(kind); }

const LayoutSchema& ControlKinds() { return TheRegistry(); }

void ApplyStoredProperties(const ControlKind& kind, Component& component, const LayoutObject& stored) {
  auto apply = [&](std::span<const PropSpec> props) {
    for (const PropSpec& p : props) {
      if (!p.apply) continue;
      auto it = stored.properties.find(p.name);
      if (it != stored.properties.end()) p.apply(component, it->second);
    }
  };
  if (kind.schema.placement == Placement::Window) apply(Control::CommonProperties());
  for (const auto& group : kind.schema.props) apply(group);
}

}  // namespace platform

#pragma once
// One page of a page control: a container for controls that always fills
// the page control's display area (it stores no bounds). Its window is shown
// and hidden by its page control: hide a page with TabVisible, not Visible.
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class PageControl;

class TabSheet : public Control {
 public:
  using Control::Control;
  ~TabSheet() override;
  static constexpr std::string_view kKind = "TabSheet";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();
  HWND ContainerHandle() const override { return Handle(); }

  // nullptr once the page control is gone.
  PageControl* Page() const { return page_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool TabVisible() const { return tabVisible_; }
  // Hiding the active page's tab makes the next shown tab (else the one
  // before) active.
  void SetTabVisible(bool visible);

 private:
  friend class PageControl;
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  PageControl* page_ = nullptr;
  std::string caption_;
  bool tabVisible_ = true;
};

}  // namespace platform

#include "platform/gui/TabSheet.h"

#include <stdexcept>

#include "platform/gui/ContainerWindow.h"
#include "platform/gui/Form.h"
#include "platform/gui/PageControl.h"

namespace platform {

const ControlKind& TabSheet::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&TabSheet::SetCaption>("Caption"),
      Prop<&TabSheet::SetTabVisible>("TabVisible"),
  };
  static const ControlKind kind{{.kind = kKind,
                                 .holds = Holds::Controls,
                                 .props = {props},
                                 .parents = {PageControl::kKind},
                                 .boundsRequired = false},
                                &Make<TabSheet>};
  return kind;
}

TabSheet::~TabSheet() {
  // Without a window the page control is being taken down as well.
  if (page_ && Handle()) page_->RemoveSheet(*this);
}

void TabSheet::Create(const LayoutObject& stored, Component* parent) {
  auto* page = dynamic_cast<PageControl*>(parent);
  if (!page)
    throw std::runtime_error("Formular " + Owner().ClassName() + ": " + Name() + " steht nicht in einer PageControl");
  CreateWindowFor({.className = ContainerWindowClass(), .exStyle = WS_EX_CONTROLPARENT, .parent = parent}, stored);
  page->AddSheet(*this);
}

void TabSheet::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (page_) page_->RebuildTabs();
}

void TabSheet::SetTabVisible(bool visible) {
  if (visible == tabVisible_) return;
  tabVisible_ = visible;
  if (page_) page_->RebuildTabs();
}

std::optional<LRESULT> TabSheet::OnOwnMessage(UINT msg, WPARAM, LPARAM lParam) {
  // The page always fills the display area, whatever bounds it is given.
  if (msg == WM_WINDOWPOSCHANGING && page_) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
      const RECT r = page_->DisplayArea();
      pos->x = r.left;
      pos->y = r.top;
      pos->cx = r.right - r.left;
      pos->cy = r.bottom - r.top;
      pos->flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    }
  }
  return std::nullopt;
}

}  // namespace platform

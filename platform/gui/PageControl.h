#pragma once
// Pages with tabs: the page control shows the tab sheets whose tabs are
// visible as a row of tabs and one sheet, the active page, below them.
//
// Keys: Tab walks from the controls before the page control into the active
// page's controls and on; the controls of the other pages are out of reach.
// Ctrl+Tab and Ctrl+Shift+Tab move to the next and previous tab while the
// focus is inside the page control, Alt with the "&" letter of a tab's
// caption moves to that tab from anywhere in the form. When the page changes
// while the focus is on the page that goes, the first control of the new
// page takes it.
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Control.h"

namespace platform {

class TabSheet;

class PageControl : public Control {
 public:
  using Control::Control;
  ~PageControl() override;
  static constexpr std::string_view kKind = "PageControl";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();
  // The sheets are children of the tab window.
  HWND ContainerHandle() const override { return Handle(); }

  // Every sheet, in creation order, its tab shown or not.
  const std::vector<TabSheet*>& Sheets() const { return sheets_; }
  // nullptr while no tab is shown.
  TabSheet* ActivePage() const { return active_; }
  // Shows the page; a sheet whose tab is hidden cannot become active.
  void SetActivePage(TabSheet& sheet);

  // Runs after the active page changed, by a click, a key or from code
  // (neither by the stored layout nor by hiding the active page's tab).
  std::function<void()> OnChange;

 private:
  friend class TabSheet;
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnNotify(NMHDR& header) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool FormKey(const MSG& msg) override;
  void FontChanged() override { LayoutSheets(); }
  // The page the layout opens on; its sheet may come later in the layout.
  void SetStoredActivePage(const std::string& name);

  void AddSheet(TabSheet& sheet);
  void RemoveSheet(TabSheet& sheet);
  // A sheet's caption or tab visibility changed: the row of tabs follows.
  void RebuildTabs();
  void Activate(TabSheet* sheet, bool notify);
  // Ctrl+Tab: the next (or previous) shown tab, round.
  void Step(bool backwards);
  std::vector<TabSheet*> ShownSheets() const;
  // Where the pages stand, in the tab window's client coordinates.
  RECT DisplayArea() const;
  void LayoutSheets();

  std::vector<TabSheet*> sheets_;
  TabSheet* active_ = nullptr;
  std::string storedActive_;
};

}  // namespace platform

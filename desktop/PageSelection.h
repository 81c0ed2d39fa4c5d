#pragma once
// The rules of the page selection that Corvanta's and Pellinova's share: the
// main window's services, the count below the list, and which entries a
// delete removes and which becomes current.
#include <functional>
#include <string>
#include <vector>

namespace desktop {

// What a page selection needs of the main window.
struct PageSelectionServices {
  // A local page (with "#" and an anchor) in the browser: the help.
  std::function<bool(const std::string& page)> openInBrowser;
  // A page of the site in the configured browser (An&sehen).
  std::function<void(const std::string& url)> viewPage;
  // The project settings with the site's tabs only; true after OK, when the
  // settings are in the project.
  std::function<bool()> editSettings;
  // Refreshes the main window's status display.
  std::function<void()> showStatus;
};

// "  5 Web-Seiten": the count right-aligned in three characters.
std::string PageCountText(int count);

// What deleting from the list does. Every selected entry goes; with none
// selected, the current one. The entry that moved into the place of the last
// one deleted becomes current (the last entry when the list has become
// shorter). With neither a selection nor a current entry nothing goes.
struct Deletion {
  std::vector<int> deleted;  // indices before the delete, ascending
  int current = -1;          // in the list after the delete; -1 when empty
};
Deletion PlanDeletion(int count, const std::vector<int>& selected, int current);

}  // namespace desktop

#include "desktop/PageList.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/Profile.h"
#include "core/Schlagworte.h"
#include "coregui/projektVerwaltung.h"
#include "platform/gui/Application.h"

namespace desktop {

namespace {

// The file name of a URL: the text after the last "/" of its path, without
// a query or fragment. The host is no file name ("http://suche.htm" has none).
std::string_view LastSegment(std::string_view url) {
  const size_t end = url.find_first_of("?#");
  if (end != std::string_view::npos) url = url.substr(0, end);
  const size_t scheme = url.find("://");
  if (scheme != std::string_view::npos) {
    const size_t path = url.find('/', scheme + 3);
    if (path == std::string_view::npos) return {};
    url = url.substr(path);
  }
  const size_t slash = url.find_last_of('/');
  return slash == std::string_view::npos ? url : url.substr(slash + 1);
}

}  // namespace

void MakeUrlList(platform::TStringList& urls) {
  urls.SetSorted(true);
  urls.SetDuplicates(platform::TDuplicates::dupIgnore);
}

bool IsSearchFormFile(const core::TProjekt& project, std::string_view url) {
  const std::string segment(LastSegment(url));
  // A URL that ends in a folder has no file name: it is no form file, even
  // when the project leaves one of the names empty.
  if (segment.empty()) return false;
  for (const std::string* name : {&project.GetJavascriptDatei(), &project.GetFrameDatei(),
                                  &project.GetFrameEingabeDatei(), &project.GetFrameHilfeDatei(),
                                  &project.GetFrameLadenDatei()})
    if (platform::SameText(segment, *name)) return true;
  return false;
}

void DropSearchFormFiles(const core::TProjekt& project, platform::TStringList& urls, const bool& abort) {
  int i = 0;
  while (i < urls.Count() && !abort) {
    if (IsSearchFormFile(project, urls[i])) urls.Delete(i);
    else ++i;
  }
}

void MergeFileList(core::TProjekt& project, platform::TStringList& urls) {
  auto& pages = project.Pages();
  // The first page of each URL: with thousands of pages a search through the
  // page list per entry would cost the square of them.
  std::unordered_map<std::string, size_t> firstPage;
  firstPage.reserve(pages.size());
  for (size_t i = 0; i < pages.size(); ++i) {
    pages[i]->mark = 0;
    firstPage.emplace(pages[i]->url, i);
  }

  std::vector<std::string> left;
  for (int i = 0; i < urls.Count(); ++i) {
    const auto it = firstPage.find(urls[i]);
    if (it != firstPage.end()) pages[it->second]->mark = 1;
    else left.push_back(urls[i]);
  }
  // The entries left keep their order; rebuilding the list costs less than
  // deleting the matched entries one by one.
  urls.Clear();
  for (const std::string& url : left) urls.Add(url);

  // Freeing thousands of pages takes a while: the window stays alive.
  std::erase_if(pages, [](const std::unique_ptr<core::TSchlagwortDatei>& page) {
    platform::App().ProcessMessages();
    return page->mark == 0;
  });

  const auto newPage = core::CurrentProfile().newPage;
  for (int i = 0; i < urls.Count(); ++i)
    pages.push_back(newPage ? newPage(urls[i]) : std::make_unique<core::TSchlagwortDatei>(urls[i]));
}

}  // namespace desktop

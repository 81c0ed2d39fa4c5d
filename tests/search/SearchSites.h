#pragma once
// The sites the search tests index: a small German town site whose hits and
// their order the tests know, a site of hostile pages that every database
// must survive as valid JavaScript, and a large synthetic site for the
// benchmark. Texts are code page 1252.
#include <string>
#include <vector>

namespace search {

struct Page {
  std::string url;   // the address in the project (a URL, or a path below the source folder)
  std::string html;  // the page's text
};

const std::vector<Page>& TestSite();
const std::vector<Page>& HostileSite();
// Links holding a backslash, as a crawled HREF may.
const std::vector<Page>& BackslashLinkSite();
// pageCount pages of German-like text from a fixed seed.
std::vector<Page> BenchSite(int pageCount);

}  // namespace search

#pragma once
// The sites the search tests index: a small German town site whose hits and
// their order the tests know, a site of hostile pages that every database
// must survive as valid JavaScript, and a large synthetic site for the
// benchmark. Texts are code page 1252, but for the site in UTF-8.
#include <string>
#include <vector>

namespace search {

struct Page {
  std::string url;   // the address in the project (a URL, or a path below the source folder)
  std::string html;  // the page's text
};

const std::vector<Page>& TestSite();
const std::vector<Page>& HostileSite();
// Pages written in UTF-8, declared by a META tag, by the http-equiv form and
// by a byte order mark.
const std::vector<Page>& Utf8Site();
// Links holding a backslash, as a crawled HREF may.
const std::vector<Page>& BackslashLinkSite();
// pageCount pages of German-like text from a fixed seed.
std::vector<Page> BenchSite(int pageCount);

}  // namespace search

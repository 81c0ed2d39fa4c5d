// The page merge and the filter of the search form's own files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DesktopTestSupport.h"
#include "desktop/PageList.h"

namespace {

using desktoptest::ProjectFolder;
using Lines = std::vector<std::string>;

Lines Urls(const core::TProjekt& p) {
  Lines urls;
  for (const auto& page : p.Pages()) urls.push_back(page->url);
  return urls;
}

Lines Entries(const platform::TStringList& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

platform::TStringList UrlList(const Lines& urls) {
  platform::TStringList list;
  desktop::MakeUrlList(list);
  for (const auto& u : urls) list.Add(u);
  return list;
}

TEST(MergeFileList, PagesFoundStayWithWhatTheyHoldOthersGoNewOnesFollow) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("m.ovk", "", {{"http://h/a.htm", "A von Hand", "+Apfel"},
                                               {"http://h/b.htm", "B von Hand", "-Birne"},
                                               {"http://h/c.htm", "C von Hand", "+Kirsche,-Pflaume"}}));
  ASSERT_TRUE(p);
  // "A.htm" is another page than "a.htm": the comparison is exact.
  auto list = UrlList({"http://h/c.htm", "http://h/d.htm", "http://h/A.htm"});
  desktop::MergeFileList(*p, list);
  EXPECT_EQ(Urls(*p), (Lines{"http://h/c.htm", "http://h/A.htm", "http://h/d.htm"}));
  const auto& kept = *p->Pages()[0];
  EXPECT_EQ(kept.manualDescription, "C von Hand");
  EXPECT_EQ(kept.ChangeLogText(), "+Kirsche,-Pflaume");
  EXPECT_EQ(kept.mark, 1);
  EXPECT_EQ(p->Pages()[1]->manualDescription, "");
  EXPECT_EQ(p->Pages()[1]->mark, 0);
  // The matched entries are consumed, the others stay in order.
  EXPECT_EQ(Entries(list), (Lines{"http://h/A.htm", "http://h/d.htm"}));
}

TEST(MergeFileList, FirstOfTwoEqualPagesStays) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("d.ovk", "", {{"http://h/x.htm", "erste", ""},
                                               {"http://h/y.htm", "", ""},
                                               {"http://h/x.htm", "zweite", ""}}));
  ASSERT_TRUE(p);
  auto list = UrlList({"http://h/x.htm", "http://h/y.htm"});
  desktop::MergeFileList(*p, list);
  ASSERT_EQ(Urls(*p), (Lines{"http://h/x.htm", "http://h/y.htm"}));
  EXPECT_EQ(p->Pages()[0]->manualDescription, "erste");
  EXPECT_EQ(list.Count(), 0);
}

TEST(MergeFileList, EmptyListEmptiesTheProjectAndAnEmptyProjectTakesAll) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("e.ovk", "", {{"http://h/x.htm", "", ""}}));
  ASSERT_TRUE(p);
  auto empty = UrlList({});
  desktop::MergeFileList(*p, empty);
  EXPECT_TRUE(p->Pages().empty());
  auto list = UrlList({"http://h/2.htm", "http://h/1.htm"});
  desktop::MergeFileList(*p, list);
  EXPECT_EQ(Urls(*p), (Lines{"http://h/1.htm", "http://h/2.htm"}));
}

TEST(SearchFormFilter, LastPathSegmentAgainstTheFormsFileNames) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("f.ovk", ""));
  ASSERT_TRUE(p);
  ASSERT_EQ(p->GetJavascriptDatei(), "suche.js");
  ASSERT_EQ(p->GetFrameDatei(), "suche.htm");
  for (const char* url : {"http://h/suche.htm", "http://h/dir/SUCHE.HTM", "http://h/suchein.htm",
                          "http://h/suchhilf.htm", "http://h/x/suchlade.htm?x=1", "http://h/suche.js",
                          "suche.htm"})
    EXPECT_TRUE(desktop::IsSearchFormFile(*p, url)) << url;
  for (const char* url : {"http://h/", "http://h/suche.html", "http://h/meinesuche.htm", "http://h/suche.htm/",
                          "http://suche.htm", "http://h/x.htm#suche.htm", ""})
    EXPECT_FALSE(desktop::IsSearchFormFile(*p, url)) << url;
}

TEST(SearchFormFilter, DropsTheFormsFilesUntilAborted) {
  ProjectFolder f;
  auto p = f.Open(f.WriteProject("g.ovk", ""));
  ASSERT_TRUE(p);
  auto list = UrlList({"http://h/a.htm", "http://h/suche.htm", "http://h/suchein.htm", "http://h/z.htm"});
  bool abort = false;
  desktop::DropSearchFormFiles(*p, list, abort);
  EXPECT_EQ(Entries(list), (Lines{"http://h/a.htm", "http://h/z.htm"}));
  auto list2 = UrlList({"http://h/suche.htm"});
  abort = true;
  desktop::DropSearchFormFiles(*p, list2, abort);
  EXPECT_EQ(list2.Count(), 1);
}

}  // namespace

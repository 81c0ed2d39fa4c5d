// The site fields of Corvanta's project dialogs: the address as typed, and
// the fields stored into the project.
#include <gtest/gtest.h>

#include <string>

#include "corvanta/SiteFields.h"
#include "tests/desktop/DesktopTestSupport.h"

namespace {

TEST(SiteAddress, PutsOneLowerCaseSchemeInFrontOfTheTrimmedRest) {
  const struct {
    std::string typed, address;
  } cases[] = {
      {"www.beispiel.de", "http://www.beispiel.de"},
      {"", "http://"},
      {"HTTP://Host/Pfad/", "http://Host/Pfad/"},
      {"  hTtP://  host  ", "http://host"},
      {"ftp://http://host", "http://host"},
      {"http://http://host", "http://http://host"},
  };
  for (const auto& c : cases) EXPECT_EQ(corvanta::SiteAddress(c.typed), c.address) << c.typed;
}

TEST(StoreSiteFields, WritesTheTrimmedFieldsIntoTheProject) {
  desktoptest::ProjectFolder f;
  auto p = f.Open(f.WriteProject("s.ovk", ""));
  ASSERT_TRUE(p);
  corvanta::StoreSiteFields(*p, {" http://h/ ", " ich ", "\tgeheim ", " htm,html "});
  EXPECT_EQ(p->GetWebSite(), "http://h/");
  EXPECT_EQ(p->GetBenutzername(), "ich");
  EXPECT_EQ(p->GetPasswort(), "geheim");
  EXPECT_EQ(p->GetDateiendungen(), "htm,html");
}

}  // namespace

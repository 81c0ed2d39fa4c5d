// What a walk keeps for the index run: within the memory budget, beyond it in
// a scratch file, and nothing where the scratch file cannot be written. Each
// page is handed over once.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "net/PageBodies.h"
#include "platform/base/Files.h"

namespace {

std::string ScratchPath() {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(sizeof folder, folder);
  return std::string(folder) + "seiten-" + std::to_string(GetCurrentProcessId()) + ".tmp";
}

TEST(PageBodies, BeyondTheBudgetInTheScratchFileEachTakenOnce) {
  const std::string scratch = ScratchPath();
  {
    net::TPageBodies bodies(10, scratch);
    bodies.Put("a", "12345", "text/html");
    bodies.Put("b", "678901", "text/plain");   // exceeds the budget: spilled
    bodies.Put("c", std::string("x\0y", 3), "");  // still fits
    bodies.Put("d", "abcdefgh", "t/d");
    bodies.Put("d", "ABCDEFGHI", "t/D");          // replaces the spilled one
    EXPECT_EQ(bodies.BytesInMemory(), 8u);
    EXPECT_EQ(bodies.BytesSpilled(), 23u);
    EXPECT_TRUE(platform::FileExists(scratch));

    const struct {
      const char* url;
      std::string body, type;
    } cases[] = {{"d", "ABCDEFGHI", "t/D"}, {"a", "12345", "text/html"}, {"b", "678901", "text/plain"},
                 {"c", std::string("x\0y", 3), ""}};
    for (const auto& c : cases) {
      std::string body, type;
      ASSERT_TRUE(bodies.Take(c.url, body, type)) << c.url;
      EXPECT_EQ(body, c.body) << c.url;
      EXPECT_EQ(type, c.type) << c.url;
      EXPECT_FALSE(bodies.Take(c.url, body, type)) << c.url;
    }
    EXPECT_EQ(bodies.BytesInMemory(), 0u);
    // Room in memory again.
    bodies.Put("e", "0123456789", "");
    EXPECT_EQ(bodies.BytesInMemory(), 10u);
  }
  EXPECT_FALSE(platform::FileExists(scratch));
}

TEST(PageBodies, WithoutAWritableScratchFileOnlyTheBudgetIsKept) {
  for (const std::string& path : {std::string(), ScratchPath() + "-fehlt\\x.tmp"}) {
    net::TPageBodies bodies(4, path);
    bodies.Put("a", "1234", "");
    bodies.Put("b", "5", "");
    std::string body, type;
    EXPECT_FALSE(bodies.Take("b", body, type));
    EXPECT_TRUE(bodies.Take("a", body, type));
    EXPECT_EQ(body, "1234");
  }
}

}  // namespace

// Corvanta's pages over HTTP: a page in UTF-8 reaches the scanner in code
// page 1252, whether the reply or the page says so; the reply's charset
// counts first.
#include "tests/net/LocalServer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "corvanta/HttpPageSource.h"
#include "net/dtmHTTP.h"

namespace {

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

TEST(HttpPageSource, Utf8ByTheReplyOrThePageReadsAsCodePage1252) {
  const std::string ansi = "<p>\xDC" "bersetzt wird die Stra\xDF" "e</p>";
  const std::string utf8 = U8(u8"<p>\u00DCbersetzt wird die Stra\u00DFe</p>");
  const std::string meta = "<meta charset=\"utf-8\">";
  auto reply = [](const std::string& contentType, const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: " + contentType + "\r\n\r\n" + body;
  };
  nettest::SiteServer site;
  site.Reply("/reply.htm", reply("text/html; charset=UTF-8", utf8));
  site.Reply("/meta.htm", reply("text/html", meta + utf8));
  site.Reply("/latin.htm", reply("text/html; charset=ISO-8859-1", meta + ansi));
  site.Reply("/ansi.htm", reply("text/html", ansi));
  net::TdtmHTTP dtm;
  corvanta::HttpPageSource pages(dtm.httpClient, "", "", {});
  bool abort = false;
  EXPECT_EQ(pages.ReadPage(0, site.Base() + "/reply.htm", abort), ansi);
  EXPECT_EQ(pages.ReadPage(1, site.Base() + "/meta.htm", abort), meta + ansi);
  EXPECT_EQ(pages.ReadPage(2, site.Base() + "/latin.htm", abort), meta + ansi);
  EXPECT_EQ(pages.ReadPage(3, site.Base() + "/ansi.htm", abort), ansi);
  EXPECT_EQ(pages.ReadPage(4, site.Base() + "/fehlt.htm", abort), "");
  EXPECT_FALSE(abort);
}

}  // namespace

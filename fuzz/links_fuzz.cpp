// The walker's text work on any page and any address: links found, filtered
// and resolved, URLs split, request targets and relocations worked out.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzCheck.h"
#include "net/HttpUtil.h"
#include "net/SiteLinks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string pageUrl = in.ConsumeRandomLengthString(256);
  const std::string extensions = in.ConsumeBool() ? "html,htm,jhtml,shtml,asp,jsp,php3,cfm,cgi,pl,php"
                                                  : in.ConsumeRandomLengthString(64);
  const std::string location = in.ConsumeRandomLengthString(256);
  const bool viaProxy = in.ConsumeBool();
  const std::string text = in.ConsumeRemainingBytesAsString();

  for (const std::string& link : net::FindLinks(pageUrl, text, extensions)) {
    FUZZ_CHECK(!link.empty());
    FUZZ_CHECK(link.find('#') == std::string::npos);
    // The extension is tested before the fragment goes ("b#.html" is kept
    // as "b"), so a kept link need not pass the filter a second time.
    net::ResolveLink(pageUrl, link, extensions);
  }
  net::ResolveLink(pageUrl, location, extensions);

  net::THttpRequestSetup setup = net::PrepareRequest(pageUrl, viaProxy ? location : std::string(), "80");
  FUZZ_CHECK(!setup.target.path.empty());
  net::ApplyLocation(setup.target, location, viaProxy);
  net::DocumentName(setup.target.path);
  net::EncodeBlock(in.ConsumeBool() ? 1 : 0, location);
  return 0;
}

#include "tessarel/SchlagwortSeite.h"

#include "core/HelpContexts.h"
#include "core/RelativeLink.h"
#include "core/TText.h"
#include "core/TextFile.h"
#include "core/Texts.h"
#include "coregui/Retry.h"
#include "platform/base/Blanks.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "tessarel/HtmlEncode.h"
#include "tessarel/TextNumbers.h"
#include "tessarel/ini.h"

namespace tessarel {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
  return core::Text().StripTrailingChar('\\', folder) + "\\" + name;
}

std::string Underscored(std::string s, bool backslashes) {
  const core::TText& t = core::Text();
  s = t.ReplaceAll(s, ".", "_");
  s = t.ReplaceAll(s, " ", "_");
  if (backslashes) s = t.ReplaceAll(s, "\\", "_");
  return s;
}

// A section's words: trimmed, without the "," after the last one.
std::string WordsParagraph(const std::string& words) {
  std::string w = platform::Trimmed(words);
  core::Text().StripTrailingCharInPlace(',', w);
  return core::FormatStr(txt::Fixed(IDS_FMT_WORDS), {w});
}

std::string Anchor(char c) {
  return core::FormatStr(txt::Fixed(IDS_FMT_ANCHOR), {std::to_string(static_cast<unsigned char>(c))});
}

std::string LetterLink(char c) {
  return core::FormatStr(txt::Fixed(IDS_FMT_LETTER_LINK),
                         {Anchor(c), HtmlEncode(platform::AnsiUpperCase(std::string(1, c)))});
}

std::string Heading(char c) {
  return platform::AnsiUpperCase(core::FormatStr(txt::Fixed(IDS_FMT_HEADING), {Anchor(c), std::string(1, c)}));
}

void CopyLines(core::TextReader& in, core::TextWriter& out, const std::string& templatePath,
               const std::string& outputPath, const PageValues& values, bool& abort) {
  using core::FormatStr;
  using core::LoadStr;
  using core::Txt;
  const std::string markFilename = txt::Fixed(IDS_MARK_FILENAME);
  const std::string markKeywords = txt::Fixed(IDS_MARK_KEYWORDS);
  const std::string markDate = txt::Fixed(IDS_MARK_DATE);
  const std::string eofText = FormatStr(LoadStr(Txt::ActTestEof), {templatePath});
  const std::string readText = FormatStr(LoadStr(Txt::ActRead), {templatePath});
  const std::string writeText = FormatStr(LoadStr(Txt::ActWrite), {outputPath});
  const core::TText& t = core::Text();
  while (!abort) {
    bool eof = false;
    if (!core::RetryStep(abort, eofText, core::hcNone, [&] { eof = in.Eof(); }) || eof) break;
    platform::App().ProcessMessages();
    std::string line;
    if (!core::RetryStep(abort, readText, core::hcNone, [&] { line = in.ReadLine(); })) break;
    line = t.ReplaceAll(line, markFilename, values.linkText);
    line = t.ReplaceAll(line, markKeywords, values.body);
    line = t.ReplaceAll(line, markDate, values.footer);
    core::RetryStep(abort, writeText, core::hcNone, [&] { out.WriteLine(line); });
  }
}

}  // namespace

std::string PageFileName(const std::string& documentsFolder, const std::string& relative, bool commonFrame,
                         const std::string& frameFolder) {
  const std::string ext = txt::Fixed(IDS_PAGE_EXT);
  if (commonFrame) return Join(frameFolder, Underscored(relative, true) + ext);
  const std::string full = Join(documentsFolder, relative);
  return platform::ExtractFilePath(full) + Underscored(platform::ExtractFileName(full), false) + ext;
}

std::string PageLinkText(const std::string& documentsFolder, const std::string& relative, bool commonFrame,
                         const std::string& frameFolder, bool unixBrowser) {
  std::string link;
  if (commonFrame) {
    const TIni* settings = Settings();
    const core::WineDrives* drives = unixBrowser && settings ? &settings->Drives() : nullptr;
    link = core::RelativeLink(core::LinkFolder(documentsFolder), core::LinkFolder(frameFolder), relative, drives);
  } else {
    link = platform::ExtractFileName(Join(documentsFolder, relative));
  }
  const core::TText& t = core::Text();
  link = t.ReplaceAll(link, "\"", "&quot;");
  link = t.ReplaceAll(link, "<", "&lt;");
  return t.ReplaceAll(link, ">", "&gt;");
}

std::string KeywordBody(const platform::TStringList& keywords) {
  char c = keywords[0][0];
  std::string links = LetterLink(c);
  std::string body = Heading(c);
  std::string words;
  for (int i = 0; i < keywords.Count(); ++i) {
    const std::string& w = keywords[i];
    const char f = w[0];
    if (platform::AnsiCompareText(std::string(1, c), std::string(1, f)) < 0) {
      c = f;
      links += LetterLink(c);
      body += WordsParagraph(words) + Heading(c);
      words = w + ", ";
    } else {
      words += w + ", ";
    }
  }
  body += WordsParagraph(words);
  return core::FormatStr(txt::Fixed(IDS_FMT_LINKS), {platform::Trimmed(links)}) + body;
}

std::string PageFooter(platform::TDateTime when) {
  const std::string stamp = platform::ShortDateString(when) + ", " + platform::LongTimeString(when);
  const std::string dateLine = core::FormatStr(txt::Load(IDS_FMT_DATE_LINE), {stamp, std::string()});
  return core::FormatStr(txt::Load(IDS_FMT_FOOTER), {dateLine});
}

void WriteKeywordPage(const std::string& templatePath, const std::string& outputPath, const PageValues& values,
                      bool& abort) {
  using core::FormatStr;
  using core::LoadStr;
  using core::Txt;
  core::TextReader in;
  core::RetryStep(abort, FormatStr(LoadStr(Txt::ActOpenRead), {templatePath}), core::hcNone,
                  [&] { in.Open(templatePath); });
  if (!abort) {
    // The page is written beside its place and put there whole: a page cut
    // off would be newer than its document, and so never written again.
    core::TextWriter out;
    const bool created = core::RetryStep(abort, FormatStr(LoadStr(Txt::ActOpenWrite), {outputPath}), core::hcNone,
                                         [&] { out.Rewrite(outputPath); });
    if (!abort) CopyLines(in, out, templatePath, outputPath, values, abort);
    if (created) {
      const std::string closeAction = FormatStr(LoadStr(Txt::ActClose), {outputPath});
      core::RetryCloseStep(abort, closeAction, core::hcNone, [&] { out.Close(); });
      if (!abort) core::RetryStep(abort, closeAction, core::hcNone, [&] { out.Commit(); });
    }
  }  // a page not put in place is dropped here; an older one stays as it was
  if (in.IsOpen())
    core::RetryCloseStep(abort, FormatStr(LoadStr(Txt::ActClose), {templatePath}), core::hcNone,
                         [&] { in.Close(); });
}

}  // namespace tessarel

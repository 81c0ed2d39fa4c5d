#include "pellinova/indexErzeugen.h"

#include "core/RelativeLink.h"
#include "core/RunContext.h"
#include "core/TText.h"
#include "core/TextFile.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "coregui/Retry.h"
#include "pellinova/TextNumbers.h"
#include "pellinova/XMLExport.h"
#include "pellinova/projektVerwaltung.h"

namespace pellinova {

namespace {

constexpr int kLabelWidth = 55;

std::string PartName(int bucket) {
  if (bucket == kDigitBucket) return txt::Fixed(IDS_PART_NUMBER);
  if (bucket == kOtherBucket) return txt::Fixed(IDS_PART_OTHER);
  return std::string(1, static_cast<char>('a' + bucket));
}

// A word as a letter file holds it. The line is one JavaScript string whose
// words the search form splits at ",": a comma inside a word would split it,
// and a double quote, a backslash or a line break would end or break the
// string, so none of them may stand in a word.
void AppendLetterWord(std::string& line, const std::string& word) {
  for (char c : word) {
    if (c == ',' || static_cast<unsigned char>(c) < ' ') line += ' ';
    else if (c == '"') line += '*';
    else if (c == '\\') line += '/';
    else line += c;
  }
}

}  // namespace

std::string PageLink(const core::ProjectSettings& s, const std::string& relativePath,
                     const core::WineDrives* unixBrowser) {
  const core::TText& text = core::Text();
  if (s.RelativerPfad)
    return core::RelativeLink(core::LinkFolder(s.HTMLVerzeichnis), core::LinkFolder(s.ZielVerzeichnis), relativePath,
                              unixBrowser);
  if (s.ServerNameVerwenden && !s.ServerName.empty()) {
    const std::string server = text.StripTrailingChar('\\', text.StripTrailingChar('/', s.ServerName));
    return server + "/" + text.ReplaceAll(relativePath, "\\", "/");
  }
  const std::string path = text.StripTrailingChar('\\', core::LinkFolder(s.HTMLVerzeichnis)) + "\\" + relativePath;
  return "file:///" + text.ReplaceAll(text.ReplaceAll(path, ":", "|"), "\\", "/");
}

std::string LetterFilePath(const core::ProjectSettings& s, int bucket) {
  return s.ZielVerzeichnis + "\\" +
         core::FormatDescriptor(core::Descriptor(core::DescriptorValue::MegaSearchBase), PartName(bucket));
}

std::string LetterLine(int page, const platform::TStringList& words) {
  std::string line = core::FormatDescriptor(core::Descriptor(core::DescriptorValue::MegaEntryKeywords),
                                            std::to_string(page));
  for (int i = 0; i < words.Count(); ++i) {
    if (i > 0) line += ',';
    AppendLetterWord(line, words[i]);
  }
  return line + ',' + core::LoadStr(core::Txt::JsClosing);
}

tJavascript::tJavascript(TProjekt& project, core::PageSource& pages, core::ReviewDialogs* dialogs, bool silent,
                         const core::WineDrives* unixBrowser)
    : core::tJavascript(project, pages, dialogs, silent), pellinova_(project), unixBrowser_(unixBrowser) {}

std::string tJavascript::PageLabel(const core::TSchlagwortDatei& page) const {
  return core::Text().StripTrailingChar('\\', core::Text().ShortenUrl(PageName(page), kLabelWidth));
}

// The letter files have no glossary.
bool tJavascript::UsesGlossary() const { return pellinova_.GetGlossarModus() && !pellinova_.GetMega(); }

void tJavascript::PagesKept() {
  exportWords_.clear();
  if (!pellinova_.GetXML()) return;
  for (const auto& page : pellinova_.Pages()) exportWords_.push_back(page->words.Lines());
}

void tJavascript::FormatKeywordLines(core::TSchlagwortDatei& page, int n) {
  if (pellinova_.GetMega()) FormatLetterKeywords(LetterPage(page), n);
  else core::tJavascript::FormatKeywordLines(page, n);
}

void tJavascript::FormatLetterKeywords(TSchlagwortDatei& page, int n) {
  page.keywordLines.Clear();
  page.keywordLines.Add(core::FormatDescriptor(core::Descriptor(core::DescriptorValue::EntryKeywords),
                                               std::to_string(n)) +
                        core::LoadStr(core::Txt::JsClosing));
  for (int i = 0; i < page.words.Count(); ++i) {
    const std::string word(page.words[i]);
    page.letters[LetterBucket(word)].Add(word);
  }
  page.words.Clear();
}

void tJavascript::FormatUrlLines(core::TSchlagwortDatei& page, int n) {
  page.urlLines.Clear();
  core::AppendUrlLines(core::FormatDescriptor(core::Descriptor(core::DescriptorValue::EntryPage), std::to_string(n)),
                       PageLink(pellinova_.Settings(), page.url, unixBrowser_), pellinova_.GetOptimiertModus(),
                       page.urlLines);
}

void tJavascript::WriteFiles(bool& abort) {
  if (pellinova_.GetXML()) {
    WriteXmlExport(abort);
    return;
  }
  WriteJavascriptFile(abort);
  if (!pellinova_.GetMega()) return;
  for (int bucket = 0; bucket < kLetterBuckets && !abort; ++bucket) WriteLetterFile(bucket, abort);
}

void tJavascript::WriteLetterFile(int bucket, bool& abort) {
  const std::string path = LetterFilePath(pellinova_.Settings(), bucket);
  core::TextWriter& out = NewOutput();
  if (!core::RetryStep(abort, core::FormatStr(core::LoadStr(core::Txt::ActOpenWrite), {path}), core::hcOpenWrite,
                       [&] { out.Rewrite(path); }))
    return;
  const std::string writeAction = core::FormatStr(core::LoadStr(core::Txt::ActWrite), {path});
  auto& pages = pellinova_.Pages();
  for (int i = 0; i < static_cast<int>(pages.size()) && !abort; ++i) {
    Run().Pump();
    const std::string line = LetterLine(i, LetterPage(*pages[i]).letters[bucket]);
    core::RetryStep(abort, writeAction, core::hcWrite, [&] { out.WriteLine(line); });
  }
  core::RetryCloseStep(abort, core::FormatStr(core::LoadStr(core::Txt::ActClose), {path}), core::hcClose,
                       [&] { out.Close(); });
}

void tJavascript::WriteXmlExport(bool& abort) {
  std::vector<XmlDocument> documents;
  auto& pages = pellinova_.Pages();
  documents.reserve(pages.size());
  for (size_t i = 0; i < pages.size(); ++i) {
    XmlDocument document{pages[i]->url, pages[i]->GetDescription(), {}};
    if (i < exportWords_.size()) document.keywords = std::move(exportWords_[i]);
    documents.push_back(std::move(document));
  }
  const core::ProjectSettings& s = pellinova_.Settings();
  const TXML xml(NewOutput(), s.ZielVerzeichnis + "\\" + s.XMLDatei, documents, abort);
}

}  // namespace pellinova

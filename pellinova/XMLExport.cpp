#include "pellinova/XMLExport.h"

#include "core/TText.h"
#include "core/Texts.h"
#include "coregui/Retry.h"
#include "pellinova/TextNumbers.h"
#include "platform/base/Clock.h"

namespace pellinova {

std::string XmlDescription(std::string_view description) {
  const core::TText& text = core::Text();
  std::string value = text.ReplaceAll(description, txt::Fixed(IDS_XML_BOLD), "");
  value = text.ReplaceAll(value, txt::Fixed(IDS_XML_TITLE_BREAK), txt::Fixed(IDS_XML_TITLE_SEPARATOR));
  return text.DecodeEntities(value);
}

std::string XmlValue(std::string_view value) {
  const std::string amp = txt::Fixed(IDS_XML_AMPERSAND);
  const std::string lt = txt::Fixed(IDS_XML_LESS_THAN);
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '&') out += amp;
    else if (c == '<') out += lt;
    else if (static_cast<unsigned char>(c) < ' ') out += ' ';
    else out += c;
  }
  return out;
}

TXML::TXML(core::TextWriter& out, const std::string& path, const std::vector<XmlDocument>& documents, bool& abort)
    : abort_(abort), writeAction_(core::FormatStr(core::LoadStr(core::Txt::ActWrite), {path})), out_(out) {
  const bool opened = core::RetryStep(abort_, core::FormatStr(core::LoadStr(core::Txt::ActOpenWrite), {path}),
                                      core::hcOpenWrite, [&] { out_.Rewrite(path); });
  if (!opened) return;
  WriteXmlDeclaration();
  WriteXmlComment();
  WriteXmlRoot(documents);
  // What is buffered reaches the file only here: a failing close loses
  // lines, so it is a file step like the others.
  core::RetryCloseStep(abort_, core::FormatStr(core::LoadStr(core::Txt::ActClose), {path}), core::hcClose,
                       [&] { out_.Close(); });
}

void TXML::Write(unsigned format, std::initializer_list<std::string> args) {
  const std::string line = core::FormatStr(txt::Fixed(format), args);
  core::RetryStep(abort_, writeAction_, core::hcWrite, [&] { out_.WriteLine(line); });
}

void TXML::WriteXmlDeclaration() { Write(IDS_XML_DECLARATION); }

void TXML::WriteXmlComment() {
  const platform::TDateTime now = platform::Now();
  Write(IDS_XML_COMMENT_OPEN);
  Write(IDS_XML_CREATED_BY, {core::LoadStr(core::Txt::ProgramTitle), core::LoadStr(core::Txt::ProgramVersion)});
  Write(IDS_XML_LAST_UPDATED, {platform::ShortDateString(now), platform::LongTimeString(now)});
  Write(IDS_XML_COMMENT_CLOSE);
}

void TXML::WriteXmlRoot(const std::vector<XmlDocument>& documents) {
  Write(IDS_XML_ROOT_OPEN);
  WriteXmlProgram(documents);
  Write(IDS_XML_ROOT_CLOSE);
}

void TXML::WriteXmlProgram(const std::vector<XmlDocument>& documents) {
  Write(IDS_XML_PROGRAM_OPEN, {core::LoadStr(core::Txt::ProgramVersion)});
  for (const XmlDocument& document : documents) {
    if (abort_) return;
    WriteXmlDocument(document);
  }
  Write(IDS_XML_PROGRAM_CLOSE);
}

void TXML::WriteXmlDocument(const XmlDocument& document) {
  Write(IDS_XML_DOCUMENT_OPEN);
  WriteXmlUrl(document.url);
  WriteXmlDescription(document.description);
  for (const std::string& keyword : document.keywords) WriteXmlKeyword(keyword);
  Write(IDS_XML_DOCUMENT_CLOSE);
}

void TXML::WriteXmlUrl(const std::string& url) { Write(IDS_XML_URL, {XmlValue(url)}); }

void TXML::WriteXmlDescription(const std::string& description) {
  Write(IDS_XML_DESCRIPTION, {XmlValue(XmlDescription(description))});
}

void TXML::WriteXmlKeyword(const std::string& keyword) { Write(IDS_XML_KEYWORD, {XmlValue(keyword)}); }

}  // namespace pellinova

#include "pellinova/XMLExport.h"

#include "core/Hilfsmittel.h"
#include "core/Retry.h"
#include "core/Texts.h"
#include "pellinova/TextNumbers.h"
#include "platform/base/Clock.h"

namespace pellinova {

std::string XmlDescription(std::string_view description) {
  const core::TText& text = core::Text();
  std::string value = text.ReplaceAll(description, txt::Fixed(txt::kXmlBold), "");
  value = text.ReplaceAll(value, txt::Fixed(txt::kXmlTitleBreak), txt::Fixed(txt::kXmlTitleSeparator));
  return text.DecodeEntities(value);
}

std::string XmlValue(std::string_view value) {
  const std::string amp = txt::Fixed(txt::kXmlAmpersand);
  const std::string lt = txt::Fixed(txt::kXmlLessThan);
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

void TXML::WriteXmlDeclaration() { Write(txt::kXmlDeclaration); }

void TXML::WriteXmlComment() {
  const platform::TDateTime now = platform::Now();
  Write(txt::kXmlCommentOpen);
  Write(txt::kXmlCreatedBy, {core::LoadStr(core::Txt::ProgramTitle), core::LoadStr(core::Txt::ProgramVersion)});
  Write(txt::kXmlLastUpdated, {platform::ShortDateString(now), platform::LongTimeString(now)});
  Write(txt::kXmlCommentClose);
}

void TXML::WriteXmlRoot(const std::vector<XmlDocument>& documents) {
  Write(txt::kXmlRootOpen);
  WriteXmlProgram(documents);
  Write(txt::kXmlRootClose);
}

void TXML::WriteXmlProgram(const std::vector<XmlDocument>& documents) {
  Write(txt::kXmlProgramOpen, {core::LoadStr(core::Txt::ProgramVersion)});
  for (const XmlDocument& document : documents) {
    if (abort_) return;
    WriteXmlDocument(document);
  }
  Write(txt::kXmlProgramClose);
}

void TXML::WriteXmlDocument(const XmlDocument& document) {
  Write(txt::kXmlDocumentOpen);
  WriteXmlUrl(document.url);
  WriteXmlDescription(document.description);
  for (const std::string& keyword : document.keywords) WriteXmlKeyword(keyword);
  Write(txt::kXmlDocumentClose);
}

void TXML::WriteXmlUrl(const std::string& url) { Write(txt::kXmlUrl, {XmlValue(url)}); }

void TXML::WriteXmlDescription(const std::string& description) {
  Write(txt::kXmlDescription, {XmlValue(XmlDescription(description))});
}

void TXML::WriteXmlKeyword(const std::string& keyword) { Write(txt::kXmlKeyword, {XmlValue(keyword)}); }

}  // namespace pellinova

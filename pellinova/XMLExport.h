#pragma once
// The XML export: the keyword index as one XML file, written by the index run
// instead of the JavaScript database when the project's XML switch is on.
// Lines end in CRLF; the bytes are the program's own code page (1252),
// written unchanged although the declaration names ISO-8859-15.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextFile.h"

namespace pellinova {

// One page of the export.
struct XmlDocument {
  std::string url;          // the stored path relative to HTMLVerzeichnis, with "\"
  std::string description;  // as the run formatted it (CleanDescription)
  std::vector<std::string> keywords;
};

// The description as the export shows it: without "<b>", "</b><br>" as
// " -- ", the entities decoded.
std::string XmlDescription(std::string_view description);

// A value as an element holds it: "&" as "&amp;", "<" as "&lt;", and a
// control byte (below 32) as a blank, which XML 1.0 does not allow.
std::string XmlValue(std::string_view value);

class TXML {
 public:
  // Writes the file whole through out, which the caller commits to put it
  // in place of one that exists. Every file step runs in the retry loop;
  // giving up sets abort and leaves out closed with what was written.
  TXML(core::TextWriter& out, const std::string& path, const std::vector<XmlDocument>& documents, bool& abort);
  TXML(const TXML&) = delete;
  TXML& operator=(const TXML&) = delete;

 private:
  void WriteXmlDeclaration();
  void WriteXmlComment();
  void WriteXmlRoot(const std::vector<XmlDocument>& documents);
  void WriteXmlProgram(const std::vector<XmlDocument>& documents);
  void WriteXmlDocument(const XmlDocument& document);
  void WriteXmlUrl(const std::string& url);
  void WriteXmlDescription(const std::string& description);
  void WriteXmlKeyword(const std::string& keyword);
  void Write(unsigned format, std::initializer_list<std::string> args = {});

  bool& abort_;
  std::string writeAction_;
  core::TextWriter& out_;
};

}  // namespace pellinova

#pragma once
// The keyword page of one document: a copy of the project's page template in
// which three marker comments ("<!--Tessarel: Filename-->", "...Keywords-->",
// "...Date-->") are replaced by the link to the document, the keywords
// grouped by first letter, and a footer with the date.
#include <string>

#include "platform/base/Clock.h"
#include "platform/base/StringList.h"

namespace tessarel {

// The page's file for a document (relative path below the documents folder):
// beside the document, or with a common frame folder, in that folder under a
// name made of the whole relative path. ".", " " and "\" become "_", and
// ".htm" follows ("sub\My Report.doc" gives "sub_My_Report_doc.htm").
std::string PageFileName(const std::string& documentsFolder, const std::string& relative, bool commonFrame,
                         const std::string& frameFolder);

// The link from the page to its document: the file name beside it, or a link
// relative from the common frame folder. '"', '<' and '>' (a file name on
// Linux may hold them) are written as entities, so that neither the link nor
// its text can break the page. unixBrowser: the link crosses drives the Wine
// way when the browser is a Unix program.
std::string PageLinkText(const std::string& documentsFolder, const std::string& relative, bool commonFrame,
                         const std::string& frameFolder, bool unixBrowser);

// The letter links and sections of a non-empty keyword list sorted case-
// insensitively. The keywords themselves are not encoded.
std::string KeywordBody(const platform::TStringList& keywords);

// The footer with the date line for the time given.
std::string PageFooter(platform::TDateTime when);

struct PageValues {
  std::string linkText;
  std::string body;
  std::string footer;
};

// Writes the page: the template copied line by line with the markers
// replaced. Every file step runs in the retry loop (help context 0); giving
// up sets abort, and then no page is left behind (a half page would count as
// up to date at the next run).
void WriteKeywordPage(const std::string& templatePath, const std::string& outputPath, const PageValues& values,
                      bool& abort);

}  // namespace tessarel

#pragma once
// Pellinova's pages: each is a local file below the project's source folder,
// read whole. Every file step runs in the retry loop; when the user gives up
// opening a page, a message says the file may be in use, and the run ends
// before that page. A page in UTF-8 (by its META tag or its byte order mark)
// is handed on in code page 1252.
#include <string>

#include "core/PageSource.h"

namespace pellinova {

class TProjekt;

class LocalPageSource : public core::PageSource {
 public:
  explicit LocalPageSource(const TProjekt& project) : project_(project) {}

  // The file HTMLVerzeichnis + "\" + address, every byte of it. A file
  // that cannot be opened, or whose reading is given up, sets abort and
  // gives what was read.
  std::string ReadPage(int position, const std::string& address, bool& abort) override;
  // The next page is read into the largest buffer handed back.
  void Recycle(std::string text) override;

 private:
  const TProjekt& project_;
  std::string spare_;
};

}  // namespace pellinova

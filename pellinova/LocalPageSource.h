#pragma once
// Pellinova's pages: each is a local file below the project's source folder,
// read whole. Every file step runs in the retry loop; when the user gives up
// opening a page, a message says the file may be in use, and the run ends
// before that page. A page in UTF-8 (by its META tag or its byte order mark)
// is handed on in code page 1252.
//
// While the run scans one page, a thread of the source reads the next: the
// system's part of reading a file under Wine costs about as much as scanning
// it. The thread asks nobody: a page it cannot read whole is read again when
// the run comes to it, in the retry loop, as every page was before.
#include <memory>
#include <string>
#include <thread>

#include "core/PageSource.h"

namespace pellinova {

class TProjekt;

class LocalPageSource : public core::PageSource {
 public:
  explicit LocalPageSource(const TProjekt& project);
  ~LocalPageSource() override;
  LocalPageSource(const LocalPageSource&) = delete;
  LocalPageSource& operator=(const LocalPageSource&) = delete;

  // The file HTMLVerzeichnis + "\" + address, every byte of it up to
  // core::kPageSizeLimit (the rest is ignored). A file
  // that cannot be opened, or whose reading is given up, sets abort and
  // gives what was read.
  std::string ReadPage(int position, const std::string& address, bool& abort) override;
  // The next page is read into the largest buffer handed back.
  void Recycle(std::string text) override;
  bool QuickToRead() const override { return true; }

 private:
  // The page the thread reads ahead.
  struct Ahead {
    int position = -1;  // none
    std::string path;
    std::string text;
    bool done = false;
    bool read = false;  // whole, without a fault
  };

  std::string ReadNow(const std::string& address, bool& abort);
  // The page read ahead, when it is the one asked for and was read whole.
  bool TakeAhead(int position, const std::string& path, std::string& text);
  void ReadAheadFrom(int position);
  void ReadAheadLoop();

  const TProjekt& project_;
  std::string spare_;
  // The system's lock and condition: the runtime's mutex and condition ask
  // the Wine server at every wait and wake-up, several times a page.
  struct Sync;
  std::unique_ptr<Sync> sync_;
  Ahead ahead_;
  bool stopping_ = false;
  std::thread reader_;
};

}  // namespace pellinova

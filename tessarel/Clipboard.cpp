#include "tessarel/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "core/Texts.h"
#include "tessarel/ReaderTexts.h"

namespace tessarel {

namespace {

// Our own window owns what we put on the clipboard; with no owner, Windows
// may refuse the data after EmptyClipboard.
HWND OwnerWindow() {
  static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  return owner;
}

// Open for as long as the object lives. Another program may hold the
// clipboard for a moment (the applications copy into it), so an open is tried
// again for up to two seconds before it counts as failed: on a busy machine
// the holder may need that long to let go.
class OpenClipboardScope {
 public:
  OpenClipboardScope() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (OpenClipboard(OwnerWindow())) return;
      Sleep(20);
    }
    throw EClipboardError(core::LoadStr(readertexts::ClipboardBusy));
  }
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

}  // namespace

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }

std::string ClipboardText() {
  OpenClipboardScope open;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const char* text = static_cast<const char*>(GlobalLock(data));
  if (!text) return {};
  // The block may be larger than the text, and a foreign program's block is
  // not guaranteed to end in a zero inside it.
  const size_t size = GlobalSize(data);
  const char* end = static_cast<const char*>(std::memchr(text, 0, size));
  std::string result(text, end ? static_cast<size_t>(end - text) : size);
  GlobalUnlock(data);
  return result;
}

void SetClipboardText(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!block) throw EClipboardError(core::LoadStr(readertexts::ClipboardBusy));
  char* dest = static_cast<char*>(GlobalLock(block));
  std::memcpy(dest, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  try {
    OpenClipboardScope open;
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block)) return;  // the clipboard owns it now
  } catch (...) {
    GlobalFree(block);
    throw;
  }
  GlobalFree(block);
  throw EClipboardError(core::LoadStr(readertexts::ClipboardBusy));
}

void ClearClipboard() {
  OpenClipboardScope open;
  EmptyClipboard();
}

}  // namespace tessarel

// The gallery: shows every stored form of the programs and of the class
// library's samples on a real display, checks where its controls stand
// (LayoutCheck.h), and saves a picture of each as <folder>\<source>\<form>.png,
// so that a person can look at every window as a user sees it.
//
//   gallery.exe <folder> <source>=<program file> ...
//
// Each source is a program (or any module) whose FORM resources are read as
// data: every layout in it is built by its class name with the plain
// platform::Form, so a new form shows up here without any change to this
// file. A sample message box with several buttons is drawn for each source
// too, with the source's texts. scripts/gallery.sh runs this on a virtual X
// display; the exit code is 1 when a form cannot be built or breaks a rule.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "coregui/MainWindow.h"
#include "coregui/SettingsHost.h"
#include "corvanta/Texts.h"
#include "fsctl/FsControls.h"
#include "pellinova/Texts.h"
#include "platform/base/Files.h"
#include "platform/base/Resources.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/ControlKind.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormLayout.h"
#include "tessarel/Texts.h"
#include "tests/gallery/LayoutCheck.h"
#include "tests/gallery/PngFile.h"

namespace {

using gallery::Placed;
using gallery::Rect;
using platform::WindowText;

int faultCount = 0;

// The texts are code page 1252; the test log is read as UTF-8.
std::string Utf8(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(
      MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                      utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

void Fault(const std::string& where, const std::string& what) {
  ++faultCount;
  std::printf("FEHLER %s: %s\n", Utf8(where).c_str(), Utf8(what).c_str());
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

// Lets the windows paint and the display driver put the paint on the screen
// (it hands window contents to the display in batches, some milliseconds
// apart; a label's new text waits for its repaint interval).
void Settle(HWND top) {
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 200) {
    platform::App().ProcessMessagesNow();
    Sleep(10);
  }
}

// A 32-bit bitmap with its rows top-down, for reading pixels.
HBITMAP TopDownBitmap(HDC dc, int width, int height, void*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  return bits ? bitmap : nullptr;
}

// What a text needs in the window's font. The text is drawn, not only
// measured: under Wine a drawn line can come out some pixels wider than the
// measured one, and a word-wrapped text can then break onto a further line.
SIZE TextNeeds(HFONT font, const std::string& text, UINT format, int wrapWidth) {
  HDC dc = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ oldFont = SelectObject(mem, font ? font : GetStockObject(SYSTEM_FONT));
  format = (format & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_EXPANDTABS;
  RECT measured{0, 0, wrapWidth, 0};
  DrawTextA(mem, text.c_str(), -1, &measured, format | DT_CALCRECT);
  // Room for the text drawn wider, or on more lines, than measured.
  const int width = std::max<int>(measured.right, wrapWidth) + 64;
  const int height = 2 * measured.bottom + 64;
  void* bits = nullptr;
  HBITMAP bitmap = TopDownBitmap(dc, width, height, bits);
  SIZE need{measured.right, measured.bottom};
  if (bitmap) {
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
    RECT all{0, 0, width, height};
    FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(mem, RGB(0, 0, 0));
    SetBkMode(mem, TRANSPARENT);
    RECT box{0, 0, wrapWidth > 0 ? wrapWidth : width, height};
    const int drawnHeight = DrawTextA(mem, text.c_str(), -1, &box, format | DT_NOCLIP);
    GdiFlush();
    const auto* pixel = static_cast<const DWORD*>(bits);
    int inkRight = 0;
    for (int y = 0; y < height; ++y)
      for (int x = width - 1; x >= inkRight; --x)
        if ((pixel[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
          inkRight = x + 1;
          break;
        }
    need.cx = std::max<LONG>(need.cx, inkRight);
    need.cy = std::max<LONG>(need.cy, drawnHeight);
    SelectObject(mem, oldBitmap);
    DeleteObject(bitmap);
  }
  SelectObject(mem, oldFont);
  DeleteDC(mem);
  ReleaseDC(nullptr, dc);
  return need;
}

SIZE TextNeeds(HWND hwnd, const std::string& text, UINT format, int wrapWidth) {
  return TextNeeds(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), text, format, wrapWidth);
}

// The caption's text against the room the title bar leaves it beside the
// window icon and the buttons.
void MeasureCaption(HWND hwnd, Placed& p) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  const auto ex = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
  const std::string caption = WindowText(hwnd);
  if ((style & WS_CAPTION) != WS_CAPTION || caption.empty()) return;
  const bool tool = (ex & WS_EX_TOOLWINDOW) != 0;
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
  HFONT font = CreateFontIndirectA(tool ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
  p.captionNeed = TextNeeds(font, caption, DT_SINGLELINE | DT_NOPREFIX, 0).cx;
  DeleteObject(font);
  int buttons = 0;
  if (style & WS_SYSMENU) {
    buttons = 1;
    if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) buttons += 2;
    else if (ex & WS_EX_CONTEXTHELP) buttons += 1;
  }
  const bool icon = (style & WS_SYSMENU) && !(ex & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW));
  RECT window{};
  GetWindowRect(hwnd, &window);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int frame = (window.right - window.left) - client.right;
  p.captionRoom = (window.right - window.left) - frame - buttons * GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) -
                  (icon ? GetSystemMetrics(SM_CXSMICON) + 2 : 0) - 4;
}

// The room the standard controls take beside their text (as the system
// draws them at 96 dpi): a push button's frame and focus rectangle, the check
// mark and its gap, a group box's frame.
constexpr int kButtonFrame = 8;
constexpr int kCheckMark = 17;
constexpr int kGroupFrame = 16;

void MeasureText(HWND hwnd, Placed& p) {
  const std::string cls = ClassOf(hwnd);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  const std::string text = WindowText(hwnd);
  if (lstrcmpiA(cls.c_str(), "Static") == 0) {
    const DWORD type = style & SS_TYPEMASK;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      if (text.empty()) return;
      const SIZE s = TextNeeds(hwnd, text, DT_WORDBREAK | prefix, p.bounds.right - p.bounds.left);
      p.needWidth = s.cx;
      p.needHeight = s.cy;
    } else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
      if (text.empty()) return;
      const SIZE s = TextNeeds(hwnd, text, prefix, 0);
      p.needWidth = s.cx;
      p.needHeight = s.cy;
    } else {
      p.backdrop = true;  // a picture, a frame or a line
    }
    return;
  }
  if (lstrcmpiA(cls.c_str(), "Button") != 0 || text.empty()) return;
  const DWORD type = style & BS_TYPEMASK;
  const bool multiline = (style & BS_MULTILINE) != 0;
  const int width = p.bounds.right - p.bounds.left;
  switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
      const SIZE s = TextNeeds(hwnd, text, multiline ? DT_WORDBREAK : DT_SINGLELINE, width - kButtonFrame);
      p.needWidth = s.cx + kButtonFrame;
      p.needHeight = s.cy + 4;
      break;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
      const SIZE s = TextNeeds(hwnd, text, multiline ? DT_WORDBREAK : DT_SINGLELINE, width - kCheckMark);
      p.needWidth = s.cx + kCheckMark;
      p.needHeight = s.cy;
      break;
    }
    case BS_GROUPBOX: {
      const SIZE s = TextNeeds(hwnd, text, DT_SINGLELINE, 0);
      p.needWidth = s.cx + kGroupFrame;
      // Its controls stand inside the frame, below the caption.
      p.inner.left = 2;
      p.inner.top = s.cy;
      p.inner.right -= 2;
      p.inner.bottom -= 2;
      break;
    }
    default: break;
  }
}

std::string NameOf(HWND hwnd) {
  if (platform::Control* c = platform::Control::FromHandle(hwnd)) return c->Name();
  std::string text = WindowText(hwnd);
  text = text.substr(0, text.find_first_of("\r\n"));
  if (text.size() > 30) text = text.substr(0, 30) + "...";
  return ClassOf(hwnd) + " \"" + text + "\"";
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
  return TRUE;
}

// The window and everything in it, measured. In one of our forms only the
// layout's controls are checked; in other windows (the message box) every
// child window.
std::vector<Placed> Measure(HWND top, const std::string& name) {
  std::vector<HWND> handles{top};
  EnumChildWindows(top, &CollectChild, reinterpret_cast<LPARAM>(&handles));
  const bool ours = platform::Form::FromHandle(top) != nullptr;
  std::vector<Placed> placed;
  for (HWND hwnd : handles) {
    Placed p;
    RECT client{};
    GetClientRect(hwnd, &client);
    p.inner = {0, 0, client.right, client.bottom};
    if (hwnd == top) {
      p.name = name;
      p.bounds = p.inner;
      MeasureCaption(hwnd, p);
      placed.push_back(p);
      continue;
    }
    HWND parent = GetParent(hwnd);
    for (size_t i = 0; i < handles.size(); ++i)
      if (handles[i] == parent) p.parent = static_cast<int>(i);
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    p.bounds = {r.left, r.top, r.right, r.bottom};
    p.name = NameOf(hwnd);
    p.shown = (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    p.checked = !ours || platform::Control::FromHandle(hwnd) != nullptr;
    MeasureText(hwnd, p);
    placed.push_back(p);
  }
  return placed;
}

// The window as the screen shows it, frame and caption included.
std::string CaptureRgb(HWND hwnd, int& width, int& height) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  width = r.right - r.left;
  height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = TopDownBitmap(screen, width, height, bits);
  if (!bitmap) {
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    throw std::runtime_error("kein Bildspeicher");
  }
  HGDIOBJ old = SelectObject(mem, bitmap);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::string rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, '\0');
  const auto* bgrx = static_cast<const unsigned char*>(bits);
  for (size_t i = 0, n = static_cast<size_t>(width) * static_cast<size_t>(height); i < n; ++i) {
    rgb[i * 3] = static_cast<char>(bgrx[i * 4 + 2]);
    rgb[i * 3 + 1] = static_cast<char>(bgrx[i * 4 + 1]);
    rgb[i * 3 + 2] = static_cast<char>(bgrx[i * 4]);
  }
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return rgb;
}

// Moves a window that sticks out of the screen into it, for the picture.
void KeepOnScreen(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  int left = std::min<int>(r.left, screenWidth - (r.right - r.left));
  int top = std::min<int>(r.top, screenHeight - (r.bottom - r.top));
  left = std::max(0, left);
  top = std::max(0, top);
  if (left != r.left || top != r.top)
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Where pictures go, and how faults name the source.
struct Source {
  std::string name;    // "corvanta"
  std::string folder;  // "...\gallery\corvanta\"
};

// Checks the window on the screen and saves its picture.
void Picture(HWND hwnd, const Source& source, const std::string& name) {
  KeepOnScreen(hwnd);
  Settle(hwnd);
  const std::string where = source.name + "/" + name;
  for (const std::string& fault : gallery::CheckPlacement(Measure(hwnd, name))) Fault(where, fault);
  int width = 0, height = 0;
  const std::string rgb = CaptureRgb(hwnd, width, height);
  const std::string file = source.folder + name + ".png";
  platform::WriteFileBytes(file, gallery::EncodePng(width, height, rgb));
  std::printf("%s\n", file.c_str());
}

std::vector<std::string> FormResourceNames(HMODULE module) {
  std::vector<std::string> names;
  EnumResourceNamesA(
      module, "FORM",
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) -> BOOL {
        if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::string>*>(param)->push_back(name);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&names));
  return names;
}

// A stored layout of a source, parsed; no layout when it does not parse.
struct Stored {
  std::string resourceName;
  std::optional<platform::FormLayout> layout;
};

Stored ReadLayout(const std::string& resourceName, const Source& source) {
  // The resource name is the class name in capitals; the layout spells it.
  std::string text = platform::LoadResData("FORM", resourceName).value_or("");
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  auto parsed = platform::ParseFormLayout(platform::Utf8ToAnsi(text), platform::ControlKinds());
  if (!parsed.layout) Fault(source.name + "/" + resourceName, parsed.error);
  return {resourceName, std::move(parsed.layout)};
}

// A program's variant of a form (TUeberDlgPellinova beside TUeberDlg) that
// does not name its base would be drawn without the base's controls: the
// base whose name begins its own and whose components it changes.
const platform::FormLayout* UnnamedBase(const platform::FormLayout& layout, const std::vector<Stored>& all) {
  if (layout.form.Text("BaseForm")) return nullptr;
  const std::string& name = layout.form.name;
  for (const Stored& other : all) {
    if (!other.layout) continue;
    const std::string& base = other.layout->form.name;
    if (base.size() >= name.size() || !name.starts_with(base)) continue;
    for (const auto& component : layout.components)
      if (other.layout->Find(component.name)) return &*other.layout;
  }
  return nullptr;
}

// A main window with the tool-button row and the status pages is drawn in
// each layout of the row as the settings and the open project choose it; the
// stored layout is the large buttons without status pages.
void ShowToolbarLayouts(const platform::FormLayout& layout, const Source& source) {
  if (!layout.Find("sbtAssistent") || !layout.Find("pacStatus")) return;
  struct State {
    const char* suffix;
    bool speedButton;
    bool details;
  };
  for (const State& state : {State{"-Status", true, true}, State{"-klein", false, false},
                             State{"-klein-Status", false, true}}) {
    const std::string name = layout.form.name + state.suffix;
    try {
      platform::Form form(layout.form.name);
      core::LayOutToolbar(form, core::ComputeToolbarLayout(state.speedButton, state.details));
      form.Show();
      Picture(form.Handle(), source, name);
    } catch (const std::exception& e) {
      Fault(source.name + "/" + name, e.what());
    }
  }
}

void ShowForm(const platform::FormLayout& layout, const std::vector<Stored>& all, const Source& source) {
  const std::string& name = layout.form.name;
  if (const platform::FormLayout* base = UnnamedBase(layout, all)) {
    Fault(source.name + "/" + name, "\xE4ndert Steuerelemente von " + base->form.name +
                                        ", nennt es aber nicht als Basisformular (BaseForm = \"" +
                                        base->form.name + "\")");
    return;
  }
  try {
    platform::Form form(name);
    form.Show();
    Picture(form.Handle(), source, name);
  } catch (const std::exception& e) {
    Fault(source.name + "/" + name, e.what());
  }
  ShowToolbarLayouts(layout, source);
}

// The box is modal: a timer takes its picture once it stands and closes it.
const Source* boxSource = nullptr;
bool boxSeen = false;

BOOL CALLBACK FindShownWindow(HWND hwnd, LPARAM lParam) {
  if (!IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hwnd;
  return FALSE;
}

void CALLBACK PictureOfBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetActiveWindow();
  if (!box) EnumThreadWindows(GetCurrentThreadId(), &FindShownWindow, reinterpret_cast<LPARAM>(&box));
  if (!box) return;  // not up yet: the timer comes again
  KillTimer(nullptr, id);
  boxSeen = true;
  try {
    Picture(box, *boxSource, "MessageDlg");
  } catch (const std::exception& e) {
    Fault(boxSource->name + "/MessageDlg", e.what());
  }
  PostMessageA(box, WM_CLOSE, 0, 0);
}

void ShowMessageBox(const Source& source) {
  boxSource = &source;
  boxSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PictureOfBox);
  platform::MessageDlg(
      "Die Datei \x84" "C:\\Projekte\\\xDC" "bersicht.htm\x93 wurde ge\xE4ndert.\r"
      "Sollen die \xC4nderungen gespeichert werden, bevor Gr\xF6\xDF" "e und Stichw\xF6rter neu berechnet werden?",
      platform::MsgDlgType::Confirmation, platform::mbYes | platform::mbNo | platform::mbCancel | platform::mbHelp,
      0);
  KillTimer(nullptr, timer);
  if (!boxSeen) Fault(source.name + "/MessageDlg", "das Meldungsfenster erschien nicht");
}

void ShowSource(const std::string& outFolder, const std::string& name, const std::string& file) {
  const Source source{name, platform::IncludeTrailingBackslash(outFolder) + name + "\\"};
  platform::ForceDirectories(source.folder);
  HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) {
    Fault(name, "kann " + file + " nicht lesen");
    return;
  }
  platform::SetResourceSource(module);
  // Texts that code puts into forms come from the program's string table.
  if (name == "corvanta") core::SetTextTable(corvanta::TextTable());
  else if (name == "pellinova") core::SetTextTable(pellinova::TextTable());
  else if (name == "tessarel") core::SetTextTable(tessarel::TextTable());
  std::vector<Stored> stored;
  for (const std::string& resourceName : FormResourceNames(module)) stored.push_back(ReadLayout(resourceName, source));
  if (stored.empty()) Fault(name, file + " enth\xE4lt kein Formular");
  for (const Stored& s : stored)
    if (s.layout) ShowForm(*s.layout, stored, source);
  ShowMessageBox(source);
  platform::SetResourceSource(nullptr);
  FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("Aufruf: gallery <Ordner> <Name>=<Programmdatei> ...\n");
    return 2;
  }
  platform::App().Initialize();
  // Kinds that a library outside platform/ registers at the programs'
  // start-up are registered here too.
  fsctl::RegisterControlKinds();
  platform::App().OnException = [](const std::exception& e) { Fault("Ereignis", e.what()); };
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
      Fault(arg, "erwartet <Name>=<Programmdatei>");
      continue;
    }
    ShowSource(argv[1], arg.substr(0, eq), arg.substr(eq + 1));
  }
  std::printf("%d Fehler\n", faultCount);
  return faultCount == 0 ? 0 : 1;
}

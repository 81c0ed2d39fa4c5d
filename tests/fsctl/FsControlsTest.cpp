#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "fsctl/FsCommon.h"
#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "fsctl/FsFileListBox.h"
#include "fsctl/FsListBox.h"
#include "fsctl/IconCache.h"
#include "fsctl/LongNames.h"
#include "platform/base/Files.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Form.h"
#include "platform/gui/Label.h"
#include "tests/platform/BaseTestFolder.h"
#include "tests/support/GuiPump.h"

namespace {

using platform::App;
using Lines = std::vector<std::string>;

// A type-ahead list that counts its beeps instead of sounding them.
class ZaehlListBox : public fsctl::TFsListBox {
 public:
  using TFsListBox::TFsListBox;
  static constexpr std::string_view kKind = "ZaehlListBox";
  std::string_view Kind() const override { return kKind; }
  int beeps = 0;

 protected:
  void Beep() override { ++beeps; }
};

void RegisterTestKinds() {
  static const platform::ControlKind kind = [] {
    platform::ControlKind k = fsctl::TFsListBox::KindInfo();
    k.schema.kind = ZaehlListBox::kKind;
    k.make = &platform::Make<ZaehlListBox>;
    return k;
  }();
  platform::RegisterControlKind(kind);
}

class TFsTest : public platform::Form {
 public:
  TFsTest() : Form("TFsTest") {}
  ZaehlListBox& lbxObst = Find<ZaehlListBox>("lbxObst");
  ZaehlListBox& lbxMehr = Find<ZaehlListBox>("lbxMehr");
  fsctl::TFsDriveComboBox& cbxLaufwerk = Find<fsctl::TFsDriveComboBox>("cbxLaufwerk");
  platform::Label& lblPfad = Find<platform::Label>("lblPfad");
  fsctl::TFsDirectoryListBox& lbxOrdner = Find<fsctl::TFsDirectoryListBox>("lbxOrdner");
  fsctl::TFsFileListBox& lbxDateien = Find<fsctl::TFsFileListBox>("lbxDateien");
  platform::Button& btnOk = Find<platform::Button>("btnOk");
};

void Pump() { App().ProcessMessagesNow(); }
using guitest::PumpFor;

void Type(HWND list, const std::string& keys) {
  for (char c : keys) {
    if (c == '\x1B') SendMessageA(list, WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(list, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
}

void WriteFile(const std::string& path) { platform::ReplaceFileBytes(path, "x"); }

std::string CurrentFolder() {
  char path[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, path);
  return path;
}

// The lists change the process's current folder; each test gets it back.
class FsControls : public ::testing::Test {
 protected:
  // The lists start out in the current folder: an empty one reads fast.
  FsControls() {
    RegisterTestKinds();
    SetCurrentDirectoryA(dir.Path().c_str());
  }
  ~FsControls() override { SetCurrentDirectoryA(saved_.c_str()); }

  // b.txt, A.txt, c.htm, d.HTML and the folders zz (holding z.txt) and
  // "Langer Ordnername".
  void Fill() {
    for (const char* name : {"b.txt", "A.txt", "c.htm", "d.HTML"}) WriteFile(dir / name);
    platform::ForceDirectories(dir / "zz");
    WriteFile(dir / "zz\\z.txt");
    platform::ForceDirectories(dir / "Langer Ordnername");
  }

  std::string saved_ = CurrentFolder();
  BaseTestFolder dir;
};

// ---- Type-ahead -------------------------------------------------------------------

struct TypeAhead {
  const char* keys;
  const char* current;  // "" for none
  const char* searchText;
  int beeps;
};

TEST_F(FsControls, TypeAheadFindsLinesByTheirBeginning) {
  const TypeAhead cases[] = {
      {"b", "Birne", "b", 0},
      {"bro", "Brot", "bro", 0},
      {"brox", "Brot", "bro", 1},  // x finds nothing: beep, text and line stay
      {"B", "Birne", "B", 0},
      {"br\b", "Birne", "b", 0},   // Backspace searches the shorter text again
      {"b\b", "Apfel", "", 0},     // ... and with nothing left goes to the top
      {"\b", "Apfel", "", 1},      // nothing to take back: beep, search from the top
      {"k", "", "", 1},
      {"b\x1B", "", "", 0},        // Esc: no line current
  };
  for (const auto& c : cases) {
    TFsTest f;
    auto& l = f.lbxObst;
    int matches = 0;
    l.OnMatch = [&] { ++matches; };
    Type(l.Handle(), c.keys);
    const int current = l.ItemIndex();
    EXPECT_EQ(current >= 0 ? l.Item(current) : std::string(), c.current) << c.keys;
    EXPECT_EQ(l.SearchText(), c.searchText) << c.keys;
    EXPECT_EQ(l.beeps, c.beeps) << c.keys;
    if (std::string(c.current) == "Brot") {
      EXPECT_EQ(matches, 3) << c.keys;
    }
  }
}

TEST_F(FsControls, TypeAheadForgetsItsTextAfterTwoSecondsAndAtTheMouse) {
  TFsTest f;
  auto& l = f.lbxObst;
  Type(l.Handle(), "b");
  PumpFor(fsctl::TFsListBox::kSearchMs + 300);
  EXPECT_EQ(l.SearchText(), "");
  Type(l.Handle(), "a");
  EXPECT_EQ(l.Item(l.ItemIndex()), "Apfel");

  Type(l.Handle(), "p");
  EXPECT_EQ(l.SearchText(), "ap");
  SendMessageA(l.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(l.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(l.SearchText(), "");
  Type(l.Handle(), "b");
  SendMessageA(l.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(l.SearchText(), "");
}

TEST_F(FsControls, TypeAheadInAMultiSelectListMovesTheSelection) {
  TFsTest f;
  auto& m = f.lbxMehr;
  EXPECT_EQ(m.HorzExtent(), 600);
  m.SetSelected(0, true);
  m.SetItemIndex(0);
  Type(m.Handle(), "br");
  EXPECT_EQ(m.ItemIndex(), 2);
  EXPECT_EQ(m.Value(), "Brot");
  m.FitExtent();
  EXPECT_GT(m.HorzExtent(), 0);
  EXPECT_LT(m.HorzExtent(), 100);
}

// ---- File list --------------------------------------------------------------------

TEST_F(FsControls, FileListOrdersFoldersFirstAndFollowsItsMasks) {
  Fill();
  TFsTest f;
  auto& files = f.lbxDateien;
  files.SetDirectory(dir.Path());
  struct Case {
    const char* mask;
    Lines types;
    Lines listed;
  };
  const Lines withFolders = {"directory", "readonly", "archive", "normal"};
  const Case cases[] = {
      {"*.*", withFolders, {"Langer Ordnername", "zz", "A.txt", "b.txt", "c.htm", "d.HTML"}},
      {"*.*", {"readonly", "archive", "normal"}, {"A.txt", "b.txt", "c.htm", "d.HTML"}},
      {"*.txt", withFolders, {"A.txt", "b.txt"}},
      {"*.htm;*.html", withFolders, {"c.htm", "d.HTML"}},
      {"*.t*;*.txt", withFolders, {"A.txt", "b.txt"}},  // each file once
      {"z*", withFolders, {"zz"}},
      {"*.pdf", withFolders, {}},
  };
  for (const auto& c : cases) {
    files.SetFileType(c.types);
    files.SetMask(c.mask);
    EXPECT_EQ(files.Items(), c.listed) << c.mask;
  }

  // Hidden files only when asked for.
  SetFileAttributesA((dir / "b.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  files.SetFileType({"normal"});
  files.SetMask("*.txt");
  EXPECT_EQ(files.Items(), (Lines{"A.txt"}));
  files.SetFileType({"hidden", "normal"});
  EXPECT_EQ(files.Items(), (Lines{"A.txt", "b.txt"}));
}

TEST_F(FsControls, FileListSharesOneIconPerExtension) {
  Fill();
  TFsTest f;
  auto& files = f.lbxDateien;
  files.SetDirectory(dir.Path());
  files.SetMask("*.txt");
  ASSERT_EQ(files.Count(), 2);
  EXPECT_NE(fsctl::ProgramIconCache().Find(".txt"), nullptr);
  EXPECT_EQ(files.Entry(0).icon, files.Entry(1).icon);
  EXPECT_FALSE(files.Entry(0).ownIcon);
  EXPECT_EQ(files.ItemHeight(), std::max(fsctl::FontLineHeight(f.FormFont()) - 3, 18));
}

TEST_F(FsControls, AppliedPathsMoveFolderListAndFileList) {
  Fill();
  TFsTest f;
  auto& files = f.lbxDateien;
  auto& folders = f.lbxOrdner;
  int folderChanges = 0;
  folders.OnChange = [&] { ++folderChanges; };

  files.ApplyFilePath(dir / "zz\\z.txt");
  EXPECT_EQ(folders.Directory(), dir / "zz");
  EXPECT_EQ(files.Directory(), dir / "zz");
  EXPECT_EQ(files.FileName(), dir / "zz\\z.txt");
  EXPECT_EQ(folderChanges, 1);

  files.ApplyFilePath(dir / "*.txt");
  EXPECT_EQ(files.Directory(), dir.Path());
  EXPECT_EQ(files.Mask(), "*.txt");
  EXPECT_EQ(files.Items(), (Lines{"A.txt", "b.txt"}));

  // A file the mask hides becomes the mask.
  files.ApplyFilePath(dir / "c.htm");
  EXPECT_EQ(files.Mask(), "c.htm");
  EXPECT_EQ(files.FileName(), dir / "c.htm");

  // A folder entered by a double click.
  files.SetMask("*.*");
  const int zz = files.IndexOf("zz");
  ASSERT_GE(zz, 0);
  files.SetItemIndex(zz);
  SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(files.Handle()), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(files.Handle()));
  EXPECT_EQ(folders.Directory(), dir / "zz");
  EXPECT_EQ(files.Items(), (Lines{"z.txt"}));
}

TEST_F(FsControls, AMissingFileKeepsTheNewFolderWithNothingSelected) {
  Fill();
  TFsTest f;
  auto& files = f.lbxDateien;
  auto& folders = f.lbxOrdner;
  files.ApplyFilePath(dir / "b.txt");
  ASSERT_EQ(files.FileName(), dir / "b.txt");

  try {
    files.ApplyFilePath(dir / "zz\\fehlt.txt");
    ADD_FAILURE() << "a missing file must be reported";
  } catch (const platform::EInOutError& e) {
    EXPECT_EQ(std::string(e.what()), "The " + (dir / "zz\\fehlt.txt") + " file does not exist");
  }
  EXPECT_EQ(folders.Directory(), dir / "zz");
  EXPECT_EQ(folders.Item(folders.ItemIndex()), "zz");
  EXPECT_EQ(files.Directory(), dir / "zz");
  EXPECT_EQ(files.Items(), (Lines{"z.txt"}));
  EXPECT_EQ(files.ItemIndex(), -1);
  EXPECT_EQ(files.FileName(), "");
  EXPECT_EQ(files.Mask(), "*.*");

  // The same in the folder shown: the old selection goes.
  files.ApplyFilePath(dir / "zz\\z.txt");
  EXPECT_THROW(files.ApplyFilePath(dir / "zz\\fehlt.txt"), platform::EInOutError);
  EXPECT_EQ(files.FileName(), "");
  EXPECT_FALSE(files.SetValue(dir / "zz\\fehlt.txt"));
}

// ---- Folder tree -------------------------------------------------------------------

TEST_F(FsControls, FolderTreeIndentsByDepth) {
  Fill();
  TFsTest f;
  auto& folders = f.lbxOrdner;
  folders.SetDirectory("C:\\");
  ASSERT_EQ(folders.Item(0), "C:\\");
  EXPECT_EQ(folders.ItemIndex(), 0);
  EXPECT_EQ(folders.ItemIndent(0), 2);
  ASSERT_GT(folders.Count(), 1);
  EXPECT_EQ(folders.ItemIndent(1), 10);  // a sub-folder of the root

  folders.SetDirectory(dir.Path());
  const std::string path = dir.Path();
  const int depth = static_cast<int>(std::count(path.begin(), path.end(), '\\'));
  const int current = folders.ItemIndex();
  EXPECT_EQ(current, depth);
  EXPECT_EQ(folders.ItemPath(current), path);
  EXPECT_EQ(folders.ItemIndent(current), depth * 4 + 2);
  // Sub-folders follow, sorted with case ignored.
  EXPECT_EQ(folders.Item(current + 1), "Langer Ordnername");
  EXPECT_EQ(folders.Item(current + 2), "zz");
  EXPECT_EQ(folders.ItemIndent(current + 1), depth * 4 + 6);
  EXPECT_EQ(folders.ItemPath(current + 2), dir / "zz");
  // A double click opens the line's folder.
  folders.SetItemIndex(current + 2);
  folders.OpenCurrent();
  EXPECT_EQ(folders.Directory(), dir / "zz");
  EXPECT_THROW(folders.SetDirectory(dir / "gibtsnicht"), platform::EInOutError);
  EXPECT_EQ(folders.Directory(), dir / "zz");
}

TEST_F(FsControls, EnterInTheFolderTreeOpensTheHighlightedFolderNotTheDefaultButton) {
  Fill();
  TFsTest f;
  int pressed = 0;
  f.btnOk.OnClick = [&] { ++pressed; };
  f.Show();
  auto& folders = f.lbxOrdner;
  folders.SetDirectory(dir.Path());
  folders.SetItemIndex(folders.ItemIndex() + 2);
  PostMessageA(folders.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(guitest::PumpUntil([&] { return folders.Directory() == dir / "zz"; }));
  PumpFor(50);
  EXPECT_EQ(pressed, 0);
  // Elsewhere in the form Enter presses the default button.
  PostMessageA(f.lbxObst.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(guitest::PumpUntil([&] { return pressed == 1; }));
}

TEST_F(FsControls, FolderLabelShowsTheLongPathShortenedToItsWidth) {
  Fill();
  TFsTest f;
  const std::string longFolder = dir / "Langer Ordnername";
  char shortPath[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(longFolder.c_str(), shortPath, MAX_PATH), 0u);
  EXPECT_EQ(fsctl::LongPath(shortPath), longFolder);
  EXPECT_EQ(fsctl::LongPath(std::string(shortPath) + "\\"), longFolder);
  EXPECT_EQ(fsctl::LongNameOfLastElement(shortPath), "Langer Ordnername");
  EXPECT_EQ(fsctl::LongNameOfLastElement("C:\\"), "C:\\");

  auto& folders = f.lbxOrdner;
  folders.SetDirectory(shortPath);
  EXPECT_EQ(folders.LongDirectory(), longFolder);

  // 160 pixels: the leading folders give way.
  const std::string narrow = f.lblPfad.Caption();
  EXPECT_TRUE(narrow.starts_with("C:\\...\\")) << narrow;
  EXPECT_TRUE(narrow.ends_with("\\Langer Ordnername")) << narrow;
  HDC dc = GetDC(f.lblPfad.Handle());
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(f.lblPfad.Handle(), WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, narrow.data(), static_cast<int>(narrow.size()), &size);
  ReleaseDC(f.lblPfad.Handle(), dc);
  EXPECT_LE(size.cx, 160);

  f.lblPfad.SetBounds({10, 150, 480, 13});
  folders.UpdateLabel();
  EXPECT_EQ(f.lblPfad.Caption(), longFolder);
  folders.SetShowLongNames(false);
  EXPECT_EQ(f.lblPfad.Caption(), folders.Directory());
}

// ---- Drive list -----------------------------------------------------------------------

TEST_F(FsControls, DriveLinesNameTheDrive) {
  struct Case {
    char drive;
    UINT type;
    const char* name;
    const char* line;
  };
  const Case cases[] = {
      {'a', DRIVE_REMOVABLE, "", "a:"},
      {'c', DRIVE_FIXED, "System", "c: System"},
      {'C', DRIVE_FIXED, "System", "C: System"},
      {'d', DRIVE_CDROM, "Daten", "d: Daten"},
      {'r', DRIVE_RAMDISK, "", "r: "},
      {'x', DRIVE_REMOTE, "\\\\server\\share", "x: \\\\server\\share"},
      {'u', DRIVE_UNKNOWN, "", ""},
      {'v', DRIVE_NO_ROOT_DIR, "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(fsctl::TFsDriveComboBox::DriveLine(c.drive, c.type, c.name), c.line) << c.line;
  EXPECT_EQ(fsctl::TFsDriveComboBox::ShownLabel("SYSTEM"), "System");
  EXPECT_EQ(fsctl::TFsDriveComboBox::ShownLabel("\xC4RGER"), "\xC4rger");
  EXPECT_EQ(fsctl::TFsDriveComboBox::ShownLabel(""), "");
}

TEST_F(FsControls, DriveListShowsWineDrivesAndMovesItsFolderList) {
  TFsTest f;
  auto& drives = f.cbxLaufwerk;
  const Lines lines = drives.Items();
  auto lineOf = [&](char drive) {
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l[0] == drive; });
    return it == lines.end() ? std::string() : *it;
  };
  EXPECT_EQ(lineOf('c'), "c: " + fsctl::TFsDriveComboBox::VolumeLabel('c'));
  EXPECT_TRUE(lineOf('z').starts_with("z:")) << lineOf('z');
  EXPECT_EQ(drives.Drive(), 'c');  // where the process stands

  int changes = 0;
  drives.OnChange = [&] { ++changes; };
  EXPECT_TRUE(drives.SetValue("Z"));
  EXPECT_EQ(drives.Value(), "z");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(std::toupper(static_cast<unsigned char>(f.lbxOrdner.Drive())), 'Z');
  EXPECT_EQ(f.lbxDateien.Directory(), f.lbxOrdner.Directory());
  EXPECT_FALSE(drives.SetValue("q"));

  drives.SetTextCase("upper");
  EXPECT_EQ(drives.Value(), "Z");
  drives.SetDriveTypes({"removable", "network"});
  for (const auto& line : drives.Items()) EXPECT_TRUE(line[0] != 'C' && line[0] != 'Z') << "fixed drive listed: " << line;
  EXPECT_GE(drives.ItemHeight(), 16);
}

TEST_F(FsControls, TheGallerySampleBuildsWithItsLinks) {
  platform::Form f("TListSample");
  Pump();  // the folder label is filled once the form stands
  auto& label = f.Find<platform::Label>("lblPfad");
  EXPECT_TRUE(label.Caption().ends_with(dir.Path().substr(dir.Path().rfind('\\')))) << label.Caption();
  EXPECT_EQ(f.Find<fsctl::TFsFileListBox>("lbxDateien").Directory(), dir.Path());
}

TEST_F(FsControls, PicturesAreResourcesOfTheProgram) {
  for (const char* name : {"RZ_OPENFOLDER", "RZ_CLOSEDFOLDER", "RZ_CURRENTFOLDER", "RZ_FLOPPY", "RZ_FIXEDDISK",
                           "RZ_CDROM", "RZ_NETDRIVE", "RZ_RAM", "RZ_EXECUTABLE", "RZ_UNKNOWNFILE"}) {
    EXPECT_EQ(fsctl::Picture::Named(name).Width(), 16) << name;
    EXPECT_EQ(fsctl::Picture::Named(name).Height(), 16) << name;
  }
}

}  // namespace

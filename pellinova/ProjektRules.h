#pragma once
// What Pellinova's project settings add to the shared rules, without
// windows: the source folder, how the search form links the pages (absolute
// paths, a server name), the XML export with the file the tab "Ergebnis"
// names for it, and the template's per-letter mode, which leaves the glossary
// and the automatic optimisation alone. Also the question the folder choices
// share when source and target lie on different drives.
#include <string>

namespace pellinova {

class TProjekt;

struct ProjektExtras {
  std::string html;
  bool absolutePfade = false;  // RelativerPfad, inverted
  bool serverNameVerwenden = false;
  std::string serverName;
  bool xml = false;
  bool mega = false;
  std::string xmlDatei, javascriptDatei;

  void LoadFromProject(const TProjekt& project);
  // The keys the shared rules do not write; RelativerPfad last.
  void StoreToProject(TProjekt& project) const;

  bool ServerNameEnabled() const { return absolutePfade; }
  bool ServerFieldEnabled() const { return absolutePfade && serverNameVerwenden; }
  // The frame pages are not written beside the XML export.
  bool FrameButtonsEnabled() const { return !xml; }
  // The database the run writes: the XML export or the JavaScript file.
  const std::string& TargetDatabase() const { return xml ? xmlDatei : javascriptDatei; }
};

// Whether two folders lie on different drives: their first letters differ,
// ignoring case.
bool DifferentDrives(const std::string& source, const std::string& target);
// On different drives, asks whether to keep the choice; true when the
// folders may stay as they are.
bool KeepDrives(const std::string& source, const std::string& target);

}  // namespace pellinova

#pragma once
// A project on disk for the tests of the desktop layer and of the programs
// on it: a template folder with the search form's files, a target folder,
// and the project file written from settings lines and pages.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Vorlage.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Files.h"
#include "tests/platform/BaseTestFolder.h"

namespace desktoptest {

// A JavaScript template with the three marker lines.
inline const std::string kTemplateJs =
    "// Suche\r\n"
    "// Pellinova: Konstanten\r\n"
    "// Pellinova: Glossar\r\n"
    "// Pellinova: Array\r\n"
    "function suche() {}\r\n";

struct TestPage {
  std::string url;
  std::string manualDescription;
  std::string changeLog;
};

class ProjectFolder {
 public:
  ProjectFolder() {
    core::ResetTemplateDescriptor();
    platform::ForceDirectories(templateDir);
    platform::ForceDirectories(targetDir);
    platform::ForceDirectories(projectsDir);
    platform::WriteFileBytes(templateDir + "\\suche.js", kTemplateJs);
  }

  // The project file's text: its settings lines and pages.
  std::string ProjectText(const std::string& settings, const std::vector<TestPage>& pages = {}) const {
    // The first occurrence of a key counts: the test's settings come first.
    std::string ini = "[Einstellungen]\r\nAnzahlEintraege=" + std::to_string(pages.size()) + "\r\n" + settings +
                      "ZielVerzeichnis=" + targetDir + "\r\nVorlagenVerzeichnis=" + templateDir +
                      "\r\nStopwortListeVerwenden=0\r\n[Dateien]\r\n";
    for (size_t i = 0; i < pages.size(); ++i) ini += std::to_string(i + 1) + "=" + pages[i].url + "\r\n";
    ini += "[Beschreibung]\r\n";
    for (size_t i = 0; i < pages.size(); ++i)
      ini += std::to_string(i + 1) + "=" + pages[i].manualDescription + "\r\n";
    ini += "[Schlagworte]\r\n";
    for (size_t i = 0; i < pages.size(); ++i) ini += std::to_string(i + 1) + "=" + pages[i].changeLog + "\r\n";
    return ini;
  }

  // Writes projekte\<name> and gives its path.
  std::string WriteProject(const std::string& name, const std::string& settings,
                           const std::vector<TestPage>& pages = {}) const {
    const std::string path = projectsDir + "\\" + name;
    platform::WriteFileBytes(path, ProjectText(settings, pages));
    return path;
  }

  std::unique_ptr<core::TProjekt> Open(const std::string& path) const {
    bool failed = false;
    auto project = std::make_unique<core::TProjekt>(path, failed);
    if (failed) project.reset();
    return project;
  }

  BaseTestFolder folder;
  std::string programDir = folder.Path() + "\\";
  std::string projectsDir = folder / "projekte";
  std::string templateDir = folder / "vorlage";
  std::string targetDir = folder / "ziel";
};

}  // namespace desktoptest

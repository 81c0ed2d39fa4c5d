#pragma once
// The project file's format: section "Einstellungen" by a profile's key
// schema, and the page entries of "Dateien", "Beschreibung" and
// "Schlagworte", read from and written to the project's INI document. No
// window and no resource: TProjekt puts it to work with its progress window,
// the native build feeds it hostile files.
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Profile.h"
#include "core/ProjectSettings.h"
#include "core/Schlagworte.h"
#include "core/Texts.h"
#include "core/Vorlage.h"
#include "platform/base/IniFile.h"

namespace core {

// The section and key names of the project file. Every program's string
// table holds them as fixed texts under its own numbers, spelt alike; the
// format takes them from here so that it needs no resources. "" for a text
// that is none of them.
std::string ProjectFileName(Txt id);
// The texts ProjectFileName knows.
std::span<const Txt> ProjectFileNameIds();

// What reading the settings asks of the world beyond the file.
class ProjectFileHost {
 public:
  virtual bool DirExists(const std::string& path) const = 0;
  // With a trailing "\".
  virtual std::string ProgramFolder() const = 0;
  // The template folder the load arrived at (the file's, when it exists,
  // else the default): the project reads the folder's descriptor and its
  // stop words, and the template keys through ReadTemplateKeys.
  virtual void UseTemplateFolder(const std::string& folder) = 0;

 protected:
  ~ProjectFileHost() = default;
};

class ProjectFile {
 public:
  using PageList = std::vector<std::unique_ptr<TSchlagwortDatei>>;
  // Called per entry in the order of their numbers, with the number and the
  // address ("" for an entry without one, which is dropped); false stops
  // the load.
  using LoadStep = std::function<bool(int number, const std::string& url)>;
  // Called per page in project order (pages without address included).
  using SaveStep = std::function<void(size_t index, const std::string& url)>;

  // Both must outlive this object.
  ProjectFile(platform::TIniFile& ini, ProjectFileHost& host) : ini_(ini), host_(host) {}
  ProjectFile(const ProjectFile&) = delete;
  ProjectFile& operator=(const ProjectFile&) = delete;

  // AnzahlEintraege, then the profile's load keys in their order.
  void ReadSettings(const Profile& profile, ProjectSettings& s);
  // The profile's template keys, with a descriptor's switches as defaults.
  void ReadTemplateKeys(const Profile& profile, ProjectSettings& s, const TemplateSwitches& switches);
  // The page entries numbered up to AnzahlEintraege; false when step
  // stopped the load.
  bool ReadPages(const Profile& profile, PageList& pages, const LoadStep& step = {});

  // AnzahlEintraege as the number of pages, then the profile's save keys;
  // the save rules then adjust s (in memory only).
  void WriteSettings(const Profile& profile, ProjectSettings& s, int pages);
  // The pages numbered from 1, skipping those without address; the entries
  // of the last save are emptied first.
  void WritePages(const PageList& pages, const SaveStep& step = {});

  int AnnouncedPages() const { return announcedPages_; }
  // The first file-name key (one whose default is a descriptor's file name)
  // that the last ReadSettings found reaching outside its folder, with its
  // key and value (file left empty); none when every one names a file in it.
  const std::optional<RefusedFileName>& RefusedName() const { return refused_; }
  // Whether ReadSettings put the drive in place of that folder key (see
  // TProjekt::FolderSubstituted).
  bool FolderSubstituted(Txt key) const;

 private:
  struct SubstitutedFolder {
    Txt key;
    std::string ProjectSettings::* field;
  };
  void ReadKey(const SettingKey& key, ProjectSettings& s, const TemplateSwitches& switches);
  void WriteKey(const SettingKey& key, ProjectSettings& s);
  bool FolderSubstituted(std::string ProjectSettings::* field) const;

  platform::TIniFile& ini_;
  ProjectFileHost& host_;
  int announcedPages_ = 0;
  std::vector<SubstitutedFolder> substitutedFolders_;
  std::optional<RefusedFileName> refused_;
};

}  // namespace core

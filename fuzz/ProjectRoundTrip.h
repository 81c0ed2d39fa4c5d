#pragma once
// The project file of a profile of the shared engine: any bytes loaded as a
// project file, saved over themselves and loaded again must give the same
// settings and pages; once saved, saving again must not change the text.
#include <string>
#include <type_traits>
#include <variant>

#include "FuzzCheck.h"
#include "core/ProjectFile.h"

namespace {

// Folders exist by a rule of their own (the drive always), so that both
// branches of every folder key are taken; the template folder decides
// whether it has a descriptor, and its switches, the same way.
class FuzzHost : public core::ProjectFileHost {
 public:
  FuzzHost(const core::Profile& profile, core::ProjectSettings& s) : profile_(profile), s_(s) {}
  core::ProjectFile* file = nullptr;

  bool DirExists(const std::string& path) const override { return path == "C:" || path.size() % 3 != 0; }
  std::string ProgramFolder() const override { return "C:\\Programme\\Quarvelin\\"; }
  void UseTemplateFolder(const std::string& folder) override {
    s_.VorlagenVerzeichnis = folder;
    if (folder.size() % 2 == 0) return;
    file->ReadTemplateKeys(profile_, s_, {folder.size() % 5 == 0, folder.size() % 7 == 0});
  }

 private:
  const core::Profile& profile_;
  core::ProjectSettings& s_;
};

struct Project {
  core::ProjectSettings settings;
  core::ProjectFile::PageList pages;
};

Project Load(platform::TIniFile& ini, const core::Profile& profile) {
  Project p;
  FuzzHost host(profile, p.settings);
  core::ProjectFile file(ini, host);
  host.file = &file;
  file.ReadSettings(profile, p.settings);
  FUZZ_CHECK(file.ReadPages(profile, p.pages));
  return p;
}

void Save(platform::TIniFile& ini, const core::Profile& profile, Project& p) {
  FuzzHost host(profile, p.settings);
  core::ProjectFile file(ini, host);
  host.file = &file;
  file.WriteSettings(profile, p.settings, static_cast<int>(p.pages.size()));
  file.WritePages(p.pages);
}

void CheckSameKeys(const core::Profile& profile, const core::ProjectSettings& a, const core::ProjectSettings& b) {
  for (const auto keys : {profile.loadKeys, profile.saveKeys, profile.templateKeys}) {
    for (const core::SettingKey& key : keys) {
      std::visit(
          [&](auto member) {
            if (a.*member == b.*member) return;
            std::fprintf(stderr, "key %s\n", core::ProjectFileName(key.name).c_str());
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(a.*member)>, std::string>) {
              FuzzDump("loaded", a.*member);
              FuzzDump("reloaded", b.*member);
            }
            FUZZ_CHECK(a.*member == b.*member);
          },
          key.field);
    }
  }
}

void CheckSamePages(const core::ProjectFile::PageList& a, const core::ProjectFile::PageList& b) {
  FUZZ_CHECK(a.size() == b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    FUZZ_CHECK(a[i]->url == b[i]->url);
    FUZZ_CHECK(a[i]->manualDescription == b[i]->manualDescription);
    if (a[i]->ChangeLogText() != b[i]->ChangeLogText()) {
      FuzzDump("changes", a[i]->ChangeLogText());
      FuzzDump("reloaded", b[i]->ChangeLogText());
    }
    FUZZ_CHECK(a[i]->ChangeLogText() == b[i]->ChangeLogText());
  }
}

// The text of a project file after it was opened and saved.
std::string Resaved(const std::string& text, const core::Profile& profile) {
  platform::TIniFile ini = platform::TIniFile::FromText(text);
  Project p = Load(ini, profile);
  Save(ini, profile, p);
  return ini.Text();
}

int ProjectRoundTrip(const core::Profile& profile, const uint8_t* data, size_t size) {
  platform::TIniFile ini = platform::TIniFile::FromText(std::string(reinterpret_cast<const char*>(data), size));
  Project loaded = Load(ini, profile);
  const core::ProjectSettings asLoaded = loaded.settings;  // the save's rules change it in memory
  Save(ini, profile, loaded);
  const std::string saved = ini.Text();

  platform::TIniFile again = platform::TIniFile::FromText(saved);
  Project reloaded = Load(again, profile);
  CheckSameKeys(profile, asLoaded, reloaded.settings);
  CheckSamePages(loaded.pages, reloaded.pages);

  // The first save empties the old entries only up to the first one without
  // address; those after it go when a later save reaches them.
  const std::string resaved = Resaved(saved, profile);
  const std::string third = Resaved(resaved, profile);
  if (third != resaved) {
    FuzzDump("saved", resaved);
    FuzzDump("saved again", third);
  }
  FUZZ_CHECK(third == resaved);
  return 0;
}

}  // namespace

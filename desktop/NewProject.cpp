#include "desktop/NewProject.h"

#include <windows.h>

#include "core/HelpContexts.h"
#include "core/Vorlage.h"
#include "platform/base/Files.h"
#include "platform/base/IniFile.h"
#include "platform/base/StringList.h"

namespace desktop {

using core::LoadStr;
using core::Txt;

std::vector<core::Txt> BadNameCharacters(std::string_view name) {
  std::vector<Txt> found;
  for (const auto& [c, text] : {std::pair{'\\', Txt::MsgNameBackslash}, std::pair{':', Txt::MsgNameColon},
                                std::pair{'/', Txt::MsgNameSlash}})
    if (name.find(c) != std::string_view::npos) found.push_back(text);
  return found;
}

std::string ProjectFileFor(const std::string& projectsFolder, const std::string& name, const std::string& extension) {
  std::string file = projectsFolder + "\\" + name;
  if (platform::ExtractFileExt(name).empty()) file += extension;
  return file;
}

std::string ProposedProjectName(const std::string& projectFile) {
  const std::string name = platform::ExtractFileName(projectFile);
  const std::string extension = platform::ExtractFileExt(name);
  // A name without extension is proposed whole.
  if (extension.empty()) return name;
  return name.substr(0, name.find(extension));
}

std::vector<NameWarning> NameWarnings(std::string_view name, bool projectFileExists) {
  std::vector<NameWarning> warnings;
  for (const Txt text : BadNameCharacters(name)) warnings.push_back({text, core::hcNichtErlaubt});
  if (projectFileExists) warnings.push_back({Txt::MsgProjectExists, core::hcProjektSchonDa});
  return warnings;
}

std::string TemplateRoot(const std::string& programDir) { return programDir + LoadStr(Txt::TemplateRoot); }

std::string TemplateFolder(const std::string& root, const std::string& name) { return root + "\\" + name; }

std::string TemplatePreviewPage(const std::string& root, const std::string& name) {
  return root + "\\" + LoadStr(Txt::TemplatePreviewFolder) + "\\" + name + "\\" + LoadStr(Txt::TemplatePreviewPage);
}

std::vector<std::string> TemplateNames(const std::string& root) {
  platform::TStringList sorted;
  sorted.SetSorted(true);
  const std::string preview = LoadStr(Txt::TemplatePreviewFolder);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((root + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name[0] != '.' && name != preview) sorted.Add(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  std::vector<std::string> names;
  for (int i = 0; i < sorted.Count(); ++i) names.push_back(sorted[i]);
  return names;
}

int InitialTemplate(const std::vector<std::string>& names) {
  const std::string standard = LoadStr(Txt::TemplateStandard);
  for (size_t i = 0; i < names.size(); ++i)
    if (platform::SameText(names[i], standard)) return static_cast<int>(i);
  return names.empty() ? -1 : 0;
}

TemplateInfo ReadTemplateInfo(const std::string& templateFolder) {
  const platform::TIniFile descriptor(core::DescriptorPath(templateFolder));
  const std::string section = LoadStr(Txt::TemplateInfoSection);
  return {descriptor.ReadString(section, LoadStr(Txt::TemplateInfoText), ""),
          descriptor.ReadString(section, LoadStr(Txt::TemplateInfoAuthor), ""),
          descriptor.ReadString(section, LoadStr(Txt::TemplateInfoVersion), "")};
}

}  // namespace desktop

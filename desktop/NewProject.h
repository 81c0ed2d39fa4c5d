#pragma once
// The rules of starting a project: the search-form templates to choose from
// and what each says of itself, and the checks of a project name (the
// new-project dialog runs them all, the wizard's name page the first).
#include <string>
#include <string_view>
#include <vector>

#include "core/Texts.h"
#include "core/HelpContexts.h"

namespace desktop {

// One warning per kind of character a project name may not hold, in the
// order "\", ":", "/".
std::vector<core::Txt> BadNameCharacters(std::string_view name);

// The project file of a name: the projects folder + "\" + the name, with the
// extension appended when the name has none of its own.
std::string ProjectFileFor(const std::string& projectsFolder, const std::string& name, const std::string& extension);

// The name a project file proposes: its file name up to its extension.
std::string ProposedProjectName(const std::string& projectFile);

// Every warning a name gets: its bad characters, then the existence of its
// project file.
struct NameWarning {
  core::Txt text;
  int helpContext;
};
std::vector<NameWarning> NameWarnings(std::string_view name, bool projectFileExists);

// The folder of the templates: programDir (with its "\") + "vorlage".
std::string TemplateRoot(const std::string& programDir);
// root + "\" + name.
std::string TemplateFolder(const std::string& root, const std::string& name);
// The template's preview: root + "\vorschau\" + name + "\p_index.htm".
std::string TemplatePreviewPage(const std::string& root, const std::string& name);

// The templates below root: its sub-folders but those whose name begins with
// "." and the preview folder ("vorschau", exact), in the list's order. None
// when root is missing.
std::vector<std::string> TemplateNames(const std::string& root);
// The template chosen at first: the standard one (case ignored) when listed,
// else the first; -1 for none.
int InitialTemplate(const std::vector<std::string>& names);

// What a template's descriptor says of it (section "vorlage"); missing keys
// are empty.
struct TemplateInfo {
  std::string description;
  std::string author;
  std::string version;
};
TemplateInfo ReadTemplateInfo(const std::string& templateFolder);

}  // namespace desktop

#include "coregui/SearchFormFiles.h"

#include <algorithm>
#include <limits>

#include "coregui/Hilfsmittel.h"
#include "coregui/hinweis.h"
#include "coregui/projektVerwaltung.h"
#include "platform/base/Files.h"

namespace core {

namespace {

// The masks of a search form's files, in the order the copy takes them.
constexpr const char* kTemplateMasks[] = {"*.htm", "*.html", "*.gif", "*.jpg", "*.js"};

std::string InFolder(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

}  // namespace

std::string IndexFilePath(const TProjekt& project) {
  return InFolder(Text().StripTrailingChar('\\', project.GetZielVerzeichnis()), project.GetJavascriptDatei());
}

std::int32_t IndexFileSize(const TProjekt& project) {
  const std::string path = IndexFilePath(project);
  if (!platform::FileExists(path)) return 0;
  try {
    platform::TFile file;
    file.OpenRead(path);
    const std::int64_t size = file.Size();
    return static_cast<std::int32_t>(std::min<std::int64_t>(size, std::numeric_limits<std::int32_t>::max()));
  } catch (const std::exception&) {
    return 0;
  }
}

void TemplateFiles(const TProjekt& project, platform::TStringList& files) {
  files.SetSorted(true);
  files.SetDuplicates(platform::TDuplicates::dupIgnore);
  for (const char* mask : kTemplateMasks)
    Dir().FindFiles(project.GetVorlagenVerzeichnis(), mask, files, false, false);
  for (int i = files.Count() - 1; i >= 0; --i)
    if (platform::SameText(platform::ExtractFileName(files[i]), project.GetJavascriptDatei())) files.Delete(i);
}

bool IsCutOffCopy(const std::string& source, const std::string& destination) {
  try {
    platform::TFile copy;
    copy.OpenRead(destination);
    platform::TFile original;
    original.OpenRead(source);
    const std::int64_t size = copy.Size();
    if (size >= original.Size()) return false;
    std::string head(static_cast<size_t>(size), '\0');
    std::string start(static_cast<size_t>(size), '\0');
    return copy.Read(head.data(), head.size()) == head.size() &&
           original.Read(start.data(), start.size()) == start.size() && head == start;
  } catch (const std::exception&) {
    return false;  // what cannot be read is not known to be cut off
  }
}

CopyOutcome CopyRemainingTemplateFiles(const TProjekt& project, const std::string& caption, bool& abort,
                                       THinweisDlg* shared) {
  StepWindow step(shared);
  THinweisDlg& window = *step;
  window.SetCaption(caption);
  window.HideTimeLabels();
  window.Show();
  platform::TStringList files;
  TemplateFiles(project, files);
  for (int i = 0; i < files.Count() && !abort; ++i) {
    const std::string destination = InFolder(project.GetZielVerzeichnis(), platform::ExtractFileName(files[i]));
    if (platform::SameFile(files[i], destination)) continue;
    if (!platform::FileExists(destination) || IsCutOffCopy(files[i], destination))
      File().CopyFileWithProgress(window, files[i], destination, abort);
  }
  if (!abort) return CopyOutcome::Done;
  return ProgressRun(window).Cancelled() ? CopyOutcome::Cancelled : CopyOutcome::Failed;
}

}  // namespace core

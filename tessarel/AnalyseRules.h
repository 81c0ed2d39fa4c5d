#pragma once
// The rules of the analysis settings dialog, without its windows: the
// exclusion list as the memo shows it and as the project stores it, the
// exclusion kept in line with the four automation switches, the two width
// questions and the question about different drives.
//
// The questions go through the modal seam; the dialog only moves values
// between its controls and these functions.
#include <string>
#include <vector>

namespace tessarel {

// The entries of a stored exclusion value (",pdf,ps"): split at ",", each
// trimmed. The empty entry stands for the files without extension (the
// default list begins with it): it is kept, once, where it first stands.
// An empty value has no entries. The memo shows one entry per line, the
// empty one as an empty line.
std::vector<std::string> ExclusionEntries(const std::string& stored);
// What the memo's lines store: every entry of every line (a line may hold
// several, separated by ","), trimmed, joined by ","; empty lines give the
// empty entry, once. So no line break can end up in a pattern or in the
// project file, and a stored list comes back from the memo as it went in.
std::string StoreExclusions(const std::vector<std::string>& memoLines);

// The four document kinds that the automation switches stand for, in the
// order the switches are handled.
inline constexpr const char* kAutomationKinds[4] = {"PDF", "DOC", "XLS", "PPT"};

// Keeps the exclusion entries in line with one automation switch. Ticked
// while the kind is excluded: says so and removes the entry. Unticked while
// it is not excluded: asks whether to exclude it, and adds it on Yes. Only
// whole entries count, ignoring case and blanks ("DOC" is not "DOCX").
void ToggleExclusion(std::vector<std::string>& entries, bool ticked, const std::string& kind);

// The width fields after a change of one of them: a minimum above the
// maximum (both set) asks whether only the other bound should be checked;
// Yes clears the changed field, No sets it to the other bound. Returns the
// changed field's new value.
int CheckedMinimum(int minimum, int maximum);
int CheckedMaximum(int minimum, int maximum);

// The closing check of the common frame folder: folders on different drives
// ask whether to keep them; false when the user wants to change them.
bool KeepDrives(bool commonFrame, char documentsDrive, char frameDrive);

// Whether the folder is a drive's root ("C:", "C:\").
bool IsDriveRoot(const std::string& folder);
// Asked before an interactive run: with the documents folder at a drive's
// root and the keyword pages beside the documents, the run would put a page
// beside every document of the drive (the default folder is "C:"). False
// when the user does not want that.
bool ConfirmDocumentsFolder(const std::string& documents, bool commonFrameFolder);

// The folder a folder tree shows for a stored value: "C:" becomes "C:\".
std::string TreeFolder(const std::string& stored);
// The stored form of a tree's folder: without a trailing "\".
std::string StoredFolder(const std::string& treeFolder);

}  // namespace tessarel

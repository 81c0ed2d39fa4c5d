#pragma once
// Folders between a project and the folder trees that show them: where a
// tree can start for a stored folder, and how a tree's folder is stored.
#include <functional>
#include <string>

namespace fsctl {
class TFsDirectoryListBox;
class TFsDriveComboBox;
}  // namespace fsctl

namespace desktop {

// The folder a tree can move to for a stored one. A bare drive ("D:") means
// its root ("D:\"), not the drive's current folder; a folder that no longer
// exists gives way to its nearest existing parent, and at last to the
// drive's root, so that a project whose target was deleted still opens its
// dialogs. exists is asked for every candidate; "" stays "".
std::string ReachableFolder(const std::string& folder,
                            const std::function<bool(const std::string&)>& exists);
// The same against the file system.
std::string ReachableFolder(const std::string& folder);

// A tree's folder as the project stores it: without one trailing "\" (a
// drive's root becomes "D:").
std::string StoredFolder(const std::string& treeFolder);

// Asks for the name of a new sub-folder of parent (the word entry, proposing
// the usual name) until the user cancels or a folder is made; a folder that
// cannot be made is reported and the name, as typed, asked again. The new
// folder's path, or "" after Abbrechen.
std::string AskNewFolder(const std::string& parent);

// Shows a stored folder in a drive list and its folder tree (at the folder
// ReachableFolder gives). A drive that cannot be read leaves the tree where
// it was; the drive list follows the tree.
void ShowFolder(fsctl::TFsDriveComboBox& drives, fsctl::TFsDirectoryListBox& tree, const std::string& stored);
// After the user chose a drive: the tree moves to it; a drive that cannot be
// read (no disc in it) leaves the tree where it was and the drive list
// showing the tree's drive again.
void FollowDrive(fsctl::TFsDriveComboBox& drives, fsctl::TFsDirectoryListBox& tree);

}  // namespace desktop

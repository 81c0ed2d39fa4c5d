#pragma once
// The file-system list controls as kinds of the stored form layouts.
namespace fsctl {

// Registers FsListBox, FsFileListBox, FsDirectoryListBox and
// FsDriveComboBox; the programs and the GUI tests call it once at start-up,
// after the application is initialised.
void RegisterControlKinds();

}  // namespace fsctl

#include "fsctl/FsControls.h"

#include "fsctl/FsDirectoryListBox.h"
#include "fsctl/FsDriveComboBox.h"
#include "fsctl/FsFileListBox.h"
#include "fsctl/FsListBox.h"

namespace fsctl {

void RegisterControlKinds() {
  platform::RegisterControlKind(TFsListBox::KindInfo());
  platform::RegisterControlKind(TFsFileListBox::KindInfo());
  platform::RegisterControlKind(TFsDirectoryListBox::KindInfo());
  platform::RegisterControlKind(TFsDriveComboBox::KindInfo());
}

}  // namespace fsctl

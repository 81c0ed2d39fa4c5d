#include "pellinova/projektVerwaltung.h"

#include "core/Texts.h"

namespace pellinova {

using core::Txt;

bool TProjekt::FoldersSubstituted() const {
  return FolderSubstituted(Txt::KeyHTMLVerzeichnis) || FolderSubstituted(Txt::KeyZielVerzeichnis);
}

}  // namespace pellinova

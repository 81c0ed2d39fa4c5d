#pragma once
// The review dialogs that an index run opens page by page when it is not
// silent: the keyword review and the description dialog, with the running
// program's layouts. The main windows and the batch runs hand them to every
// run that is not silent.
#include <memory>

#include "core/ReviewDialogs.h"
#include "desktop/SharedForms.h"

namespace desktop {

std::unique_ptr<core::ReviewDialogs> MakeReviewDialogs(SharedLayouts layouts, DialogServices services);

}  // namespace desktop

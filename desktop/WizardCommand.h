#pragma once
// The search-form wizard as a command of the indexers' main window: the seven
// pages over the window's open project, each shown where the one before it
// stood, with the walk, the merge and the silent run of the window.
#include <span>

namespace platform {
class Form;
}

namespace desktop {

class TIndexerWindow;
class TWizardPage;

// Every page to where `from` stands now, kept there at its next showing.
void AlignWizardPages(std::span<TWizardPage* const> pages, const platform::Form& from);

// Runs the wizard from its first page. Cancelled, the project it opened is
// closed unsaved and the one open before is opened again by its file name
// from the folder of projects (none when none was open).
void RunWizard(TIndexerWindow& window);

}  // namespace desktop

#include "pellinova/SharedForms.h"

namespace pellinova {

desktop::SharedLayouts SharedLayouts() {
  desktop::SharedLayouts layouts;
  for (auto* chain : {&layouts.about, &layouts.wordList, &layouts.description, &layouts.stopWords,
                      &layouts.environment, &layouts.firstRun})
    chain->push_back(chain->front() + "Pellinova");
  return layouts;
}

}  // namespace pellinova

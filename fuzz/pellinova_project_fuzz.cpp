// Pellinova's project file: load any bytes, save, load again.
#include "ProjectRoundTrip.h"
#include "pellinova/projektVerwaltung.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return ProjectRoundTrip(pellinova::PellinovaProfile(), data, size);
}

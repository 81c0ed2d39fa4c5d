// Corvanta's project file: load any bytes, save, load again.
#include "ProjectRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return ProjectRoundTrip(core::CorvantaProfile(), data, size);
}

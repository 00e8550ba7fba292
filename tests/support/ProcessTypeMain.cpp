// The entry of a test executable's runtime sub-processes (see RegisterProcessTypeMain).
#include "support/TestSupport.h"

namespace testing_support {

namespace {
TProcessTypeMain& Entry() {
  static TProcessTypeMain entry = nullptr;
  return entry;
}
}  // namespace

bool RegisterProcessTypeMain(TProcessTypeMain main) {
  Entry() = main;
  return true;
}

// 98: the executable was started as a sub-process but registered no entry for it.
int RunProcessTypeMain() { return Entry() ? Entry()() : 98; }

}  // namespace testing_support

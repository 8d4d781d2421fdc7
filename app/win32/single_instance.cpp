#include "app/win32/single_instance.h"

#include <windows.h>

namespace velmora::app {

bool ClaimSingleInstance() {
  SetLastError(ERROR_SUCCESS);
  // Never closed: the marker must live exactly as long as the process.
  CreateMutexW(nullptr, TRUE, L"999");
  return GetLastError() == ERROR_SUCCESS;
}

}  // namespace velmora::app

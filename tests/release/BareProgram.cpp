// A program built without the product's manifest and version information,
// importing a DLL outside the set every Windows has (ADVAPI32): what the
// release checks must refuse. It is read by the tests, never run.
#include <windows.h>

int main() {
  HKEY key = nullptr;
  return RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key) == ERROR_SUCCESS ? 0 : 1;
}

// The converter's entry point. It reads no command line and no environment.
#include <windows.h>

#include "app/ConverterStartup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunConverter(); }

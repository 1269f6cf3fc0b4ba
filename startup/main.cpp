// Entry of installer.exe. The command line is not read.
#include <windows.h>

#include "startup/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    startup_run();
}

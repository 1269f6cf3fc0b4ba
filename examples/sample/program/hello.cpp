// The sample payload's program: shows a greeting and ends. With the
// argument /quiet it ends at once, so tests can run it without a window.
#include <windows.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmd, int) {
    if (cmd && strstr(cmd, "/quiet")) return 0;
    MessageBoxA(nullptr, "Hello from the Packwright sample!", "Packwright Sample", MB_OK | MB_ICONINFORMATION);
    return 0;
}

// A process for the program and process tests. Command line:
//   pw_probe.exe REPORT [after GO] [sleep MS]
// It writes REPORT.tmp and renames it to REPORT (so a reader never sees a
// half-written file): the show command it was given, its working folder
// and its arguments, one per line. With "after GO" it first waits until
// the file GO exists; with "sleep MS" it waits that long before
// reporting; without either it reports at once and then waits until it
// is ended.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char* next_word(char** p) {
    while (**p == ' ') ++*p;
    if (!**p) return nullptr;
    char* start = *p;
    while (**p && **p != ' ') ++*p;
    if (**p) *(*p)++ = 0;
    return start;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
    char line[1024];
    lstrcpynA(line, args, sizeof line);
    char* p = line;
    char* report = next_word(&p);
    if (!report) return 2;
    char* go = nullptr;
    int sleep_ms = -1;
    for (char* w; (w = next_word(&p));) {
        if (!strcmp(w, "after")) go = next_word(&p);
        else if (!strcmp(w, "sleep") && (w = next_word(&p))) sleep_ms = atoi(w);
    }
    if (go)
        while (GetFileAttributesA(go) == INVALID_FILE_ATTRIBUTES) Sleep(10);
    if (sleep_ms >= 0) Sleep(sleep_ms);
    STARTUPINFOA si;
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof cwd, cwd);
    char tmp[MAX_PATH + 8];
    wsprintfA(tmp, "%s.tmp", report);
    FILE* f = fopen(tmp, "wb");
    if (!f) return 3;
    fprintf(f, "%d\n%d\n%s\n%s\n", (si.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0, si.wShowWindow, cwd, args);
    fclose(f);
    MoveFileA(tmp, report);
    if (!go && sleep_ms < 0) Sleep(INFINITE);
    return 0;
}

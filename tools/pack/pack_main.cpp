#include <cstdio>
#include <cstring>
#include <string>

#include "pack.h"

static int usage() {
    std::fprintf(stderr,
                 "usage: pack --stub installer.exe --setup SETUP_DIR --payload PAYLOAD_DIR --out Setup.exe\n"
                 "       pack --list Setup.exe\n");
    return 2;
}

int main(int argc, char** argv) {
    PackOptions o;
    std::string list;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (i + 1 >= argc) return usage();
        std::string v = argv[++i];
        if (a == "--stub") o.stub = v;
        else if (a == "--setup") o.setup_dir = v;
        else if (a == "--payload") o.payload_dir = v;
        else if (a == "--out") o.out = v;
        else if (a == "--list") list = v;
        else return usage();
    }
    std::string error;
    if (!list.empty()) {
        if (pack_list(list, &error)) return 0;
        std::fprintf(stderr, "pack: %s\n", error.c_str());
        return 1;
    }
    if (o.stub.empty() || o.setup_dir.empty() || o.payload_dir.empty() || o.out.empty()) return usage();
    if (!pack_build(o, &error)) {
        std::fprintf(stderr, "pack: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

#include <minizip/unzip.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "pack.h"
#include "startup/trailer.h"

namespace fs = std::filesystem;

static bool list_archive(const char* title, const std::string& zip_path, std::string* error) {
    unzFile zf = unzOpen64(zip_path.c_str());
    if (!zf) {
        *error = std::string(title) + " is not a readable ZIP archive";
        return false;
    }
    std::printf("%s:\n", title);
    int step = unzGoToFirstFile(zf);
    while (step == UNZ_OK) {
        unz_file_info64 info;
        char name[1024];
        if (unzGetCurrentFileInfo64(zf, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK)
            std::printf("  %12" PRIu64 " %12" PRIu64 "  %s\n", (uint64_t)info.uncompressed_size,
                        (uint64_t)info.compressed_size, name);
        step = unzGoToNextFile(zf);
    }
    unzClose(zf);
    return true;
}

static bool extract_range(std::ifstream& in, int64_t offset, uint32_t size, const fs::path& to) {
    std::vector<char> data(size);
    in.clear();
    in.seekg(offset);
    in.read(data.data(), size);
    if ((uint32_t)in.gcount() != size) return false;
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out.write(data.data(), size);
    return (bool)out;
}

bool pack_list(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    in.seekg(0, std::ios::end);
    int64_t length = (int64_t)in.tellg();
    if (length < kTrailerSize) {
        *error = path + " is not a package: shorter than the 22-byte trailer";
        return false;
    }
    unsigned char trailer[kTrailerSize];
    in.seekg(length - kTrailerSize);
    in.read((char*)trailer, kTrailerSize);
    if (!trailer_magic_ok(trailer + 8)) {
        *error = path + " is not a package: the end magic KESTRALINE.EOF is missing";
        return false;
    }
    PackageTrailer t = trailer_parse(trailer);
    int64_t s_off = trailer_setup_offset(length, t), p_off = trailer_payload_offset(length, t);
    std::printf("file size          %" PRId64 "\n", length);
    std::printf("setup-data size S  %u at offset %" PRId64 "\n", t.setup_size, s_off);
    std::printf("payload size P     %u at offset %" PRId64 "\n", t.payload_size, p_off);
    if (t.setup_size == 0 || t.payload_size == 0) {
        *error = path + " is not a usable package: an archive size is 0";
        return false;
    }
    if (s_off <= 0) {
        *error = path + " is not a usable package: the archive sizes exceed the file";
        return false;
    }
    fs::path tmp = fs::temp_directory_path() / ("pack-list-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    bool ok = extract_range(in, s_off, t.setup_size, tmp);
    ok = ok && list_archive("setup-data archive", tmp.string(), error);
    ok = ok && extract_range(in, p_off, t.payload_size, tmp);
    ok = ok && list_archive("payload archive", tmp.string(), error);
    if (!ok && error->empty()) *error = "cannot read the archives of " + path;
    std::error_code ec;
    fs::remove(tmp, ec);
    return ok;
}

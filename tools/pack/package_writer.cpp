#include <minizip/zip.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "pack.h"
#include "startup/trailer.h"

namespace fs = std::filesystem;

// Packages stay below 2 GiB so that every offset fits a signed 32-bit value.
static const uint64_t kPackageLimit = 0x7FFFFFFFull;

struct Entry {
    std::string name;  // relative, "/" separated; folders end with "/"
    fs::path path;     // empty for generated data
    std::string data;  // used when path is empty
    bool is_folder;
};

static bool collect(const fs::path& root, std::vector<Entry>* out, uint64_t* total, std::string* error) {
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
    if (ec) {
        *error = "cannot read folder " + root.string() + ": " + ec.message();
        return false;
    }
    for (; it != end; it.increment(ec)) {
        if (ec) {
            *error = "cannot read folder " + root.string() + ": " + ec.message();
            return false;
        }
        Entry e;
        e.path = it->path();
        e.name = fs::relative(e.path, root).generic_string();
        e.is_folder = it->is_directory();
        if (e.is_folder) {
            e.name += "/";
        } else if (it->is_regular_file(ec) && !ec) {
            *total += it->file_size();
        } else {
            *error = "cannot read " + e.path.string() + ": not a readable regular file";
            return false;
        }
        out->push_back(e);
    }
    std::sort(out->begin(), out->end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return true;
}

static void entry_time(const fs::path& p, zip_fileinfo* zi) {
    std::time_t t = std::time(nullptr);
    std::error_code ec;
    auto ft = fs::last_write_time(p, ec);
    if (!ec) {
        auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            ft - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
        t = std::chrono::system_clock::to_time_t(sys);
    }
    std::tm tm = *std::localtime(&t);
    zi->tmz_date.tm_sec = (uInt)tm.tm_sec;
    zi->tmz_date.tm_min = (uInt)tm.tm_min;
    zi->tmz_date.tm_hour = (uInt)tm.tm_hour;
    zi->tmz_date.tm_mday = (uInt)tm.tm_mday;
    zi->tmz_date.tm_mon = (uInt)tm.tm_mon;
    zi->tmz_date.tm_year = (uInt)(tm.tm_year + 1900);
}

static bool write_zip(const std::string& zip_path, const std::vector<Entry>& entries, std::string* error) {
    zipFile zf = zipOpen64(zip_path.c_str(), APPEND_STATUS_CREATE);
    if (!zf) {
        *error = "cannot create temporary archive " + zip_path;
        return false;
    }
    bool ok = true;
    std::vector<char> buf(1 << 16);
    for (const Entry& e : entries) {
        zip_fileinfo zi = {};
        if (!e.path.empty()) entry_time(e.path, &zi);
        else entry_time(fs::current_path(), &zi);
        // Windows attributes: archive for files, directory for folders.
        zi.external_fa = e.is_folder ? 0x10 : 0x20;
        int level = e.is_folder ? 0 : Z_BEST_COMPRESSION;
        if (zipOpenNewFileInZip(zf, e.name.c_str(), &zi, nullptr, 0, nullptr, 0, nullptr, e.is_folder ? 0 : Z_DEFLATED,
                                level) != ZIP_OK) {
            *error = "cannot add " + e.name + " to " + zip_path;
            ok = false;
            break;
        }
        if (!e.is_folder) {
            if (e.path.empty()) {
                if (!e.data.empty() && zipWriteInFileInZip(zf, e.data.data(), (unsigned)e.data.size()) != ZIP_OK) ok = false;
            } else {
                std::ifstream in(e.path, std::ios::binary);
                if (!in) {
                    *error = "cannot read " + e.path.string();
                    ok = false;
                }
                while (ok && in) {
                    in.read(buf.data(), (std::streamsize)buf.size());
                    std::streamsize n = in.gcount();
                    if (n > 0 && zipWriteInFileInZip(zf, buf.data(), (unsigned)n) != ZIP_OK) ok = false;
                }
                if (ok && in.bad()) {
                    *error = "cannot read " + e.path.string();
                    ok = false;
                }
            }
            if (!ok && error->empty()) *error = "cannot write " + zip_path;
        }
        zipCloseFileInZip(zf);
        if (!ok) break;
    }
    if (zipClose(zf, nullptr) != ZIP_OK && ok) {
        *error = "cannot write " + zip_path;
        ok = false;
    }
    return ok;
}

static bool append_file(std::ofstream& out, const fs::path& p, std::string* error) {
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        *error = "cannot read " + p.string();
        return false;
    }
    out << in.rdbuf();
    if (!out) {
        *error = "cannot write the output next to " + p.string();
        return false;
    }
    return true;
}

static void remove_quietly(const fs::path& p) {
    std::error_code ec;
    fs::remove(p, ec);
}

bool pack_build(const PackOptions& o, std::string* error) {
    std::error_code ec;
    if (!fs::is_regular_file(o.stub, ec)) {
        *error = "stub not found: " + o.stub;
        return false;
    }
    if (!fs::is_directory(o.setup_dir, ec)) {
        *error = "setup folder not found: " + o.setup_dir;
        return false;
    }
    if (!fs::is_directory(o.payload_dir, ec)) {
        *error = "payload folder not found: " + o.payload_dir;
        return false;
    }
    fs::path setup(o.setup_dir);
    if (!fs::is_regular_file(setup / "Config" / "Script.ini", ec)) {
        *error = "missing install script: " + (setup / "Config" / "Script.ini").string();
        return false;
    }
    bool has_language = false;
    for (auto& e : fs::directory_iterator(setup / "Languages", ec))
        if (e.is_regular_file() && e.path().extension() == ".ini") has_language = true;
    if (!has_language) {
        *error = "no language file (*.ini) in " + (setup / "Languages").string();
        return false;
    }

    std::vector<Entry> payload, setup_entries;
    uint64_t payload_total = 0, setup_total = 0;
    if (!collect(o.payload_dir, &payload, &payload_total, error)) return false;
    if (!collect(setup, &setup_entries, &setup_total, error)) return false;
    if (!fs::exists(setup / "Config" / "Statistics.ini", ec)) {
        Entry stats;
        stats.name = "Config/Statistics.ini";
        stats.is_folder = false;
        for (int i = 0; i < 8; ++i) stats.data.push_back((char)(payload_total >> (8 * i)));
        setup_entries.push_back(stats);
        std::sort(setup_entries.begin(), setup_entries.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
    }

    std::string out = o.out;
    std::string tmp = out + ".part";
    std::string setup_zip = out + ".setup.zip.part";
    std::string payload_zip = out + ".payload.zip.part";
    bool ok = write_zip(setup_zip, setup_entries, error) && write_zip(payload_zip, payload, error);
    uint64_t stub_size = 0, s = 0, p = 0;
    if (ok) {
        stub_size = fs::file_size(o.stub, ec);
        s = fs::file_size(setup_zip, ec);
        p = fs::file_size(payload_zip, ec);
        if (stub_size + s + p + kTrailerSize >= kPackageLimit) {
            *error = "package would reach 2 GiB: " + out;
            ok = false;
        }
    }
    if (ok) {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) {
            *error = "cannot create " + tmp;
            ok = false;
        }
        ok = ok && append_file(f, o.stub, error) && append_file(f, setup_zip, error) &&
             append_file(f, payload_zip, error);
        if (ok) {
            unsigned char trailer[kTrailerSize];
            trailer_write((uint32_t)p, (uint32_t)s, trailer);
            f.write((const char*)trailer, kTrailerSize);
            f.close();
            if (!f) {
                *error = "cannot write " + tmp;
                ok = false;
            }
        }
    }
    remove_quietly(setup_zip);
    remove_quietly(payload_zip);
    if (ok) {
        fs::rename(tmp, out, ec);
        if (ec) {
            *error = "cannot rename " + tmp + " to " + out + ": " + ec.message();
            ok = false;
        }
    }
    if (!ok) remove_quietly(tmp);
    return ok;
}

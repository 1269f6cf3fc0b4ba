#include "startup/package_files.h"

#include <cstdlib>
#include <cstring>
#include <minizip/unzip.h>

#include "platform/files.h"
#include "platform/system.h"
#include "startup/archive_names.h"
#include "startup/random_numbers.h"

// Decimal digits without leading zeros (no printf: it would link the
// C runtime's whole formatter into the stub).
static std::string decimal(uint32_t n) {
    char buf[12];
    int i = sizeof buf;
    do {
        buf[--i] = (char)('0' + n % 10);
        n /= 10;
    } while (n);
    return std::string(buf + i, sizeof buf - i);
}

std::string working_folder_create() {
    std::string temp = temp_directory();
    for (int attempt = 0; attempt < kWorkingFolderAttempts; ++attempt) {
        std::string candidate = temp;
        candidate += decimal(random_below_or_equal(9999999));
        candidate += '\\';
        std::string call = candidate;
        while (!call.empty() && (call.back() == ' ' || call.back() == '/' || call.back() == '\\')) call.pop_back();
        if (folder_create(call)) return candidate;
    }
    return std::string();
}

std::string temp_archive_name(const std::string& folder) {
    for (;;) {
        std::string name = folder + decimal(random_below_or_equal(99999999)) + ".tmp";
        if (!path_exists(name)) return name;
    }
}

int archive_copy(void* source, void* destination, int32_t offset, int32_t length, ProgressCallback progress) {
    char* buf = (char*)std::malloc(kCopyBlock);
    if (!buf) return kCopyNoBuffer;
    int result = kCopyDone;
    if (!file_seek(source, offset)) {
        result = kCopyReadFailed;
    } else {
        int32_t blocks = length / (int32_t)kCopyBlock;
        uint32_t rest = (uint32_t)(length % (int32_t)kCopyBlock);
        for (int32_t i = 1; i <= blocks && result == kCopyDone; ++i) {
            if (file_read(source, buf, kCopyBlock) != (int64_t)kCopyBlock) {
                result = kCopyReadFailed;
            } else if (!file_write(destination, buf, kCopyBlock)) {
                result = kCopyWriteFailed;
            } else if (progress && progress((float)(i * 100.0 / blocks)) != 0) {
                result = kCopyCancelled;
            } else {
                sleep_ms(1);
            }
        }
        if (result == kCopyDone && rest != 0) {
            if (file_read(source, buf, rest) != (int64_t)rest)
                result = kCopyReadFailed;
            else if (!file_write(destination, buf, rest))
                result = kCopyWriteFailed;
        }
    }
    std::free(buf);
    return result;
}

static const int kNameBuffer = 500;
static const uint32_t kExtractPiece = 102400;

int archive_extract(const std::string& archive, const std::string& pattern_in, const std::string& destination_in,
                    bool keep_subfolders, const ExtractOptions* options) {
    std::string pattern = pattern_in.empty() ? "*.*" : pattern_in;
    std::string destination = destination_in;
    if (destination.empty() || destination.back() != '\\') destination += '\\';

    unzFile zip = unzOpen(archive.c_str());
    if (!zip) return 0;
    unz_global_info global;
    if (unzGetGlobalInfo(zip, &global) != UNZ_OK) global.number_entry = 0;

    int written = 0;
    bool destination_made = false;
    unsigned long seen = 0;
    int step = unzGoToFirstFile(zip);
    while (step == UNZ_OK) {
        ++seen;
        unz_file_info info;
        char raw[kNameBuffer + 1];
        if (unzGetCurrentFileInfo(zip, &info, raw, kNameBuffer, nullptr, 0, nullptr, 0) == UNZ_OK) {
            raw[kNameBuffer] = 0;
            std::string name = name_to_backslashes(oem_to_ansi(raw));
            bool wanted = wildcard_match(pattern.c_str(), name_file_part(name).c_str()) ||
                          (info.uncompressed_size == 0 && keep_subfolders);
            if (keep_subfolders) name = name_drop_drive(name);
            else name = name_file_part(name);
            // A name that would climb out of the destination is skipped.
            if (wanted && name_stays_inside(name) && unzOpenCurrentFile(zip) == UNZ_OK) {
                if (!destination_made) destination_made = folder_create_all(destination) || true;
                bool is_folder = keep_subfolders && name.back() == '\\';
                if (is_folder) {
                    folder_create_all(destination + name);
                } else {
                    if (keep_subfolders) folder_create_all(destination + name_folder_part(name));
                    std::string out_path = destination + name;
                    char* buf = (char*)std::malloc(kExtractPiece);
                    PlatformFile out = buf ? file_create(out_path) : nullptr;
                    if (out) {
                        int got;
                        bool write_ok = true;
                        uint64_t done = 0;
                        while ((got = unzReadCurrentFile(zip, buf, kExtractPiece)) > 0) {
                            if (!file_write(out, buf, (uint32_t)got)) {
                                write_ok = false;
                                break;
                            }
                            done += (uint32_t)got;
                            if (options && options->per_file && info.uncompressed_size)
                                options->per_file((float)(done * 100.0 / info.uncompressed_size));
                        }
                        file_close(out);
                        if (got == 0 && write_ok) {
                            if (options && options->per_file) options->per_file(100.0f);
                            file_set_write_time(out_path, (int)info.tmu_date.tm_year, (int)info.tmu_date.tm_mon + 1,
                                                (int)info.tmu_date.tm_mday, (int)info.tmu_date.tm_hour,
                                                (int)info.tmu_date.tm_min);
                            file_set_attributes(out_path, (uint32_t)info.external_fa);
                            ++written;
                            if (options && options->file_written) options->file_written(out_path);
                        }
                    }
                    std::free(buf);
                }
                unzCloseCurrentFile(zip);
            }
        }
        if (options && options->overall && global.number_entry)
            options->overall((float)(seen * 100.0 / global.number_entry));
        step = unzGoToNextFile(zip);
    }
    unzClose(zip);
    return written;
}

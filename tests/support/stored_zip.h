// Writes small ZIP archives with stored (uncompressed) entries and any
// entry names, including hostile ones, for tests of the extraction.
#pragma once
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

struct StoredZipEntry {
    std::string name;
    std::string data;
    uint32_t attributes;  // external attributes
};

inline void zip_put16(std::string& s, uint32_t v) {
    s += (char)(v & 0xFF);
    s += (char)((v >> 8) & 0xFF);
}
inline void zip_put32(std::string& s, uint32_t v) {
    zip_put16(s, v & 0xFFFF);
    zip_put16(s, v >> 16);
}

inline std::string stored_zip(const std::vector<StoredZipEntry>& entries) {
    std::string out, central;
    const uint32_t dos_time = (12u << 11) | (30u << 5), dos_date = ((2024u - 1980u) << 9) | (5u << 5) | 17u;
    for (const StoredZipEntry& e : entries) {
        uint32_t crc = (uint32_t)crc32(0, (const Bytef*)e.data.data(), (uInt)e.data.size());
        uint32_t offset = (uint32_t)out.size();
        zip_put32(out, 0x04034b50);
        zip_put16(out, 10);
        zip_put16(out, 0);
        zip_put16(out, 0);
        zip_put16(out, dos_time);
        zip_put16(out, dos_date);
        zip_put32(out, crc);
        zip_put32(out, (uint32_t)e.data.size());
        zip_put32(out, (uint32_t)e.data.size());
        zip_put16(out, (uint32_t)e.name.size());
        zip_put16(out, 0);
        out += e.name;
        out += e.data;
        zip_put32(central, 0x02014b50);
        zip_put16(central, 20);
        zip_put16(central, 10);
        zip_put16(central, 0);
        zip_put16(central, 0);
        zip_put16(central, dos_time);
        zip_put16(central, dos_date);
        zip_put32(central, crc);
        zip_put32(central, (uint32_t)e.data.size());
        zip_put32(central, (uint32_t)e.data.size());
        zip_put16(central, (uint32_t)e.name.size());
        zip_put16(central, 0);
        zip_put16(central, 0);
        zip_put16(central, 0);
        zip_put16(central, 0);
        zip_put32(central, e.attributes);
        zip_put32(central, offset);
        central += e.name;
    }
    uint32_t central_offset = (uint32_t)out.size();
    out += central;
    zip_put32(out, 0x06054b50);
    zip_put16(out, 0);
    zip_put16(out, 0);
    zip_put16(out, (uint32_t)entries.size());
    zip_put16(out, (uint32_t)entries.size());
    zip_put32(out, (uint32_t)central.size());
    zip_put32(out, central_offset);
    zip_put16(out, 0);
    return out;
}

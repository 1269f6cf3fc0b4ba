#include "startup/trailer.h"

#include <cstring>

static uint32_t read_le32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static void write_le32(uint32_t v, unsigned char* p) {
    p[0] = (unsigned char)v;
    p[1] = (unsigned char)(v >> 8);
    p[2] = (unsigned char)(v >> 16);
    p[3] = (unsigned char)(v >> 24);
}

bool trailer_magic_ok(const unsigned char* last14) {
    return std::memcmp(last14, kEndMagic, kEndMagicSize) == 0;
}

PackageTrailer trailer_parse(const unsigned char* trailer22) {
    PackageTrailer t;
    t.payload_size = read_le32(trailer22);
    t.setup_size = read_le32(trailer22 + 4);
    return t;
}

void trailer_write(uint32_t payload_size, uint32_t setup_size, unsigned char* out22) {
    write_le32(payload_size, out22);
    write_le32(setup_size, out22 + 4);
    std::memcpy(out22 + 8, kEndMagic, kEndMagicSize);
}

int64_t trailer_setup_offset(int64_t file_len, const PackageTrailer& t) {
    return file_len - kTrailerSize - (int64_t)t.payload_size - (int64_t)t.setup_size;
}

int64_t trailer_payload_offset(int64_t file_len, const PackageTrailer& t) {
    return file_len - kTrailerSize - (int64_t)t.payload_size;
}

// Package trailer: the 22 bytes at the end of an installer file that say
// where the two appended archives lie.
#pragma once
#include <cstdint>

static const int kTrailerSize = 22;
static const char kEndMagic[] = "KESTRALINE.EOF";  // 14 bytes, no terminator in the file
static const int kEndMagicSize = 14;

struct PackageTrailer {
    uint32_t payload_size;  // P, at E - 22
    uint32_t setup_size;    // S, at E - 18
};

// True when the 14 bytes end with the end magic.
bool trailer_magic_ok(const unsigned char* last14);

// Reads P and S from the 22 trailer bytes (no check of the magic).
PackageTrailer trailer_parse(const unsigned char* trailer22);

// Writes the 22 trailer bytes for the given sizes.
void trailer_write(uint32_t payload_size, uint32_t setup_size, unsigned char* out22);

// Start offsets of the archives in a file of length file_len, computed as
// signed values; a result of 0 or less means the package is corrupted.
int64_t trailer_setup_offset(int64_t file_len, const PackageTrailer& t);
int64_t trailer_payload_offset(int64_t file_len, const PackageTrailer& t);

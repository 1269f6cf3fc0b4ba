// The package builder: appends a setup-data archive, a payload archive
// and the trailer to a copy of the installer stub.
#pragma once
#include <string>

struct PackOptions {
    std::string stub;
    std::string setup_dir;
    std::string payload_dir;
    std::string out;
};

// Builds the package; on failure returns false and sets a one-line
// message naming the path at fault. The output appears only complete.
bool pack_build(const PackOptions& options, std::string* error);

// Prints the trailer values and the entries of both archives; false with
// a message when the file is not a package.
bool pack_list(const std::string& path, std::string* error);

// Fuzz target: arbitrary bytes as an install script, as a localization
// file and as texts and folder values for placeholder expansion. Looks
// for crashes, overruns (under the sanitizers), endless loops and
// unbounded growth. Built for libFuzzer when clang is present, and always
// with the bounded random driver in random_driver.cpp.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "script/ini_reader.h"
#include "script/message_table.h"
#include "script/messages.h"
#include "script/numbers.h"
#include "script/placeholder_passes.h"
#include "script/placeholders.h"
#include "script/script_settings.h"
#include "script/settings.h"

static std::vector<std::string> g_pieces;  // the input cut at byte 0x00

static std::string piece(size_t i) {
    return g_pieces.empty() ? std::string() : g_pieces[i % g_pieces.size()];
}
static std::string fuzz_shell(int csidl) { return piece((size_t)csidl); }
static std::string fuzz_registration() { return registration_folder_from(piece(7)); }
static std::string fuzz_temp() { return piece(3); }

static void check(bool ok) {
    if (!ok) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = (const char*)data;
    std::string bytes(text, size);

    // The reader, the settings and the message table on the whole input.
    IniFile ini;
    ini_parse(text, size, &ini);
    script_settings_read(ini);
    messages_build(ini);
    messages_substitute_app(g_script.GeneralInformation.AppName, g_script.GeneralInformation.Version);
    int last = messages_last_id();
    for (int id = -2; id <= last + 2 && id < 200; ++id) (void)Message(id).size();
    for (const IniSection& s : ini.sections)
        for (const IniKey& k : s.keys) {
            (void)read_number(k.value);
            check(k.key.find_first_of("\r\n") == std::string::npos);
        }

    // Placeholder expansion with every value taken from the input.
    g_pieces.clear();
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i)
        if (i == size || text[i] == '\0') {
            g_pieces.push_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    g_install_path = piece(1);
    g_group_folder = piece(2);
    if (g_script.GeneralInformation.AppName.empty()) g_script.GeneralInformation.AppName = piece(4);
    // One version code of each kind per input keeps a run fast; the
    // first byte chooses them.
    const int codes[] = {5, 10, 20, 30, 40, 50, 60, 65, 70, 75, 100, 255};
    int pick = size ? data[0] : 0;
    FolderSource whole = {codes[pick % 12], fuzz_shell, fuzz_registration, fuzz_temp};
    std::string out = expand_placeholders(bytes, whole);
    check(out.size() <= (size > kExpansionLimit ? size : kExpansionLimit) + 16);
    FolderSource other = {codes[(pick / 12) % 12], fuzz_shell, fuzz_registration, fuzz_temp};
    for (size_t i = 0; i < 4 && i < g_pieces.size(); ++i) (void)expand_placeholders(g_pieces[i], other);
    (void)folder_by_index(pick % 20 - 1, whole);
    (void)placeholders_text_pass(bytes);
    (void)backslash_collapse(bytes);
    (void)shell_path_finish(bytes);
    return 0;
}

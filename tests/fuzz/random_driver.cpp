// A bounded random-input driver for the fuzz target, for machines without
// libFuzzer. Inputs are mutations of the seed files (or of a few built-in
// texts): bytes changed, inserted and removed, tokens of the formats
// spliced in, pieces cut out and repeated. The run is fully determined by
// the seed, so a failure is reproduced by the same command line.
//
//   script_fuzz [--iterations N] [--seed S] [--max-size B] [SEED_FILE...]
//   script_fuzz --replay FILE...   (runs the given inputs once each)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static const char* const kTokens[] = {
    "\r\n", "\n", "\r", "=", "[", "]", ";", " ", "\t", "\xEF\xBB\xBF", "\xB6", "\\", "\\\\", "<", ">",
    "[GeneralInformation]", "[InstTasks]", "[UninstTasks]", "[LocalizationStub]", "[LocalizationUninstall]",
    "[iConfig]", "[uConfig]", "[Look]", "AppName=", "Version=", "<br>", "<BR>", "$APPNAME$", "$appversion$",
    "$", "%", "-", "+", "$FFFFFFFF", "%1010", "99999999999", "<ProgramFiles>", "<rootpartition>", "<Windows>",
    "<System>", "<PureBasic>", "<AllUsersQuickLaunch>", "<QuickLaunch>", "<AllUsersStartPrograms>",
    "<StartPrograms>", "<AllUsersDesktop>", "<Desktop>", "<AllUsersStart>", "<Start>", "<AllUsersDocuments>",
    "<Documents>", "<Temp>", "<DefaultInstallPath>", "<DefaultStartMenuGroup>", "<ProgramName>",
    "<ProgramVersion>", "<CompanyName>", "<CompanyWebsite>", "<SupportEmail>", "\"", "C:\\", "\\\\server\\",
    ""};  // the empty last entry stands for a NUL byte

static const char* const kBuiltInSeeds[] = {
    "[GeneralInformation]\r\nAppName=<ProgramName>x\r\nVersion=1\r\n[InstTasks]\r\nA=<DefaultInstallPath>\\x\r\n",
    "[LocalizationStub]\n0=Error\n=\n5=a<br>$APPNAME$\n[LocalizationUninstall]\n0=x\n",
    "<ProgramFiles>\\<ProgramName>\\\\<Temp>>\\\\server\\share",
};

static std::string read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

static void run(const std::string& input) {
    LLVMFuzzerTestOneInput((const uint8_t*)input.data(), input.size());
}

int main(int argc, char** argv) {
    unsigned long long iterations = 3000, seed = 1;
    size_t max_size = 4096;
    std::vector<std::string> seeds;
    bool replay = false;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--iterations") && i + 1 < argc) iterations = strtoull(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--seed") && i + 1 < argc) seed = strtoull(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--max-size") && i + 1 < argc) max_size = strtoul(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--replay")) replay = true;
        else seeds.push_back(read_file(argv[i]));
    }
    if (replay) {
        for (const std::string& s : seeds) run(s);
        printf("replayed %zu inputs\n", seeds.size());
        return 0;
    }
    for (const char* s : kBuiltInSeeds) seeds.push_back(s);
    printf("script_fuzz: seed %llu, %llu iterations, inputs up to %zu bytes\n", seed, iterations, max_size);
    fflush(stdout);

    std::mt19937_64 rng(seed);
    auto below = [&](size_t n) { return n ? (size_t)(rng() % n) : 0; };
    const size_t token_count = sizeof kTokens / sizeof kTokens[0];
    for (unsigned long long it = 0; it < iterations; ++it) {
        std::string s = seeds[below(seeds.size())];
        if (s.size() > max_size) s.resize(max_size);
        size_t edits = 1 + below(16);
        for (size_t e = 0; e < edits; ++e) {
            size_t at = below(s.size() + 1);
            switch (below(6)) {
            case 0:  // change a byte
                if (!s.empty()) s[below(s.size())] = (char)rng();
                break;
            case 1: {  // insert a token (the last one is a NUL byte)
                size_t t = below(token_count);
                s.insert(at, t == token_count - 1 ? std::string(1, '\0') : std::string(kTokens[t]));
                break;
            }
            case 2:  // remove a run
                s.erase(at, below(32));
                break;
            case 3: {  // repeat a piece
                std::string p = s.substr(at, below(64));
                for (size_t r = below(8); r > 0; --r) s.insert(at, p);
                break;
            }
            case 4:  // insert random bytes
                for (size_t r = below(8); r > 0; --r) s.insert(s.begin() + (long)at, (char)rng());
                break;
            default: {  // splice in a piece of another seed
                const std::string& o = seeds[below(seeds.size())];
                size_t from = below(o.size() + 1);
                s.insert(at, o.substr(from, below(256)));
                break;
            }
            }
        }
        if (s.size() > max_size) s.resize(max_size);
        run(s);
    }
    printf("script_fuzz: done, no failure\n");
    return 0;
}

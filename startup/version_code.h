// Operating-system version code: one number per Windows kind that every
// subsystem branches on.
#pragma once

enum {
    kOsNt3 = 5,
    kOsWin95 = 10,
    kOsNt4 = 20,
    kOsWin98 = 30,
    kOsWinMe = 40,
    kOsWin2000 = 50,
    kOsWinXp = 60,
    kOsServer2003 = 65,
    kOsVistaWorkstation = 70,
    kOsVistaServer = 75,
    kOsOther = 100,
};

struct OsVersionInfo {
    bool ok;             // GetVersionExA succeeded
    unsigned platform;   // dwPlatformId
    unsigned major, minor;
    bool extended_ok;    // the extended call (product type) succeeded
    unsigned product_type;
};

int version_code_from(const OsVersionInfo& v);

#include "startup/version_code.h"

int version_code_from(const OsVersionInfo& v) {
    if (!v.ok) return kOsOther;
    if (v.platform == 1) {
        if (v.minor == 0) return kOsWin95;
        if (v.minor == 10) return kOsWin98;
        if (v.minor == 90) return kOsWinMe;
        return kOsOther;
    }
    if (v.platform == 2) {
        if (v.major == 3) return kOsNt3;
        if (v.major == 4) return kOsNt4;
        if (v.major == 5) {
            if (v.minor == 0) return kOsWin2000;
            if (v.minor == 1) return kOsWinXp;
            if (v.minor == 2) return kOsServer2003;
            return kOsOther;
        }
        if (v.major == 6) {
            if (!v.extended_ok || v.product_type == 1) return kOsVistaWorkstation;
            return kOsVistaServer;
        }
    }
    return kOsOther;
}

// A module for the registration tests: registering writes the value
// "Module" = "registered" under HKEY_CURRENT_USER "Software\PackwrightTest",
// unregistering sets it to "unregistered".
#include <windows.h>

static HRESULT mark(const char* text) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\PackwrightTest", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return E_FAIL;
    RegSetValueExA(key, "Module", 0, REG_SZ, (const BYTE*)text, lstrlenA(text) + 1);
    RegCloseKey(key);
    return S_OK;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
    return mark("registered");
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
    return mark("unregistered");
}

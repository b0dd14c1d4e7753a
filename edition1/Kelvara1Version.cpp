// Version information of Kelvara1, read back from the program file by its About box:
// one string table, Japanese in the Shift-JIS code page. Compiled into the executable
// only, so the libraries carry none.
#define KVR_KEY(name) "\\StringFileInfo\\041103A4\\" name "\0"

// clang-format off
extern "C" {
__attribute__((section(".kvr_version"), used)) const char kvrVersionStrings[] =
    KVR_KEY("CompanyName")     "Kelvara project\0"
    KVR_KEY("FileDescription") "KVR歯科検診システム\0"
    KVR_KEY("FileVersion")     "1.3.1.0\0"
    KVR_KEY("InternalName")    "Kelvara1\0"
    KVR_KEY("LegalCopyright")  "Copyright (c) Kelvara project\0"
    KVR_KEY("ProductName")     "KVR歯科検診システム\0"
    KVR_KEY("ProductVersion")  "1.3.1\0";
}
// clang-format on

// Version information of Kelvara2, read back from the program file by the About box.
// Compiled into the executable only, so the library and the tests carry none.
#define KVR_KEY(name) "\\StringFileInfo\\040904E4\\" name "\0"

// clang-format off
extern "C" {
__attribute__((section(".kvr_version"), used)) const char kvrVersionStrings[] =
    KVR_KEY("CompanyName")     "Kelvara project\0"
    KVR_KEY("FileDescription") "KVR歯科検診システム\0"
    KVR_KEY("FileVersion")     "1.4.0.0\0"
    KVR_KEY("InternalName")    "KVR\0"
    KVR_KEY("LegalCopyright")  "Copyright (c) Kelvara project\0"
    KVR_KEY("ProductName")     "KVR\0"
    KVR_KEY("ProductVersion")  "1.4.0.0\0";
}
// clang-format on

// A file of platform/rtl may not use platform/os.
#include "platform/os/Files.h"

// A file of platform/rtl may not use platform/db.
#include "platform/db/Session.h"

// A file of platform/os may not use platform/db.
#include "platform/db/Query.h"

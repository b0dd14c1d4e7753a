// Nothing under platform/ may use a program folder.
#include "core/data/Dbapi.h"

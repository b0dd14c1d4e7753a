// A file of platform/widgets may use every layer below it.
#include "platform/db/Query.h"
#include "platform/os/Files.h"
#include "platform/rtl/DateTime.h"
#include "platform/widgets/Form.h"

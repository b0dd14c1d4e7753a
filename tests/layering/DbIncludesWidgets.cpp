// A file of platform/db may not use platform/widgets.
#include "platform/widgets/Form.h"

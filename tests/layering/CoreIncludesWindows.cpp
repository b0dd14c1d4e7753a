// Nothing in core/ may use a window folder.
#include "registration/PatientUnit.h"

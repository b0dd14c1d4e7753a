// A window file may use core/, the other window folders and the platform.
#include "core/MonthCalendarUnit.h"
#include "core/ProgramFiles.h"
#include "platform/widgets/Form.h"
#include "records/MedicalRecordUnit.h"
#include "registration/PatientUnit.h"

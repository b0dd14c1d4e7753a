// A file of the shell may use every floor below it.
#include "app/FormMainMenu.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "records/MedicalRecordUnit.h"
#include "registration/PatientUnit.h"
#include "tables/FormSetting.h"
#include "totals/SumupUnit.h"

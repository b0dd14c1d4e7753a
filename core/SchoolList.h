#pragma once
// The school list that the examinee window and the sum-up offer in a combo box: every
// school by name, as many as the window's array holds, with the messages of a search or
// read that fails.
#include "core/data/Dbapi.h"

#include <vector>

namespace widgets {
class ComboBox;
}

// Reads the schools into `schools` (its size is the limit: more are warned about and left
// out; element 0 serves as the search filter) and lists their names in `combo`, none
// chosen. The number listed; below 0 after the message of a failed search or read, the
// combo then keeping its items.
int LoadSchoolList(std::vector<stSchoolRecord>& schools, widgets::ComboBox* combo);

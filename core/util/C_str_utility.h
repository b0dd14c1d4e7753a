#pragma once
// Text helpers of the utility layer.
#include "platform/rtl/StringList.h"

#include <QString>

// Appends the components of a Windows path to `list`, each as "\" followed by its
// text: "\VirtualStore\Program Files" gives "\VirtualStore" and "\Program Files".
// Text before the first "\" (a drive) is dropped, so is a path without any "\";
// a trailing "\" gives a last entry "\" alone, as does an empty component.
void SplitPathComponents(const QString& path, TStrings* list);

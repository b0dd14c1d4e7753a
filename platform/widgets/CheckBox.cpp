#include "platform/widgets/CheckBox.h"

namespace widgets {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

} // namespace widgets

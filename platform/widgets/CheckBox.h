#pragma once
// A check box whose Click fires whenever Checked changes, by the operator or the
// program (handlers may change other boxes from inside it).
#include <QCheckBox>

namespace widgets {

class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);

    bool Checked() const { return isChecked(); }
    void SetChecked(bool value) { setChecked(value); }

signals:
    void Click();
    void Exit();
};

} // namespace widgets

#pragma once
// A small form of the layer's controls, made from a Designer file, for the tests and
// the screenshot tool.
#include "platform/widgets/Form.h"
#include "ui_SampleForm.h"

class TSampleForm : public widgets::Form, public Ui::TSampleForm
{
    Q_OBJECT
public:
    TSampleForm();

    QStringList Log; // the handlers that ran, in order

    void FormShow();
    void PatientSGClick();
    void PatientSGDblClick();
    void PatientSGKeyDown(int& key, widgets::TShiftState shift);
    void NameEditKeyPress(QChar& key);
    void OkButtonClick();
};

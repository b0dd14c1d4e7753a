#include "edition1/DebugUnit.h"

#include "platform/rtl/DateTime.h"
#include "platform/widgets/Handler.h"

TDebugForm* DebugForm = nullptr;

TDebugForm::TDebugForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    widgets::Connect(this, &Form::OnShow, this, &TDebugForm::FormShow);
}

void TDebugForm::FormShow()
{
    ShortDateFormatLabel->SetCaption(FormatSettings.ShortDateFormat);
}

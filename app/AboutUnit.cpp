#include "app/AboutUnit.h"

#include "core/Edition.h"
#include "core/KvrLogo.h"
#include "core/util/C_system_utility.h"
#include "platform/widgets/Handler.h"

#include <QCoreApplication>

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Position = widgets::Position::MainFormCenter;
    QFont descriptionFont = FileDescriptionLabel->font();
    descriptionFont.setPixelSize(19);
    FileDescriptionLabel->setFont(descriptionFont);
    Image1->setPicture(KvrLogo().scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    if (!Edition().AboutMade(*this))
        FillLabels();

    widgets::Connect(this, &Form::OnShow, this, &TAboutForm::FormShow);
    widgets::Connect(OkButton, &QPushButton::clicked, this, &TAboutForm::OkButtonClick);
}

void TAboutForm::FillLabels()
{
    CSystemUtility su;
    CompanyNameLabel->SetCaption(su.GetCompanyName(QCoreApplication::instance()));
    VersionLabel->SetCaption("Ver. " + su.GetFileVersion(QCoreApplication::instance()));
    FileDescriptionLabel->SetCaption(su.GetFileDescription(QCoreApplication::instance()));
}

void TAboutForm::FormShow()
{
    Edition().AboutShown(*this);
}

void TAboutForm::OkButtonClick()
{
    Close();
}

#include "app/FormMainMenu.h"

#include "app/AboutUnit.h"
#include "core/Edition.h"
#include "core/KvrLogo.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"
#include "records/MedicalRecordUnit.h"
#include "registration/MemberUnit.h"
#include "registration/PatientUnit.h"
#include "tables/FormSetting.h"
#include "totals/SumupUnit.h"

TMainMenuForm* MainMenuForm = nullptr;

TMainMenuForm::TMainMenuForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Position = widgets::Position::DesktopCenter;
    KvrLogoImage->setPicture(KvrLogo());

    Edition().MainMenuMade(*this);

    using widgets::Connect;
    Connect(this, &Form::OnShow, this, &TMainMenuForm::FormShow);
    Connect(this, &Form::OnClose, this, &TMainMenuForm::FormClose);
    Connect(this, &Form::OnDblClick, this, &TMainMenuForm::FormDblClick);
    Connect(PatientButton, &QPushButton::clicked, this, &TMainMenuForm::PatientButtonClick);
    Connect(KarteButton, &QPushButton::clicked, this, &TMainMenuForm::KarteButtonClick);
    Connect(TotalButton, &QPushButton::clicked, this, &TMainMenuForm::TotalButtonClick);
    Connect(MemberButton, &QPushButton::clicked, this, &TMainMenuForm::MemberButtonClick);
    Connect(SettingButton, &QPushButton::clicked, this, &TMainMenuForm::SettingButtonClick);
    Connect(VersionButton, &QPushButton::clicked, this, &TMainMenuForm::VersionButtonClick);
    Connect(CloseButton, &QPushButton::clicked, this, &TMainMenuForm::CloseButtonClick);
}

TMainMenuForm::~TMainMenuForm()
{
    // Only when the window never closed (a program ended while it was being made).
    ProgramFiles.Discard();
}

void TMainMenuForm::FormShow()
{
    Edition().MainMenuShown(*this);
    // Said once, at the start: every store would be refused until the database can be written.
    if (const QString folder = UnwritableDatabase(); !folder.isEmpty())
        widgets::ShowWarning(QString("データベース\"%1\"に書き込めません（読み取り専用です）。\n"
                                     "記録を見ることはできますが，追加・変更・削除はできません。\n"
                                     "データベースのフォルダーとファイルに書き込めるようにすれば，"
                                     "起動し直さなくても記録できます。")
                                 .arg(folder));
}

void TMainMenuForm::FormDblClick()
{
    Edition().MainMenuDblClick(*this);
}

void TMainMenuForm::FormClose()
{
    // Freed and reset, so that a second close (or the destructor) finds nothing left.
    ProgramFiles.Close();
}

void TMainMenuForm::PatientButtonClick()
{
    PatientForm->RegisterPatients();
}

void TMainMenuForm::KarteButtonClick()
{
    MedicalRecordForm->ShowModal();
}

void TMainMenuForm::TotalButtonClick()
{
    SumupForm->ShowModal();
}

void TMainMenuForm::MemberButtonClick()
{
    MemberForm->ShowModal();
}

void TMainMenuForm::SettingButtonClick()
{
    SettingForm->ShowModal();
}

void TMainMenuForm::VersionButtonClick()
{
    AboutForm->ShowModal();
}

void TMainMenuForm::CloseButtonClick()
{
    Close();
}

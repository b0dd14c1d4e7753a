#include "records/PrintCardUnit.h"

#include "core/ProgramFiles.h"
#include "platform/os/Files.h"
#include "platform/rtl/Paths.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Handler.h"
#include "platform/widgets/MessageForms.h"

TPrintCardForm* PrintCardForm = nullptr;

TPrintCardForm::TPrintCardForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    widgets::Connect(CloseButton, &QPushButton::clicked, this, &TPrintCardForm::CloseButtonClick);
}

int TPrintCardForm::OpenDataFile()
{
    fpCardFile = OpenMergeDataFile(asCardFileName);
    bCardFileWritten = fpCardFile != nullptr;
    return fpCardFile ? 0 : -1;
}

void TPrintCardForm::WriteHeader()
{
    if (fpCardFile)
        bCardFileWritten =
            fpCardFile->Write("Name,BirthDate,Sex,MediRecNo,IssueDate,PatientNo\n") && bCardFileWritten;
}

void TPrintCardForm::WriteCard(const stCardLine& card)
{
    // Deliberately the inner quotes doubled: a quote in a name or number would end its
    // field early and shift every later one.
    const QStringList fields = {CsvQuoted(card.asName),      CsvQuoted(card.asBirthDate),
                                CsvQuoted(card.asSex),       CsvQuoted(card.asMediRecNo),
                                CsvQuoted(card.asIssueDate), CsvQuoted(card.asPatientNo)};
    if (fpCardFile)
        bCardFileWritten = fpCardFile->Write(fields.join(",") + "\n") && bCardFileWritten;
}

int TPrintCardForm::CloseDataFile()
{
    if (!fpCardFile)
        return -1;
    return CloseMergeDataFile(fpCardFile, asCardFileName, bCardFileWritten);
}

int TPrintCardForm::OpenMergeDocument()
{
    return OpenMergeMainDocument("DocCard", "IdCard.doc");
}

void TPrintCardForm::CloseButtonClick()
{
    Close();
}

QString ProgramFolder()
{
    const QString exe = widgets::Application::Instance()->ExeName();
    return exe.left(exe.lastIndexOf('\\') + 1);
}

std::unique_ptr<TDataFile> OpenMergeDataFile(const QString& fileName)
{
    std::unique_ptr<TDataFile> file = TDataFile::Open(fileName, "w");
    if (!file)
        widgets::ShowError("印刷用データ・ファイルを開くことができません。\n" + fileName);
    return file;
}

int CloseMergeDataFile(std::unique_ptr<TDataFile>& file, const QString& fileName, bool written)
{
    written = file->Close() && written;
    file.reset();
    if (written)
        return 0;
    widgets::ShowError("印刷用データ・ファイルに書き込むことができません。\n" + fileName);
    return -1;
}

int OpenMergeMainDocument(const QString& key, const QString& defaultName)
{
    const QString path = ProgramFolder() + ProgramFiles.IniFile->ReadString("Print", key, defaultName);
    if (!os::FileExists(path)) {
        widgets::ShowErrorSilently("差し込み印刷のメイン文書がありません。\n  \"" + path + "\"");
        return -1;
    }
    widgets::CurrentInteraction().OpenDocument(HostPath(path));
    return 0;
}

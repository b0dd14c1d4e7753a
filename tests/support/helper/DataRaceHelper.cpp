// Another program on the tests' database. It opens the data module on the program's default
// folders (under $KVR_DRIVES), prints "ready", does what its arguments name and prints the code
// the store gave.
//
// Adds, each writing "race" as its text (a check-up's memo), food 99 for a diet row; notes and
// treatments by member 7. With a karte's Code the row goes onto that karte:
//
//     kvr_data_race_helper karte|patient|staff NUMBER
//     kvr_data_race_helper checkup|note|treatment [KARTECODE] KARTENUMBER
//     kvr_data_race_helper diet [KARTECODE] CHECKUPCODE
//
// Replaces (a karte replace gives it examinee 1 with AIDS answered) and deletes, of the row
// with that Code:
//
//     kvr_data_race_helper replace-karte KARTECODE KARTENUMBER
//     kvr_data_race_helper replace-checkup|replace-note|replace-treatment CODE KARTENUMBER
//     kvr_data_race_helper replace-diet CODE CHECKUPCODE
//     kvr_data_race_helper replace-patient|replace-staff CODE NUMBER
//     kvr_data_race_helper delete-karte|delete-patient|delete-staff CODE NUMBER
//
// What a second operator does to a record another window still shows: deletes the karte,
// examinee or member of that number and stores a new one under the number ("race" as its
// name; the new karte of the examinee PATIENTNUMBER, or of none):
//
//     kvr_data_race_helper give-away-karte KARTENUMBER [PATIENTNUMBER]
//     kvr_data_race_helper give-away-patient|give-away-staff NUMBER
//
// With --wait first it reads a line from standard input after "ready" before it stores, so
// that the test can lock the database in between.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Interaction.h"

#include <QStringList>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The examinee delete announces itself in a box: nobody is there to answer it.
class Unattended : public widgets::Interaction
{
public:
    int ShowModal(widgets::Form&) override { return widgets::mrCancel; }
    void PlaySound(widgets::Sound) override {}
    int ShowBox(widgets::BoxKind, const QString&) override { return widgets::mrOk; }
    QString OpenPicture(const QString&, const QString&, const QStringList&) override { return QString(); }
    bool PrinterSetup() override { return false; }
    bool OpenDocument(const QString&) override { return false; }
    void MovePointer(const QPoint&) override {}
    void ProcessMessages() override {}
    TDateTime Now() override { return EncodeDate(2024, 4, 1); }
    qint64 Ticks() override { return 0; }
    QAction* Popup(QMenu&, const QPoint&) override { return nullptr; }
};

// A note or treatment of the helper's: "race", by member 7, on the karte of that number.
template <class Record> Record Entry(QString Record::*text, int code, const QString& karteNo)
{
    Record record;
    record.iCode = code;
    record.tDate = EncodeDate(2024, 4, 3);
    record.*text = "race";
    record.asStaffNo = "7";
    record.asKarteNo = karteNo;
    return record;
}

stMedicalRec Karte(int code, const QString& number)
{
    stMedicalRec karte;
    karte.iCode = code;
    karte.asMediRecNo = number;
    karte.tDate = EncodeDate(2024, 4, 1);
    return karte;
}

stPatientRec Patient(int code, const QString& number)
{
    stPatientRec patient;
    patient.iCode = code;
    patient.asPatientNo = number;
    patient.asName0 = "race";
    return patient;
}

stStaffRecord Staff(int code, const QString& number)
{
    stStaffRecord staff;
    staff.iCode = code;
    staff.asStaffNo = number;
    staff.asNameKanji0 = "race";
    return staff;
}

int Run(const std::string& command, const QStringList& args)
{
    const QString number = args.isEmpty() ? QString() : args.last();
    const int code = args.size() > 1 ? args.first().toInt() : 0;
    if (command == "karte")
        return AddMedicalRecord(Karte(0, number), stExcursusRec(), "");
    if (command == "replace-karte") {
        stExcursusRec answers;
        answers.bAIDS = true;
        return ReplaceMedicalRecord(Karte(code, number), answers, "1");
    }
    if (command == "delete-karte")
        return DelMedicalRecord(number, code);
    if (command == "give-away-karte") {
        const int deleted = DelMedicalRecord(args.first());
        return deleted < 0 ? deleted
                           : AddMedicalRecord(Karte(0, args.first()), stExcursusRec(), args.value(1));
    }
    if (command == "patient" || command == "replace-patient")
        return command == "patient" ? AddPatient(Patient(0, number)) : ReplacePatient(Patient(code, number));
    if (command == "delete-patient")
        return DelPatient(number, code);
    if (command == "give-away-patient") {
        const int deleted = DelPatient(number);
        return deleted < 0 ? deleted : AddPatient(Patient(0, number));
    }
    if (command == "staff" || command == "replace-staff")
        return command == "staff" ? AddStaff(Staff(0, number)) : ReplaceStaff(Staff(code, number));
    if (command == "delete-staff")
        return DelStaff(number, code);
    if (command == "give-away-staff") {
        const int deleted = DelStaff(number);
        return deleted < 0 ? deleted : AddStaff(Staff(0, number));
    }
    if (command == "checkup" || command == "replace-checkup") {
        stCheckupRecord checkup;
        checkup.iCode = code;
        checkup.asKarteNo = number;
        checkup.tDate = EncodeDate(2024, 4, 2);
        checkup.asMemo = "race";
        return command == "checkup" ? AddCheckup(checkup, code) : ReplaceCheckup(checkup);
    }
    if (command == "note" || command == "replace-note") {
        const stNoteRecord note = Entry(&stNoteRecord::asDescription, code, number);
        return command == "note" ? AddNote(note, code) : ReplaceNote(note);
    }
    if (command == "treatment" || command == "replace-treatment") {
        const stTreatmentRecord treatment = Entry(&stTreatmentRecord::asTreatment, code, number);
        return command == "treatment" ? AddTreatment(treatment, code) : ReplaceTreatment(treatment);
    }
    if (command == "diet" || command == "replace-diet") {
        stDietInquiryRecord diet;
        diet.iFoodCode = 99;
        diet.iFrequencyCode = 1;
        diet.iCheckupCode = number.toInt();
        if (command == "diet")
            return AddDietInquiry(diet, code);
        diet.iCode = code;
        return ReplaceDietInquiry(diet);
    }
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const bool wait = argc > 1 && std::strcmp(argv[1], "--wait") == 0;
    if (wait) {
        --argc;
        ++argv;
    }
    if (argc < 3 || argc > 4)
        return 2;
    Unattended unattended;
    widgets::SetInteraction(&unattended);
    TDBDM module;
    module.OpenDatabase("C:\\KVR", "C:\\kvr\\database");
    std::printf("ready\n");
    std::fflush(stdout);
    if (wait) {
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 2;
    }
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    std::printf("%d\n", Run(argv[1], args));
    return 0;
}

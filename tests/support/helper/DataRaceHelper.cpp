// Another program on the tests' database. It opens the data module on the program's default
// folders (under $KVR_DRIVES), prints "ready", does what its arguments name and prints the code
// the store gave. Arguments it does not know get the usage on standard error and the exit
// status 2, never a code.
//
// With --wait first it reads a line from standard input after "ready" before it stores, so
// that the test can lock the database in between.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Interaction.h"

#include <QStringList>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

namespace {

const char Usage[] =
    "usage: kvr_data_race_helper [--wait] VERB ARGUMENTS...\n"
    "Adds, each writing \"race\" as its text (a check-up's memo), food 99 for a diet row; notes and\n"
    "treatments by member 7 (or MEMBER). With a karte's Code (0: none) the row goes onto that karte:\n"
    "  karte|patient|staff NUMBER\n"
    "  checkup [KARTECODE] KARTENUMBER\n"
    "  note|treatment [KARTECODE] KARTENUMBER [MEMBER]\n"
    "  diet [KARTECODE] CHECKUPCODE\n"
    "Replaces (a karte replace gives it examinee 1 with AIDS answered) and deletes of the row with\n"
    "that Code:\n"
    "  replace-karte KARTECODE KARTENUMBER\n"
    "  replace-checkup CODE KARTENUMBER\n"
    "  replace-note|replace-treatment CODE KARTENUMBER [MEMBER]\n"
    "  replace-diet CODE CHECKUPCODE\n"
    "  replace-patient|replace-staff CODE NUMBER\n"
    "  delete-karte|delete-patient|delete-staff CODE NUMBER\n"
    "What a second operator does to a karte another window still shows: answers AIDS on its\n"
    "questionnaire, keeping the rest of it:\n"
    "  answer-karte KARTECODE KARTENUMBER\n"
    "deletes the karte, examinee or member of that number and stores a new one under the number\n"
    "(\"race\" as its name; the new karte of the examinee PATIENTNUMBER, or of none):\n"
    "  give-away-karte KARTENUMBER [PATIENTNUMBER]\n"
    "  give-away-patient|give-away-staff NUMBER\n";

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

// A note or treatment of the helper's: "race", by `member`, on the karte of that number.
template <class Record>
Record Entry(QString Record::*text, int code, const QString& karteNo, const QString& member)
{
    Record record;
    record.iCode = code;
    record.tDate = EncodeDate(2024, 4, 3);
    record.*text = "race";
    record.asStaffNo = member;
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

stCheckupRecord Checkup(int code, const QString& karteNo)
{
    stCheckupRecord checkup;
    checkup.iCode = code;
    checkup.asKarteNo = karteNo;
    checkup.tDate = EncodeDate(2024, 4, 2);
    checkup.asMemo = "race";
    return checkup;
}

stDietInquiryRecord Diet(int code, int checkupCode)
{
    stDietInquiryRecord diet;
    diet.iCode = code;
    diet.iFoodCode = 99;
    diet.iFrequencyCode = 1;
    diet.iCheckupCode = checkupCode;
    return diet;
}

// The karte's questionnaire with AIDS answered, its header and examinee as they are.
int AnswerKarte(int code, const QString& number)
{
    stMedicalRec karte;
    stPatientRec patient;
    stExcursusRec answers;
    if (const int rc = GetMedicalRecord(code, number, karte, patient, answers); rc < 0)
        return rc;
    answers.bAIDS = true;
    return ReplaceMedicalRecord(karte, answers, patient.asPatientNo);
}

// One verb: its name, how many arguments it takes, and what it does with them. `code` is the
// first of two or more arguments; `args` all of them.
struct Verb
{
    const char* name;
    int fewest;
    int most;
    std::function<int(const QStringList& args)> run;
};

int Code(const QStringList& args)
{
    return args.size() > 1 ? args[0].toInt() : 0;
}

// A note's or treatment's karte number and member: [KARTECODE] KARTENUMBER [MEMBER].
QString EntryKarte(const QStringList& args)
{
    return args.size() > 1 ? args[1] : args[0];
}

// The verbs: the first of two or more arguments is the Code of a row or of its karte.
const Verb Verbs[] = {
    {"karte", 1, 1,
     [](const QStringList& a) { return AddMedicalRecord(Karte(0, a[0]), stExcursusRec(), ""); }},
    {"patient", 1, 1, [](const QStringList& a) { return AddPatient(Patient(0, a[0])); }},
    {"staff", 1, 1, [](const QStringList& a) { return AddStaff(Staff(0, a[0])); }},
    {"checkup", 1, 2, [](const QStringList& a) { return AddCheckup(Checkup(0, a.last()), Code(a)); }},
    {"note", 1, 3,
     [](const QStringList& a) {
         return AddNote(Entry(&stNoteRecord::asDescription, 0, EntryKarte(a), a.value(2, "7")), Code(a));
     }},
    {"treatment", 1, 3,
     [](const QStringList& a) {
         return AddTreatment(Entry(&stTreatmentRecord::asTreatment, 0, EntryKarte(a), a.value(2, "7")),
                             Code(a));
     }},
    {"diet", 1, 2, [](const QStringList& a) { return AddDietInquiry(Diet(0, a.last().toInt()), Code(a)); }},
    {"replace-karte", 2, 2,
     [](const QStringList& a) {
         stExcursusRec answers;
         answers.bAIDS = true;
         return ReplaceMedicalRecord(Karte(Code(a), a[1]), answers, "1");
     }},
    {"replace-checkup", 2, 2, [](const QStringList& a) { return ReplaceCheckup(Checkup(Code(a), a[1])); }},
    {"replace-note", 2, 3,
     [](const QStringList& a) {
         return ReplaceNote(Entry(&stNoteRecord::asDescription, Code(a), a[1], a.value(2, "7")));
     }},
    {"replace-treatment", 2, 3,
     [](const QStringList& a) {
         return ReplaceTreatment(Entry(&stTreatmentRecord::asTreatment, Code(a), a[1], a.value(2, "7")));
     }},
    {"replace-diet", 2, 2,
     [](const QStringList& a) { return ReplaceDietInquiry(Diet(Code(a), a[1].toInt())); }},
    {"replace-patient", 2, 2, [](const QStringList& a) { return ReplacePatient(Patient(Code(a), a[1])); }},
    {"replace-staff", 2, 2, [](const QStringList& a) { return ReplaceStaff(Staff(Code(a), a[1])); }},
    {"delete-karte", 2, 2, [](const QStringList& a) { return DelMedicalRecord(a[1], Code(a)); }},
    {"delete-patient", 2, 2, [](const QStringList& a) { return DelPatient(a[1], Code(a)); }},
    {"delete-staff", 2, 2, [](const QStringList& a) { return DelStaff(a[1], Code(a)); }},
    {"answer-karte", 2, 2, [](const QStringList& a) { return AnswerKarte(Code(a), a[1]); }},
    {"give-away-karte", 1, 2,
     [](const QStringList& a) {
         const int deleted = DelMedicalRecord(a[0]);
         return deleted < 0 ? deleted : AddMedicalRecord(Karte(0, a[0]), stExcursusRec(), a.value(1));
     }},
    {"give-away-patient", 1, 1,
     [](const QStringList& a) {
         const int deleted = DelPatient(a[0]);
         return deleted < 0 ? deleted : AddPatient(Patient(0, a[0]));
     }},
    {"give-away-staff", 1, 1,
     [](const QStringList& a) {
         const int deleted = DelStaff(a[0]);
         return deleted < 0 ? deleted : AddStaff(Staff(0, a[0]));
     }},
};

const Verb* FindVerb(const char* name, int arguments)
{
    for (const Verb& verb : Verbs)
        if (std::strcmp(verb.name, name) == 0)
            return arguments >= verb.fewest && arguments <= verb.most ? &verb : nullptr;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    const bool wait = argc > 1 && std::strcmp(argv[1], "--wait") == 0;
    if (wait) {
        --argc;
        ++argv;
    }
    const Verb* verb = argc > 1 ? FindVerb(argv[1], argc - 2) : nullptr;
    if (!verb) {
        std::fputs(Usage, stderr);
        return 2;
    }
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
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
    std::printf("%d\n", verb->run(args));
    return 0;
}

// One of several programs writing to one database at once. It opens the data module on the
// program's default folders (under $KVR_DRIVES), prints "ready", adds or replaces what its
// arguments name and prints the code the store gave.
//
//     kvr_data_race_helper karte|patient|staff NUMBER
//     kvr_data_race_helper checkup|note|treatment KARTENUMBER   (notes and treatments by member 7)
//     kvr_data_race_helper diet CHECKUPCODE
//
// Every store writes "race" as the text (a check-up's memo) and food 99 for a diet row; a karte
// replace gives it examinee 1 with AIDS answered:
//
//     kvr_data_race_helper replace-karte KARTECODE KARTENUMBER
//     kvr_data_race_helper replace-checkup|replace-note|replace-treatment CODE KARTENUMBER
//     kvr_data_race_helper replace-diet CODE CHECKUPCODE
//
// With --wait first it reads a line from standard input after "ready" before it stores, so
// that the test can lock the database in between.
#include "core/data/DMDB.h"
#include "core/data/Dbapi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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

} // namespace

int main(int argc, char** argv)
{
    const bool wait = argc > 1 && std::strcmp(argv[1], "--wait") == 0;
    if (wait) {
        --argc;
        ++argv;
    }
    if (argc != 3 && argc != 4)
        return 2;
    TDBDM module;
    module.OpenDatabase("C:\\KVR", "C:\\kvr\\database");
    std::printf("ready\n");
    std::fflush(stdout);
    if (wait) {
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 2;
    }
    const QString number = QString::fromUtf8(argv[argc - 1]);
    const int code = argc == 4 ? std::atoi(argv[2]) : 0;
    const bool replace = std::strncmp(argv[1], "replace-", 8) == 0;
    const std::string kind = replace ? argv[1] + 8 : argv[1];
    int rc = 2;
    if (kind == "karte") {
        stMedicalRec karte;
        karte.iCode = code;
        karte.asMediRecNo = number;
        karte.tDate = EncodeDate(2024, 4, 1);
        stExcursusRec answers;
        answers.bAIDS = replace;
        rc = replace ? ReplaceMedicalRecord(karte, answers, "1") : AddMedicalRecord(karte, answers, "");
    } else if (kind == "patient") {
        stPatientRec patient;
        patient.asPatientNo = number;
        patient.asName0 = "race";
        rc = AddPatient(patient);
    } else if (kind == "staff") {
        stStaffRecord staff;
        staff.asStaffNo = number;
        staff.asNameKanji0 = "race";
        rc = AddStaff(staff);
    } else if (kind == "checkup") {
        stCheckupRecord checkup;
        checkup.iCode = code;
        checkup.asKarteNo = number;
        checkup.tDate = EncodeDate(2024, 4, 2);
        checkup.asMemo = "race";
        rc = replace ? ReplaceCheckup(checkup) : AddCheckup(checkup);
    } else if (kind == "note") {
        const stNoteRecord note = Entry(&stNoteRecord::asDescription, code, number);
        rc = replace ? ReplaceNote(note) : AddNote(note);
    } else if (kind == "treatment") {
        const stTreatmentRecord treatment = Entry(&stTreatmentRecord::asTreatment, code, number);
        rc = replace ? ReplaceTreatment(treatment) : AddTreatment(treatment);
    } else if (kind == "diet") {
        stDietInquiryRecord diet;
        diet.iCode = replace ? code : 0;
        diet.iFoodCode = 99;
        diet.iFrequencyCode = 1;
        diet.iCheckupCode = number.toInt();
        rc = replace ? ReplaceDietInquiry(diet) : AddDietInquiry(diet);
    }
    std::printf("%d\n", rc);
    return 0;
}

// One of several programs writing to one database at once. It opens the data module on the
// program's default folders (under $KVR_DRIVES), prints "ready", adds or replaces what its
// arguments name and prints the code the store gave.
//
//     kvr_data_race_helper karte|patient|staff NUMBER
//     kvr_data_race_helper checkup|note|treatment KARTENUMBER   (notes and treatments by member 7)
//     kvr_data_race_helper diet CHECKUPCODE
//
// The replaces write "race" as the text (a check-up's memo), food 99 for a diet row, and for a
// karte examinee 1 with AIDS answered:
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
    int rc = 2;
    if (std::strcmp(argv[1], "replace-karte") == 0) {
        stMedicalRec karte;
        karte.iCode = code;
        karte.asMediRecNo = number;
        karte.tDate = EncodeDate(2024, 5, 1);
        stExcursusRec answers;
        answers.bAIDS = true;
        rc = ReplaceMedicalRecord(karte, answers, "1");
    } else if (std::strcmp(argv[1], "replace-checkup") == 0) {
        stCheckupRecord checkup;
        checkup.iCode = code;
        checkup.asKarteNo = number;
        checkup.tDate = EncodeDate(2024, 5, 2);
        checkup.asMemo = "race";
        rc = ReplaceCheckup(checkup);
    } else if (std::strcmp(argv[1], "replace-note") == 0) {
        stNoteRecord note;
        note.iCode = code;
        note.tDate = EncodeDate(2024, 5, 3);
        note.asDescription = "race";
        note.asStaffNo = "7";
        note.asKarteNo = number;
        rc = ReplaceNote(note);
    } else if (std::strcmp(argv[1], "replace-treatment") == 0) {
        stTreatmentRecord treatment;
        treatment.iCode = code;
        treatment.tDate = EncodeDate(2024, 5, 4);
        treatment.asTreatment = "race";
        treatment.asStaffNo = "7";
        treatment.asKarteNo = number;
        rc = ReplaceTreatment(treatment);
    } else if (std::strcmp(argv[1], "replace-diet") == 0) {
        stDietInquiryRecord diet;
        diet.iCode = code;
        diet.iFoodCode = 99;
        diet.iFrequencyCode = 1;
        diet.iCheckupCode = number.toInt();
        rc = ReplaceDietInquiry(diet);
    } else if (std::strcmp(argv[1], "karte") == 0) {
        stMedicalRec karte;
        karte.asMediRecNo = number;
        karte.tDate = EncodeDate(2024, 4, 1);
        rc = AddMedicalRecord(karte, stExcursusRec(), "");
    } else if (std::strcmp(argv[1], "patient") == 0) {
        stPatientRec patient;
        patient.asPatientNo = number;
        patient.asName0 = "race";
        rc = AddPatient(patient);
    } else if (std::strcmp(argv[1], "staff") == 0) {
        stStaffRecord staff;
        staff.asStaffNo = number;
        staff.asNameKanji0 = "race";
        rc = AddStaff(staff);
    } else if (std::strcmp(argv[1], "checkup") == 0) {
        stCheckupRecord checkup;
        checkup.asKarteNo = number;
        checkup.tDate = EncodeDate(2024, 4, 2);
        rc = AddCheckup(checkup);
    } else if (std::strcmp(argv[1], "note") == 0) {
        stNoteRecord note;
        note.tDate = EncodeDate(2024, 4, 3);
        note.asDescription = "race";
        note.asStaffNo = "7";
        note.asKarteNo = number;
        rc = AddNote(note);
    } else if (std::strcmp(argv[1], "treatment") == 0) {
        stTreatmentRecord treatment;
        treatment.tDate = EncodeDate(2024, 4, 4);
        treatment.asTreatment = "race";
        treatment.asStaffNo = "7";
        treatment.asKarteNo = number;
        rc = AddTreatment(treatment);
    } else if (std::strcmp(argv[1], "diet") == 0) {
        stDietInquiryRecord diet;
        diet.iFoodCode = 1;
        diet.iFrequencyCode = 1;
        diet.iCheckupCode = number.toInt();
        rc = AddDietInquiry(diet);
    }
    std::printf("%d\n", rc);
    return 0;
}

#include "core/data/Schema.h"

#include "platform/db/Connection.h"
#include "platform/rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

struct Column
{
    const char* name;
    const char* type;
};

// "Code" is implied first in every table.
struct Table
{
    const char* name;
    std::vector<Column> columns;
};

QStringList Teeth()
{
    QStringList teeth;
    for (const char* quadrant : {"RT", "LT", "RB", "LB"}) {
        for (char t = 'A'; t <= 'E'; ++t)
            teeth.append(QString(quadrant) + t);
        for (char t = '1'; t <= '8'; ++t)
            teeth.append(QString(quadrant) + t);
    }
    return teeth;
}

std::vector<Table> Tables()
{
    std::vector<Table> tables = {
        {"Patient2Table",
         {{"PatientNo", "INTEGER"},
          {"Birth", "DATE"},
          {"Sex", "SMALLINT"},
          {"Name0", "TEXT"},
          {"Name1", "TEXT"},
          {"NameKana0", "TEXT"},
          {"NameKana1", "TEXT"},
          {"SchoolCode", "INTEGER"},
          {"Portrait", "TEXT"},
          {"DeleteFlag", "BOOLEAN"}}},
        {"Staff2Table",
         {{"JobCode", "INTEGER"},
          {"StaffNo", "INTEGER"},
          {"Sex", "SMALLINT"},
          {"NameKanji0", "TEXT"},
          {"NameKanji1", "TEXT"},
          {"NameKana0", "TEXT"},
          {"NameKana1", "TEXT"},
          {"NameAlphabet0", "TEXT"},
          {"NameAlphabet1", "TEXT"},
          {"DeleteFlag", "BOOLEAN"}}},
        {"KarteTable",
         {{"KarteNo", "TEXT"},
          {"RDate", "DATE"},
          {"Next", "INTEGER"},
          {"PatientCode", "INTEGER"},
          {"DeleteFlag", "BOOLEAN"}}},
        {"PSTable",
         {{"KarteCode", "INTEGER"},
          {"AIDS", "BOOLEAN"},
          {"Hepatitis", "BOOLEAN"},
          {"HepatitisB", "BOOLEAN"},
          {"HepatitisC", "BOOLEAN"},
          {"Tuberculosis", "BOOLEAN"},
          {"TuberculosisMemo", "TEXT"},
          {"AirialInfection", "BOOLEAN"},
          {"AirialInfectionMemo", "TEXT"},
          {"BloodInfection", "BOOLEAN"},
          {"BloodInfectionMemo", "TEXT"},
          {"OtherInfection", "BOOLEAN"},
          {"OtherInfectionMemo", "TEXT"},
          {"Q1None", "BOOLEAN"},
          {"Q1Anemia", "BOOLEAN"},
          {"Q1Swelling", "BOOLEAN"},
          {"Q1Bleeding", "BOOLEAN"},
          {"Q1Fever", "BOOLEAN"},
          {"Q1NoExtraction", "BOOLEAN"},
          {"Q2None", "BOOLEAN"},
          {"Q2Injection", "BOOLEAN"},
          {"Q2Medicine", "BOOLEAN"},
          {"Q2Others", "BOOLEAN"},
          {"Q2OthersMemo", "TEXT"},
          {"Q3", "BOOLEAN"},
          {"Q43", "BOOLEAN"},
          {"Q43Memo", "TEXT"},
          {"Q42", "BOOLEAN"},
          {"Q42Memo", "TEXT"},
          {"Q41", "BOOLEAN"},
          {"Q41Memo", "TEXT"},
          {"Q40", "BOOLEAN"}}},
        {"CheckupTable", {{"CDate", "DATE"}}},
        {"DietInquiryTable",
         {{"FoodCode", "INTEGER"}, {"FrequencyCode", "INTEGER"}, {"CheckupCode", "INTEGER"}}},
        {"TreatmentTable",
         {{"RDate", "DATE"}, {"Treatment", "TEXT"}, {"StaffCode", "INTEGER"}, {"KarteCode", "INTEGER"}}},
        {"NoteTable",
         {{"RDate", "DATE"}, {"Description", "TEXT"}, {"StaffCode", "INTEGER"}, {"KarteCode", "INTEGER"}}},
        {"SchoolTable", {{"Name", "TEXT"}}},
        {"JobTable", {{"Job", "TEXT"}}},
        {"FoodTable", {{"Name", "TEXT"}}},
        {"FrequencyTable", {{"Name", "TEXT"}, {"DispOrder", "INTEGER"}}},
        {"DentalFormulaTable", {{"Name", "TEXT"}}},
    };
    return tables;
}

// The columns the lookups and joins search by.
const char* const Indexes[][2] = {
    {"Patient2Table", "PatientNo"},      {"Staff2Table", "StaffNo"},      {"KarteTable", "KarteNo"},
    {"KarteTable", "PatientCode"},       {"PSTable", "KarteCode"},        {"CheckupTable", "KarteCode"},
    {"DietInquiryTable", "CheckupCode"}, {"TreatmentTable", "KarteCode"}, {"NoteTable", "KarteCode"},
};

} // namespace

QStringList SchemaTableNames()
{
    QStringList names;
    for (const Table& t : Tables())
        names.append(t.name);
    return names;
}

QStringList SchemaStatements()
{
    QStringList statements;
    for (const Table& t : Tables()) {
        QStringList columns{"Code INTEGER PRIMARY KEY AUTOINCREMENT"};
        for (const Column& c : t.columns)
            columns.append(QString("%1 %2").arg(c.name, c.type));
        if (QString(t.name) == "CheckupTable") {
            for (const QString& tooth : Teeth())
                columns.append(tooth + " INTEGER");
            columns.append({"KarteCode INTEGER", "SchoolCode INTEGER", "Memo TEXT"});
        }
        statements.append(QString("CREATE TABLE %1 (\n  %2\n);").arg(t.name, columns.join(",\n  ")));
    }
    for (const auto& index : Indexes)
        statements.append(QString("CREATE INDEX %1_%2 ON %1 (%2);").arg(index[0], index[1]));
    return statements;
}

void CreateEmptyDatabase(const QString& hostFolder)
{
    if (!QDir().mkpath(hostFolder))
        throw EDatabaseError(QString("Cannot create the folder %1.").arg(hostFolder));
    const QString file = QDir(hostFolder).filePath(DatabaseFileName);
    if (QFileInfo::exists(file))
        throw EDatabaseError(QString("%1 already has a database (%2).").arg(hostFolder, DatabaseFileName));
    sqlite3* db = nullptr;
    int rc =
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc == SQLITE_OK) {
        const QString script = "BEGIN;\n" + SchemaStatements().join('\n') + "\nCOMMIT;";
        char* message = nullptr;
        rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
    } else {
        error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    }
    sqlite3_close(db);
    if (!error.isEmpty()) {
        QFile::remove(file);
        throw EDatabaseError(QString("Cannot create the database %1: %2").arg(file, error));
    }
}

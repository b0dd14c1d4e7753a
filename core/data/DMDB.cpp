// The data module's components and the opening of the database. Its operations live
// in one file per family: DMDBPatients, DMDBStaff, DMDBLookups, DMDBEntries,
// DMDBKartes, DMDBCheckups.
#include "core/data/DMDB.h"

#include "core/data/DMDBStatements.h"
#include "platform/db/Connection.h"
#include "platform/rtl/IniFile.h"

TDBDM* DBDM = nullptr;

namespace {

// Until the configuration points them elsewhere. Constants known when compiled, so that a
// data module made by a static initialiser has them too.
constexpr QLatin1StringView PlaceholderDatabase("I:\\user\\kvr_paradox\\data\\database");
constexpr QLatin1StringView PlaceholderNetFileDir("I:\\USER\\KVR_PARADOX\\DATA");

} // namespace

TDBDM::TDBDM(QObject* parent) : QObject(parent)
{
    DBDM = this;
    Session_kvr = new TSession;
    Session_kvr->SessionName = "session_kvr";
    Session_kvr->KeepConnections = false;
    Session_kvr->NetFileDir = PlaceholderNetFileDir;

    JobTable = new TTable(this);
    JobTable->SessionName = "session_kvr";
    JobTable->Session = Session_kvr;
    JobTable->TableName = "JobTable.db";
    JobTable->DatabaseName = PlaceholderDatabase;
    JobDataSource = new TDataSource(this);
    JobDataSource->SetDataSet(JobTable);

    TQuery** queries[] = {&Query1, &Query2, &Query3};
    TDataSource** sources[] = {&DataSource1, &DataSource2, &DataSource3};
    for (int i = 0; i < 3; ++i) {
        TQuery* query = new TQuery(this);
        query->SessionName = "session_kvr";
        query->Session = Session_kvr;
        query->DatabaseName = PlaceholderDatabase;
        *queries[i] = query;
        TDataSource* source = new TDataSource(this);
        source->SetDataSet(query);
        *sources[i] = source;
    }
}

TDBDM::~TDBDM()
{
    readingTogether.reset();
    // The datasets go before the session they use.
    delete DataSource1;
    delete DataSource2;
    delete DataSource3;
    delete JobDataSource;
    delete Query1;
    delete Query2;
    delete Query3;
    delete JobTable;
    delete Session_kvr;
    if (DBDM == this)
        DBDM = nullptr;
}

void TDBDM::OpenDatabase(TIniFile* IniFile)
{
    OpenDatabase(IniFile->ReadString("Paradox", "NetFileDir", "C:\\KVR"),
                 IniFile->ReadString("Paradox", "DatabaseName", "C:\\kvr\\database"));
}

void TDBDM::OpenDatabase(const QString& netFileDir, const QString& databaseName)
{
    Session_kvr->NetFileDir = netFileDir;
    for (TDataSet* dataSet : DataSets())
        dataSet->DatabaseName = databaseName;
    Session_kvr->SetActive(true);
    JobTable->Open();
}

std::vector<TDataSet*> TDBDM::DataSets() const
{
    return {JobTable, Query1, Query2, Query3};
}

QString TDBDM::UnwritableDatabase()
{
    return dmdb::Guarded("UnwritableDatabase", QString(), [&] {
        TSession* session = Query2->Session ? Query2->Session : TSession::Find(Query2->SessionName);
        const auto connection = session->Connection(Query2->DatabaseName);
        return connection->Writable() ? QString() : connection->DatabaseName();
    });
}

void TDBDM::StartReadingTogether()
{
    readingTogether = std::make_unique<dmdb::ReadingTransaction>(Query1);
}

void TDBDM::EndReadingTogether()
{
    readingTogether.reset();
}

#pragma once
// The one definition of the database's 13 tables, used by the creation tool and the tests.
#include <QString>
#include <QStringList>

// The CREATE TABLE and CREATE INDEX statements of an empty database.
QStringList SchemaStatements();

// The names of the 13 tables.
QStringList SchemaTableNames();

// Creates `hostFolder` when needed and in it an empty database file with every table.
// Raises EDatabaseError when the folder already has a database file or it cannot be made.
void CreateEmptyDatabase(const QString& hostFolder);

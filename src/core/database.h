#pragma once

#include <QSqlDatabase>
#include <QString>

// Creating, checking and opening the member database file.
namespace database {

// Version of the tables this program writes; older files are brought up to it.
int schemaVersion();

enum class OpenStatus {
    Ok,
    Missing,     // no file at the path
    NotDatabase, // not a database, damaged, or not a member database
    ReadOnly,    // the file or its folder cannot be written
    Busy,        // another copy holds the file locked for too long
    Failed       // any other failure
};

struct OpenResult
{
    OpenStatus status = OpenStatus::Failed;
    QString detail; // the engine's own words, for the log and messages
};

// Opens the file as the connection `connectionName`, checks that it is a
// member database, brings its tables up to date and creates the work tables
// of the connection. On failure the connection is removed again and the file
// is left as it was.
OpenResult open(const QString& connectionName, const QString& filePath);

// Writes a new database with its initial rows. Refuses to touch an existing file.
bool createInitial(const QString& filePath, QString* error = nullptr);

// Runs the statements of a script held in the resources (";" ends a statement).
bool runScript(QSqlDatabase& db, const QString& resourcePath, QString* error = nullptr);

// The work tables of one connection.
bool createScratchTables(QSqlDatabase& db, QString* error = nullptr);

// Declared width of a text column (0 when none is declared or unknown).
int columnWidth(const QSqlDatabase& db, const QString& table, const QString& column);

} // namespace database

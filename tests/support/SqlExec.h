#pragma once
// Runs one SQL statement on a database file through a connection of its own, as another
// program would: damages, locks or rewrites a recording behind its reader's back.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace q7582::test {

inline bool sqlExec(const QString& file, const QString& statement)
{
    const QString name = QStringLiteral("q7582-test-sql");
    bool done = false;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        done = db.open() && QSqlQuery(db).exec(statement);
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

} // namespace q7582::test

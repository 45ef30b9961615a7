#include "testenv.h"

#include "core/config.h"
#include "core/database.h"
#include "core/support.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

MessRecorder::MessRecorder()
{
    setShowMessHandler([this](const QString& text, int kind) {
        messages.append(Message{text, kind});
        if (kind != mkQuestion)
            return 1;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return defaultAnswer;
    });
}

MessRecorder::~MessRecorder()
{
    setShowMessHandler(nullptr);
}

QStringList MessRecorder::texts() const
{
    QStringList out;
    for (const Message& m : messages)
        out << m.text;
    return out;
}

bool MessRecorder::contains(const QString& text) const
{
    for (const Message& m : messages)
        if (m.text == text)
            return true;
    return false;
}

TestEnv::TestEnv(bool openDatabase)
{
    appenv::setProgramDir(m_dir.path());
    m_dm = std::make_unique<TdmData>();
    dmData = m_dm.get();
    if (!openDatabase)
        return;
    QString err;
    if (!database::createInitial(dbFile(), &err))
        qFatal("cannot create test database: %s", qPrintable(err));
    if (!m_dm->openFile(dbFile(), &err))
        qFatal("cannot open test database: %s", qPrintable(err));
    m_dm->CurrentOperator = QStringLiteral("admin");
}

TestEnv::~TestEnv()
{
    m_dm.reset();
    appenv::setProgramDir(QString());
}

bool TestEnv::exec(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(m_dm->ADOcnn());
    bool ok = q.prepare(sql);
    for (const QVariant& p : params)
        q.addBindValue(p);
    ok = ok && q.exec();
    if (!ok)
        qWarning("fixture statement failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return ok;
}

QVariant TestEnv::value(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(m_dm->ADOcnn());
    q.prepare(sql);
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec() || !q.next()) {
        qWarning("fixture query gave nothing: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return {};
    }
    return q.value(0);
}

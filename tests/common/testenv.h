#pragma once

#include "core/dmdata.h"

#include <QPair>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <memory>

// Records every ShowMess and answers questions from a queue (default: yes).
class MessRecorder
{
public:
    MessRecorder();
    ~MessRecorder();

    struct Message
    {
        QString text;
        int kind;
    };
    QVector<Message> messages;
    QVector<int> answers; // consumed by questions, front first
    int defaultAnswer = 1;

    void clear() { messages.clear(); }
    QStringList texts() const;
    bool contains(const QString& text) const;
    QString last() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

// A program folder in a temporary directory with a fresh database made from
// the shipped schema and initial rows, opened as the data module's connection.
class TestEnv
{
public:
    explicit TestEnv(bool openDatabase = true);
    ~TestEnv();

    QString dir() const { return m_dir.path() + QLatin1Char('/'); }
    QString dbFile() const { return dir() + QStringLiteral("data/member.mdb"); }
    TdmData& dm() { return *m_dm; }
    MessRecorder& mess() { return m_mess; }

    // Runs a statement directly (fixtures); fails the test on error.
    bool exec(const QString& sql, const QVariantList& params = {});
    QVariant value(const QString& sql, const QVariantList& params = {});

private:
    QTemporaryDir m_dir;
    MessRecorder m_mess;
    std::unique_ptr<TdmData> m_dm;
};

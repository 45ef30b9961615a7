#pragma once

#include "core/dialect.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <functional>

class TDataSet;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// Record attached to each node of a classification tree.
struct TreeNodeData
{
    int level = 0;       // number of characters of the code; 0 for the root
    QString code;        // "000" for the root
    QString name;
    QString likeCode;    // the node's path, two backslashes for the root
};
Q_DECLARE_METATYPE(TreeNodeData)

// One row of a classification tree as stored.
struct TreeRow
{
    QString code;
    QString name;
    QString likeCode;
};

// A list handed to the spreadsheet export: titles, display formats and rows
// in column order (hidden columns included).
struct ExportTable
{
    QStringList titles;
    QStringList formats;
    QVector<QVariantList> rows;
};

// The data module: the one database connection and the shared data services.
class TdmData : public QObject
{
    Q_OBJECT
public:
    explicit TdmData(QObject* parent = nullptr);
    ~TdmData() override;

    static QString connectionName() { return QStringLiteral("ADOcnn"); }

    // Start-up connection with the retry dialog; sets connected().
    bool ConnectDatabase();
    // Opens the given file directly (tests, restore, compaction).
    bool openFile(const QString& filePath, QString* error = nullptr);
    void closeConnection();
    bool connected() const { return m_connected; }
    QString databaseFile() const { return m_file; }

    QSqlDatabase ADOcnn() const;
    QSqlQuery& QryPub() { return m_qryPub; }
    QSqlQuery& QryTemp() { return m_qryTemp; }
    const Dialect& dialect() const { return m_dialect; }

    QString CurrentOperator;

    // Statements and values. Values are bound in order to the "?" marks.
    bool ExecSql(const QString& sql, const QVariantList& params = {});
    bool OpenQuery(const QString& sql, TDataSet& set, const QVariantList& params = {});
    QString QueryText(const QString& sql, const QVariantList& params = {});
    double QueryFloat(const QString& sql, const QVariantList& params = {});
    int QueryInt(const QString& sql, const QVariantList& params = {});
    // Non-blank first-column values in row order (untrimmed); ok false on failure.
    QStringList comboItems(const QString& sql, const QVariantList& params = {}, bool* ok = nullptr);
    void FillComboFromQuery(const QString& sql, QComboBox* combo, const QVariantList& params = {});
    static void SelectComboItem(const QString& text, QComboBox* combo);
    bool DeleteById(const QString& table, const QVariant& id);

    void WriteLog(const QString& text);
    bool HasRight(const QString& code);
    // The greatest number found by `select` (with its values) gives the next one.
    QString NextBillCode(const QString& select, const QVariantList& params, const QString& prefix, int width);
    // Next consumption ("XF") or redemption ("DH") number of today.
    QString NextBillCode(const QString& prefix);

    void AutoBackup();
    // Where AutoBackup writes today's copy.
    QString backupTarget(const QString& folder) const;

    QVector<TreeRow> codeTreeRows(const QString& kind);
    void LoadCodeTree(QTreeWidget* tree, const QString& rootCaption, const QString& kind);
    static QString CodeTreePath(QTreeWidgetItem* node, int mode);
    QString NextTreeCode(const QString& code, const QString& kind, int mode);

    bool ExportGridToExcel(const ExportTable& table, const QString& sheetName, bool visible = true);

    // Opens a file with the desktop's program for it; tests replace it.
    using OpenFileHandler = std::function<bool(const QString& path)>;
    static OpenFileHandler setOpenFileHandler(OpenFileHandler h);
    static bool openWithDesktop(const QString& path);

    // Chooses a database file at start-up ("连接网络数据库"); tests replace it.
    using ChooseFileHandler = std::function<QString(const QString& title, const QString& startDir)>;
    static ChooseFileHandler setChooseDatabaseHandler(ChooseFileHandler h);
    static QString chooseDatabaseFile(const QString& startDir);

    // Splash window text during connection; the window installs it.
    std::function<void(const QString&)> splashText;
    std::function<void()> splashClose;
    std::function<void()> splashShow;

    // Database folder of the configuration: `ds`, or data/ beside the program.
    static QString databaseFolder();

private:
    bool prepareAndExec(QSqlQuery& q, const QString& sql, const QVariantList& params);
    void reportFailure(const QString& message, const QSqlQuery& q);

    QSqlQuery m_qryPub;
    QSqlQuery m_qryTemp;
    Dialect m_dialect;
    QString m_file;
    bool m_connected = false;
};

// Runs one statement of a transaction on the given query with its values
// bound in order. Says nothing to the operator (the owner of the transaction
// reports the failure once); the engine's words go to the log under `context`.
bool execBound(QSqlQuery& q, const QString& sql, const QVariantList& params, const char* context = "database");

// The one data module of the program.
extern TdmData* dmData;

// A writing transaction on the connection: rolled back unless committed.
class TransactionGuard
{
public:
    explicit TransactionGuard(TdmData& dm);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    bool active() const { return m_active; }
    bool commit();
    void rollback();

private:
    TdmData& m_dm;
    bool m_active = false;
};

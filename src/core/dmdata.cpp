#include "core/dmdata.h"

#include "core/calc.h"
#include "core/config.h"
#include "core/database.h"
#include "core/dataset.h"
#include "core/product.h"
#include "core/support.h"
#include "core/xlsxexport.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QTime>
#include <QUrl>

TdmData* dmData = nullptr;

namespace {
const QString kOperFailed = QStringLiteral("操作失败，请检查数据连接... ");
const QString kOpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");
const QString kDeleteFailed = QStringLiteral("删除操作失败，请检查数据连接... ");

TdmData::OpenFileHandler& openFileHandler()
{
    static TdmData::OpenFileHandler h;
    return h;
}
TdmData::ChooseFileHandler& chooseHandler()
{
    static TdmData::ChooseFileHandler h;
    return h;
}
} // namespace

TdmData::TdmData(QObject* parent) : QObject(parent)
{
    if (!dmData)
        dmData = this;
}

TdmData::~TdmData()
{
    closeConnection();
    if (dmData == this)
        dmData = nullptr;
}

QSqlDatabase TdmData::ADOcnn() const
{
    return QSqlDatabase::database(connectionName(), false);
}

QString TdmData::databaseFolder()
{
    const QString ds = appenv::config().readString(QStringLiteral("config"), QStringLiteral("ds"));
    if (ds.trimmed().isEmpty())
        return appenv::programDir() + QStringLiteral("data/");
    // The folder as written (blanks kept); folders written on another system
    // may use backslashes.
    QString folder = ds;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool TdmData::openFile(const QString& filePath, QString* error)
{
    closeConnection();
    const database::OpenResult r = database::open(connectionName(), filePath);
    if (r.status != database::OpenStatus::Ok) {
        if (error)
            *error = r.detail;
        return false;
    }
    QSqlDatabase db = ADOcnn();
    m_dialect = Dialect::forDatabase(db);
    m_qryPub = QSqlQuery(db);
    m_qryTemp = QSqlQuery(db);
    m_file = filePath;
    m_connected = true;
    return true;
}

void TdmData::closeConnection()
{
    m_qryPub = QSqlQuery();
    m_qryTemp = QSqlQuery();
    if (QSqlDatabase::contains(connectionName())) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName(), false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(connectionName());
    }
    m_connected = false;
}

bool TdmData::ConnectDatabase()
{
    for (;;) {
        appenv::config().reload();
        const bool useDefault =
            appenv::config().readString(QStringLiteral("config"), QStringLiteral("ds")).trimmed().isEmpty();
        const QString file = databaseFolder() + product::databaseFileName();
        if (splashText)
            splashText(QStringLiteral("正在连接数据库 ....."));

        // A new installation starts from the initial database; an existing
        // file is never replaced.
        if (useDefault && !QFileInfo::exists(file)) {
            QString err;
            if (!database::createInitial(file, &err))
                ShowMess(QStringLiteral("无法在目录 ") + QFileInfo(file).absolutePath() +
                             QStringLiteral(" 中建立数据库文件，请检查该目录是否存在并且可以写入！"),
                         mkError);
        }

        const database::OpenResult r = database::open(connectionName(), file);
        if (r.status == database::OpenStatus::Ok) {
            QSqlDatabase db = ADOcnn();
            m_dialect = Dialect::forDatabase(db);
            m_qryPub = QSqlQuery(db);
            m_qryTemp = QSqlQuery(db);
            m_file = file;
            m_connected = true;
            if (splashText)
                splashText(QStringLiteral("连接成功，正在登录 ..."));
            return true;
        }
        m_connected = false;
        if (splashClose)
            splashClose();
        if (r.status == database::OpenStatus::ReadOnly)
            ShowMess(QStringLiteral("数据库文件 ") + file +
                         QStringLiteral(" 或其所在目录是只读的，程序无法保存数据，请检查文件和目录的写入权限！"),
                     mkError);
        else if (r.status == database::OpenStatus::Busy)
            ShowMess(QStringLiteral("数据库正被其他程序独占使用，请稍后再试！"), mkError);

        const QString chosen = chooseDatabaseFile(appenv::programDir());
        if (chosen.isEmpty())
            return false;
        appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"),
                                     QFileInfo(chosen).absolutePath() + QLatin1Char('/'));
        if (splashShow)
            splashShow();
    }
}

bool execBound(QSqlQuery& q, const QString& sql, const QVariantList& params, const char* context)
{
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& p : params)
            q.addBindValue(p);
        ok = q.exec();
    }
    if (!ok)
        qWarning("%s: %s", context, qPrintable(q.lastError().text()));
    return ok;
}

bool TdmData::prepareAndExec(QSqlQuery& q, const QString& sql, const QVariantList& params)
{
    q.finish();
    if (!m_connected)
        return false;
    if (!q.prepare(sql))
        return false;
    for (const QVariant& p : params)
        q.addBindValue(p);
    return q.exec();
}

void TdmData::reportFailure(const QString& message, const QSqlQuery& q)
{
    qWarning("database: %s", qPrintable(q.lastError().text()));
    ShowMess(message, mkError);
}

bool TdmData::ExecSql(const QString& sql, const QVariantList& params)
{
    if (prepareAndExec(m_qryPub, sql, params)) {
        m_qryPub.finish();
        return true;
    }
    reportFailure(kOperFailed, m_qryPub);
    return false;
}

bool TdmData::OpenQuery(const QString& sql, TDataSet& set, const QVariantList& params)
{
    QString err;
    if (m_connected && set.open(ADOcnn(), sql, params, &err))
        return true;
    qWarning("database: %s", qPrintable(err));
    ShowMess(kOpenFailed, mkError);
    return false;
}

QString TdmData::QueryText(const QString& sql, const QVariantList& params)
{
    if (!prepareAndExec(m_qryTemp, sql, params)) {
        reportFailure(kOperFailed, m_qryTemp);
        return {};
    }
    QString v;
    if (m_qryTemp.next())
        v = m_qryTemp.value(0).toString();
    m_qryTemp.finish();
    return v;
}

double TdmData::QueryFloat(const QString& sql, const QVariantList& params)
{
    if (!prepareAndExec(m_qryTemp, sql, params)) {
        reportFailure(kOperFailed, m_qryTemp);
        return 0;
    }
    double v = 0;
    if (m_qryTemp.next())
        v = m_qryTemp.value(0).isNull() ? 0.0 : m_qryTemp.value(0).toDouble();
    m_qryTemp.finish();
    return v;
}

int TdmData::QueryInt(const QString& sql, const QVariantList& params)
{
    if (!prepareAndExec(m_qryTemp, sql, params)) {
        reportFailure(kOperFailed, m_qryTemp);
        return 0;
    }
    int v = 0;
    if (m_qryTemp.next())
        v = m_qryTemp.value(0).isNull() ? 0 : m_qryTemp.value(0).toInt();
    m_qryTemp.finish();
    return v;
}

QStringList TdmData::comboItems(const QString& sql, const QVariantList& params, bool* ok)
{
    QStringList items;
    const bool done = prepareAndExec(m_qryTemp, sql, params);
    if (ok)
        *ok = done;
    if (!done) {
        reportFailure(kOperFailed, m_qryTemp);
        return items;
    }
    while (m_qryTemp.next()) {
        const QString v = m_qryTemp.value(0).toString();
        if (!v.trimmed().isEmpty())
            items << v;
    }
    m_qryTemp.finish();
    return items;
}

bool TdmData::DeleteById(const QString& table, const QVariant& id)
{
    if (prepareAndExec(m_qryPub, QStringLiteral("delete from ") + table + QStringLiteral(" where F_ID = ?"), {id})) {
        m_qryPub.finish();
        return true;
    }
    reportFailure(kDeleteFailed, m_qryPub);
    return false;
}

void TdmData::WriteLog(const QString& text)
{
    // Logging never stops the action being logged.
    if (prepareAndExec(m_qryTemp,
                       QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(?,?,?,?)"),
                       {CurrentOperator, text, m_dialect.dateValue(QDate::currentDate()),
                        QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))}))
        m_qryTemp.finish();
    else
        qWarning("log: %s", qPrintable(m_qryTemp.lastError().text()));
}

bool TdmData::HasRight(const QString& code)
{
    return QueryInt(QStringLiteral("Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
                                   "Where (O.F_OperName = ?)And(l.F_code = ?) "),
                    {CurrentOperator, code}) > 0;
}

QString TdmData::NextBillCode(const QString& select, const QVariantList& params, const QString& prefix, int width)
{
    const QString maxFound = QueryText(select, params);
    return calc::nextBillCode(maxFound, prefix, QDate::currentDate(), width);
}

QString TdmData::NextBillCode(const QString& prefix)
{
    const QString head = prefix + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    return NextBillCode(QStringLiteral("Select Max(F_Code) As F_Code From DepotM Where (F_code Like ?)"),
                        QVariantList{QString(head + QLatin1Char('%'))}, prefix, 3);
}

QString TdmData::backupTarget(const QString& folder) const
{
    QString f = folder;
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f + QStringLiteral("dp") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".back");
}

void TdmData::AutoBackup()
{
    QString folder = QueryText(QStringLiteral("select f_BakPath from sysInfo")).trimmed();
    if (folder.isEmpty())
        folder = appenv::programDir() + QStringLiteral("bak");
    else if (QDir::isRelativePath(folder))
        folder = appenv::programDir() + folder;
    if (!QFileInfo(folder).isDir()) {
        if (ShowMess(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"), mkQuestion) == maNo)
            return;
        if (!QDir().mkpath(folder)) {
            ShowMess(QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"), mkError);
            return;
        }
    }
    const QString target = backupTarget(folder);
    if (QFileInfo::exists(target))
        return; // at most one backup a day
    // Copy the database in use through the engine, so that the copy is
    // consistent even while other copies of the program write to it.
    QSqlQuery q(ADOcnn());
    if (!q.prepare(QStringLiteral("VACUUM INTO ?")) || (q.addBindValue(target), !q.exec())) {
        qWarning("backup: %s", qPrintable(q.lastError().text()));
        QFile::remove(target);
        ShowMess(QStringLiteral("数据备份失败！"), mkError);
    }
}

QVector<TreeRow> TdmData::codeTreeRows(const QString& kind)
{
    QVector<TreeRow> rows;
    if (!prepareAndExec(m_qryTemp,
                        QStringLiteral("select F_code,F_name,F_likecode from t_treecode where F_flag = ? order by F_code"),
                        {kind})) {
        reportFailure(kOperFailed, m_qryTemp);
        return rows;
    }
    while (m_qryTemp.next())
        rows.append(TreeRow{m_qryTemp.value(0).toString(), m_qryTemp.value(1).toString(),
                            m_qryTemp.value(2).toString()});
    m_qryTemp.finish();
    return rows;
}

QString TdmData::NextTreeCode(const QString& code, const QString& kind, int mode)
{
    const QString prefix = mode == 1 ? code.left(std::max<qsizetype>(0, code.size() - 3)) : code;
    QString maxFound;
    if (!prefix.isEmpty())
        maxFound = QueryText(QStringLiteral("select Max(F_code) from t_treecode where F_code like ? and f_flag = ? "),
                             QVariantList{QString(prefix + QLatin1Char('%')), kind});
    else
        maxFound = QueryText(QStringLiteral("select Max(F_code) from t_treecode where ") +
                                 m_dialect.length(QStringLiteral("F_code")) + QStringLiteral(" = 3 and f_flag = ? "),
                             {kind});
    return calc::nextTreeCode(code, maxFound, mode);
}

bool TdmData::ExportGridToExcel(const ExportTable& table, const QString& sheetName, bool visible)
{
    QString err;
    const QString path = xlsx::writeTemporary(table, sheetName, &err);
    if (path.isEmpty()) {
        ShowMess(QStringLiteral("导出失败：") + err, mkError);
        return false;
    }
    if (!visible)
        return true;
    if (!openWithDesktop(path)) {
        ShowMess(QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！"), mkError);
        return false;
    }
    return true;
}

TdmData::OpenFileHandler TdmData::setOpenFileHandler(OpenFileHandler h)
{
    OpenFileHandler old = std::move(openFileHandler());
    openFileHandler() = std::move(h);
    return old;
}

bool TdmData::openWithDesktop(const QString& path)
{
    if (openFileHandler())
        return openFileHandler()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

TdmData::ChooseFileHandler TdmData::setChooseDatabaseHandler(ChooseFileHandler h)
{
    ChooseFileHandler old = std::move(chooseHandler());
    chooseHandler() = std::move(h);
    return old;
}

QString TdmData::chooseDatabaseFile(const QString& startDir)
{
    if (chooseHandler())
        return chooseHandler()(QStringLiteral("连接网络数据库"), startDir);
    return {};
}

TransactionGuard::TransactionGuard(TdmData& dm) : m_dm(dm)
{
    QSqlQuery q(dm.ADOcnn());
    m_active = dm.connected() && q.exec(dm.dialect().beginWrite());
    if (!m_active)
        qWarning("transaction: %s", qPrintable(q.lastError().text()));
}

TransactionGuard::~TransactionGuard()
{
    if (m_active)
        rollback();
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    QSqlQuery q(m_dm.ADOcnn());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        qWarning("commit: %s", qPrintable(q.lastError().text()));
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void TransactionGuard::rollback()
{
    if (!m_active)
        return;
    QSqlQuery q(m_dm.ADOcnn());
    q.exec(QStringLiteral("ROLLBACK"));
    m_active = false;
}

#include "admin/classtree.h"

#include "core/database.h"
#include "core/dmdata.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace classtree {

namespace {

const QString kMemberTree = QStringLiteral("memtype");

int width(const QString& table, const QString& column, int fallback)
{
    const int w = dmData ? database::columnWidth(dmData->ADOcnn(), table, column) : 0;
    return w > 0 ? w : fallback;
}

// Why a path cannot be stored, or empty text.
QString pathProblem(const QString& kind, const QString& path)
{
    const int pathWidth = width(QStringLiteral("t_treecode"), QStringLiteral("F_likecode"), 255);
    if (path.size() > pathWidth)
        return QStringLiteral("类别路径不能超过 ") + QString::number(pathWidth) +
               QStringLiteral(" 个字符，请使用较短的类别名称！");
    if (kind.compare(kMemberTree, Qt::CaseInsensitive) == 0) {
        // Members keep the whole path as their class.
        const int memberWidth = width(QStringLiteral("t_member"), QStringLiteral("F_type"), 50);
        if (path.size() > memberWidth)
            return QStringLiteral("会员类别的完整路径不能超过 ") + QString::number(memberWidth) +
                   QStringLiteral(" 个字符，请使用较短的类别名称！");
    }
    return {};
}

QString duplicateMessage(const QString& name)
{
    return QStringLiteral("同一级别中已有名为“") + name + QStringLiteral("”的类别，请重新输入！");
}

bool exec(QSqlQuery& q, const QString& sql, const QVariantList& params)
{
    return execBound(q, sql, params, "class tree");
}

Result refused(const QString& message)
{
    return Result{Result::Refused, message, {}};
}

Result failed()
{
    return Result{Result::Failed, failureMessage(), {}};
}

// Adds a class: mode 1 beside `code`, mode 2 below it.
Result insertClass(const QString& kind, const QString& code, int mode, const QString& parentPath,
                   const QString& typedName)
{
    const QString name = typedName.trimmed();
    const QString path = childPath(parentPath, name);
    if (const QString problem = nameProblem(kind, name, path); !problem.isEmpty())
        return refused(problem);

    TransactionGuard tx(*dmData);
    if (!tx.active())
        return failed();
    QSqlQuery q(dmData->ADOcnn());
    if (!exec(q, QStringLiteral("select count(*) from t_treecode where F_flag = ? and F_likecode = ?"),
              {kind, path}) ||
        !q.next())
        return failed();
    if (q.value(0).toInt() > 0)
        return refused(duplicateMessage(name));
    q.finish();

    const QString newCode = dmData->NextTreeCode(code, kind, mode);
    const qsizetype expected = mode == 1 ? code.size() : code.size() + 3;
    if (newCode.size() != expected)
        return refused(mode == 1 ? QStringLiteral("同一级别中已有 999 个类别，不能再增加！")
                                 : QStringLiteral("此类别下已有 999 个子类，不能再增加！"));
    if (!exec(q, QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag)values(?,?,?,?)"),
              {newCode, name, path, kind}) ||
        !tx.commit())
        return failed();
    return Result{Result::Done, {}, newCode};
}

} // namespace

QString windowCaption(const QString& kind)
{
    return kind.compare(QStringLiteral("goodtype"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("商品类型资料")
               : QStringLiteral("会员类型资料");
}

QString rootCaption(const QString& kind)
{
    return kind.compare(QStringLiteral("goodtype"), Qt::CaseInsensitive) == 0 ? QStringLiteral("商品类型")
                                                                              : QStringLiteral("会员类型");
}

QString childPath(const QString& parentPath, const QString& name)
{
    const QString root = QStringLiteral("\\\\");
    if (parentPath.isEmpty() || parentPath == root)
        return root + name;
    return parentPath + QLatin1Char('\\') + name;
}

QString nameProblem(const QString& kind, const QString& name, const QString& path)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("类别名称不能为空！");
    if (name.contains(QLatin1Char('\\')))
        return QStringLiteral("类别名称中不能含有“\\”字符，它用来分隔类别的各级名称！");
    const int nameWidth = width(QStringLiteral("t_treecode"), QStringLiteral("F_name"), 50);
    if (name.size() > nameWidth)
        return QStringLiteral("类别名称不能超过 ") + QString::number(nameWidth) + QStringLiteral(" 个字符！");
    return pathProblem(kind, path);
}

Result addClass(const QString& kind, const QString& parentCode, const QString& parentPath,
                const QString& name)
{
    const QString code = parentCode == QLatin1String("000") ? QString() : parentCode;
    return insertClass(kind, code, 2, parentPath, name);
}

Result addSibling(const QString& kind, const QString& siblingCode, const QString& parentPath,
                  const QString& name)
{
    return insertClass(kind, siblingCode, 1, parentPath, name);
}

Result renameClass(const QString& kind, const QString& code, const QString& oldPath,
                   const QString& parentPath, const QString& typedName)
{
    const QString name = typedName.trimmed();
    const QString newPath = childPath(parentPath, name);
    if (name.isEmpty() || newPath.trimmed().compare(oldPath.trimmed(), Qt::CaseInsensitive) == 0)
        return Result{Result::Unchanged, {}, code};
    if (const QString problem = nameProblem(kind, name, newPath); !problem.isEmpty())
        return refused(problem);

    TransactionGuard tx(*dmData);
    if (!tx.active())
        return failed();
    QSqlQuery q(dmData->ADOcnn());
    if (!exec(q,
              QStringLiteral(
                  "select F_code,F_name,F_likecode from t_treecode where F_flag = ? order by F_code"),
              {kind}))
        return failed();

    // New paths of the class and of every class below it, parents first.
    QString storedPath = oldPath;
    QHash<QString, QString> paths;
    QVector<QPair<QString, QString>> changes; // code, new path
    paths.insert(code, newPath);
    while (q.next()) {
        const QString rowCode = q.value(0).toString();
        const QString rowPath = q.value(2).toString();
        if (rowCode == code) {
            storedPath = rowPath;
            continue;
        }
        if (rowPath.trimmed().compare(newPath, Qt::CaseInsensitive) == 0)
            return refused(duplicateMessage(name));
        if (rowCode.size() <= code.size() || !rowCode.startsWith(code))
            continue;
        const auto parent = paths.constFind(rowCode.left(rowCode.size() - 3));
        if (parent == paths.constEnd())
            continue; // a code without its parent is left as it is
        const QString path = childPath(*parent, q.value(1).toString());
        if (const QString problem = pathProblem(kind, path); !problem.isEmpty())
            return refused(problem);
        paths.insert(rowCode, path);
        changes.append({rowCode, path});
    }
    q.finish();

    if (!exec(q,
              QStringLiteral(
                  "update t_treecode set F_name = ?,F_likeCode = ? where (F_code = ? and F_flag = ?) "),
              {name, newPath, code, kind}))
        return failed();
    for (const auto& [rowCode, path] : std::as_const(changes))
        if (!exec(q,
                  QStringLiteral("update t_treecode set F_likeCode = ? where (F_code = ? and F_flag = ?) "),
                  {path, rowCode, kind}))
            return failed();

    if (kind.compare(kMemberTree, Qt::CaseInsensitive) == 0 && !storedPath.isEmpty()) {
        // Members filed under the class or below it follow the new name.
        const QString below = storedPath + QLatin1Char('\\');
        if (!exec(q,
                  QStringLiteral("select F_ID,F_type from t_member where F_type = ? or ") +
                      dmData->dialect().mid(QStringLiteral("F_type"), 1, static_cast<int>(below.size())) +
                      QStringLiteral(" = ?"),
                  {storedPath, below}))
            return failed();
        QVector<QPair<QVariant, QString>> members;
        while (q.next()) {
            const QString old = q.value(1).toString();
            const QString path = newPath + old.mid(storedPath.size());
            if (const QString problem = pathProblem(kind, path); !problem.isEmpty())
                return refused(problem);
            members.append({q.value(0), path});
        }
        q.finish();
        for (const auto& [id, path] : std::as_const(members))
            if (!exec(q, QStringLiteral("update t_member set F_type = ? where F_ID = ?"), {path, id}))
                return failed();
    }
    if (!tx.commit())
        return failed();
    return Result{Result::Done, {}, code};
}

bool deleteClass(const QString& kind, const QString& code)
{
    if (code.isEmpty() || code == QLatin1String("000"))
        return false;
    return dmData->ExecSql(QStringLiteral("delete from t_treecode where F_code like ? and F_flag = ? "),
                           {QString(code + QLatin1Char('%')), kind});
}

QString failureMessage()
{
    return QStringLiteral("数据连接失败，请与作者联系... ");
}

} // namespace classtree

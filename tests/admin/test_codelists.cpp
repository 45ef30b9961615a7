#include "admin/TFrmCodeMan.h"
#include "admin/TFrmLimitGl.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "report/reportprint.h"
#include "testenv.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSqlQuery>
#include <QTabBar>
#include <QtTest>

namespace {

// "kind|name|rate" of every row of t_code, in key order.
QStringList codeRows(TestEnv& env)
{
    QStringList out;
    QSqlQuery q(env.dm().ADOcnn());
    q.exec(QStringLiteral("select F_type,F_Name,F_rate from t_code order by F_ID"));
    while (q.next())
        out << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString() + QLatin1Char('|') +
                   q.value(2).toString();
    return out;
}

QStringList names(TestEnv& env, const QString& kind)
{
    QStringList out;
    QSqlQuery q(env.dm().ADOcnn());
    q.prepare(QStringLiteral("select F_Name from t_code where F_type=? order by F_ID"));
    q.addBindValue(kind);
    q.exec();
    while (q.next())
        out << q.value(0).toString();
    return out;
}

// Types a value into the row being edited, as the grid's cell editor would.
void typeValue(TFrmCodeMan& dlg, int row, const QVariant& value)
{
    TDBGrid* grid = dlg.grid();
    QVERIFY(grid->model()->setData(grid->model()->index(row, 0), value, Qt::EditRole));
}

// Down on the last row while editing adds the next row.
void nextRow(TFrmCodeMan& dlg)
{
    dlg.list()->setCurrentRow(dlg.list()->recordCount() - 1);
    QTest::keyClick(dlg.grid(), Qt::Key_Down);
}

int pageOf(const QString& kind)
{
    const auto& pages = TFrmCodeMan::pages();
    for (int i = 0; i < pages.size(); ++i)
        if (pages.at(i).kind == kind)
            return i;
    return -1;
}

} // namespace

class TestCodeLists : public QObject
{
    Q_OBJECT
private slots:
    void browseAndEditStates()
    {
        TestEnv env;
        TFrmCodeMan dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("选项设置"));
        QCOMPARE(dlg.kind(), QStringLiteral("minzu"));
        QCOMPARE(dlg.grid()->column(0).title, QStringLiteral("民    族"));
        QCOMPARE(dlg.list()->recordCount(), 10);
        QVERIFY(dlg.statusPanel(3)->text().endsWith(QStringLiteral("  ")));
        const auto enabled = [&dlg](const char* name) {
            return dlg.command(QLatin1String(name))->isEnabled();
        };
        const char* browse[] = {"actAdd", "actEdit", "actDelete", "actPrint", "actRefresh", "actExit"};
        for (const char* a : browse)
            QVERIFY2(enabled(a), a);
        QVERIFY(!enabled("actSave") && !enabled("actCancel"));
        QVERIFY(dlg.grid()->isReadOnly());

        dlg.addRow();
        QVERIFY(dlg.editing());
        for (const char* a : browse)
            QVERIFY2(!enabled(a), a);
        QVERIFY(enabled("actSave") && enabled("actCancel"));
        QVERIFY(!dlg.pageBar()->isEnabled());
        QVERIFY(!dlg.grid()->isReadOnly());
        QCOMPARE(dlg.list()->recordCount(), 11);
        dlg.setPage(pageOf("unit")); // pages stay while editing
        QCOMPARE(dlg.kind(), QStringLiteral("minzu"));
        dlg.cancelEdit();
        QVERIFY(!dlg.editing());
        QCOMPARE(dlg.list()->recordCount(), 10);

        // An empty list: nothing to modify, nothing to delete.
        dlg.pageBar()->setCurrentIndex(pageOf("jibie"));
        QCOMPARE(dlg.kind(), QStringLiteral("jibie"));
        QCOMPARE(dlg.grid()->column(0).title, QStringLiteral("会员级别"));
        QVERIFY(dlg.list()->isEmpty());
        dlg.editRows();
        QCOMPARE(env.mess().last(), QStringLiteral("此表为空，没有记录需要修改！"));
        QCOMPARE(env.mess().messages.last().kind, 3);
        QVERIFY(!dlg.editing());
        dlg.deleteRow();
        QCOMPARE(env.mess().last(), QStringLiteral("此表是空表，不需要删除！"));

        // Printing shows the list under the column title.
        int previews = 0;
        report::setShowHook([&previews](QDialog&) { ++previews; });
        dlg.setPage(pageOf("unit"));
        dlg.printList();
        report::setShowHook(nullptr);
        QCOMPARE(previews, 1);
    }

    void cancelLeavesTheTableUntouched()
    {
        TestEnv env;
        const QStringList before = codeRows(env);
        TFrmCodeMan dlg;
        dlg.addRow();
        typeValue(dlg, dlg.list()->recordCount() - 1, QStringLiteral("新民族"));
        nextRow(dlg);
        typeValue(dlg, dlg.list()->recordCount() - 1, QStringLiteral("另一个"));
        QCOMPARE(dlg.list()->recordCount(), 12);
        typeValue(dlg, 0, QStringLiteral("改过的"));
        dlg.cancelEdit();
        QCOMPARE(codeRows(env), before);
        QCOMPARE(dlg.list()->recordCount(), 10);
        QCOMPARE(dlg.list()->value(0, QStringLiteral("F_Name")).toString(), QStringLiteral("汉族"));
    }

    void saveWritesTheCachedChanges()
    {
        TestEnv env;
        TFrmCodeMan dlg;
        dlg.setPage(pageOf("empname"));
        QCOMPARE(dlg.kind(), QStringLiteral("empname"));
        dlg.addRow();
        typeValue(dlg, 0, QStringLiteral("小王"));
        nextRow(dlg);
        typeValue(dlg, 1, QStringLiteral("小李"));
        nextRow(dlg); // left empty: not stored
        nextRow(dlg); // and no second empty row
        QCOMPARE(dlg.list()->recordCount(), 3);
        QVERIFY(dlg.save());
        QVERIFY(!dlg.editing());
        QCOMPARE(names(env, "empname"), (QStringList{"小王", "小李"}));
        QCOMPARE(dlg.list()->recordCount(), 2);

        // A change of a stored row.
        dlg.editRows();
        typeValue(dlg, 1, QStringLiteral("小张"));
        QVERIFY(dlg.save());
        QCOMPARE(names(env, "empname"), (QStringList{"小王", "小张"}));

        // The clerk is offered in the operator dialog's name list.
        TFrmLimitGl oper(TFrmLimitGl::New);
        QVERIFY(oper.nameBox()->findText(QStringLiteral("小张")) >= 0);
        QVERIFY(oper.nameBox()->findText(QStringLiteral("小李")) < 0);
    }

    void deleteAsksWithThePageCaption()
    {
        TestEnv env;
        TFrmCodeMan dlg;
        dlg.list()->setCurrentRow(1);
        env.mess().answers = {2};
        dlg.deleteRow();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要删除 \" 民    族 \"满族吗？"));
        QVERIFY(names(env, "minzu").contains(QStringLiteral("满族")));
        dlg.list()->setCurrentRow(1);
        dlg.deleteRow();
        QVERIFY(!names(env, "minzu").contains(QStringLiteral("满族")));
        QCOMPARE(dlg.list()->recordCount(), 9);
        QVERIFY(!dlg.editing());
    }

    void pointsRatios()
    {
        TestEnv env;
        TFrmCodeMan dlg;
        dlg.setPage(pageOf("xiaofeijifen"));
        QCOMPARE(dlg.grid()->objectName(), QStringLiteral("DBGridEh2"));
        QCOMPARE(dlg.grid()->column(0).title, QStringLiteral("消费积分"));
        QCOMPARE(dlg.grid()->gridModel()->cellText(0, 0), QStringLiteral("10"));
        dlg.addRow();
        typeValue(dlg, 1, 0.0);
        nextRow(dlg);
        typeValue(dlg, 2, 2.5);
        QVERIFY(dlg.save());
        QCOMPARE(env.value("select count(*) from t_code where F_type='xiaofeijifen' and F_rate=0").toInt(),
                 1);
        QCOMPARE(env.value("select count(*) from t_code where F_type='xiaofeijifen' and F_rate=2.5").toInt(),
                 1);
        env.mess().answers = {2};
        dlg.list()->setCurrentRow(2);
        dlg.deleteRow();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要删除 \" 消费积分 \"2.5吗？"));
        dlg.setPage(pageOf("minzu"));
        QCOMPARE(dlg.grid()->objectName(), QStringLiteral("DBGridEh1"));
    }

    void unusualValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("stored");
        QTest::newRow("quotes") << QStringLiteral("O'Neil \"A\"") << true;
        QTest::newRow("backslashes") << QStringLiteral("C:\\x\\") << true;
        QTest::newRow("blanks kept") << QStringLiteral(" 两 边 ") << true;
        QTest::newRow("50 characters") << QString(50, QChar(0x5355)) << true;
        QTest::newRow("200 characters") << QString(200, QLatin1Char('y')) << false;
    }
    void unusualValues()
    {
        QFETCH(QString, value);
        QFETCH(bool, stored);
        TestEnv env;
        const QStringList before = codeRows(env);
        TFrmCodeMan dlg;
        dlg.setPage(pageOf("unit"));
        dlg.addRow();
        typeValue(dlg, dlg.list()->recordCount() - 1, QStringLiteral("箱"));
        nextRow(dlg);
        typeValue(dlg, dlg.list()->recordCount() - 1, value);
        QCOMPARE(dlg.save(), stored);
        if (stored) {
            QCOMPARE(names(env, "unit").mid(6), (QStringList{"箱", value}));
            QCOMPARE(dlg.grid()->gridModel()->cellText(7, 0), value);
        } else {
            // Refused as a whole, and the operator's rows are kept for correction.
            QCOMPARE(env.mess().texts(), QStringList{"第 8 行的内容超过 50 个字符，请修改后再保存！"});
            QCOMPARE(codeRows(env), before);
            QVERIFY(dlg.editing());
            QCOMPARE(dlg.list()->currentRow(), 7);
            typeValue(dlg, 7, QStringLiteral("托"));
            QVERIFY(dlg.save());
            QCOMPARE(names(env, "unit").mid(6), (QStringList{"箱", "托"}));
        }
    }

    void failedSaveKeepsTheEdits()
    {
        TestEnv env;
        TFrmCodeMan dlg;
        dlg.addRow();
        typeValue(dlg, 10, QStringLiteral("新一"));
        typeValue(dlg, 0, QStringLiteral("改一"));
        dlg.list()->setCurrentRow(10);
        const QStringList before = codeRows(env);
        // The insert comes after the update: the update must not survive.
        env.exec("create trigger noinsert before insert on t_code begin select raise(abort,'no'); end");
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(env.mess().messages.last().kind, 3);
        QCOMPARE(codeRows(env), before);
        QVERIFY(dlg.editing());
        QCOMPARE(dlg.list()->value(10, QStringLiteral("F_Name")).toString(), QStringLiteral("新一"));
        env.exec("drop trigger noinsert");
        QVERIFY(dlg.save());
        QCOMPARE(names(env, "minzu").first(), QStringLiteral("改一"));
        QCOMPARE(names(env, "minzu").last(), QStringLiteral("新一"));
    }

    void optionsCommandLogs()
    {
        TestEnv env;
        TFrmMain main;
        main.show();
        bool opened = false;
        commands::setExecHook([&opened](QDialog& d) {
            opened = qobject_cast<TFrmCodeMan*>(&d) != nullptr;
            return int(QDialog::Rejected);
        });
        main.command(QStringLiteral("act104"))->trigger();
        commands::setExecHook(nullptr);
        QVERIFY(opened);
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("更改选项资料设置！"));
    }
};

QTEST_MAIN(TestCodeLists)
#include "test_codelists.moc"

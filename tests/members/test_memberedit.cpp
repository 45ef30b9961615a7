#include "core/dmdata.h"
#include "core/support.h"
#include "memberfixtures.h"
#include "members/TCheckDateEdit.h"
#include "members/TDLGhyPSD.h"
#include "members/TMoneyEdit.h"
#include "members/TfrmImageDisp.h"
#include "members/TfrmMemEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

namespace {

QImage pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::blue);
    return img;
}

QVariantMap row(TestEnv& env, const QString& card)
{
    QSqlQuery q(env.dm().ADOcnn());
    q.prepare("select * from t_member where F_hycode=?");
    q.addBindValue(card);
    QVariantMap out;
    if (q.exec() && q.next())
        for (int i = 0; i < q.record().count(); ++i)
            out.insert(q.record().fieldName(i).toLower(), q.value(i));
    return out;
}

QByteArray storedImage(TestEnv& env, const QString& card)
{
    return env.value("select F_empImage from t_member where F_hycode=?", {card}).toByteArray();
}

// Fills the person and the card of a new member.
void fillMember(TfrmMemEdit& w, const QString& card, int type)
{
    w.widget<QLineEdit>("edtName")->setText(QStringLiteral(" 张三 "));
    w.widget<QRadioButton>("rbFemale")->setChecked(true);
    w.widget<QLineEdit>("edtMovePhone")->setText(QStringLiteral("13900001111"));
    auto* birthday = w.widget<TCheckDateEdit>("dtpBirthday");
    birthday->setDate(QDate(1990, 5, 6));
    birthday->setChecked(true);
    w.widget<QLineEdit>("edtType")->setText(QStringLiteral("\\\\001\\"));
    w.widget<QLineEdit>("edtUnit")->setText(QStringLiteral("某公司"));
    w.widget<QLineEdit>("edtPostcode")->setText(QStringLiteral("100000"));
    w.widget<QLineEdit>("edtAddress")->setText(QStringLiteral("O'Brien 路 1 号"));
    w.widget<QLineEdit>("edtHomePhone")->setText(QStringLiteral("010-1234"));
    w.widget<QComboBox>("cbbMinzu")->setEditText(QStringLiteral("汉族"));
    w.widget<QLineEdit>("edtEmail")->setText(QStringLiteral("a@b.cn"));
    w.widget<QLineEdit>("edtZJname")->setText(QStringLiteral("身份证"));
    w.widget<QLineEdit>("edtZJcode")->setText(QStringLiteral("110101199005060000"));
    w.widget<QLineEdit>("edtHYcode")->setText(card);
    auto* level = w.widget<QComboBox>("cbbJibie");
    level->setCurrentIndex(level->findText(QStringLiteral("银卡")));
    w.levelChosen();
    w.widget<QComboBox>("cbbIFnew")->setCurrentIndex(type);
    w.cardTypeChosen();
}

void chooseMode(TfrmMemEdit& w, const QString& mode)
{
    auto* modes = w.widget<QComboBox>("cbbYHtype");
    modes->setCurrentIndex(modes->findText(mode));
    w.modeChosen();
}

} // namespace

class TestMemberEdit : public QObject
{
    Q_OBJECT
private slots:
    void newMemberOfEachCardType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("balance");
        QTest::addColumn<QString>("storedMode");
        QTest::newRow("discount card") << 0 << "" << 0.0 << 0.0 << "";
        QTest::newRow("stored value, bonus 1.1 on 1000")
            << 1 << "存一千送一百" << 1000.0 << 1100.0 << "存一千送一百";
        QTest::newRow("stored value, consumption to cash")
            << 1 << "消费转现金" << 200.0 << 200.0 << "消费转现金";
        QTest::newRow("count-card, 10 for 100 on 250") << 2 << "十次卡" << 250.0 << 25.0 << "十次卡";
        QTest::newRow("count-card on 95: 10 uses") << 2 << "十次卡" << 95.0 << 10.0 << "十次卡";
        QTest::newRow("count-card on 85: 8 uses") << 2 << "十次卡" << 85.0 << 8.0 << "十次卡";
    }
    void newMemberOfEachCardType()
    {
        QFETCH(int, type);
        QFETCH(QString, mode);
        QFETCH(double, paid);
        QFETCH(double, balance);
        QFETCH(QString, storedMode);
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        int opened = 0;
        DialogDriver driver([&](QDialog& dlg) {
            auto* w = qobject_cast<TfrmMemEdit*>(&dlg);
            if (!w)
                return int(QDialog::Rejected);
            ++opened;
            [&] {
                QCOMPARE(w->windowTitle(), QStringLiteral("会员档案资料 - 新增"));
                QVERIFY(!w->widget<QCheckBox>("chkContinue")->isHidden());
                QVERIFY(w->widget<QWidget>("navMember")->isHidden());
                fillMember(*w, QStringLiteral("C100"), type);
                QCOMPARE(w->widget<TMoneyEdit>("edtRate")->value(), 0.9);
                QCOMPARE(w->visiblePanel(), type == 0 ? 1 : 2);
                const QString s = type == 0 ? QStringLiteral("1") : QStringLiteral("2");
                auto* from = w->widget<TCheckDateEdit>(QStringLiteral("dtpFromDate") + s);
                from->setDate(QDate(2024, 3, 1));
                from->setChecked(true);
                w->widget<TMoneyEdit>(QStringLiteral("edtBeginJF") + s)->setValue(5);
                w->widget<TMoneyEdit>(QStringLiteral("edtBeginXF") + s)->setValue(7.5);
                w->widget<QPlainTextEdit>(QStringLiteral("memMem") + s)
                    ->setPlainText(QStringLiteral(" 备注\n第二行 "));
                if (type != 0) {
                    auto* modes = w->widget<QComboBox>("cbbYHtype");
                    // The first mode of the card type's list comes selected.
                    QCOMPARE(modes->currentIndex(), 0);
                    QVERIFY(!w->widget<QLabel>("lblYHmemo")->text().isEmpty());
                    QCOMPARE(modes->findText(QStringLiteral("十次卡")) >= 0, type == 2);
                    modes->setCurrentIndex(modes->findText(mode));
                    w->modeChosen();
                    w->widget<QLineEdit>("edtPSword")->setText(QStringLiteral(" pw1 "));
                    w->widget<QLineEdit>("edtPSword2")->setText(QStringLiteral("pw1"));
                    w->widget<TMoneyEdit>("edtBeginJE")->setValue(paid);
                }
                if (type == 2)
                    QVERIFY(w->widget<TMoneyEdit>("edtBeginXF2")->isHidden());
                w->widget<QCheckBox>("chkContinue")->setChecked(false);
                QVERIFY(w->save());
            }();
            return w->result();
        });
        main.command(QStringLiteral("act201"))->trigger();
        QCOMPARE(opened, 1);
        QVERIFY2(env.mess().messages.isEmpty(), qPrintable(env.mess().texts().join(QLatin1Char('|'))));

        const QVariantMap r = row(env, QStringLiteral("C100"));
        QCOMPARE(r.value("f_name").toString(), QStringLiteral("张三"));
        QCOMPARE(r.value("f_sex").toString(), QStringLiteral("女"));
        QCOMPARE(r.value("f_movephone").toString(), QStringLiteral("13900001111"));
        QCOMPARE(r.value("f_birthday").toString().left(10), QStringLiteral("1990-05-06"));
        QCOMPARE(r.value("f_type").toString(), QStringLiteral("\\\\001\\"));
        QCOMPARE(r.value("f_unit").toString(), QStringLiteral("某公司"));
        QCOMPARE(r.value("f_postcode").toString(), QStringLiteral("100000"));
        QCOMPARE(r.value("f_address").toString(), QStringLiteral("O'Brien 路 1 号"));
        QCOMPARE(r.value("f_homephone").toString(), QStringLiteral("010-1234"));
        QCOMPARE(r.value("f_minzu").toString(), QStringLiteral("汉族"));
        QCOMPARE(r.value("f_email").toString(), QStringLiteral("a@b.cn"));
        QCOMPARE(r.value("f_zjname").toString(), QStringLiteral("身份证"));
        QCOMPARE(r.value("f_zjcode").toString(), QStringLiteral("110101199005060000"));
        QCOMPARE(r.value("f_jibie").toString(), QStringLiteral("银卡"));
        QCOMPARE(r.value("f_rate").toDouble(), 0.9);
        QCOMPARE(r.value("f_ifnew").toInt(), type);
        QCOMPARE(r.value("f_hystatus").toString(), QStringLiteral("可  用"));
        QCOMPARE(r.value("f_fromdate").toString().left(10), QStringLiteral("2024-03-01"));
        // Unticked dates are stored as the no-date marker.
        QCOMPARE(r.value("f_todate").toString().left(10), QStringLiteral("1900-08-14"));
        QCOMPARE(r.value("f_beginjf").toDouble(), 5.0);
        QCOMPARE(r.value("f_hyjf").toDouble(), 0.0);
        QCOMPARE(r.value("f_beginxf").toDouble(), 7.5);
        QCOMPARE(r.value("f_hyxf").toDouble(), 0.0);
        QCOMPARE(r.value("f_mem").toString(), QStringLiteral(" 备注\n第二行 "));
        QCOMPARE(r.value("f_opername").toString(), QStringLiteral("admin"));
        QCOMPARE(r.value("f_yhtype").toString(), storedMode);
        QCOMPARE(r.value("f_beginje").toDouble(), balance);
        QCOMPARE(r.value("f_psword").toString(), type == 0 ? QString() : QStringLiteral("pw1"));
        QVERIFY(r.value("f_empimage").isNull());
        QVERIFY(r.value("f_imagepath").toString().isEmpty());
        // Issuing a card writes no top-up record, and the log line.
        QCOMPARE(env.value("select count(*) from T_xuFeiRec").toInt(), 0);
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("新增会员卡资料！"));
        // The main list is re-read and placed on the new card.
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_hycode")).toString(), QStringLiteral("C100"));
    }

    void editReadsBackWhatWasStored()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("A1"), 1, 300, QStringLiteral("存一千送一百"), QStringLiteral("pw"));
        env.exec("update t_member set F_birthday='1900-08-14', F_fromDate='2023-01-02', F_sex='' where "
                 "F_hycode='A1'");
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("A1")));
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        QCOMPARE(w.windowTitle(), QStringLiteral("会员档案资料 - 修改"));
        QVERIFY(w.widget<QCheckBox>("chkContinue")->isHidden());
        // admin sees the navigator over the main list.
        QVERIFY(!w.widget<QWidget>("navMember")->isHidden());
        auto* birthday = w.widget<TCheckDateEdit>("dtpBirthday");
        QVERIFY(!birthday->isChecked());
        QCOMPARE(birthday->date(), QDate::currentDate());
        QVERIFY(w.widget<TCheckDateEdit>("dtpFromDate2")->isChecked());
        QCOMPARE(w.widget<TCheckDateEdit>("dtpFromDate2")->date(), QDate(2023, 1, 2));
        QVERIFY(w.widget<QRadioButton>("rbFemale")->isChecked());
        QCOMPARE(w.widget<QLabel>("lblBeginJE")->text(), QStringLiteral("卡内余额："));
        QCOMPARE(w.widget<TMoneyEdit>("edtBeginJE")->value(), 300.0);
        QVERIFY(w.widget<TMoneyEdit>("edtBeginJE")->isReadOnly());
        QVERIFY(!w.widget<QComboBox>("cbbIFnew")->isEnabled());
        QVERIFY(!w.widget<QComboBox>("cbbYHtype")->isEnabled());
        QCOMPARE(w.widget<QComboBox>("cbbYHtype")->currentText(), QStringLiteral("存一千送一百"));
        QCOMPARE(w.widget<QLineEdit>("edtPSword2")->text(), QStringLiteral("pw"));
        // Saving unchanged keeps the record and writes the log line.
        QVERIFY(w.save());
        QCOMPARE(balanceOf(env, QStringLiteral("A1")), 300.0);
        QCOMPARE(env.value("select F_birthday from t_member where F_hycode='A1'").toString().left(10),
                 QStringLiteral("1900-08-14"));
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("修改会员卡资料！"));
    }

    void editCommandAsksForTheCardPassword()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("P1"), 2, 10, QStringLiteral("十次卡"), QStringLiteral("secret"));
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("P1")));
        QStringList shown;
        QString password = QStringLiteral("wrong");
        DialogDriver driver([&](QDialog& dlg) {
            shown << dlg.objectName();
            if (auto* prompt = qobject_cast<TDLGhyPSD*>(&dlg)) {
                prompt->passwordBox()->setText(password);
                prompt->confirm();
                return prompt->result();
            }
            if (auto* w = qobject_cast<TfrmMemEdit*>(&dlg)) {
                [&] {
                    QCOMPARE(w->widget<QLabel>("lblBeginJE")->text(), QStringLiteral("剩余次数："));
                    QCOMPARE(w->widget<QLabel>("lblHyXF2")->text(), QStringLiteral("累计次数："));
                }();
                return int(QDialog::Rejected);
            }
            return int(QDialog::Rejected);
        });
        env.dm().CurrentOperator = QStringLiteral("clerk");
        main.command(QStringLiteral("act202"))->trigger();
        QCOMPARE(shown, QStringList{QStringLiteral("DLGhyPSD")});
        password = QStringLiteral("secret");
        main.command(QStringLiteral("act202"))->trigger();
        QCOMPARE(shown, (QStringList{QStringLiteral("DLGhyPSD"), QStringLiteral("DLGhyPSD"),
                                     QStringLiteral("frmMemEdit")}));
    }

    void duplicateCardNumbers()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("D1"), 0, 0);
        addMember(env, QStringLiteral("D2"), 0, 0);
        TFrmMain main;
        showAll(main);
        {
            TfrmMemEdit w(&main);
            w.prepare(TfrmMemEdit::NewMode);
            fillMember(w, QStringLiteral("D1"), 0);
            QVERIFY(!w.save());
            QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("会员卡号重复，请重新输入！")});
            QCOMPARE(w.focusWidget(), w.widget<QLineEdit>("edtHYcode"));
            // Letter case does not make a card number different.
            env.mess().clear();
            w.widget<QLineEdit>("edtHYcode")->setText(QStringLiteral(" d1 "));
            QVERIFY(!w.save());
            QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("会员卡号重复，请重新输入！")});
            // Members without a card number are not duplicates of each other.
            env.mess().clear();
            w.widget<QLineEdit>("edtHYcode")->clear();
            QVERIFY(w.save());
            fillMember(w, QString(), 0);
            QVERIFY(w.save());
            QCOMPARE(env.value("select count(*) from t_member where F_hycode=''").toInt(), 2);
        }
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("D2")));
        env.mess().clear();
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        w.widget<QLineEdit>("edtHYcode")->setText(QStringLiteral("D1"));
        QVERIFY(!w.save());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("会员卡号重复，请重新输入！")});
        env.mess().clear();
        w.widget<QLineEdit>("edtHYcode")->setText(QStringLiteral("D2"));
        QVERIFY(w.save());
        QVERIFY(env.mess().messages.isEmpty());
    }

    void checksInOrder_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::newRow("no name") << "name"
                                 << "员工姓名不能为空！" << int(mkInformation);
        QTest::newRow("no level") << "level"
                                  << "会员级别不能为空！" << int(mkInformation);
        QTest::newRow("no card type") << "type"
                                      << "办卡类型不能为空！" << int(mkInformation);
        QTest::newRow("passwords differ") << "password"
                                          << "会员密码跟确认密码不一致，请重新输入！" << int(mkQuestion);
    }
    void checksInOrder()
    {
        QFETCH(QString, what);
        QFETCH(QString, message);
        QFETCH(int, kind);
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("N1"), 1);
        w.widget<QLineEdit>("edtPSword")->setText(QStringLiteral("a"));
        w.widget<QLineEdit>("edtPSword2")->setText(QStringLiteral("a"));
        if (what == QLatin1String("name"))
            w.widget<QLineEdit>("edtName")->setText(QStringLiteral("   "));
        else if (what == QLatin1String("level"))
            w.widget<QComboBox>("cbbJibie")->setCurrentIndex(-1);
        else if (what == QLatin1String("type"))
            w.widget<QComboBox>("cbbIFnew")->setCurrentIndex(-1);
        else
            w.widget<QLineEdit>("edtPSword2")->setText(QStringLiteral("b"));
        QVERIFY(!w.save());
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(env.mess().messages.first().kind, kind);
        QCOMPARE(env.value("select count(*) from t_member where F_hycode='N1'").toInt(), 0);
    }

    void unknownCardTypeMustBeChosen()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("U1"), 3, 0);
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("U1")));
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        auto* type = w.widget<QComboBox>("cbbIFnew");
        QCOMPARE(type->currentIndex(), -1);
        QVERIFY(type->isEnabled());
        QVERIFY(!w.save());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("办卡类型不能为空！")});
        type->setCurrentIndex(0);
        w.cardTypeChosen();
        QVERIFY(w.save());
        QCOMPARE(env.value("select F_IFnew from t_member where F_hycode='U1'").toInt(), 0);
    }

    void enterMovesToTheNextField()
    {
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* name = w.widget<QLineEdit>("edtName");
        name->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), name);
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != name);
        QVERIFY(w.isVisible());
        // Remarks keep their line breaks.
        auto* remarks = w.widget<QPlainTextEdit>("memMem1");
        remarks->setFocus();
        QTest::keyClicks(remarks, QStringLiteral("a"));
        QTest::keyClick(remarks, Qt::Key_Return);
        QTest::keyClicks(remarks, QStringLiteral("b"));
        QCOMPARE(remarks->toPlainText(), QStringLiteral("a\nb"));
        // Ctrl+S saves.
        fillMember(w, QStringLiteral("E1"), 0);
        w.widget<QCheckBox>("chkContinue")->setChecked(false);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(env.value("select count(*) from t_member where F_hycode='E1'").toInt(), 1);
    }

    void keepAddingClearsTheWindow()
    {
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("K1"), 1);
        chooseMode(w, QStringLiteral("存一千送一百"));
        w.widget<TMoneyEdit>("edtBeginJE")->setValue(1000);
        QVERIFY(w.save());
        QVERIFY(w.result() != QDialog::Accepted);
        QVERIFY(w.widget<QLineEdit>("edtName")->text().isEmpty());
        QCOMPARE(w.widget<QComboBox>("cbbIFnew")->currentIndex(), -1);
        QCOMPARE(w.widget<TMoneyEdit>("edtRate")->value(), 1.0);
        QCOMPARE(w.widget<TMoneyEdit>("edtBeginJE")->value(), 0.0);
        QCOMPARE(w.visiblePanel(), 1);
        QCOMPARE(balanceOf(env, QStringLiteral("K1")), 1100.0);
    }

    void discountCardCarriesNoBalanceFromAnEarlierChoice()
    {
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("Z1"), 1);
        w.widget<TMoneyEdit>("edtBeginJE")->setValue(1000);
        w.widget<QLineEdit>("edtPSword")->setText(QStringLiteral("x"));
        w.widget<QLineEdit>("edtPSword2")->setText(QStringLiteral("x"));
        w.widget<QComboBox>("cbbIFnew")->setCurrentIndex(0);
        w.cardTypeChosen();
        QCOMPARE(w.visiblePanel(), 1);
        w.widget<QCheckBox>("chkContinue")->setChecked(false);
        QVERIFY(w.save());
        const QVariantMap r = row(env, QStringLiteral("Z1"));
        QCOMPARE(r.value("f_beginje").toDouble(), 0.0);
        QCOMPARE(r.value("f_yhtype").toString(), QString());
        QCOMPARE(r.value("f_psword").toString(), QString());
    }

    void editRecomputesTotalsFromTheBills()
    {
        TestEnv env;
        addCardSettings(env);
        const int id = addMember(env, QStringLiteral("T1"), 0, 0);
        env.exec("update t_member set F_beginJF=10, F_beginXF=100, F_hyJF=999, F_hyXF=999 where F_ID=?",
                 {id});
        const auto bill = [&](const char* code, int flag, int sign, double total, double points) {
            env.exec("insert into depotM(F_code,F_date,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) "
                     "values(?,'2024-01-01 10:00:00',?,?,?,?,?)",
                     {QString::fromLatin1(code), id, total, points, sign, flag});
        };
        bill("XF1", 1, 1, 50, 5);
        bill("XF2", 2, -1, 20, 2);
        bill("DH1", 3, -1, 0, 3);
        bill("XF3", 4, 1, 30, 1.5);
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("T1")));
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        QVERIFY(w.save());
        QCOMPARE(env.value("select F_hyJF from t_member where F_ID=?", {id}).toDouble(),
                 10 + 5 - 2 - 3 + 1.5);
        QCOMPARE(env.value("select F_hyXF from t_member where F_ID=?", {id}).toDouble(), 100 + 50 + 30.0);
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_hyJF")).toDouble(), 11.5);
    }

    void consumptionToCash()
    {
        TestEnv env;
        addCardSettings(env);
        const int id =
            addMember(env, QStringLiteral("X1"), 1, 20, QStringLiteral("消费转现金"), QStringLiteral("p"));
        env.exec("update t_member set F_hyXF=1200 where F_ID=?", {id});
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("X1")));
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        auto* button = w.widget<QPushButton>("btnXFtoCash");
        QVERIFY(!button->isHidden());
        button->click();
        button->click();
        QCOMPARE(w.widget<TMoneyEdit>("edtHyXF2")->value(), 200.0);
        QCOMPARE(w.widget<TMoneyEdit>("edtBeginJE")->value(), 120.0);
        button->click();
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("当前消费金额不够转现金！")});
        // Meanwhile another copy of the program tops the card up by 30.
        env.exec("update t_member set F_beginJE = F_beginJE + 30 where F_ID=?", {id});
        QVERIFY(w.save());
        QCOMPARE(balanceOf(env, QStringLiteral("X1")), 20 + 100 + 30.0);
        // The accumulated consumption follows the bills again (none here).
        QCOMPARE(env.value("select F_hyXF from t_member where F_ID=?", {id}).toDouble(), 0.0);
    }

    void navigatorMovesOverTheMainList()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("M1"), 0, 0);
        addMember(env, QStringLiteral("M2"), 0, 0);
        TFrmMain main;
        showAll(main);
        main.memberSet()->setCurrentRow(0);
        const QString first = main.memberSet()->field(QStringLiteral("F_hycode")).toString();
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::EditMode);
        QCOMPARE(w.widget<QLineEdit>("edtHYcode")->text(), first);
        w.widget<QPushButton>("btnLast")->click();
        const int last = main.memberSet()->recordCount() - 1;
        QCOMPARE(main.memberSet()->currentRow(), last);
        QCOMPARE(w.widget<QLineEdit>("edtHYcode")->text(),
                 main.memberSet()->value(last, "F_hycode").toString());
        w.widget<QPushButton>("btnPrior")->click();
        QCOMPARE(w.widget<QLineEdit>("edtHYcode")->text(),
                 main.memberSet()->value(last - 1, "F_hycode").toString());
        w.widget<QPushButton>("btnFirst")->click();
        QCOMPARE(w.widget<QLineEdit>("edtHYcode")->text(), first);
        // Other operators have no navigator.
        env.dm().CurrentOperator = QStringLiteral("clerk");
        TfrmMemEdit w2(&main);
        w2.prepare(TfrmMemEdit::EditMode);
        QVERIFY(w2.widget<QWidget>("navMember")->isHidden());
    }

    void failedSaveKeepsTheInput()
    {
        TestEnv env;
        addCardSettings(env);
        env.exec(
            "create trigger no_members before insert on t_member begin select raise(abort,'refused'); end");
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("F1"), 1);
        chooseMode(w, QStringLiteral("存一千送一百"));
        w.widget<TMoneyEdit>("edtBeginJE")->setValue(1000);
        QVERIFY(!w.save());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
        QCOMPARE(env.mess().messages.first().kind, int(mkError));
        QCOMPARE(w.widget<QLineEdit>("edtName")->text(), QStringLiteral(" 张三 "));
        // The amount paid stays as typed, so a second try does not credit the bonus twice.
        QCOMPARE(w.widget<TMoneyEdit>("edtBeginJE")->value(), 1000.0);
        env.exec("drop trigger no_members");
        w.widget<QCheckBox>("chkContinue")->setChecked(false);
        QVERIFY(w.save());
        QCOMPARE(balanceOf(env, QStringLiteral("F1")), 1100.0);
    }

    void photoRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("bitmap") << "face.bmp";
        QTest::newRow("jpeg") << "face.JPG";
        QTest::newRow("jpeg long extension") << "face.jpeg";
    }
    void photoRoundTrip()
    {
        QFETCH(QString, file);
        TestEnv env;
        addCardSettings(env);
        const QImage source = pattern(64, 48);
        const QString path = env.dir() + file;
        QVERIFY(
            source.save(path, QFileInfo(file).suffix().toLower() == QLatin1String("bmp") ? "BMP" : "JPG"));
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("F1"), 0);
        // The photo comes through the photo viewer.
        DialogDriver driver([&](QDialog& dlg) {
            auto* viewer = qobject_cast<TfrmImageDisp*>(&dlg);
            if (!viewer || !viewer->loadFile(path))
                return int(QDialog::Rejected);
            return int(QDialog::Accepted);
        });
        w.widget<QPushButton>("btnLoadPhoto")->click();
        QCOMPARE(w.photoPath(), path);
        w.widget<QCheckBox>("chkContinue")->setChecked(false);
        QVERIFY(w.save());
        QCOMPARE(env.value("select F_imagePath from t_member where F_hycode='F1'").toString(), file);
        const QByteArray bytes = storedImage(env, QStringLiteral("F1"));
        const bool bmp = file.endsWith(QLatin1String(".bmp"));
        QVERIFY(bytes.startsWith(bmp ? QByteArray("BM") : QByteArray("\xFF\xD8")));
        QImage stored;
        QVERIFY(stored.loadFromData(bytes));
        QCOMPARE(stored.size(), source.size());
        if (bmp)
            QCOMPARE(stored.convertToFormat(QImage::Format_RGB32), source);
        else
            QCOMPARE(QColor(stored.pixel(5, 5)).red() > 200, true);

        // Edit mode reads the photo by key and keeps the bytes unchanged.
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("F1")));
        TfrmMemEdit edit(&main);
        edit.prepare(TfrmMemEdit::EditMode);
        QCOMPARE(edit.photo().size(), source.size());
        QCOMPARE(edit.photoPath(), file);
        QVERIFY(edit.save());
        QCOMPARE(storedImage(env, QStringLiteral("F1")), bytes);
    }

    void photoThatIsNotAPictureKeepsTheOldOne()
    {
        TestEnv env;
        addCardSettings(env);
        const QString good = env.dir() + QStringLiteral("good.bmp");
        QVERIFY(pattern(20, 10).save(good, "BMP"));
        const QString bad = env.dir() + QStringLiteral("bad.jpg");
        {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a picture at all");
        }
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        QVERIFY(w.setPhotoFile(good));
        // Through the viewer: the error of loading, and the viewer keeps its picture.
        QString viewerPath;
        QSize viewerSize;
        DialogDriver driver([&](QDialog& dlg) {
            auto* viewer = qobject_cast<TfrmImageDisp*>(&dlg);
            if (!viewer)
                return int(QDialog::Rejected);
            viewer->loadFile(bad);
            viewerPath = viewer->path();
            viewerSize = viewer->picture().size();
            return int(QDialog::Accepted);
        });
        w.openPhotoViewer();
        const QString message =
            QStringLiteral("读取文件：") + bad +
            QStringLiteral("时发生错误！\n该文件不是标准格式的文件，或者该文件已经被损坏！");
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(env.mess().messages.first().kind, int(mkError));
        QCOMPARE(viewerPath, good);
        QCOMPARE(viewerSize, QSize(20, 10));
        QCOMPARE(w.photoPath(), good);
        QCOMPARE(w.photo().size(), QSize(20, 10));
        // Directly as well.
        env.mess().clear();
        QVERIFY(!w.setPhotoFile(bad));
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(w.photoPath(), good);
    }

    void largePhotoIsScaledBeforeItIsStored()
    {
        TestEnv env;
        addCardSettings(env);
        // A 2600 x 2600 bitmap is a file of about 20 MB.
        const QString big = env.dir() + QStringLiteral("big.bmp");
        QVERIFY(pattern(2600, 2600).save(big, "BMP"));
        QVERIFY(QFileInfo(big).size() > 20 * 1000 * 1000);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        fillMember(w, QStringLiteral("B1"), 0);
        QVERIFY(w.setPhotoFile(big));
        w.widget<QCheckBox>("chkContinue")->setChecked(false);
        QVERIFY(w.save());
        const QByteArray bytes = storedImage(env, QStringLiteral("B1"));
        QVERIFY(bytes.size() < 4 * 1024 * 1024);
        QImage stored;
        QVERIFY(stored.loadFromData(bytes, "BMP"));
        QCOMPARE(stored.size(), QSize(1024, 1024));
        // A gif path is shown but not stored.
        const QString gif = env.dir() + QStringLiteral("anim.gif");
        if (pattern(8, 8).save(gif, "GIF")) {
            QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("B1")));
            TfrmMemEdit edit(&main);
            edit.prepare(TfrmMemEdit::EditMode);
            QVERIFY(edit.setPhotoFile(gif));
            QVERIFY(edit.save());
            QVERIFY(env.value("select F_empImage from t_member where F_hycode='B1'").isNull());
            QCOMPARE(env.value("select F_imagePath from t_member where F_hycode='B1'").toString(),
                     QStringLiteral("anim.gif"));
        }
    }

    void levelChoiceSetsTheRate()
    {
        TestEnv env;
        addCardSettings(env);
        TFrmMain main;
        showAll(main);
        TfrmMemEdit w(&main);
        w.prepare(TfrmMemEdit::NewMode);
        auto* level = w.widget<QComboBox>("cbbJibie");
        QCOMPARE(level->count(), 2);
        QCOMPARE(level->itemText(0), QStringLiteral("无卡用户"));
        QCOMPARE(w.widget<TMoneyEdit>("edtRate")->value(), 1.0);
        level->setCurrentIndex(1);
        w.levelChosen();
        QCOMPARE(w.widget<TMoneyEdit>("edtRate")->value(), 0.9);
        // The nation list is read when the box is entered.
        env.exec("insert into t_code(F_name,F_type) values('回族','minzu')");
        w.show();
        auto* nation = w.widget<QComboBox>("cbbMinzu");
        nation->setEditText(QStringLiteral("满族"));
        nation->setFocus();
        QTRY_VERIFY(nation->findText(QStringLiteral("回族")) >= 0);
        QCOMPARE(nation->currentText(), QStringLiteral("满族"));
    }
};

QTEST_MAIN(TestMemberEdit)
#include "test_memberedit.moc"

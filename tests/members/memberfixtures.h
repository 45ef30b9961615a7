#pragma once

#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "testenv.h"

#include <QDialog>
#include <QRadioButton>
#include <QtTest>
#include <functional>

// Runs the next dialogs through `drive` instead of a blocking loop.
struct DialogDriver
{
    explicit DialogDriver(std::function<int(QDialog&)> drive) { commands::setExecHook(std::move(drive)); }
    ~DialogDriver() { commands::setExecHook(nullptr); }
};

// A level, a deposit bonus, a consumption-to-cash mode and a count package.
inline void addCardSettings(TestEnv& env)
{
    env.exec("insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values('0001','银卡',0.9,0,1000)");
    env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
             "values('0001','存一千送一百',0,1.1,0,0,'实际款 = 所付存款*1.1')");
    env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
             "values('0002','消费转现金',1,0,500,50,'累计消费 500元，转现金 50元')");
    env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
             "values('0003','十次卡',2,10,100,0,'交费 100元，可消费 10次')");
}

inline int addMember(TestEnv& env, const QString& card, int type, double balance, const QString& mode = {},
                     const QString& password = {})
{
    env.exec(
        "insert into t_member(F_hycode,F_name,F_IFnew,F_HYstatus,F_PSword,F_beginJE,F_YHtype,F_jibie,F_rate,"
        "F_toDate,F_useFlag) values(?,?,?,'可  用',?,?,?,'银卡',0.9,'3000-08-14',0)",
        {card, QString(QStringLiteral("会员") + card), type, password, balance, mode});
    return env.value("select F_ID from t_member where F_hycode=?", {card}).toInt();
}

inline double balanceOf(TestEnv& env, const QString& card)
{
    return env.value("select F_beginJE from t_member where F_hycode=?", {card}).toDouble();
}

inline void showAll(TFrmMain& main)
{
    main.show();
    main.statusButton(0)->click();
}

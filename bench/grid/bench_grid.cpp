// Member-list refresh with 100,000 members: the member statement run into the
// data set, the grid model reset and the visible grid painted, against the
// sqlite3 shell running the same statement on the same file; and the
// program's resident memory.
//
//   bench_grid [members] [runs] [database file to keep]

#include "core/database.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

const char* const kSurnames[] = {"张", "王", "李", "赵", "刘", "陈", "杨", "黄", "周", "吴", "徐", "孙", "马", "朱", "胡"};
const char* const kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟", "涛", "明"};
const char* const kStreets[] = {"人民路", "解放路", "中山路", "建设路", "和平街", "新华路", "长江路", "黄河路"};
const char* const kCities[] = {"北京市", "上海市", "广州市", "杭州市", "南京市", "成都市", "武汉市", "西安市"};
const char* const kLevels[] = {"普通会员", "银卡会员", "金卡会员", "钻石会员"};
const char* const kNations[] = {"汉族", "回族", "满族", "壮族", "蒙古族"};
const char* const kGoods[] = {"洗发水", "护发素", "面膜", "精华液", "洗面奶", "剪发", "烫发", "染发"};

template <size_t N> QString pick(const char* const (&list)[N], QRandomGenerator& rng)
{
    return QString::fromUtf8(list[rng.bounded(static_cast<quint32>(N))]);
}

QString digits(QRandomGenerator& rng, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + rng.bounded(10));
    return s;
}

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

bool fill(QSqlDatabase& db, int members)
{
    QRandomGenerator rng(20240131);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN"))) {
        std::fprintf(stderr, "begin: %s\n", qPrintable(q.lastError().text()));
        return false;
    }
    QSqlQuery m(db);
    m.prepare(QStringLiteral(
        "insert into t_member(F_code,F_name,F_sex,F_movephone,F_homephone,F_birthday,F_type,F_typeID,F_unit,"
        "F_address,F_postcode,F_minzu,F_email,F_hycode,F_jibie,F_rate,F_IFnew,F_fromDate,F_toDate,F_OperName,"
        "F_hyJF,F_beginJF,F_hyXF,F_beginXF,F_mem,F_useFlag,F_SFZcode,F_hyJE,F_beginJE,F_YHtype,F_PSword,"
        "F_HYstatus,F_ZJname,F_ZJcode,F_imagePath,F_empImage,F_empID) "
        "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery bill(db);
    bill.prepare(QStringLiteral("insert into depotM(F_code,F_date,F_editDate,F_empID,F_JFtype,F_empName,F_operName,"
                                "F_totalprice,F_hyJF,F_mem,F_OperFlag,F_flag) values(?,?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral("insert into depotD(F_empID,F_Code,F_GoodCode,F_GoodName,F_Type,F_Spec,F_Unit,"
                                "F_Address,F_Amount,F_Price,F_Rate,F_TotalPrice,F_Mem,F_dhJF,F_totalJF) "
                                "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    const QByteArray photo(16 * 1024, '\x5a');
    const QDate today = QDate::currentDate();
    QHash<QDate, int> perDay; // bill numbers count per day
    for (int i = 1; i <= members; ++i) {
        const QString name = pick(kSurnames, rng) + pick(kGiven, rng) + (rng.bounded(2) ? pick(kGiven, rng) : QString());
        const QDate from = today.addDays(-static_cast<int>(rng.bounded(3000)));
        const int type = static_cast<int>(rng.bounded(3));
        const double balance = type == 0 ? 0.0 : rng.bounded(500000) / 100.0;
        const QVariantList values{
            QStringLiteral("M%1").arg(i, 7, 10, QLatin1Char('0')),
            name,
            rng.bounded(2) ? QStringLiteral("男") : QStringLiteral("女"),
            QString(QStringLiteral("13") + digits(rng, 9)),
            QString(QStringLiteral("0571-") + digits(rng, 8)),
            rng.bounded(10) ? dateText(QDate(1950 + rng.bounded(55), 1 + rng.bounded(12), 1 + rng.bounded(28)))
                            : QStringLiteral("1900-08-14"),
            QStringLiteral("\\\\001\\00%1\\").arg(1 + rng.bounded(5)),
            1 + static_cast<int>(rng.bounded(20)),
            QString(pick(kCities, rng) + QStringLiteral("某某贸易有限公司")),
            QString(pick(kCities, rng) + pick(kStreets, rng) + QString::number(1 + rng.bounded(999)) + QStringLiteral("号")),
            digits(rng, 6),
            pick(kNations, rng),
            QStringLiteral("member%1@example.com").arg(i),
            QStringLiteral("HY%1").arg(i, 8, 10, QLatin1Char('0')),
            pick(kLevels, rng),
            0.8 + rng.bounded(20) / 100.0,
            type,
            dateText(from),
            rng.bounded(20) ? dateText(from.addYears(1 + rng.bounded(3))) : QStringLiteral("3000-08-14"),
            QStringLiteral("admin"),
            static_cast<double>(rng.bounded(20000)),
            static_cast<double>(rng.bounded(500)),
            rng.bounded(10000000) / 100.0,
            0.0,
            rng.bounded(4) ? QString() : QStringLiteral("老顾客，喜欢周末来店"),
            0,
            digits(rng, 18),
            balance,
            balance,
            QStringLiteral("现金"),
            QString(),
            rng.bounded(50) ? QStringLiteral("可  用") : QStringLiteral("不可用"),
            QStringLiteral("身份证"),
            digits(rng, 18),
            QString(),
            i % 200 == 0 ? QVariant(photo) : QVariant(QMetaType(QMetaType::QByteArray)),
            0,
        };
        for (const QVariant& v : values)
            m.addBindValue(v);
        if (!m.exec()) {
            std::fprintf(stderr, "insert member: %s\n", qPrintable(m.lastError().text()));
            return false;
        }
        const int bills = static_cast<int>(rng.bounded(5)); // 2 on average
        for (int b = 0; b < bills; ++b) {
            const QDate d = from.addDays(static_cast<int>(rng.bounded(365)));
            const int no = ++perDay[d];
            if (no > 999)
                continue;
            const QString code = QStringLiteral("XF") + d.toString(QStringLiteral("yyyyMMdd")) +
                                 QStringLiteral("%1").arg(no, 3, 10, QLatin1Char('0'));
            const bool ret = rng.bounded(30) == 0;
            double total = 0;
            const int lines = 1 + static_cast<int>(rng.bounded(3));
            for (int l = 0; l < lines; ++l) {
                const double price = 10 + rng.bounded(30000) / 100.0;
                const double amount = 1 + rng.bounded(3);
                total += price * amount;
                const QVariantList lv{i, code, QStringLiteral("G%1").arg(rng.bounded(500), 4, 10, QLatin1Char('0')),
                                      pick(kGoods, rng), QStringLiteral("美发"), QStringLiteral("500ml"),
                                      QStringLiteral("瓶"), pick(kCities, rng), amount, price, 1.0, price * amount,
                                      QString(), 0.0, 0.0};
                for (const QVariant& v : lv)
                    line.addBindValue(v);
                if (!line.exec()) {
                    std::fprintf(stderr, "insert line: %s\n", qPrintable(line.lastError().text()));
                    return false;
                }
            }
            const QVariantList bv{code, QString(dateText(d) + QStringLiteral(" 10:15:00")), dateText(d), i, QStringLiteral("1"),
                                  QStringLiteral("小王"), QStringLiteral("admin"), total, std::floor(total),
                                  QString(), ret ? -1 : 1, ret ? 2 : 1};
            for (const QVariant& v : bv)
                bill.addBindValue(v);
            if (!bill.exec()) {
                std::fprintf(stderr, "insert bill: %s\n", qPrintable(bill.lastError().text()));
                return false;
            }
        }
    }
    return q.exec(QStringLiteral("COMMIT"));
}

long statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith(key))
            return l.mid(static_cast<int>(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int members = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 9;
    QTemporaryDir tmp;
    const QString file = argc > 3 ? QString::fromLocal8Bit(argv[3]) : tmp.path() + QStringLiteral("/member.mdb");

    QElapsedTimer t;
    if (!QFile::exists(file)) {
        t.start();
        QString err;
        if (!database::createInitial(file, &err)) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(file), qPrintable(err));
            return 1;
        }
        const database::OpenResult r = database::open(QStringLiteral("fill"), file);
        if (r.status != database::OpenStatus::Ok) {
            std::fprintf(stderr, "cannot open: %s\n", qPrintable(r.detail));
            return 1;
        }
        {
            QSqlDatabase db = QSqlDatabase::database(QStringLiteral("fill"));
            if (!fill(db, members)) {
                std::fprintf(stderr, "fill failed\n");
                return 1;
            }
            QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
        std::printf("filled %d members and their bills in %.1f s\n", members, t.elapsed() / 1000.0);
    }
    const database::OpenResult r = database::open(QStringLiteral("bench"), file);
    if (r.status != database::OpenStatus::Ok) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(r.detail));
        return 1;
    }
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("bench"));
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("select count(*) from t_member"));
        q.next();
        std::printf("members in file: %lld, bills: ", q.value(0).toLongLong());
        q.exec(QStringLiteral("select count(*) from depotM"));
        q.next();
        std::printf("%lld\n", q.value(0).toLongLong());
    }
    const long rssStart = statusKb("VmRSS:");

    // The member list statement as the main window builds it for a search
    // by name; the pattern of an empty value box matches every member.
    const QString sql = QStringLiteral("select * from t_member where (1=1) and f_name like ? order by F_ID");

    TDataSet set;
    TDBGrid grid;
    grid.setObjectName(QStringLiteral("DBGridEh1"));
    QVector<TGridColumn> cols{
        TGridColumn::make(QStringLiteral("F_hycode"), QStringLiteral("会员卡号"), 90),
        TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("姓名"), 70, 0, QString(), 1, QStringLiteral("合计")),
        TGridColumn::make(QStringLiteral("F_sex"), QStringLiteral("性别"), 40, 1),
        TGridColumn::make(QStringLiteral("F_movephone"), QStringLiteral("手机"), 95),
        TGridColumn::make(QStringLiteral("F_birthday"), QStringLiteral("出生日期"), 80, 1, QStringLiteral("yyyy-MM-dd")),
        TGridColumn::make(QStringLiteral("F_address"), QStringLiteral("居住地址"), 150),
        TGridColumn::make(QStringLiteral("F_IFnew"), QStringLiteral("是否新卡"), 60, 1),
        TGridColumn::make(QStringLiteral("F_toDate"), QStringLiteral("到期日期"), 80, 1, QStringLiteral("yyyy-MM-dd")),
        TGridColumn::make(QStringLiteral("F_beginJE"), QStringLiteral("卡内余额/剩余次数"), 110, 2,
                          QStringLiteral(",0.##;-,0.##"), 2),
        TGridColumn::make(QStringLiteral("F_hyJF"), QStringLiteral("会员积分"), 80, 2, QStringLiteral(",0.##;-,0.##"), 2),
        TGridColumn::make(QStringLiteral("F_beginJF"), QStringLiteral("初始积分"), 80, 2, QStringLiteral(",0.##;-,0.##"), 2),
    };
    grid.setColumns(cols);
    grid.setDataSet(&set);
    grid.setDisplayText(QStringLiteral("F_IFnew"), [](const QVariant& v, int) {
        static const QStringList names{QStringLiteral("折扣卡"), QStringLiteral("储值卡"), QStringLiteral("计次卡"),
                                       QStringLiteral("升级卡")};
        return names.value(v.toInt());
    });
    grid.resize(1000, 500);
    grid.show();
    app.processEvents();

    struct Case
    {
        const char* label;
        QString pattern;
    };
    const QVector<Case> cases{{"empty value box (all members)", QStringLiteral("%%")},
                              {"value \"张\"", QStringLiteral("%张%")}};
    bool allMet = true;
    for (const Case& c : cases) {
        QVector<double> ours, shell;
        int rows = 0;
        QString footer;
        for (int i = 0; i < runs; ++i) {
            t.start();
            if (!set.open(db, sql, {c.pattern})) {
                std::fprintf(stderr, "query failed\n");
                return 1;
            }
            const QPixmap shot = grid.grab();
            ours << t.nsecsElapsed() / 1e6;
            rows = set.recordCount();
            footer = grid.footerText(8);
            Q_UNUSED(shot);
        }
        QString literal = c.pattern;
        const QString shellSql = QString(sql).replace(QStringLiteral("?"), QLatin1Char('\'') + literal + QLatin1Char('\''));
        for (int i = 0; i < runs; ++i) {
            QProcess p;
            p.setStandardOutputFile(QStringLiteral("/dev/null"));
            t.start();
            p.start(QStringLiteral("sqlite3"), {file, shellSql});
            p.waitForFinished(-1);
            shell << t.nsecsElapsed() / 1e6;
        }
        const double m = median(ours), s = median(shell);
        const bool met = m < 150 && m < 3 * s;
        allMet = allMet && met;
        std::printf("%s: %d rows, footer sum %s\n", c.label, rows, qPrintable(footer));
        std::printf("  refresh (query + model + paint), median of %d: %.1f ms\n", runs, m);
        std::printf("  sqlite3 shell, same statement, median of %d: %.1f ms (ratio %.2f)\n", runs, s, m / s);
        std::printf("  target < 150 ms and < 3x shell: %s\n", met ? "met" : "NOT met");
    }

    // Sorting the loaded rows by a column title.
    set.open(db, sql, {QStringLiteral("%%")});
    t.start();
    set.fetchAll();
    std::printf("reading the remaining rows of all members: %.1f ms\n", t.nsecsElapsed() / 1e6);
    t.start();
    grid.clickTitle(1);
    grid.grab();
    std::printf("title sort of all rows by name: %.1f ms\n", t.nsecsElapsed() / 1e6);

    const long rss = statusKb("VmRSS:"), hwm = statusKb("VmHWM:");
    std::printf("resident memory: %.1f MB now, %.1f MB peak (%.1f MB before the first refresh); target < 400 MB: %s\n",
                rss / 1024.0, hwm / 1024.0, rssStart / 1024.0, hwm < 400 * 1024 ? "met" : "NOT met");
    return allMet && hwm < 400 * 1024 ? 0 : 2;
}

#include "goods/TDLGgoodJTH.h"

#include "core/billcalc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/displayformat.h"
#include "core/support.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

TDLGgoodJTH::TDLGgoodJTH(TDataSet* goods, QWidget* parent)
    : QDialog(parent), m_goods(goods), m_row(goods ? goods->currentRow() : -1)
{
    setObjectName(QStringLiteral("DLGgoodJTH"));
    setWindowTitle(QStringLiteral("商品进 (退) 货"));
    auto* lay = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral(" 商品信息 "), this);
    auto* form = new QGridLayout(box);
    const auto f = [this](const char* name) { return m_goods->value(m_row, QLatin1String(name)); };
    const QString money = goodsui::moneyFormat();
    const struct
    {
        const char* label;
        const char* name;
        QString text;
    } rows[] = {
        {"商品编号：", "lblCode", f("F_code").toString()},
        {"商品名称：", "lblName", f("F_name").toString()},
        {"规    格：", "lblSpec", f("F_spec").toString()},
        {"单    位：", "lblUnit", f("F_unit").toString()},
        {"产    地：", "lblAddress", f("F_address").toString()},
        {"预售单价：", "lblPrice1", displayformat::formatNumber(f("F_price1").toDouble(), money)},
        {"进货价格：", "lblPrice2", displayformat::formatNumber(f("F_price2").toDouble(), money)},
        {"库存数量：", "lblAmount",
         displayformat::formatNumber(f("F_amount").toDouble(), goodsui::amountFormat())},
    };
    int r = 0;
    for (const auto& row : rows) {
        form->addWidget(new QLabel(QString::fromUtf8(row.label), box), r, 0);
        auto* l = new QLabel(row.text, box);
        l->setObjectName(QLatin1String(row.name));
        form->addWidget(l, r++, 1);
    }
    lay->addWidget(box);
    auto* dir = new QHBoxLayout;
    m_rbIn = new QRadioButton(QStringLiteral("进货"), this);
    m_rbIn->setObjectName(QStringLiteral("rbIn"));
    m_rbOut = new QRadioButton(QStringLiteral("退货"), this);
    m_rbOut->setObjectName(QStringLiteral("rbOut"));
    m_rbIn->setChecked(true);
    dir->addWidget(m_rbIn);
    dir->addWidget(m_rbOut);
    dir->addStretch();
    lay->addLayout(dir);
    auto* entry = new QGridLayout;
    m_lblAmount = new QLabel(QStringLiteral("进货数量："), this);
    m_lblAmount->setObjectName(QStringLiteral("lblQuantity"));
    m_edtAmount = goodsui::moneyEdit(this, QStringLiteral("edtQuantity"), 2, false);
    m_edtAmount->setAllowNegative(false);
    m_edtMemo = new QLineEdit(this);
    m_edtMemo->setObjectName(QStringLiteral("edtMemo"));
    m_edtMemo->setMaxLength(255);
    entry->addWidget(m_lblAmount, 0, 0);
    entry->addWidget(m_edtAmount, 0, 1);
    entry->addWidget(new QLabel(QStringLiteral("备注信息："), this), 1, 0);
    entry->addWidget(m_edtMemo, 1, 1);
    lay->addLayout(entry);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    lay->addLayout(buttons);
    connect(m_rbIn, &QRadioButton::toggled, this, [this](bool in) { setReturn(!in); });
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_leaving = true;
        QDialog::reject();
    });
}

void TDLGgoodJTH::setReturn(bool ret)
{
    if (m_rbOut->isChecked() != ret)
        (ret ? m_rbOut : m_rbIn)->setChecked(true);
    m_lblAmount->setText((ret ? QStringLiteral("退货") : QStringLiteral("进货")) + QStringLiteral("数量："));
}

void TDLGgoodJTH::reject()
{
    if (m_leaving || goodsui::confirmLeave(this))
        QDialog::reject();
}

bool TDLGgoodJTH::save()
{
    if (!m_goods || m_row < 0)
        return false;
    const bool stockIn = m_rbIn->isChecked();
    const double qty = m_edtAmount->value();
    const QString code = m_goods->value(m_row, QStringLiteral("F_code")).toString().trimmed();
    // The stock as it stands in the database, not as the list last read it.
    const double stock = dmData->QueryFloat(QStringLiteral("select F_amount from t_goods where F_ID = ?"),
                                            {m_goods->value(m_row, QStringLiteral("F_ID"))});
    const QString error = billcalc::stockMoveError(stockIn, qty, stock);
    if (!error.isEmpty()) {
        ShowMess(error, mkInformation);
        if (!(qty > 0))
            m_edtAmount->setFocus();
        return false;
    }
    const double delta = stockIn ? qty : -qty;
    bool saved = false;
    {
        TransactionGuard tx(*dmData);
        QSqlQuery q(dmData->ADOcnn());
        saved = tx.active() &&
                q.prepare(QStringLiteral("update t_goods set F_amount = F_amount + ? where F_ID = ?"));
        if (saved) {
            q.addBindValue(delta);
            q.addBindValue(m_goods->value(m_row, QStringLiteral("F_ID")));
            saved = q.exec();
        }
        QSqlQuery rec(dmData->ADOcnn());
        saved =
            saved && rec.prepare(QStringLiteral(
                         "insert into t_goodJHrec(F_GoodCode,F_editDate,F_amount,F_memo1,F_price1,F_price2,"
                         "F_OperName,F_OperFlag) values(?,?,?,?,?,?,?,?)"));
        if (saved) {
            const QVariantList values{code,
                                      dmData->dialect().dateValue(QDate::currentDate()),
                                      qty,
                                      m_edtMemo->text(),
                                      m_goods->value(m_row, QStringLiteral("F_price1")),
                                      m_goods->value(m_row, QStringLiteral("F_price2")),
                                      dmData->CurrentOperator,
                                      stockIn ? 1 : -1};
            for (const QVariant& v : values)
                rec.addBindValue(v);
            saved = rec.exec();
        }
        if (!saved)
            qWarning("stock move: %s %s", qPrintable(q.lastError().text()),
                     qPrintable(rec.lastError().text()));
        saved = saved && tx.commit();
    }
    if (!saved) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    m_goods->setValue(m_row, QStringLiteral("F_amount"), stock + delta);
    m_leaving = true;
    accept();
    return true;
}

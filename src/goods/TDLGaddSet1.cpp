#include "goods/TDLGaddSet1.h"

#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

TDLGaddSet1::TDLGaddSet1(Mode mode, TDataSet* list, std::function<void(const QString&)> reopen,
                         QWidget* parent)
    : QDialog(parent), m_mode(mode), m_list(list), m_reopen(std::move(reopen))
{
    setObjectName(QStringLiteral("DLGaddSet1"));
    const QString head = gift() ? QStringLiteral("兑换商品设置") : QStringLiteral("商品类别设置");
    setWindowTitle(head + (editing() ? QStringLiteral(" - 修改") : QStringLiteral(" - 新增")));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    m_edtCode = new QLineEdit(this);
    m_edtCode->setObjectName(QStringLiteral("edtCode"));
    m_edtCode->setMaxLength(50);
    m_edtName = new QLineEdit(this);
    m_edtName->setObjectName(QStringLiteral("edtName"));
    m_edtName->setMaxLength(255);
    m_edtAmount = goodsui::moneyEdit(this, QStringLiteral("edtAmount"), 2, false);
    m_edtJifen = goodsui::moneyEdit(this, QStringLiteral("edtJifen"), 2, false);
    m_edtJifen->setAllowNegative(false);
    form->addWidget(new QLabel(QStringLiteral("编    号："), this), 0, 0);
    form->addWidget(m_edtCode, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("名    称："), this), 1, 0);
    form->addWidget(m_edtName, 1, 1);
    auto* lblAmount = new QLabel(QStringLiteral("库存数量："), this);
    auto* lblJifen = new QLabel(QStringLiteral("兑换积分："), this);
    form->addWidget(lblAmount, 2, 0);
    form->addWidget(m_edtAmount, 2, 1);
    form->addWidget(lblJifen, 3, 0);
    form->addWidget(m_edtJifen, 3, 1);
    for (QWidget* w : {static_cast<QWidget*>(lblAmount), static_cast<QWidget*>(lblJifen),
                       static_cast<QWidget*>(m_edtAmount), static_cast<QWidget*>(m_edtJifen)})
        w->setVisible(gift());
    lay->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    lay->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget*) {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            goodsui::focusNext(this);
            return true;
        }
        return false;
    });

    if (editing() && m_list && m_list->currentRow() >= 0) {
        m_id = m_list->field(QStringLiteral("F_ID")).toInt();
        m_edtCode->setText(m_list->field(QStringLiteral("F_code")).toString());
        m_edtName->setText(m_list->field(QStringLiteral("F_name")).toString());
        if (gift()) {
            m_edtAmount->setValue(m_list->field(QStringLiteral("F_amount")).toDouble());
            m_edtJifen->setValue(m_list->field(QStringLiteral("F_jifen")).toDouble());
        }
    }
}

bool TDLGaddSet1::save()
{
    const auto refuse = [](const QString& text, QWidget* focus) {
        ShowMess(text, mkInformation);
        focus->setFocus();
        return false;
    };
    const QString code = m_edtCode->text().trimmed();
    const QString name = m_edtName->text().trimmed();
    if (code.isEmpty())
        return refuse(QStringLiteral("编号不能为空！"), m_edtCode);
    if (name.isEmpty())
        return refuse(QStringLiteral("名称不能为空！"), m_edtName);
    const int found = dmData->QueryInt(gift() ? QStringLiteral("Select F_ID From T_goodDH Where F_Code = ? ")
                                              : QStringLiteral("Select F_ID From T_goodLB Where F_Code = ? "),
                                       {code});
    if (found > 0 && (!editing() || found != m_id))
        return refuse(gift() ? QStringLiteral("商品编号重复，请重新输入！")
                             : QStringLiteral("类别编号重复，请重新输入！"),
                      m_edtCode);
    QString sql;
    QVariantList params{code, name};
    switch (m_mode) {
    case NewCategory:
        sql = QStringLiteral("insert into T_goodLB(F_code,F_name) values(?,?)");
        break;
    case EditCategory:
        sql = QStringLiteral("update T_goodLB set F_code = ?, F_name = ? where F_ID = ?");
        params << m_id;
        break;
    case NewGift:
        sql = QStringLiteral("insert into T_goodDH(F_code,F_name,F_amount,F_jifen) values(?,?,?,?)");
        params << m_edtAmount->value() << m_edtJifen->value();
        break;
    case EditGift:
        sql = QStringLiteral(
            "update T_goodDH set F_code = ?, F_name = ?, F_amount = ?, F_jifen = ? where F_ID = ?");
        params << m_edtAmount->value() << m_edtJifen->value() << m_id;
        break;
    }
    bool saved = false;
    {
        TransactionGuard tx(*dmData);
        QSqlQuery q(dmData->ADOcnn());
        saved = tx.active() && execBound(q, sql, params, "category save") && tx.commit();
    }
    if (!saved) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    if (m_reopen)
        m_reopen(code);
    accept();
    return true;
}

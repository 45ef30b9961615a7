#include "goods/TfrmGoodEdit.h"

#include "core/calc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

QString TfrmGoodEdit::helpText()
{
    return QStringLiteral(
        "  在商品项目设置中有个属性 “最低折扣”这里给大家详细解释一下，比如啤酒这个商品我们设置 "
        "“最低折扣”为8折，那么不同人消费这个啤酒折扣会有所不同，比如普通会员消费打9折，那么普通会员消费啤酒就"
        "打9折。"
        "高级会员打折属性是7折，那么当他消费这啤酒时，7折小于最低折扣8折，那么还按照8折来走。 "
        "如果最低折扣是1，那么所有会员消费这个商品都不再打折，这样设置适合特价商品的情况。"
        "如果最低折扣是0，那么此商品的实际折扣按照会员折扣来确定。");
}

TfrmGoodEdit::TfrmGoodEdit(Mode mode, TDataSet* list, std::function<void(const QString&)> reopen,
                           QWidget* parent)
    : QDialog(parent), m_mode(mode), m_list(list), m_reopen(std::move(reopen))
{
    setObjectName(QStringLiteral("frmGoodEdit"));
    setWindowTitle(mode == Edit ? QStringLiteral("商品资料 - 修改") : QStringLiteral("商品资料 - 新增"));
    auto* lay = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    int row = 0;
    const auto add = [&](const QString& label, QWidget* w, int span = 1) {
        form->addWidget(new QLabel(label, this), row, 0);
        form->addWidget(w, row, 1, 1, span);
        ++row;
    };
    m_cmbType = new goodsui::TRefillCombo(this, QStringLiteral("cmbType"), &goodsui::categoryNames);
    const auto line = [this](const QString& name, int width) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(width);
        return e;
    };
    m_edtCode = line(QStringLiteral("edtCode"), 50);
    m_edtName = line(QStringLiteral("edtName"), 50);
    m_edtSpec = line(QStringLiteral("edtSpec"), 50);
    m_edtAddress = line(QStringLiteral("edtAddress"), 200);
    m_cmbUnit = new goodsui::TRefillCombo(this, QStringLiteral("cmbUnit"), &goodsui::unitNames);
    m_edtPrice1 = goodsui::moneyEdit(this, QStringLiteral("edtPrice1"), 4, true);
    m_edtPrice2 = goodsui::moneyEdit(this, QStringLiteral("edtPrice2"), 4, true);
    m_edtAmount = goodsui::moneyEdit(this, QStringLiteral("edtAmount"), 2, false);
    m_edtRate = goodsui::moneyEdit(this, QStringLiteral("edtRate"), 2, false);
    m_edtRate->setAllowNegative(false);
    m_edtRate->setRange(0, 1);
    m_edtPrice1->setAllowNegative(false);
    m_edtPrice2->setAllowNegative(false);
    m_memMem = new QPlainTextEdit(this);
    m_memMem->setObjectName(QStringLiteral("memMem"));
    m_memMem->setTabChangesFocus(true);
    m_memMem->setMaximumHeight(70);

    add(QStringLiteral("类    型："), m_cmbType);
    add(QStringLiteral("编    号："), m_edtCode);
    add(QStringLiteral("名    称："), m_edtName);
    add(QStringLiteral("规    格："), m_edtSpec);
    add(QStringLiteral("产    地："), m_edtAddress);
    add(QStringLiteral("单    位："), m_cmbUnit);
    add(QStringLiteral("预售单价："), m_edtPrice1);
    add(QStringLiteral("进货价格："), m_edtPrice2);
    add(QStringLiteral("库存数量："), m_edtAmount);
    auto* rateRow = new QWidget(this);
    auto* rateLay = new QHBoxLayout(rateRow);
    rateLay->setContentsMargins(0, 0, 0, 0);
    rateLay->addWidget(m_edtRate);
    rateLay->addWidget(new QLabel(QStringLiteral("注：0.8为八折"), rateRow));
    auto* btnDetail = new QPushButton(QStringLiteral("详细"), rateRow);
    btnDetail->setObjectName(QStringLiteral("btnDetail"));
    btnDetail->setFocusPolicy(Qt::ClickFocus);
    rateLay->addWidget(btnDetail);
    add(QStringLiteral("最低折扣："), rateRow);
    add(QStringLiteral("备注信息："), m_memMem);
    lay->addLayout(form);

    m_help = new QFrame(this);
    m_help->setObjectName(QStringLiteral("pnlHelp"));
    m_help->setFrameShape(QFrame::StyledPanel);
    auto* helpLay = new QVBoxLayout(m_help);
    auto* helpLabel = new QLabel(helpText(), m_help);
    helpLabel->setObjectName(QStringLiteral("lblHelp"));
    helpLabel->setWordWrap(true);
    helpLabel->installEventFilter(this);
    helpLay->addWidget(helpLabel);
    m_help->hide();
    lay->addWidget(m_help);

    auto* bottom = new QHBoxLayout;
    m_chkContinue = new QCheckBox(QStringLiteral("连续新增"), this);
    m_chkContinue->setObjectName(QStringLiteral("chkContinue"));
    m_chkContinue->setVisible(mode == New);
    bottom->addWidget(m_chkContinue);
    m_nav = new QWidget(this);
    m_nav->setObjectName(QStringLiteral("navGoods"));
    auto* navLay = new QHBoxLayout(m_nav);
    navLay->setContentsMargins(0, 0, 0, 0);
    const QStringList navNames{QStringLiteral("btnFirst"), QStringLiteral("btnPrior"),
                               QStringLiteral("btnNext"), QStringLiteral("btnLast")};
    const QStringList navTexts{QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"),
                               QStringLiteral(">|")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(navTexts.at(i), m_nav);
        b->setObjectName(navNames.at(i));
        b->setFocusPolicy(Qt::ClickFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { navigate(i); });
        navLay->addWidget(b);
    }
    m_nav->setVisible(mode == Edit);
    bottom->addWidget(m_nav);
    bottom->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    lay->addLayout(bottom);

    connect(btnDetail, &QPushButton::clicked, this, &TfrmGoodEdit::toggleHelp);
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_leaving = true;
        QDialog::reject();
    });
    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget* target) {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier &&
            !qobject_cast<QPlainTextEdit*>(target) &&
            !qobject_cast<QPlainTextEdit*>(target->parentWidget())) {
            goodsui::focusNext(this);
            return true;
        }
        return false;
    });

    if (mode == Edit) {
        m_edtAmount->setReadOnly(true);
        m_edtAmount->setFocusPolicy(Qt::NoFocus);
        loadFromList();
    } else {
        clearFields();
    }
}

bool TfrmGoodEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched->objectName() == QLatin1String("lblHelp")) {
        toggleHelp();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmGoodEdit::toggleHelp()
{
    m_help->setVisible(!m_help->isVisible());
}

void TfrmGoodEdit::reject()
{
    if (m_leaving || goodsui::confirmLeave(this))
        QDialog::reject();
}

void TfrmGoodEdit::clearFields()
{
    m_id = 0;
    m_cmbType->setEditText(QString());
    for (QLineEdit* e : {m_edtCode, m_edtName, m_edtSpec, m_edtAddress})
        e->clear();
    m_cmbUnit->setEditText(QString());
    for (TMoneyEdit* e : {m_edtPrice1, m_edtPrice2, m_edtAmount, m_edtRate})
        e->setValue(0);
    m_memMem->clear();
}

void TfrmGoodEdit::loadFromList()
{
    if (!m_list || m_list->currentRow() < 0)
        return;
    const auto f = [this](const char* name) { return m_list->field(QLatin1String(name)); };
    m_id = f("F_ID").toInt();
    m_cmbType->setEditText(f("F_type").toString());
    m_edtCode->setText(f("F_code").toString());
    m_edtName->setText(f("F_name").toString());
    m_edtSpec->setText(f("F_spec").toString());
    m_edtAddress->setText(f("F_address").toString());
    m_cmbUnit->setEditText(f("F_unit").toString());
    m_edtPrice1->setValue(f("F_price1").toDouble());
    m_edtPrice2->setValue(f("F_price2").toDouble());
    m_edtAmount->setValue(f("F_amount").toDouble());
    m_edtRate->setValue(f("F_rate").toDouble());
    m_memMem->setPlainText(f("F_mem").toString());
}

void TfrmGoodEdit::navigate(int step)
{
    if (!m_list || m_list->isEmpty())
        return;
    const int last = m_list->recordCount() - 1;
    const int rows[] = {0, std::max(0, m_list->currentRow() - 1), std::min(last, m_list->currentRow() + 1),
                        last};
    m_list->setCurrentRow(rows[std::clamp(step, 0, 3)]);
    loadFromList();
}

bool TfrmGoodEdit::save()
{
    const auto refuse = [](const QString& text, QWidget* focus) {
        ShowMess(text, mkInformation);
        focus->setFocus();
        return false;
    };
    const QString code = m_edtCode->text().trimmed();
    if (code.isEmpty())
        return refuse(QStringLiteral("编号不能为空！"), m_edtCode);
    if (m_edtName->text().trimmed().isEmpty())
        return refuse(QStringLiteral("名称不能为空！"), m_edtName);
    if (!(m_edtPrice1->value() > 0))
        return refuse(QStringLiteral("预售单价必须大于0！"), m_edtPrice1);
    if (!(m_edtPrice2->value() > 0))
        return refuse(QStringLiteral("进货价格必须大于0！"), m_edtPrice2);
    if (m_cmbType->currentText().trimmed().isEmpty())
        return refuse(QStringLiteral("货品类型不能为空！"), m_cmbType);
    const int found = dmData->QueryInt(QStringLiteral("Select F_ID From T_goods Where F_Code = ? "), {code});
    if (found > 0 && (m_mode != Edit || found != m_id))
        return refuse(QStringLiteral("商品编号重复，请重新输入！"), m_edtCode);

    const double rate = std::clamp(m_edtRate->value(), 0.0, 1.0);
    QVariantList params{m_cmbType->currentText().trimmed(),
                        code,
                        m_edtName->text().trimmed(),
                        m_edtSpec->text().trimmed(),
                        m_edtAddress->text().trimmed(),
                        m_cmbUnit->currentText().trimmed(),
                        m_edtPrice1->value(),
                        m_edtPrice2->value()};
    QString sql;
    if (m_mode == Edit) {
        // The stock is left to sales and stock movements: writing back the
        // figure loaded here would undo a sale made meanwhile.
        sql = QStringLiteral(
            "update t_goods set F_type = ?, F_code = ?, F_name = ?, F_spec = ?, F_address = ?, "
            "F_unit = ?, F_price1 = ?, F_price2 = ?, F_rate = ?, F_mem = ? where F_ID = ?");
        params << rate << m_memMem->toPlainText() << m_id;
    } else {
        sql = QStringLiteral(
            "insert into t_goods(F_type,F_code,F_name,F_spec,F_address,F_unit,F_price1,F_price2,"
            "F_amount,F_rate,F_mem) values(?,?,?,?,?,?,?,?,?,?,?)");
        params << m_edtAmount->value() << rate << m_memMem->toPlainText();
    }
    bool saved = false;
    {
        TransactionGuard tx(*dmData);
        QSqlQuery q(dmData->ADOcnn());
        saved = tx.active() && execBound(q, sql, params, "goods save") && tx.commit();
    }
    if (!saved) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    if (m_reopen)
        m_reopen(code);
    if (m_mode == New && m_chkContinue->isChecked()) {
        clearFields();
        m_edtCode->setFocus();
        return true;
    }
    m_leaving = true;
    accept();
    return true;
}

#include "members/carddialogs.h"

#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/cardcalc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/support.h"
#include "members/TMoneyEdit.h"
#include "members/cardops.h"
#include "members/dialogkeys.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
const QString kCountFormat = QStringLiteral(",0.##;-,0.##");
const QString kSaveFailed = QStringLiteral("保存失败，请检测数据库连接！");

TDataSet* members()
{
    return FrmMain ? FrmMain->memberSet() : nullptr;
}

QLineEdit* shownText(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

TMoneyEdit* shownNumber(QWidget* parent, const QString& name, double value, const QString& format,
                        int decimals = 4)
{
    auto* e = new TMoneyEdit(parent, decimals);
    e->setObjectName(name);
    e->setDisplayFormat(format);
    e->setValue(value);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QLineEdit* passwordBox(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(50);
    return e;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* okCancel(QDialog* dlg, const std::function<void()>& ok)
{
    auto* bOk = button(dlg, QStringLiteral("btnOk"), QStringLiteral("确定"));
    auto* bCancel = button(dlg, QStringLiteral("btnCancel"), QStringLiteral("取消"));
    QObject::connect(bOk, &QPushButton::clicked, dlg, ok);
    QObject::connect(bCancel, &QPushButton::clicked, dlg, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(bOk);
    row->addWidget(bCancel);
    return row;
}

// Shows a balance written by a card dialog in every row of the main list that
// holds the member.
void showBalance(const QVariant& id, double balance)
{
    TDataSet* set = members();
    if (!set)
        return;
    for (int row = 0; row < set->recordCount(); ++row)
        if (set->value(row, QStringLiteral("F_ID")) == id)
            set->setValue(row, QStringLiteral("F_beginJE"), balance);
}

QString cardTypeText(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("折扣卡");
    case 1:
        return QStringLiteral("储值卡");
    case 2:
        return QStringLiteral("计次卡");
    default:
        return {};
    }
}

} // namespace

// ---------------------------------------------------------------- top-up

TDLGhyXuFei::TDLGhyXuFei(int mode, QWidget* parent) : QDialog(parent), m_mode(mode == 2 ? 2 : 1)
{
    setObjectName(QStringLiteral("DLGhyXuFei"));
    setWindowTitle(QStringLiteral("会员续费"));
    TDataSet* set = members();
    const auto f = [set](const char* name) {
        return set && set->currentRow() >= 0 ? set->field(QLatin1String(name)) : QVariant();
    };
    m_id = f("F_ID");
    m_cardNo = f("F_HYcode").toString();
    m_modeName = f("F_YHtype").toString();
    m_cardType = f("F_IFnew").toInt();
    const bool count = m_mode == 2;
    // The balance as stored now.
    const double balance =
        m_id.isValid()
            ? dmData->QueryFloat(QStringLiteral("select F_beginJE from t_member where F_ID = ?"), {m_id})
            : 0.0;

    auto* memo = shownText(this, QStringLiteral("edtYHmemo"),
                           dmData->QueryText(QStringLiteral("select F_memo1 from T_youhui where F_name = ? "),
                                             {m_modeName.trimmed()}));
    m_balance = shownNumber(this, QStringLiteral("edtBeginJE"), balance, count ? kCountFormat : kMoneyFormat);
    m_credit = shownNumber(this, QStringLiteral("edtCredit"), 0, count ? kCountFormat : kMoneyFormat);
    m_paid = new TMoneyEdit(this, 4);
    m_paid->setObjectName(QStringLiteral("edtPaid"));
    m_paid->setDisplayFormat(kMoneyFormat);
    connect(m_paid, &TMoneyEdit::valueChanged, this, &TDLGhyXuFei::updateCredit);

    auto* g = new QGridLayout;
    int r = 0;
    const auto row = [this, g, &r](const QString& text, QWidget* w, const QString& labelName = QString()) {
        auto* l = new QLabel(text, this);
        if (!labelName.isEmpty())
            l->setObjectName(labelName);
        g->addWidget(l, r, 0);
        g->addWidget(w, r, 1);
        ++r;
    };
    row(QStringLiteral("会员卡号："), shownText(this, QStringLiteral("edtHYcode"), m_cardNo));
    row(QStringLiteral("姓       名："), shownText(this, QStringLiteral("edtName"), f("F_name").toString()));
    row(QStringLiteral("优惠方式："), memo);
    row(count ? QStringLiteral("剩余次数：") : QStringLiteral("卡内余额："), m_balance,
        QStringLiteral("lblBeginJE"));
    row(count ? QStringLiteral("实际增加次数") : QStringLiteral("实际增加金额："), m_credit,
        QStringLiteral("lblCredit"));
    row(QStringLiteral("付款金额："), m_paid);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(g);
    lay->addLayout(okCancel(this, [this] { confirm(); }));
    installEnterAsTab(this);
    m_paid->setFocus();
}

bool TDLGhyXuFei::Execute(int mode, QWidget* parent)
{
    TDLGhyXuFei dlg(mode, parent);
    return commands::execDialog(dlg) == QDialog::Accepted;
}

void TDLGhyXuFei::updateCredit()
{
    m_credit->setValue(cardcalc::credit(cardops::readPromotion(*dmData, m_modeName), m_paid->value()));
}

bool TDLGhyXuFei::confirm()
{
    const double paid = m_paid->value();
    if (paid == 0) {
        ShowMess(QStringLiteral("续费金额不能为零！"), mkInformation);
        m_paid->setFocus();
        return false;
    }
    // The mode as it stands at this moment decides the credit.
    updateCredit();
    cardops::TopUp t;
    t.memberId = m_id;
    t.cardNo = m_cardNo;
    t.paid = paid;
    t.credited = m_credit->value();
    t.bonus = cardcalc::topUpBonus(m_cardType, paid, t.credited);
    t.operatorName = dmData->CurrentOperator;
    t.when = QDateTime::currentDateTime();
    double balance = 0;
    if (!m_id.isValid() || !cardops::topUp(*dmData, t, &balance)) {
        ShowMess(kSaveFailed, mkError);
        return false;
    }
    showBalance(m_id, balance);
    accept();
    return true;
}

// ---------------------------------------------------------------- replacement

TDLGhyHuanKa::TDLGhyHuanKa(int cardType, QWidget* parent) : QDialog(parent), m_cardType(cardType)
{
    setObjectName(QStringLiteral("DLGhyHuanKa"));
    setWindowTitle(QStringLiteral("会员换卡"));
    TDataSet* set = members();
    const auto f = [set](const char* name) {
        return set && set->currentRow() >= 0 ? set->field(QLatin1String(name)) : QVariant();
    };
    m_id = f("F_ID");
    const bool count = cardType == 2;
    const QString format = count ? kCountFormat : kMoneyFormat;

    auto* info = new QGroupBox(QStringLiteral(" 会员卡信息 "), this);
    info->setObjectName(QStringLiteral("gbInfo"));
    auto* g = new QGridLayout(info);
    g->addWidget(new QLabel(QStringLiteral("会员卡号："), info), 0, 0);
    g->addWidget(shownText(info, QStringLiteral("edtHYcode"), f("F_HYcode").toString()), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("姓    名："), info), 0, 2);
    g->addWidget(shownText(info, QStringLiteral("edtName"), f("F_name").toString()), 0, 3);
    g->addWidget(new QLabel(QStringLiteral("办卡类型："), info), 1, 0);
    g->addWidget(shownText(info, QStringLiteral("edtIFnew"), cardTypeText(cardType)), 1, 1);
    g->addWidget(new QLabel(QStringLiteral("会员级别："), info), 1, 2);
    g->addWidget(shownText(info, QStringLiteral("edtJibie"), f("F_jibie").toString()), 1, 3);
    g->addWidget(new QLabel(count ? QStringLiteral("剩余次数：") : QStringLiteral("卡内余额："), info), 2, 0);
    g->addWidget(shownNumber(info, QStringLiteral("edtBeginJE"), f("F_beginJE").toDouble(), format), 2, 1);
    g->addWidget(new QLabel(count ? QStringLiteral("累计次数：") : QStringLiteral("累计消费："), info), 2, 2);
    g->addWidget(shownNumber(info, QStringLiteral("edtHyXF"), f("F_hyXF").toDouble(), format), 2, 3);
    g->addWidget(new QLabel(QStringLiteral("当前会员积分："), info), 3, 0);
    g->addWidget(shownNumber(info, QStringLiteral("edtHyJF"), f("F_hyJF").toDouble(), QString(), 2), 3, 1);

    auto* pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pcNewCard"));
    auto* p0 = new QWidget(pages);
    auto* g0 = new QGridLayout(p0);
    m_newCard0 = new QLineEdit(p0);
    m_newCard0->setObjectName(QStringLiteral("edtNewCode1"));
    m_newCard0->setMaxLength(50);
    g0->addWidget(new QLabel(QStringLiteral("会员卡号："), p0), 0, 0);
    g0->addWidget(m_newCard0, 0, 1);
    auto* p1 = new QWidget(pages);
    auto* g1 = new QGridLayout(p1);
    m_oldPass = passwordBox(p1, QStringLiteral("edtOldPSword"));
    m_newCard = new QLineEdit(p1);
    m_newCard->setObjectName(QStringLiteral("edtNewCode2"));
    m_newCard->setMaxLength(50);
    m_newPass = passwordBox(p1, QStringLiteral("edtNewPSword"));
    m_newPass2 = passwordBox(p1, QStringLiteral("edtNewPSword2"));
    g1->addWidget(new QLabel(QStringLiteral("旧卡密码："), p1), 0, 0);
    g1->addWidget(m_oldPass, 0, 1);
    g1->addWidget(new QLabel(QStringLiteral("会员卡号："), p1), 1, 0);
    g1->addWidget(m_newCard, 1, 1);
    g1->addWidget(new QLabel(QStringLiteral("新 密 码："), p1), 2, 0);
    g1->addWidget(m_newPass, 2, 1);
    g1->addWidget(new QLabel(QStringLiteral("确认密码："), p1), 3, 0);
    g1->addWidget(m_newPass2, 3, 1);
    pages->addWidget(p0);
    pages->addWidget(p1);
    const bool cards = cardType == 1 || cardType == 2;
    pages->setCurrentIndex(cards ? 1 : 0);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(info);
    lay->addWidget(pages);
    lay->addLayout(okCancel(this, [this] { confirm(); }));
    installEnterAsTab(this);
    (cards ? m_oldPass : m_newCard0)->setFocus();
}

QLineEdit* TDLGhyHuanKa::newCardBox() const
{
    return m_cardType == 1 || m_cardType == 2 ? m_newCard : m_newCard0;
}

bool TDLGhyHuanKa::Execute(int cardType, QWidget* parent)
{
    TDLGhyHuanKa dlg(cardType, parent);
    return commands::execDialog(dlg) == QDialog::Accepted;
}

bool TDLGhyHuanKa::confirm()
{
    const bool cards = m_cardType == 1 || m_cardType == 2;
    QLineEdit* cardBox = newCardBox();
    const QString newCard = cardBox->text().trimmed();
    const auto refuse = [](const QString& text, int kind, QWidget* focus) {
        ShowMess(text, kind);
        focus->setFocus();
        return false;
    };
    if (newCard.isEmpty())
        return refuse(QStringLiteral("新会员卡号不能为空，请重新输入！"), mkInformation, cardBox);
    if (cardops::cardNoTaken(*dmData, newCard, m_id))
        return refuse(QStringLiteral("会员卡号重复，请重新输入！"), mkInformation, cardBox);
    if (cards) {
        const QString stored =
            dmData->QueryText(QStringLiteral("select F_PSword from t_member where F_ID = ?"), {m_id});
        if (m_oldPass->text().trimmed() != stored)
            return refuse(QStringLiteral("会员卡旧密码不对，请重新输入！"), mkWarning, m_oldPass);
        if (m_newPass->text().trimmed() != m_newPass2->text().trimmed())
            return refuse(QStringLiteral("新密码根确认密码不相符，请检查输入！"), mkWarning, m_newPass);
    }
    const QString newPassword = m_newPass->text().trimmed();
    if (!m_id.isValid() || !cardops::replaceCard(*dmData, m_id, newCard, cards, newPassword)) {
        ShowMess(kSaveFailed, mkError);
        return false;
    }
    if (TDataSet* set = members(); set && set->currentRow() >= 0) {
        set->setValue(set->currentRow(), QStringLiteral("F_hycode"), newCard);
        if (cards)
            set->setValue(set->currentRow(), QStringLiteral("F_PSword"), newPassword);
    }
    accept();
    return true;
}

// ---------------------------------------------------------------- transfer

TDLGhyZhuanZ::TDLGhyZhuanZ(QWidget* parent) : QDialog(parent), m_found(new TDataSet(this))
{
    setObjectName(QStringLiteral("DLGhyZhuanZ"));
    setWindowTitle(QStringLiteral("会员转帐"));
    TDataSet* set = members();
    const auto f = [set](const char* name) {
        return set && set->currentRow() >= 0 ? set->field(QLatin1String(name)) : QVariant();
    };
    m_sourceId = f("F_ID");
    m_sourceBalance = m_sourceId.isValid()
                          ? dmData->QueryFloat(
                                QStringLiteral("select F_beginJE from t_member where F_ID = ?"), {m_sourceId})
                          : 0.0;

    const auto cardGroup = [this](const QString& title, const QString& s, QLineEdit** code, QLineEdit** name,
                                  TMoneyEdit** balance, TMoneyEdit** xf) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QStringLiteral("gbCard") + s);
        auto* g = new QGridLayout(box);
        *code = shownText(box, QStringLiteral("edtHYcode") + s);
        *name = shownText(box, QStringLiteral("edtName") + s);
        *balance = shownNumber(box, QStringLiteral("edtBeginJE") + s, 0, kMoneyFormat);
        *xf = shownNumber(box, QStringLiteral("edtHyXF") + s, 0, kMoneyFormat);
        g->addWidget(new QLabel(QStringLiteral("会员卡号："), box), 0, 0);
        g->addWidget(*code, 0, 1);
        g->addWidget(new QLabel(QStringLiteral("姓       名："), box), 0, 2);
        g->addWidget(*name, 0, 3);
        g->addWidget(new QLabel(QStringLiteral("卡内余额："), box), 1, 0);
        g->addWidget(*balance, 1, 1);
        g->addWidget(new QLabel(QStringLiteral("累计消费金额："), box), 1, 2);
        g->addWidget(*xf, 1, 3);
        return box;
    };
    QLineEdit* sCode = nullptr;
    QLineEdit* sName = nullptr;
    TMoneyEdit* sBalance = nullptr;
    TMoneyEdit* sXF = nullptr;
    auto* source =
        cardGroup(QStringLiteral(" 转出会员卡信息 "), QStringLiteral("1"), &sCode, &sName, &sBalance, &sXF);
    sCode->setText(f("F_HYcode").toString());
    sName->setText(f("F_name").toString());
    sBalance->setValue(m_sourceBalance);
    sXF->setValue(f("F_hyXF").toDouble());

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edtSearch"));
    m_search->setMaxLength(50);
    m_search->setProperty("enterHandled", true);
    connect(m_search, &QLineEdit::returnPressed, this, &TDLGhyZhuanZ::search);
    auto* btnSearch = button(this, QStringLiteral("btnSearch"), QStringLiteral("查询(F2)"));
    connect(btnSearch, &QPushButton::clicked, this, &TDLGhyZhuanZ::search);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TDLGhyZhuanZ::search);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("转入会员卡号："), this));
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(btnSearch);

    auto* target = cardGroup(QStringLiteral(" 转入会员卡信息 "), QStringLiteral("2"), &m_tCode, &m_tName,
                             &m_tBalance, &m_tXF);

    m_rbAll = new QRadioButton(QStringLiteral("全部金额"), this);
    m_rbAll->setObjectName(QStringLiteral("rbAll"));
    m_rbPart = new QRadioButton(QStringLiteral("指定金额"), this);
    m_rbPart->setObjectName(QStringLiteral("rbPart"));
    m_amount = new TMoneyEdit(this, 4);
    m_amount->setObjectName(QStringLiteral("edtAmount"));
    m_amount->setDisplayFormat(kMoneyFormat);
    m_amount->setAllowNegative(false);
    connect(m_rbAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setWholeAmount(true);
    });
    connect(m_rbPart, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setWholeAmount(false);
    });
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(m_rbAll);
    amountRow->addWidget(m_rbPart);
    amountRow->addWidget(new QLabel(QStringLiteral("转入金额："), this));
    amountRow->addWidget(m_amount, 1);

    // Picker of the candidate cards when a search finds several.
    m_picker = new QWidget(this);
    m_picker->setObjectName(QStringLiteral("pnlPicker"));
    m_grid = new TDBGrid(m_picker);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setDataSet(m_found);
    m_grid->setColumns({TGridColumn::make(QStringLiteral("F_HYcode"), QStringLiteral("会员卡号"), 90),
                        TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 80),
                        TGridColumn::make(QStringLiteral("F_beginJE"), QStringLiteral("卡内余额"), 90,
                                          TGridColumn::AlignRight, kMoneyFormat),
                        TGridColumn::make(QStringLiteral("F_IFnew"), QStringLiteral("办卡类型"), 70),
                        TGridColumn::make(QStringLiteral("F_movePhone"), QStringLiteral("手    机"), 90),
                        TGridColumn::make(QStringLiteral("F_homePhone"), QStringLiteral("电    话"), 90),
                        TGridColumn::make(QStringLiteral("F_address"), QStringLiteral("地    址"), 150)});
    m_grid->setDisplayText(QStringLiteral("F_IFnew"),
                           [](const QVariant& v, int) { return cardTypeText(v.toInt()); });
    connect(m_grid, &TDBGrid::rowDoubleClicked, this, [this] { pickCurrent(); });
    auto* pickOk = button(m_picker, QStringLiteral("btnPickOk"), QStringLiteral("确定"));
    auto* pickCancel = button(m_picker, QStringLiteral("btnPickCancel"), QStringLiteral("取消"));
    connect(pickOk, &QPushButton::clicked, this, &TDLGhyZhuanZ::pickCurrent);
    connect(pickCancel, &QPushButton::clicked, this, &TDLGhyZhuanZ::cancelPick);
    auto* pl = new QVBoxLayout(m_picker);
    pl->setContentsMargins(0, 0, 0, 0);
    pl->addWidget(m_grid, 1);
    auto* pb = new QHBoxLayout;
    pb->addStretch();
    pb->addWidget(pickOk);
    pb->addWidget(pickCancel);
    pl->addLayout(pb);
    m_picker->setVisible(false);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(source);
    lay->addLayout(searchRow);
    lay->addWidget(target);
    lay->addLayout(amountRow);
    lay->addWidget(m_picker, 1);
    lay->addLayout(okCancel(this, [this] { confirm(); }));
    installEnterAsTab(this);
    m_rbAll->setChecked(true);
    setWholeAmount(true);
    m_search->setFocus();
}

bool TDLGhyZhuanZ::Execute(QWidget* parent)
{
    TDLGhyZhuanZ dlg(parent);
    return commands::execDialog(dlg) == QDialog::Accepted;
}

QString TDLGhyZhuanZ::targetCard() const
{
    return m_tCode->text();
}

void TDLGhyZhuanZ::setWholeAmount(bool whole)
{
    m_amount->setValue(whole ? m_sourceBalance : 0.0);
    m_amount->setReadOnly(whole);
}

void TDLGhyZhuanZ::search()
{
    const QString text = m_search->text().trimmed();
    dmData->OpenQuery(
        QStringLiteral("select F_ID,F_HYcode,F_name,F_movePhone,F_homePhone,F_address,F_beginJE, "
                       "F_hyXF,F_IFnew from t_member where (F_HYcode Like ?)and(F_IFnew = 1) "),
        *m_found, {QString(QLatin1Char('%') + text + QLatin1Char('%'))});
    if (m_found->isEmpty()) {
        ShowMess(QStringLiteral("卡号： ") + text + QStringLiteral(" 不属于储值卡或不存在，请重新输入！"),
                 mkInformation);
        return;
    }
    m_search->setText(m_found->value(0, QStringLiteral("F_HYcode")).toString());
    if (m_found->recordCount() == 1) {
        fillTarget(0);
        return;
    }
    m_found->setCurrentRow(0);
    m_picker->setVisible(true);
    m_grid->setFocus();
}

void TDLGhyZhuanZ::fillTarget(int row)
{
    if (row < 0 || row >= m_found->recordCount())
        return;
    m_targetId = m_found->value(row, QStringLiteral("F_ID"));
    m_tCode->setText(m_found->value(row, QStringLiteral("F_HYcode")).toString());
    m_tName->setText(m_found->value(row, QStringLiteral("F_name")).toString());
    m_tBalance->setValue(m_found->value(row, QStringLiteral("F_beginJE")).toDouble());
    m_tXF->setValue(m_found->value(row, QStringLiteral("F_hyXF")).toDouble());
}

void TDLGhyZhuanZ::pickCurrent()
{
    fillTarget(m_found->currentRow());
    m_picker->setVisible(false);
}

void TDLGhyZhuanZ::cancelPick()
{
    m_picker->setVisible(false);
}

bool TDLGhyZhuanZ::confirm()
{
    if (m_tCode->text().trimmed().isEmpty() || !m_targetId.isValid()) {
        ShowMess(QStringLiteral("请选择转入会员卡号！"), mkInformation);
        m_search->setFocus();
        return false;
    }
    double source = 0;
    double target = 0;
    const bool whole = m_rbAll->isChecked();
    switch (cardops::transfer(*dmData, m_sourceId, m_targetId, m_amount->value(), whole, &source, &target)) {
    case cardops::TransferResult::Done:
        break;
    case cardops::TransferResult::NotPositive:
        ShowMess(QStringLiteral("转入金额必须大于0！"), mkInformation);
        m_amount->setFocus();
        return false;
    case cardops::TransferResult::OverBalance:
        ShowMess(QStringLiteral("转入金额不能大于转出卡的卡内余额！"), mkInformation);
        m_amount->setFocus();
        return false;
    case cardops::TransferResult::Failed:
        ShowMess(kSaveFailed, mkError);
        return false;
    }
    showBalance(m_sourceId, source);
    showBalance(m_targetId, target);
    accept();
    return true;
}

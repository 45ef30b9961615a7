#include "members/TfrmMemEdit.h"

#include "admin/classpicker.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/calc.h"
#include "core/cardcalc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "members/TCheckDateEdit.h"
#include "members/TMoneyEdit.h"
#include "members/TfrmImageDisp.h"
#include "members/cardops.h"
#include "members/dialogkeys.h"
#include "members/memberphoto.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSqlError>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kMoneyFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
const QString kOpeningFormat = QStringLiteral("￥,0.00;-￥,0.00");
const QString kCountFormat = QStringLiteral(",0.##;-,0.##");
const QString kUsable = QStringLiteral("可  用");
const QString kLost = QStringLiteral("不可用");

QLineEdit* textBox(QWidget* parent, const QString& name, int maxLength = 50)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    return e;
}

TMoneyEdit* numberBox(QWidget* parent, const QString& name, int decimals, const QString& format = QString())
{
    auto* e = new TMoneyEdit(parent, decimals);
    e->setObjectName(name);
    e->setDisplayFormat(format);
    return e;
}

QLabel* label(QWidget* parent, const QString& text, const QString& name = QString())
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void setFixed(QWidget* w, bool fixed)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setReadOnly(fixed);
    else
        w->setEnabled(!fixed);
    w->setFocusPolicy(fixed ? Qt::NoFocus : Qt::StrongFocus);
}

TDataSet* members()
{
    return FrmMain ? FrmMain->memberSet() : nullptr;
}

// Runs one statement of the save inside its transaction.
bool runWrite(const QString& sql, const QVariantList& params, QVariant* insertedId = nullptr)
{
    QSqlQuery q(dmData->ADOcnn());
    if (!execBound(q, sql, params, "member save"))
        return false;
    if (insertedId)
        *insertedId = q.lastInsertId();
    return true;
}

double sumOf(const QString& sql, const QVariant& id, bool* ok)
{
    QSqlQuery q(dmData->ADOcnn());
    if (!q.prepare(sql)) {
        *ok = false;
        return 0;
    }
    q.addBindValue(id);
    if (!q.exec() || !q.next()) {
        *ok = false;
        return 0;
    }
    return q.value(0).isNull() ? 0.0 : q.value(0).toDouble();
}

} // namespace

TfrmMemEdit::TfrmMemEdit(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMemEdit"));
    setWindowTitle(QStringLiteral("会员档案资料"));
    buildWindow();
    installEnterAsTab(this);
    m_type->installEventFilter(this);
    m_minzu->installEventFilter(this);
    m_photoBox->installEventFilter(this);
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, [this] { this->save(); });
}

QWidget* TfrmMemEdit::buildPanel(Panel& p, const QString& s, bool cards)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsPanel") + s);
    p.fromDate = new TCheckDateEdit(page);
    p.fromDate->setObjectName(QStringLiteral("dtpFromDate") + s);
    p.toDate = new TCheckDateEdit(page);
    p.toDate->setObjectName(QStringLiteral("dtpToDate") + s);
    p.hyXF = numberBox(page, QStringLiteral("edtHyXF") + s, 4, kMoneyFormat);
    p.hyXF->setReadOnly(true);
    p.hyXF->setFocusPolicy(Qt::NoFocus);
    p.hyJF = numberBox(page, QStringLiteral("edtHyJF") + s, 2);
    p.hyJF->setReadOnly(true);
    p.hyJF->setFocusPolicy(Qt::NoFocus);
    p.beginJF = numberBox(page, QStringLiteral("edtBeginJF") + s, 2);
    p.beginXF = numberBox(page, QStringLiteral("edtBeginXF") + s, 4, kMoneyFormat);
    p.mem = new QPlainTextEdit(page);
    p.mem->setObjectName(QStringLiteral("memMem") + s);
    p.mem->setTabChangesFocus(true);
    p.lblHyXF = label(page, QStringLiteral("累计消费："), QStringLiteral("lblHyXF") + s);
    p.lblBeginXF = label(page, QStringLiteral("初始消费金额："), QStringLiteral("lblBeginXF") + s);

    auto* g = new QGridLayout(page);
    int row = 0;
    g->addWidget(label(page, QStringLiteral("办卡日期：")), row, 0);
    g->addWidget(p.fromDate, row, 1);
    g->addWidget(label(page, QStringLiteral("到期日期：")), row, 2);
    g->addWidget(p.toDate, row, 3);
    ++row;
    g->addWidget(p.lblHyXF, row, 0);
    g->addWidget(p.hyXF, row, 1);
    g->addWidget(label(page, QStringLiteral("当前会员积分：")), row, 2);
    g->addWidget(p.hyJF, row, 3);
    ++row;
    g->addWidget(label(page, QStringLiteral("初始积分：")), row, 0);
    g->addWidget(p.beginJF, row, 1);
    g->addWidget(p.lblBeginXF, row, 2);
    g->addWidget(p.beginXF, row, 3);
    ++row;
    if (cards) {
        m_yhType = new QComboBox(page);
        m_yhType->setObjectName(QStringLiteral("cbbYHtype"));
        m_yhMemo = label(page, QString(), QStringLiteral("lblYHmemo"));
        m_yhMemo->setStyleSheet(QStringLiteral("color: red;"));
        m_yhMemo->setWordWrap(true);
        m_password = textBox(page, QStringLiteral("edtPSword"));
        m_password->setEchoMode(QLineEdit::Password);
        m_password2 = textBox(page, QStringLiteral("edtPSword2"));
        m_password2->setEchoMode(QLineEdit::Password);
        m_beginJE = numberBox(page, QStringLiteral("edtBeginJE"), 4, kMoneyFormat);
        m_lblBeginJE = label(page, QStringLiteral("开户金额："), QStringLiteral("lblBeginJE"));
        m_btnToCash = button(page, QStringLiteral("btnXFtoCash"), QStringLiteral("累计消费转现金"));
        m_btnToCash->setVisible(false);
        g->addWidget(label(page, QStringLiteral("优惠方式：")), row, 0);
        g->addWidget(m_yhType, row, 1);
        g->addWidget(m_yhMemo, row, 2, 1, 2);
        ++row;
        g->addWidget(label(page, QStringLiteral("会员密码：")), row, 0);
        g->addWidget(m_password, row, 1);
        g->addWidget(label(page, QStringLiteral("确认密码：")), row, 2);
        g->addWidget(m_password2, row, 3);
        ++row;
        g->addWidget(m_lblBeginJE, row, 0);
        g->addWidget(m_beginJE, row, 1);
        g->addWidget(m_btnToCash, row, 2, 1, 2);
        ++row;
        connect(m_yhType, &QComboBox::activated, this, &TfrmMemEdit::modeChosen);
        connect(m_btnToCash, &QPushButton::clicked, this, &TfrmMemEdit::convertConsumption);
    }
    g->addWidget(label(page, QStringLiteral("备    注：")), row, 0, Qt::AlignTop);
    g->addWidget(p.mem, row, 1, 1, 3);
    g->setRowStretch(row, 1);
    return page;
}

void TfrmMemEdit::buildWindow()
{
    m_heading = label(this, QStringLiteral("会 员 档 案"), QStringLiteral("lblHeading"));
    QFont hf = m_heading->font();
    hf.setPointSizeF(hf.pointSizeF() * 1.6);
    hf.setBold(true);
    m_heading->setFont(hf);
    m_heading->setAlignment(Qt::AlignCenter);

    // Person.
    auto* person = new QGroupBox(this);
    person->setObjectName(QStringLiteral("gbPerson"));
    m_name = textBox(person, QStringLiteral("edtName"));
    m_male = new QRadioButton(QStringLiteral("男"), person);
    m_male->setObjectName(QStringLiteral("rbMale"));
    m_female = new QRadioButton(QStringLiteral("女"), person);
    m_female->setObjectName(QStringLiteral("rbFemale"));
    m_male->setChecked(true);
    m_movePhone = textBox(person, QStringLiteral("edtMovePhone"));
    m_birthday = new TCheckDateEdit(person);
    m_birthday->setObjectName(QStringLiteral("dtpBirthday"));
    m_type = textBox(person, QStringLiteral("edtType"));
    auto* btnType = button(person, QStringLiteral("btnType"), QStringLiteral("..."));
    btnType->setFocusPolicy(Qt::NoFocus);
    connect(btnType, &QPushButton::clicked, this, &TfrmMemEdit::pickClass);
    m_unit = textBox(person, QStringLiteral("edtUnit"));
    m_postcode = textBox(person, QStringLiteral("edtPostcode"));
    m_address = textBox(person, QStringLiteral("edtAddress"), 255);
    m_homePhone = textBox(person, QStringLiteral("edtHomePhone"));
    m_minzu = new QComboBox(person);
    m_minzu->setObjectName(QStringLiteral("cbbMinzu"));
    m_minzu->setEditable(true);
    m_minzu->setInsertPolicy(QComboBox::NoInsert);
    m_minzu->lineEdit()->setMaxLength(50);
    m_email = textBox(person, QStringLiteral("edtEmail"), 100);
    m_zjName = textBox(person, QStringLiteral("edtZJname"));
    m_zjCode = textBox(person, QStringLiteral("edtZJcode"));

    m_photoBox = label(person, QString(), QStringLiteral("imgPhoto"));
    m_photoBox->setFixedSize(120, 150);
    m_photoBox->setFrameShape(QFrame::Box);
    m_photoBox->setAlignment(Qt::AlignCenter);
    m_photoBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* actLoad = new QAction(QStringLiteral("载入图片"), m_photoBox);
    actLoad->setObjectName(QStringLiteral("actLoadPhoto"));
    auto* actClear = new QAction(QStringLiteral("清空显示"), m_photoBox);
    actClear->setObjectName(QStringLiteral("actClearPhoto"));
    m_photoBox->addAction(actLoad);
    m_photoBox->addAction(actClear);
    connect(actLoad, &QAction::triggered, this, &TfrmMemEdit::openPhotoViewer);
    connect(actClear, &QAction::triggered, this, &TfrmMemEdit::clearPhoto);
    auto* btnLoad = button(person, QStringLiteral("btnLoadPhoto"), QStringLiteral("载入图片"));
    auto* btnClear = button(person, QStringLiteral("btnClearPhoto"), QStringLiteral("清空显示"));
    btnLoad->setFocusPolicy(Qt::NoFocus);
    btnClear->setFocusPolicy(Qt::NoFocus);
    connect(btnLoad, &QPushButton::clicked, this, &TfrmMemEdit::openPhotoViewer);
    connect(btnClear, &QPushButton::clicked, this, &TfrmMemEdit::clearPhoto);

    auto* pg = new QGridLayout(person);
    auto* sex = new QHBoxLayout;
    sex->addWidget(m_male);
    sex->addWidget(m_female);
    sex->addStretch();
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(m_type, 1);
    typeRow->addWidget(btnType);
    int r = 0;
    pg->addWidget(label(person, QStringLiteral("姓    名：")), r, 0);
    pg->addWidget(m_name, r, 1);
    pg->addWidget(label(person, QStringLiteral("性别：")), r, 2);
    pg->addLayout(sex, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("手    机：")), r, 0);
    pg->addWidget(m_movePhone, r, 1);
    pg->addWidget(label(person, QStringLiteral("出生日期：")), r, 2);
    pg->addWidget(m_birthday, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("会员类别：")), r, 0);
    pg->addLayout(typeRow, r, 1);
    pg->addWidget(label(person, QStringLiteral("单位名称：")), r, 2);
    pg->addWidget(m_unit, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("邮    编：")), r, 0);
    pg->addWidget(m_postcode, r, 1);
    pg->addWidget(label(person, QStringLiteral("地    址：")), r, 2);
    pg->addWidget(m_address, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("联系电话：")), r, 0);
    pg->addWidget(m_homePhone, r, 1);
    pg->addWidget(label(person, QStringLiteral("民    族：")), r, 2);
    pg->addWidget(m_minzu, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("电子信箱：")), r, 0);
    pg->addWidget(m_email, r, 1);
    pg->addWidget(label(person, QStringLiteral("证件名称：")), r, 2);
    pg->addWidget(m_zjName, r, 3);
    ++r;
    pg->addWidget(label(person, QStringLiteral("证件号码：")), r, 0);
    pg->addWidget(m_zjCode, r, 1);
    auto* photoCol = new QVBoxLayout;
    photoCol->addWidget(m_photoBox);
    photoCol->addWidget(btnLoad);
    photoCol->addWidget(btnClear);
    photoCol->addStretch();
    pg->addLayout(photoCol, 0, 4, r + 1, 1);

    // Card.
    auto* card = new QGroupBox(this);
    card->setObjectName(QStringLiteral("gbCard"));
    m_hyCode = textBox(card, QStringLiteral("edtHYcode"));
    m_jibie = new QComboBox(card);
    m_jibie->setObjectName(QStringLiteral("cbbJibie"));
    m_rate = numberBox(card, QStringLiteral("edtRate"), 4);
    m_ifNew = new QComboBox(card);
    m_ifNew->setObjectName(QStringLiteral("cbbIFnew"));
    m_ifNew->addItems(
        {QStringLiteral("1：折扣卡"), QStringLiteral("2：储值卡"), QStringLiteral("3：计次卡")});
    m_status = new QComboBox(card);
    m_status->setObjectName(QStringLiteral("cbbHYstatus"));
    m_status->addItems({kUsable, kLost});
    connect(m_jibie, &QComboBox::activated, this, &TfrmMemEdit::levelChosen);
    connect(m_status, &QComboBox::activated, this, &TfrmMemEdit::levelChosen);
    connect(m_ifNew, &QComboBox::activated, this, &TfrmMemEdit::cardTypeChosen);
    auto* cg = new QGridLayout(card);
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(m_rate, 1);
    rateRow->addWidget(label(card, QStringLiteral("折")));
    cg->addWidget(label(card, QStringLiteral("会员卡号：")), 0, 0);
    cg->addWidget(m_hyCode, 0, 1);
    cg->addWidget(label(card, QStringLiteral("会员级别：")), 0, 2);
    cg->addWidget(m_jibie, 0, 3);
    cg->addLayout(rateRow, 0, 4);
    cg->addWidget(label(card, QStringLiteral("办卡类型：")), 1, 0);
    cg->addWidget(m_ifNew, 1, 1);
    cg->addWidget(label(card, QStringLiteral("会员状态：")), 1, 2);
    cg->addWidget(m_status, 1, 3);

    // The two panels of the lower area, one shown at a time.
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("pcPanels"));
    m_panels->addWidget(buildPanel(m_p1, QStringLiteral("1"), false));
    m_panels->addWidget(buildPanel(m_p2, QStringLiteral("2"), true));

    // Buttons, navigator and "连续新增".
    m_continue = new QCheckBox(QStringLiteral("连续新增"), this);
    m_continue->setObjectName(QStringLiteral("chkContinue"));
    m_continue->setChecked(true);
    m_navigator = new QWidget(this);
    m_navigator->setObjectName(QStringLiteral("navMember"));
    auto* nav = new QHBoxLayout(m_navigator);
    nav->setContentsMargins(0, 0, 0, 0);
    const QStringList navNames{QStringLiteral("btnFirst"), QStringLiteral("btnPrior"),
                               QStringLiteral("btnNext"), QStringLiteral("btnLast")};
    const QStringList navTexts{QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"),
                               QStringLiteral(">|")};
    for (int i = 0; i < 4; ++i) {
        auto* b = button(m_navigator, navNames.at(i), navTexts.at(i));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, i] { moveTo(i); });
        nav->addWidget(b);
    }
    auto* ok = button(this, QStringLiteral("btnOk"), QStringLiteral("确定"));
    auto* cancel = button(this, QStringLiteral("btnCancel"), QStringLiteral("取消"));
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_navigator);
    bottom->addWidget(m_continue);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_heading);
    lay->addWidget(person);
    lay->addWidget(card);
    lay->addWidget(m_panels, 1);
    lay->addLayout(bottom);
}

// ---------------------------------------------------------------- opening

void TfrmMemEdit::Execute(int mode, QWidget* parent)
{
    TfrmMemEdit dlg(parent);
    dlg.open(mode);
}

void TfrmMemEdit::open(int mode)
{
    prepare(mode);
    commands::execDialog(*this);
}

void TfrmMemEdit::prepare(int mode)
{
    setMode(mode);
    fillLevels();
    showPanel(1);
    if (m_mode == EditMode)
        loadRecord();
    else
        clearFields();
}

void TfrmMemEdit::setMode(int mode)
{
    m_mode = mode == EditMode ? EditMode : NewMode;
    setWindowTitle(m_mode == EditMode ? QStringLiteral("会员档案资料 - 修改")
                                      : QStringLiteral("会员档案资料 - 新增"));
    m_continue->setVisible(m_mode == NewMode);
    const bool admin = dmData && dmData->CurrentOperator.toLower() == QLatin1String("admin");
    m_navigator->setVisible(m_mode == EditMode && admin);
    setFixedInEditMode();
}

void TfrmMemEdit::setFixedInEditMode()
{
    const bool fixed = m_mode == EditMode;
    // A stored card type outside the known ones must be chosen again.
    setFixed(m_ifNew, fixed && m_loadedType >= 0 && m_loadedType <= 2);
    for (Panel* p : {&m_p1, &m_p2}) {
        p->beginXF->setReadOnly(fixed);
        p->beginXF->setFocusPolicy(fixed ? Qt::NoFocus : Qt::StrongFocus);
        p->beginJF->setReadOnly(fixed);
        p->beginJF->setFocusPolicy(fixed ? Qt::NoFocus : Qt::StrongFocus);
    }
    m_beginJE->setReadOnly(fixed);
    m_beginJE->setFocusPolicy(fixed ? Qt::NoFocus : Qt::StrongFocus);
    setFixed(m_yhType, fixed);
}

void TfrmMemEdit::fillLevels()
{
    m_jibie->clear();
    dmData->FillComboFromQuery(
        QStringLiteral("select F_name from T_jibie where (F_name <> '') order by F_code "), m_jibie);
    m_jibie->setCurrentIndex(-1);
}

void TfrmMemEdit::fillModes(int type)
{
    m_yhType->clear();
    if (type == 1)
        dmData->FillComboFromQuery(QStringLiteral("select distinct F_name from T_youhui where F_type <> 2"),
                                   m_yhType);
    else if (type == 2)
        dmData->FillComboFromQuery(QStringLiteral("select distinct F_name from T_youhui where F_type = 2"),
                                   m_yhType);
    m_yhType->setCurrentIndex(-1);
}

int TfrmMemEdit::cardType() const
{
    return m_ifNew->currentIndex();
}

int TfrmMemEdit::visiblePanel() const
{
    return m_panels->currentIndex() + 1;
}

const TfrmMemEdit::Panel& TfrmMemEdit::activePanel() const
{
    return visiblePanel() == 2 ? m_p2 : m_p1;
}

void TfrmMemEdit::showPanel(int panel)
{
    if (panel == visiblePanel())
        return;
    // What was typed in the panel being hidden carries over.
    const Panel& from = panel == 2 ? m_p1 : m_p2;
    Panel& to = panel == 2 ? m_p2 : m_p1;
    to.fromDate->copyFrom(*from.fromDate);
    to.toDate->copyFrom(*from.toDate);
    to.hyXF->setValue(from.hyXF->value());
    to.hyJF->setValue(from.hyJF->value());
    to.beginJF->setValue(from.beginJF->value());
    to.beginXF->setValue(from.beginXF->value());
    to.mem->setPlainText(from.mem->toPlainText());
    m_panels->setCurrentIndex(panel - 1);
}

void TfrmMemEdit::applyCardType(bool selectFirstMode)
{
    const int type = cardType();
    showPanel(type == 1 || type == 2 ? 2 : 1);
    const bool count = type == 2;
    const bool edit = m_mode == EditMode;
    if (type == 1 || type == 2) {
        fillModes(type);
        if (selectFirstMode && m_yhType->count() > 0) {
            m_yhType->setCurrentIndex(0);
            modeChosen();
        }
    }
    m_p2.lblBeginXF->setVisible(!count);
    m_p2.beginXF->setVisible(!count);
    m_p2.lblHyXF->setText(count ? QStringLiteral("累计次数：") : QStringLiteral("累计消费："));
    m_p2.hyXF->setDisplayFormat(count ? kCountFormat : kMoneyFormat);
    if (type == 1) {
        m_lblBeginJE->setText(edit ? QStringLiteral("卡内余额：") : QStringLiteral("开户金额"));
        m_beginJE->setDisplayFormat(edit ? kMoneyFormat : kOpeningFormat);
    } else if (count) {
        m_lblBeginJE->setText(edit ? QStringLiteral("剩余次数：") : QStringLiteral("开户金额："));
        m_beginJE->setDisplayFormat(edit ? kCountFormat : kMoneyFormat);
    }
}

void TfrmMemEdit::clearFields()
{
    for (QLineEdit* e : {m_name, m_movePhone, m_type, m_unit, m_postcode, m_address, m_homePhone, m_email,
                         m_zjName, m_zjCode, m_hyCode, m_password, m_password2})
        e->clear();
    m_minzu->setCurrentIndex(-1);
    m_minzu->setEditText(QString());
    m_male->setChecked(true);
    const QDate today = QDate::currentDate();
    for (TCheckDateEdit* d : {m_birthday, m_p1.fromDate, m_p1.toDate, m_p2.fromDate, m_p2.toDate}) {
        d->setDate(today);
        d->setChecked(false);
    }
    for (Panel* p : {&m_p1, &m_p2}) {
        p->hyXF->setValue(0);
        p->hyJF->setValue(0);
        p->beginJF->setValue(0);
        p->beginXF->setValue(0);
        p->mem->clear();
    }
    m_photoPath.clear();
    m_photo = QImage();
    m_photoBytes.clear();
    m_photoChanged = false;
    showPhoto();
    m_jibie->setCurrentIndex(-1);
    m_ifNew->setCurrentIndex(-1);
    m_yhType->clear();
    m_yhMemo->clear();
    m_rate->setValue(1);
    m_beginJE->setValue(0);
    m_status->setCurrentIndex(0);
    m_btnToCash->setVisible(false);
    m_id = QVariant();
    m_loadedType = -1;
    m_loadedBalance = 0;
    m_loadedMode.clear();
    showPanel(1);
    applyCardType(false);
    setFixedInEditMode();
}

void TfrmMemEdit::loadRecord()
{
    TDataSet* set = members();
    if (!set || set->currentRow() < 0)
        return;
    const auto f = [set](const char* name) { return set->field(QLatin1String(name)); };
    const auto text = [&f](const char* name) { return f(name).toString(); };

    m_id = f("F_ID");
    m_name->setText(text("F_name"));
    (text("F_sex") == QLatin1String("男") ? m_male : m_female)->setChecked(true);
    m_movePhone->setText(text("F_movephone"));
    m_type->setText(text("F_type"));
    m_unit->setText(text("F_unit"));
    m_postcode->setText(text("F_postcode"));
    m_address->setText(text("F_address"));
    m_homePhone->setText(text("F_homephone"));
    m_minzu->setEditText(text("F_minzu"));
    m_email->setText(text("F_email"));
    m_zjName->setText(text("F_ZJname"));
    m_zjCode->setText(text("F_ZJcode"));
    m_hyCode->setText(text("F_hycode"));
    TdmData::SelectComboItem(text("F_jibie"), m_jibie);
    TdmData::SelectComboItem(text("F_HYstatus"), m_status);

    m_birthday->setStoredValue(f("F_birthday"));
    m_p1.fromDate->setStoredValue(f("F_fromDate"));
    m_p1.toDate->setStoredValue(f("F_toDate"));
    m_p2.fromDate->copyFrom(*m_p1.fromDate);
    m_p2.toDate->copyFrom(*m_p1.toDate);

    m_rate->setValue(f("F_rate").toDouble());
    m_loadedType = f("F_IFnew").isNull() ? -1 : f("F_IFnew").toInt();
    m_ifNew->setCurrentIndex(m_loadedType >= 0 && m_loadedType <= 2 ? m_loadedType : -1);
    applyCardType(false);

    for (Panel* p : {&m_p1, &m_p2}) {
        p->beginXF->setValue(f("F_beginXF").toDouble());
        p->hyXF->setValue(f("F_hyXF").toDouble());
        p->beginJF->setValue(f("F_beginJF").toDouble());
        p->hyJF->setValue(f("F_hyJF").toDouble());
        p->mem->clear();
    }
    (visiblePanel() == 2 ? m_p2 : m_p1).mem->setPlainText(text("F_mem"));

    m_loadedMode = text("F_YHtype");
    if (!m_loadedMode.trimmed().isEmpty()) {
        TdmData::SelectComboItem(m_loadedMode, m_yhType);
        if (m_yhType->currentIndex() < 0) {
            // A mode no longer in the list stays with the member.
            m_yhType->addItem(m_loadedMode);
            m_yhType->setCurrentIndex(m_yhType->count() - 1);
        }
    }
    m_yhMemo->setText(dmData->QueryText(QStringLiteral("select F_memo1 from T_youhui where F_name = ? "),
                                        {m_loadedMode.trimmed()}));
    updateConversionButton();

    m_password->setText(text("F_PSword"));
    m_password2->setText(text("F_PSword"));
    m_loadedBalance = f("F_beginJE").toDouble();
    m_beginJE->setValue(m_loadedBalance);

    // The photo is read by key: the list does not carry the pictures.
    m_photoPath.clear();
    m_photo = QImage();
    m_photoBytes.clear();
    m_photoChanged = false;
    QSqlQuery q(dmData->ADOcnn());
    if (q.prepare(QStringLiteral("select F_imagePath,F_empImage from t_member where F_ID = ?"))) {
        q.addBindValue(m_id);
        if (q.exec() && q.next()) {
            const QString path = q.value(0).toString();
            const int kind = ImageFileKind(path);
            if (kind == 1 || kind == 2) {
                m_photoBytes = q.value(1).toByteArray();
                m_photo = memberphoto::decode(m_photoBytes, kind);
                if (!m_photo.isNull())
                    m_photoPath = path;
                else
                    m_photoBytes.clear();
            }
        }
    }
    showPhoto();
    setFixedInEditMode();
}

void TfrmMemEdit::updateConversionButton()
{
    const bool show = m_mode == EditMode &&
                      dmData->QueryInt(QStringLiteral("select F_type from T_youHui where F_name = ? ") +
                                           dmData->dialect().limit(1),
                                       {m_loadedMode.trimmed()}) == 1;
    m_btnToCash->setVisible(show);
}

// ---------------------------------------------------------------- handlers

void TfrmMemEdit::levelChosen()
{
    m_rate->setValue(dmData->QueryFloat(QStringLiteral("select F_rate from T_jibie where F_name = ? "),
                                        {m_jibie->currentText()}));
}

void TfrmMemEdit::modeChosen()
{
    m_yhMemo->setText(dmData->QueryText(QStringLiteral("select F_memo1 from T_youhui where F_name = ? "),
                                        {m_yhType->currentText()}));
}

void TfrmMemEdit::cardTypeChosen()
{
    applyCardType(m_mode == NewMode);
}

void TfrmMemEdit::pickClass()
{
    const QString current = m_type->text();
    const QString chosen = PickClass(this, QStringLiteral("memtype"), current);
    if (!chosen.isEmpty())
        m_type->setText(chosen);
}

void TfrmMemEdit::openPhotoViewer()
{
    const QString chosen = TfrmImageDisp::Execute(m_photoPath, m_photo, this);
    if (chosen == m_photoPath)
        return;
    if (chosen.isEmpty())
        clearPhoto();
    else
        setPhotoFile(chosen);
}

bool TfrmMemEdit::setPhotoFile(const QString& path)
{
    QString message;
    const QImage image = memberphoto::readFile(path, &message);
    if (image.isNull()) {
        ShowMess(message, mkError);
        return false;
    }
    m_photoPath = path;
    m_photo = image;
    m_photoBytes.clear();
    m_photoChanged = true;
    showPhoto();
    return true;
}

void TfrmMemEdit::clearPhoto()
{
    m_photoPath.clear();
    m_photo = QImage();
    m_photoBytes.clear();
    m_photoChanged = true;
    showPhoto();
}

void TfrmMemEdit::showPhoto()
{
    if (m_photo.isNull()) {
        m_photoBox->clear();
        return;
    }
    m_photoBox->setPixmap(QPixmap::fromImage(
        m_photo.scaled(m_photoBox->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmMemEdit::convertConsumption()
{
    QSqlQuery q(dmData->ADOcnn());
    double threshold = 0;
    double cash = 0;
    if (q.prepare(QStringLiteral("select F_price1,F_price2 from T_youhui where F_name = ? "))) {
        q.addBindValue(m_yhType->currentText());
        if (q.exec() && q.next()) {
            threshold = q.value(0).toDouble();
            cash = q.value(1).toDouble();
        }
    }
    const cardcalc::Conversion c =
        cardcalc::convertConsumption(m_p2.hyXF->value(), m_beginJE->value(), threshold, cash);
    if (!c.done) {
        ShowMess(QStringLiteral("当前消费金额不够转现金！"), mkInformation);
        return;
    }
    m_p2.hyXF->setValue(c.consumption);
    m_beginJE->setValue(c.balance);
}

void TfrmMemEdit::moveTo(int which)
{
    TDataSet* set = members();
    if (!set || set->isEmpty())
        return;
    int row = set->currentRow();
    switch (which) {
    case 0:
        row = 0;
        break;
    case 1:
        row = std::max(0, row - 1);
        break;
    case 2:
        row = std::min(set->recordCount() - 1, row + 1);
        break;
    default:
        row = set->recordCount() - 1;
        break;
    }
    set->setCurrentRow(row);
    loadRecord();
}

bool TfrmMemEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_type && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            m_type->text().trimmed().isEmpty()) {
            pickClass();
            return true;
        }
    } else if (watched == m_minzu && event->type() == QEvent::FocusIn) {
        const QString text = m_minzu->currentText();
        m_minzu->clear();
        m_minzu->addItems(dmData->comboItems(
            QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'minzu' ")));
        m_minzu->setCurrentIndex(-1);
        m_minzu->setEditText(text);
    } else if (watched == m_photoBox && event->type() == QEvent::MouseButtonDblClick) {
        openPhotoViewer();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- saving

bool TfrmMemEdit::save()
{
    const bool edit = m_mode == EditMode;
    if (edit && members() && members()->currentRow() >= 0)
        m_id = members()->field(QStringLiteral("F_ID"));
    const auto refuse = [](const QString& text, int kind, QWidget* focus) {
        ShowMess(text, kind);
        focus->setFocus();
        return false;
    };
    if (m_name->text().trimmed().isEmpty())
        return refuse(QStringLiteral("员工姓名不能为空！"), mkInformation, m_name);
    if (m_jibie->currentText().trimmed().isEmpty())
        return refuse(QStringLiteral("会员级别不能为空！"), mkInformation, m_jibie);
    const int type = cardType();
    if (type < 0)
        return refuse(QStringLiteral("办卡类型不能为空！"), mkInformation, m_ifNew);
    const bool cards = type == 1 || type == 2;
    if (cards && m_password->text().trimmed() != m_password2->text().trimmed())
        return refuse(QStringLiteral("会员密码跟确认密码不一致，请重新输入！"), mkQuestion, m_password);
    const QString cardNo = m_hyCode->text().trimmed();
    if (cardops::cardNoTaken(*dmData, cardNo, edit ? m_id : QVariant()))
        return refuse(QStringLiteral("会员卡号重复，请重新输入！"), mkInformation, m_hyCode);

    // The opening amount of a new card, credited under its promotion mode.
    // Discount cards carry no balance and no mode.
    QString modeName = cards ? m_yhType->currentText().trimmed() : QString();
    if (edit)
        modeName = m_loadedMode;
    double opening = m_beginJE->value();
    if (!edit)
        opening = cards ? cardcalc::credit(cardops::readPromotion(*dmData, modeName), opening) : 0.0;

    const Panel& p = cards ? m_p2 : m_p1;
    const int kind = ImageFileKind(m_photoPath);
    QVariant image(QMetaType::fromType<QByteArray>());
    if (kind == 1 || kind == 2) {
        const QByteArray bytes =
            !m_photoChanged && !m_photoBytes.isEmpty() ? m_photoBytes : memberphoto::encode(m_photo, kind);
        if (!bytes.isEmpty())
            image = bytes;
    }
    const QString imagePath = m_photoPath.isEmpty() ? QString() : QFileInfo(m_photoPath).fileName();
    const QString password = cards || edit ? m_password->text().trimmed() : QString();

    QVariantList values{m_name->text().trimmed(),
                        m_male->isChecked() ? QStringLiteral("男") : QStringLiteral("女"),
                        m_movePhone->text().trimmed(),
                        m_birthday->storedText(),
                        m_type->text().trimmed(),
                        m_unit->text().trimmed(),
                        m_postcode->text().trimmed(),
                        m_address->text().trimmed(),
                        m_homePhone->text().trimmed(),
                        m_minzu->currentText().trimmed(),
                        m_email->text().trimmed(),
                        cardNo,
                        m_jibie->currentText().trimmed(),
                        type,
                        p.fromDate->storedText(),
                        p.toDate->storedText(),
                        p.beginXF->value(),
                        p.hyXF->value(),
                        p.beginJF->value(),
                        p.hyJF->value(),
                        activePanel().mem->toPlainText(),
                        imagePath,
                        m_rate->value(),
                        dmData->CurrentOperator,
                        modeName,
                        edit ? m_beginJE->value() - m_loadedBalance : opening,
                        password,
                        m_status->currentText(),
                        m_zjName->text().trimmed(),
                        m_zjCode->text().trimmed(),
                        image};

    bool ok = false;
    QVariant id = m_id;
    {
        TransactionGuard tx(*dmData);
        if (tx.active()) {
            if (edit) {
                // The balance changes by what this window did to it, so that a
                // top-up made meanwhile by another copy of the program stays.
                ok =
                    runWrite(QStringLiteral("Update t_member Set F_name = ?,F_sex = ?,F_movephone = ?, "
                                            "F_birthday = ?,F_type = ?,F_unit = ?,F_postcode = ?, "
                                            "F_address = ?,F_homephone = ?,F_minzu = ?, "
                                            "F_email = ?,F_hycode = ?,F_jibie = ?,F_IFnew = ?, "
                                            "F_fromDate = ?,F_toDate = ?,F_beginXF = ?, "
                                            "F_hyXF = ?,F_beginJF = ?,F_hyJF = ?,F_mem = ?, "
                                            "F_imagePath = ?,F_rate = ?,F_operName = ?, "
                                            "F_YHtype = ?,F_beginJE = coalesce(F_beginJE,0) + ?,F_PSword = ?,"
                                            "F_HYstatus = ?, F_ZJname = ?,F_ZJcode = ?,F_empImage = ? "
                                            "Where F_ID = ?"),
                             QVariantList(values) << id);
                // Points and accumulated consumption follow from the bills.
                bool sums = ok;
                const double points =
                    sumOf(QStringLiteral("select sum(F_hyJF * F_OperFlag) from depotM where F_EmpID = ?"), id,
                          &sums);
                const double spent =
                    sumOf(QStringLiteral(
                              "select sum(F_totalprice) from depotM where (F_EmpID = ?) and F_OperFlag = 1"),
                          id, &sums);
                ok = sums &&
                     runWrite(QStringLiteral("update t_member set F_hyJF = ?, F_hyXF = ? where F_ID = ? "),
                              {cardcalc::memberPoints(p.beginJF->value(), points),
                               cardcalc::memberConsumption(p.beginXF->value(), spent), id});
            } else {
                ok = runWrite(
                    QStringLiteral("Insert into t_member(F_name,F_sex,F_movephone,F_birthday,F_type, "
                                   "F_unit,F_postcode,F_address,F_homephone,F_minzu,F_email,F_hycode, "
                                   "F_jibie,F_IFnew,F_fromDate,F_toDate,F_beginXF,F_hyXF,F_beginJF,F_hyJF, "
                                   "F_mem,F_imagepath,F_rate,F_operName,F_YHtype,F_beginJE,F_PSword, "
                                   "F_HYstatus,F_ZJname,F_ZJcode,F_empImage) "
                                   "Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                    values, &id);
            }
            ok = ok && tx.commit();
        }
    }
    if (!ok) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    if (!edit)
        m_beginJE->setValue(opening);

    if (FrmMain) {
        FrmMain->refreshAndLocate(cardNo);
        if (cardNo.isEmpty() && members())
            members()->locate(QStringLiteral("F_ID"), id);
    }
    if (edit || !m_continue->isChecked()) {
        accept();
    } else {
        clearFields();
        m_name->setFocus();
    }
    dmData->WriteLog(edit ? QStringLiteral("修改会员卡资料！") : QStringLiteral("新增会员卡资料！"));
    setMode(NewMode);
    return true;
}

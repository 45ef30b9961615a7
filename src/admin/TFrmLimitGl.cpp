#include "admin/TFrmLimitGl.h"

#include "core/database.h"
#include "core/dmdata.h"
#include "core/support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {

const QString kClerks =
    QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'empname' ");

int declaredWidth(const QString& table, const QString& column, int fallback)
{
    const int w = database::columnWidth(dmData->ADOcnn(), table, column);
    return w > 0 ? w : fallback;
}

} // namespace

TFrmLimitGl::TFrmLimitGl(Mode mode, const QVariant& operatorId, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_id(operatorId), m_cbName(new QComboBox(this)),
      m_edPassword(new QLineEdit(this)), m_edConfirm(new QLineEdit(this)),
      m_memDescription(new QPlainTextEdit(this)), m_lstLimits(new QListWidget(this)),
      m_chkDisabled(new QCheckBox(QStringLiteral("用户禁用"), this))
{
    setObjectName(QStringLiteral("FrmLimitGl"));
    setWindowTitle(QStringLiteral("操作员"));

    m_cbName->setObjectName(QStringLiteral("cbName"));
    m_cbName->setEditable(true);
    m_cbName->setInsertPolicy(QComboBox::NoInsert);
    m_edPassword->setObjectName(QStringLiteral("edPassword"));
    m_edConfirm->setObjectName(QStringLiteral("edConfirm"));
    for (QLineEdit* e : {m_edPassword, m_edConfirm}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(100);
    }
    m_memDescription->setObjectName(QStringLiteral("memDescription"));
    m_memDescription->setTabChangesFocus(true);
    m_memDescription->setMaximumHeight(70);
    m_chkDisabled->setObjectName(QStringLiteral("chkDisabled"));

    // The permissions in two columns.
    m_lstLimits->setObjectName(QStringLiteral("lstLimits"));
    m_lstLimits->setFlow(QListView::LeftToRight);
    m_lstLimits->setWrapping(true);
    m_lstLimits->setResizeMode(QListView::Adjust);
    m_lstLimits->setUniformItemSizes(true);
    m_lstLimits->setMinimumSize(360, 260);
    m_lstLimits->viewport()->installEventFilter(this);
    for (const QString& name :
         dmData->comboItems(QStringLiteral("select F_name from Limits where F_flag = ") +
                            dmData->dialect().trueLiteral() + QStringLiteral(" order by F_ID"))) {
        auto* item = new QListWidgetItem(name, m_lstLimits);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    auto* btnAll = button("btnSelectAll", QStringLiteral("全选"));
    auto* btnNone = button("btnClear", QStringLiteral("清除"));
    auto* btnSave = button("btnSave", QStringLiteral("保存"));
    auto* btnClose = button("btnClose", QStringLiteral("关闭"));
    connect(btnAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(btnNone, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(btnSave, &QPushButton::clicked, this, [this] { save(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    // Enter moves to the next field, except in the description.
    for (QWidget* w : std::initializer_list<QWidget*>{m_cbName, m_cbName->lineEdit(), m_edPassword,
                                                      m_edConfirm, m_chkDisabled})
        w->installEventFilter(this);

    auto* form = new QGridLayout;
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    form->addWidget(label(QStringLiteral("用户名称："), m_cbName), 0, 0);
    form->addWidget(m_cbName, 0, 1);
    form->addWidget(label(QStringLiteral("初始密码："), m_edPassword), 1, 0);
    form->addWidget(m_edPassword, 1, 1);
    form->addWidget(label(QStringLiteral("密码确认："), m_edConfirm), 2, 0);
    form->addWidget(m_edConfirm, 2, 1);
    form->addWidget(label(QStringLiteral("详细描述："), m_memDescription), 3, 0, Qt::AlignTop);
    form->addWidget(m_memDescription, 3, 1);
    form->addWidget(label(QStringLiteral("权限属性："), m_lstLimits), 4, 0, Qt::AlignTop);
    form->addWidget(m_lstLimits, 4, 1);
    form->addWidget(m_chkDisabled, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAll);
    buttons->addWidget(btnNone);
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);

    refillNames();
    if (m_mode == Edit)
        loadOperator();
    else
        clearFields();
    m_cbName->setFocus();
}

void TFrmLimitGl::refillNames()
{
    const QString typed = m_cbName->currentText();
    m_cbName->clear();
    m_cbName->addItems(dmData->comboItems(kClerks));
    m_cbName->setEditText(typed);
}

void TFrmLimitGl::loadOperator()
{
    QSqlQuery q(dmData->ADOcnn());
    q.prepare(QStringLiteral("select F_Name,F_PassWord,F_Mem,F_Flag,F_xtFlag from OperList where F_ID = ?"));
    q.addBindValue(m_id);
    if (!q.exec() || !q.next()) {
        clearFields();
        return;
    }
    m_loadedName = q.value(0).toString();
    m_cbName->setEditText(m_loadedName);
    m_edPassword->setText(GetPass(q.value(1).toString()));
    m_edConfirm->setText(m_edPassword->text());
    m_memDescription->setPlainText(q.value(2).toString());
    m_chkDisabled->setChecked(q.value(3).toBool());
    m_xtFlag = q.value(4).toBool();
    q.finish();
    setTicked(dmData->comboItems(QStringLiteral("select F_lmtName from OperLimit where F_OperName = ? "),
                                 {m_loadedName.trimmed()}));
}

void TFrmLimitGl::clearFields()
{
    m_cbName->setEditText(QString());
    m_edPassword->clear();
    m_edConfirm->clear();
    m_memDescription->clear();
    m_chkDisabled->setChecked(false);
    tickAll(false);
}

void TFrmLimitGl::setTicked(const QStringList& names)
{
    for (int i = 0; i < m_lstLimits->count(); ++i) {
        QListWidgetItem* item = m_lstLimits->item(i);
        const bool on = std::any_of(names.cbegin(), names.cend(), [item](const QString& n) {
            return n.compare(item->text(), Qt::CaseInsensitive) == 0;
        });
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList TFrmLimitGl::ticked() const
{
    QStringList names;
    for (int i = 0; i < m_lstLimits->count(); ++i)
        if (m_lstLimits->item(i)->checkState() == Qt::Checked)
            names << m_lstLimits->item(i)->text();
    return names;
}

void TFrmLimitGl::tickAll(bool on)
{
    for (int i = 0; i < m_lstLimits->count(); ++i)
        m_lstLimits->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool TFrmLimitGl::refuse(const QString& message, QWidget* focus)
{
    ShowMess(message, mkInformation);
    focus->setFocus();
    return false;
}

bool TFrmLimitGl::save()
{
    const QString name = m_cbName->currentText().trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("操作员名称不能为空！"), m_cbName);
    const int nameWidth = declaredWidth(QStringLiteral("OperList"), QStringLiteral("F_Name"), 50);
    if (name.size() > nameWidth)
        return refuse(QStringLiteral("操作员名称不能超过 ") + QString::number(nameWidth) +
                          QStringLiteral(" 个字符！"),
                      m_cbName);
    if (m_edConfirm->text() != m_edPassword->text())
        return refuse(QStringLiteral("验正码不正确，请重新确认输入！"), m_edConfirm);
    const QString stored = SavePass(m_edPassword->text());
    if (stored.size() > declaredWidth(QStringLiteral("OperList"), QStringLiteral("F_PassWord"), 255))
        return refuse(QStringLiteral("密码太长，请输入较短的密码！"), m_edPassword);
    const int existing =
        dmData->QueryInt(QStringLiteral("Select F_ID from OperList Where F_Name = ? "), {name});
    if (existing > 0 && (m_mode == New || existing != m_id.toInt()))
        return refuse(QStringLiteral("操作员名称重复，请重新输入！"), m_cbName);

    // The operator and its grants are written together or not at all.
    TransactionGuard tx(*dmData);
    bool ok = tx.active();
    QSqlQuery q(dmData->ADOcnn());
    const auto run = [&q, &ok](const QString& sql, const QVariantList& params) {
        if (!ok)
            return;
        ok = execBound(q, sql, params, "operator");
    };
    const QString description = m_memDescription->toPlainText();
    const bool disabled = m_chkDisabled->isChecked();
    if (m_mode == New)
        run(QStringLiteral(
                "Insert into OperList(F_Name,F_password,F_mem,F_flag,F_xtFlag) Values(?,?,?,?,?) "),
            {name, stored, description, disabled, false});
    else
        run(QStringLiteral("Update OperList Set F_Name = ?,F_Password = ?, F_mem = ?,F_Flag = ?,F_xtFlag = ? "
                           "Where F_ID = ?"),
            {name, stored, description, disabled, m_xtFlag, m_id});
    run(QStringLiteral("delete from OperLimit where F_OperName = ? "), {name});
    // A renamed operator leaves no grants behind under the old name.
    if (m_mode == Edit && !m_loadedName.trimmed().isEmpty() &&
        m_loadedName.trimmed().compare(name, Qt::CaseInsensitive) != 0)
        run(QStringLiteral("delete from OperLimit where F_OperName = ? "), {m_loadedName.trimmed()});
    for (const QString& limit : ticked())
        run(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName)Values(?,?)"), {name, limit});
    if (!ok || !tx.commit()) {
        tx.rollback();
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }

    // An operator who renamed himself goes on under the new name.
    if (m_mode == Edit && m_loadedName.trimmed().compare(dmData->CurrentOperator, Qt::CaseInsensitive) == 0)
        dmData->CurrentOperator = name;
    emit saved(name);
    if (m_mode == New) {
        clearFields();
        m_cbName->setFocus();
    } else {
        accept();
    }
    return true;
}

bool TFrmLimitGl::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == m_lstLimits->viewport() && e->type() == QEvent::Resize) {
        const int w = m_lstLimits->viewport()->width() / 2 - 2;
        m_lstLimits->setGridSize(QSize(std::max(w, 80), m_lstLimits->fontMetrics().height() + 6));
    } else if (e->type() == QEvent::FocusIn && (obj == m_cbName || obj == m_cbName->lineEdit())) {
        // The clerks' names are offered afresh each time the name is entered.
        static bool refilling = false;
        if (!refilling) {
            refilling = true;
            refillNames();
            refilling = false;
        }
    } else if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

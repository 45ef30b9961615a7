#include "admin/TfrmOperGl.h"

#include "admin/TFrmLimitGl.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/support.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {

bool isAdmin(const QString& name)
{
    return name.trimmed().toLower() == QLatin1String("admin");
}

} // namespace

TfrmOperGl::TfrmOperGl(QWidget* parent)
    : QDialog(parent), m_list(new TDataSet(this)), m_grid(new TDBGrid(this)),
      m_memDescription(new QPlainTextEdit(this)),
      m_chkShowDisabled(new QCheckBox(QStringLiteral("显示禁用操作员"), this))
{
    setObjectName(QStringLiteral("frmOperGl"));
    setWindowTitle(QStringLiteral("操作员权限管理"));

    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setDataSet(m_list);
    m_grid->setColumns({TGridColumn::make(QStringLiteral("F_Name"), QStringLiteral("操作员"), 200)});
    m_grid->setReadOnly(true);
    m_grid->setMinimumWidth(220);
    m_memDescription->setObjectName(QStringLiteral("memDescription"));
    m_memDescription->setReadOnly(true);
    m_chkShowDisabled->setObjectName(QStringLiteral("chkShowDisabled"));

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    auto* btnAdd = button("btnAdd", QStringLiteral("新增"));
    auto* btnEdit = button("btnEdit", QStringLiteral("修改"));
    auto* btnDelete = button("btnDelete", QStringLiteral("删除"));
    auto* btnClose = button("btnClose", QStringLiteral("关闭"));
    connect(btnAdd, &QPushButton::clicked, this, &TfrmOperGl::addOperator);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmOperGl::editOperator);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmOperGl::deleteOperator);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &TDBGrid::rowDoubleClicked, this, [this](int) { editOperator(); });
    connect(m_chkShowDisabled, &QCheckBox::toggled, this, [this] { openList(currentName()); });
    connect(m_list, &TDataSet::currentRowChanged, this, [this](int row) {
        m_memDescription->setPlainText(row >= 0 ? m_list->value(row, QStringLiteral("F_Mem")).toString()
                                                : QString());
    });

    auto* right = new QVBoxLayout;
    auto* descLabel = new QLabel(QStringLiteral("其他描述"), this);
    descLabel->setBuddy(m_memDescription);
    right->addWidget(descLabel);
    right->addWidget(m_memDescription, 1);
    right->addWidget(m_chkShowDisabled);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnDelete);
    buttons->addWidget(btnClose);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(right, 1);
    resize(560, 360);

    openList();
}

void TfrmOperGl::openList(const QString& name)
{
    QString sql = QStringLiteral("select * from OperList where (1=1) ");
    if (!m_chkShowDisabled->isChecked())
        sql += QStringLiteral("and F_flag = ") + dmData->dialect().falseLiteral() + QLatin1Char(' ');
    sql += QStringLiteral("order by F_ID");
    dmData->OpenQuery(sql, *m_list);
    m_list->fetchAll();
    if (!name.isEmpty()) {
        for (int r = 0; r < m_list->recordCount(); ++r)
            if (m_list->value(r, QStringLiteral("F_Name")).toString().compare(name, Qt::CaseInsensitive) ==
                0) {
                m_list->setCurrentRow(r);
                break;
            }
    }
    const int row = m_list->currentRow();
    m_memDescription->setPlainText(row >= 0 ? m_list->value(row, QStringLiteral("F_Mem")).toString()
                                            : QString());
}

QString TfrmOperGl::currentName() const
{
    return m_list->currentRow() >= 0 ? m_list->field(QStringLiteral("F_Name")).toString() : QString();
}

void TfrmOperGl::addOperator()
{
    TFrmLimitGl dlg(TFrmLimitGl::New, QVariant(), this);
    connect(&dlg, &TFrmLimitGl::saved, this, [this](const QString& name) { openList(name); });
    commands::execDialog(dlg);
}

void TfrmOperGl::editOperator()
{
    if (m_list->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要修改！"), mkError);
        return;
    }
    if (isAdmin(currentName())) {
        ShowMess(QStringLiteral("此用户为系统默认用户，不能修改和编辑！"), mkError);
        return;
    }
    TFrmLimitGl dlg(TFrmLimitGl::Edit, m_list->field(QStringLiteral("F_ID")), this);
    connect(&dlg, &TFrmLimitGl::saved, this, [this](const QString& name) { openList(name); });
    commands::execDialog(dlg);
}

void TfrmOperGl::deleteOperator()
{
    if (m_list->isEmpty())
        return;
    const QString name = currentName();
    if (isAdmin(name)) {
        ShowMess(QStringLiteral("此用户为系统默认用户，不能删除！"), mkError);
        return;
    }
    if (ShowMess(QStringLiteral("真的要删除当前操作员 \"") + name + QStringLiteral("\" 吗？"), mkQuestion) !=
        maYes)
        return;
    // The operator goes together with its grants, so that a later operator
    // of the same name does not inherit them.
    TransactionGuard tx(*dmData);
    QSqlQuery q(dmData->ADOcnn());
    bool ok = tx.active() && q.prepare(QStringLiteral("delete from OperList where F_ID = ?"));
    q.addBindValue(m_list->field(QStringLiteral("F_ID")));
    ok = ok && q.exec() && q.prepare(QStringLiteral("delete from OperLimit where F_OperName = ?"));
    q.addBindValue(name);
    ok = ok && q.exec() && tx.commit();
    if (!ok) {
        qWarning("operators: %s", qPrintable(q.lastError().text()));
        tx.rollback();
        ShowMess(QStringLiteral("删除操作失败，请检查数据连接... "), mkError);
        return;
    }
    const int row = m_list->currentRow();
    openList();
    m_list->setCurrentRow(std::min(row, m_list->recordCount() - 1));
}

#include "report/TFrmReportManager.h"

#include "core/dataset.h"
#include "report/reportprint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrmReportManager::TFrmReportManager(TDataSet* members, const QMap<QString, TDataSet*>& billSets,
                                     QWidget* parent)
    : QDialog(parent), m_members(members)
{
    for (auto it = billSets.cbegin(); it != billSets.cend(); ++it)
        m_billSets.insert(it.key(), it.value());
    setObjectName(QStringLiteral("TFrmReportManager"));
    setWindowTitle(QStringLiteral("报表管理器"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("要设计或预览报表，请先在列表框中选中后再操作"), this);
    note->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(note);
    auto* row = new QHBoxLayout;
    layout->addLayout(row, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstReports"));
    m_list->addItems({QStringLiteral("当前会员档案详表"), QStringLiteral("当前会员统计列表"),
                      QStringLiteral("当前会员信封打印"), QStringLiteral("会员信封标签打印")});
    m_list->setCurrentRow(-1);
    row->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    auto button = [this, buttons](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button(QStringLiteral("btnDesign"), QStringLiteral("设计")), &QPushButton::clicked, this,
            &TFrmReportManager::design);
    connect(button(QStringLiteral("btnPreview"), QStringLiteral("预览")), &QPushButton::clicked, this,
            &TFrmReportManager::preview);
    buttons->addStretch(1);
    connect(button(QStringLiteral("btnClose"), QStringLiteral("关闭")), &QPushButton::clicked, this,
            &QDialog::reject);
    resize(420, 260);
}

QString TFrmReportManager::templateOf(int entry)
{
    static const char* const names[] = {"frMemXianqing", "frMemList", "frMemXingFeng", "frMemBiaoqian"};
    return entry >= 0 && entry < 4 ? QLatin1String(names[entry]) : QString();
}

bool TFrmReportManager::prepare(report::TReport& report) const
{
    const QListWidgetItem* item = m_list->currentItem();
    const int entry = item && item->isSelected() ? m_list->row(item) : -1;
    if (entry < 0)
        return false;
    report.load(templateOf(entry));
    report.bind(QStringLiteral("frxMain"), m_members);
    for (auto it = m_billSets.cbegin(); it != m_billSets.cend(); ++it)
        report.bind(it.key(), it.value());
    // The first entry keeps the shared "frxDM" binding; its template reads "frxMain".
    if (entry > 0)
        report.bind(QStringLiteral("frxDM"), m_members);
    return true;
}

void TFrmReportManager::design()
{
    report::TReport report;
    if (prepare(report))
        report.design(this);
}

void TFrmReportManager::preview()
{
    report::TReport report;
    if (prepare(report))
        report.showPreview(this);
}

#include "admin/TFrmCodeMan.h"

#include "core/database.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/displayformat.h"
#include "core/product.h"
#include "core/support.h"
#include "report/reportprint.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

// Cell editor of the code lists: a text box, or for the points ratios a
// number box. Knows its open editor, so that "保存" can post the cell being
// typed and "取消" can drop it.
class TCodeDelegate : public QStyledItemDelegate
{
public:
    TCodeDelegate(bool number, QObject* parent) : QStyledItemDelegate(parent), m_number(number) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = nullptr;
        if (m_number) {
            auto* box = new QDoubleSpinBox(parent);
            box->setObjectName(QStringLiteral("edtRate"));
            box->setDecimals(2);
            box->setRange(0, 99999999.99);
            box->setButtonSymbols(QAbstractSpinBox::NoButtons);
            box->setAlignment(Qt::AlignRight);
            editor = box;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
            editor->setObjectName(QStringLiteral("edtValue"));
        }
        m_editor = editor;
        return editor;
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        if (editor == m_editor)
            m_editor = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QDoubleSpinBox*>(editor)) {
            box->setValue(index.data(Qt::EditRole).toDouble());
            return;
        }
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QDoubleSpinBox*>(editor)) {
            box->interpretText();
            model->setData(index, box->value());
            return;
        }
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            model->setData(index, line->text());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    QWidget* openEditor() const { return m_editor; }
    // Posts (or drops) the cell being edited and closes its editor.
    void finish(bool post)
    {
        QWidget* editor = m_editor;
        if (!editor)
            return;
        if (post)
            emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

private:
    bool m_number;
    mutable QPointer<QWidget> m_editor;
};

namespace {

const QStringList kFields{QStringLiteral("F_ID"), QStringLiteral("F_Name"), QStringLiteral("F_type"),
                          QStringLiteral("F_LinkName"), QStringLiteral("F_rate")};
const QString kRateKind = QStringLiteral("xiaofeijifen");
const QString kRateFormat = QStringLiteral(",0.##;-,0.##");

bool sameRate(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return std::abs(a.toDouble() - b.toDouble()) < 1e-9;
}

} // namespace

const QVector<TFrmCodeMan::Page>& TFrmCodeMan::pages()
{
    static const QVector<Page> p{
        {QStringLiteral(" 民    族 "), QStringLiteral("minzu")},
        {QStringLiteral(" 会员级别 "), QStringLiteral("jibie")},
        {QStringLiteral(" 消费积分 "), QStringLiteral("xiaofeijifen")},
        {QStringLiteral(" 营 业 员 "), QStringLiteral("empname")},
        {QStringLiteral(" 计量单位 "), QStringLiteral("unit")},
    };
    return p;
}

TFrmCodeMan::TFrmCodeMan(QWidget* parent)
    : QDialog(parent), m_list(new TDataSet(this)), m_grid(new TDBGrid(this)), m_rateGrid(new TDBGrid(this)),
      m_delegate(new TCodeDelegate(false, this)), m_rateDelegate(new TCodeDelegate(true, this)),
      m_toolBar(new QToolBar(this)), m_tabs(new QTabBar(this)), m_status(new QStatusBar(this))
{
    setObjectName(QStringLiteral("FrmCodeMan"));
    setWindowTitle(QStringLiteral("选项设置"));

    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    const auto tool = [this](const char* name, const QString& text, QStyle::StandardPixmap icon,
                             void (TFrmCodeMan::*slot)(), const QKeySequence& key = {}) {
        auto* a = m_toolBar->addAction(style()->standardIcon(icon), text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    tool("actAdd", QStringLiteral("新增"), QStyle::SP_FileIcon, &TFrmCodeMan::addRow,
         QKeySequence(Qt::CTRL | Qt::Key_A));
    tool("actEdit", QStringLiteral("修改"), QStyle::SP_FileDialogDetailedView, &TFrmCodeMan::editRows,
         QKeySequence(Qt::CTRL | Qt::Key_E));
    tool("actDelete", QStringLiteral("删除"), QStyle::SP_TrashIcon, &TFrmCodeMan::deleteRow,
         QKeySequence(Qt::Key_Delete));
    auto* save =
        m_toolBar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("保存"));
    save->setObjectName(QStringLiteral("actSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { this->save(); });
    tool("actCancel", QStringLiteral("取消"), QStyle::SP_DialogCancelButton, &TFrmCodeMan::cancelEdit);
    m_toolBar->addSeparator();
    tool("actPrint", QStringLiteral("打印"), QStyle::SP_FileDialogContentsView, &TFrmCodeMan::printList);
    tool("actRefresh", QStringLiteral("刷新"), QStyle::SP_BrowserReload, &TFrmCodeMan::refresh);
    m_toolBar->addSeparator();
    auto* quit =
        m_toolBar->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("退出"));
    quit->setObjectName(QStringLiteral("actExit"));
    connect(quit, &QAction::triggered, this, &QDialog::reject);

    m_tabs->setObjectName(QStringLiteral("tabPages"));
    m_tabs->setShape(QTabBar::RoundedNorth);
    m_tabs->setExpanding(false);
    for (const Page& p : pages()) {
        const int i = m_tabs->addTab(p.caption);
        m_tabs->setTabData(i, QString(QStringLiteral("t") + p.kind));
    }
    connect(m_tabs, &QTabBar::currentChanged, this, &TFrmCodeMan::setPage);

    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_rateGrid->setObjectName(QStringLiteral("DBGridEh2"));
    m_grid->setItemDelegate(m_delegate);
    m_rateGrid->setItemDelegate(m_rateDelegate);
    for (TDBGrid* g : {m_grid, m_rateGrid}) {
        g->installEventFilter(this);
        g->setDataSet(m_list);
        g->setReadOnly(true);
        g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    }
    m_rateGrid->setColumns({TGridColumn::make(QStringLiteral("F_rate"), QStringLiteral("消费积分"), 200,
                                              TGridColumn::AlignRight, kRateFormat)});
    m_rateGrid->setVisible(false);

    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("lblPanel") + QString::number(i + 1));
        m_panels << l;
        if (i == 3)
            m_status->addPermanentWidget(l);
        else
            m_status->addWidget(l, 1);
    }
    m_panels.at(3)->setText(product::appTitle() + QStringLiteral("  "));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_tabs);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_rateGrid, 1);
    layout->addWidget(m_status);
    resize(520, 460);

    connect(m_list, &TDataSet::currentRowChanged, this, [this](int row) {
        m_panels.at(0)->setText(
            row >= 0 ? QStringLiteral("第 ") + QString::number(row + 1) + QStringLiteral(" 条") : QString());
        m_panels.at(1)->setText(QStringLiteral("共 ") + QString::number(m_list->recordCount()) +
                                QStringLiteral(" 条"));
    });

    setEditing(false);
    m_page = -1;
    setPage(0);
}

QString TFrmCodeMan::kind() const
{
    return pages().value(m_page).kind;
}

TDBGrid* TFrmCodeMan::grid() const
{
    return kind() == kRateKind ? m_rateGrid : m_grid;
}

QAction* TFrmCodeMan::command(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

QLabel* TFrmCodeMan::statusPanel(int index) const
{
    return m_panels.value(index);
}

QString TFrmCodeMan::valueField() const
{
    return kind() == kRateKind ? QStringLiteral("F_rate") : QStringLiteral("F_Name");
}

QString TFrmCodeMan::valueText(int row) const
{
    const QVariant v = m_list->value(row, valueField());
    if (kind() == kRateKind)
        return v.isNull() ? QString() : displayformat::formatNumber(v.toDouble(), kRateFormat);
    return v.toString();
}

void TFrmCodeMan::setPage(int page)
{
    if (page < 0 || page >= pages().size() || page == m_page || m_editing) {
        if (m_tabs->currentIndex() != m_page && m_page >= 0) {
            const QSignalBlocker block(m_tabs);
            m_tabs->setCurrentIndex(m_page);
        }
        return;
    }
    m_page = page;
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(page);
    }
    const bool rates = kind() == kRateKind;
    if (!rates)
        m_grid->setColumns(
            {TGridColumn::make(QStringLiteral("F_Name"), pages().at(page).caption.trimmed(), 300)});
    m_grid->setVisible(!rates);
    m_rateGrid->setVisible(rates);
    openList();
}

void TFrmCodeMan::openList()
{
    TDataSet read;
    QVector<QVariantList> rows;
    m_loaded.clear();
    if (dmData->OpenQuery(
            QStringLiteral("Select F_ID,F_Name,F_type,F_LinkName,F_rate From t_code where F_type = ? "
                           "order by F_ID"),
            read, {kind()})) {
        read.fetchAll();
        for (int r = 0; r < read.recordCount(); ++r) {
            QVariantList row;
            for (const QString& f : kFields)
                row << read.value(r, f);
            rows << row;
            m_loaded << Row{row.at(0), row.at(1).toString(), row.at(3).toString(), row.at(4)};
        }
    }
    const int keep = m_list->currentRow();
    m_list->setRows(kFields, rows);
    m_list->setCurrentRow(std::min(std::max(keep, 0), m_list->recordCount() - 1));
}

void TFrmCodeMan::setEditing(bool on)
{
    m_editing = on;
    for (QAction* a : m_toolBar->actions()) {
        if (a->isSeparator())
            continue;
        const bool editAction =
            a->objectName() == QLatin1String("actSave") || a->objectName() == QLatin1String("actCancel");
        a->setEnabled(editAction == on);
    }
    m_tabs->setEnabled(!on);
    m_grid->setReadOnly(!on);
    m_rateGrid->setReadOnly(!on);
    m_panels.at(2)->setText(on ? QStringLiteral("编辑状态") : QStringLiteral("浏览状态"));
}

void TFrmCodeMan::commitEditor()
{
    m_delegate->finish(true);
    m_rateDelegate->finish(true);
}

void TFrmCodeMan::addRow()
{
    if (!command(QStringLiteral("actAdd"))->isEnabled())
        return;
    setEditing(true);
    appendRow();
}

void TFrmCodeMan::appendRow()
{
    commitEditor();
    QVector<QVariantList> rows;
    for (int r = 0; r < m_list->recordCount(); ++r) {
        QVariantList row;
        for (const QString& f : kFields)
            row << m_list->value(r, f);
        rows << row;
    }
    rows << QVariantList{QVariant(), QString(), kind(), QString(), QVariant()};
    m_list->setRows(kFields, rows);
    const int last = m_list->recordCount() - 1;
    m_list->setCurrentRow(last);
    TDBGrid* g = grid();
    if (g->isVisible()) {
        const QModelIndex index = g->model()->index(last, 0);
        g->setCurrentIndex(index);
        g->setFocus();
        g->edit(index);
    }
}

bool TFrmCodeMan::eventFilter(QObject* obj, QEvent* e)
{
    // While editing, moving down from the last row appends a new one, as in
    // any list that is being filled in.
    if (m_editing && e->type() == QEvent::KeyPress && (obj == m_grid || obj == m_rateGrid)) {
        auto* ke = static_cast<QKeyEvent*>(e);
        const int last = m_list->recordCount() - 1;
        if (ke->key() == Qt::Key_Down && ke->modifiers() == Qt::NoModifier && m_list->currentRow() == last &&
            !valueText(last).trimmed().isEmpty()) {
            appendRow();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

void TFrmCodeMan::editRows()
{
    if (!command(QStringLiteral("actEdit"))->isEnabled())
        return;
    if (m_list->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要修改！"), mkError);
        return;
    }
    setEditing(true);
    TDBGrid* g = grid();
    g->setFocus();
}

QString TFrmCodeMan::rowProblem() const
{
    const int nameWidth =
        dmData ? database::columnWidth(dmData->ADOcnn(), QStringLiteral("t_code"), QStringLiteral("F_Name"))
               : 0;
    if (nameWidth <= 0 || kind() == kRateKind)
        return {};
    for (int r = 0; r < m_list->recordCount(); ++r)
        if (m_list->value(r, QStringLiteral("F_Name")).toString().size() > nameWidth) {
            m_list->setCurrentRow(r);
            return QStringLiteral("第 ") + QString::number(r + 1) + QStringLiteral(" 行的内容超过 ") +
                   QString::number(nameWidth) + QStringLiteral(" 个字符，请修改后再保存！");
        }
    return {};
}

bool TFrmCodeMan::save()
{
    if (!m_editing)
        return false;
    commitEditor();
    if (const QString problem = rowProblem(); !problem.isEmpty()) {
        ShowMess(problem, mkInformation);
        grid()->setFocus();
        return false;
    }
    const bool rates = kind() == kRateKind;
    QVector<QVariant> kept;
    TransactionGuard tx(*dmData);
    bool ok = tx.active();
    QSqlQuery q(dmData->ADOcnn());
    const auto run = [&q, &ok](const QString& sql, const QVariantList& params) {
        if (!ok)
            return;
        ok = execBound(q, sql, params, "code list");
    };
    for (int r = 0; r < m_list->recordCount() && ok; ++r) {
        const QVariant id = m_list->value(r, QStringLiteral("F_ID"));
        const QString name = m_list->value(r, QStringLiteral("F_Name")).toString();
        const QVariant rate = m_list->value(r, QStringLiteral("F_rate"));
        if (id.isNull()) {
            // A row added and left empty is not stored.
            if (rates ? rate.isNull() : name.trimmed().isEmpty())
                continue;
            run(QStringLiteral("insert into t_code(F_Name,F_type,F_LinkName,F_rate) values(?,?,?,?)"),
                {name, kind(), m_list->value(r, QStringLiteral("F_LinkName")).toString(),
                 rate.isNull() ? QVariant(0.0) : rate});
            continue;
        }
        kept << id;
        const auto old =
            std::find_if(m_loaded.cbegin(), m_loaded.cend(), [&id](const Row& row) { return row.id == id; });
        if (old != m_loaded.cend() && old->name == name && sameRate(old->rate, rate))
            continue;
        run(QStringLiteral("update t_code set F_Name = ?,F_type = ?,F_rate = ? where F_ID = ?"),
            {name, kind(), rate, id});
    }
    for (const Row& row : std::as_const(m_loaded))
        if (ok && !kept.contains(row.id))
            run(QStringLiteral("delete from t_code where F_ID = ?"), {row.id});
    if (!ok || !tx.commit()) {
        tx.rollback();
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    setEditing(false);
    openList();
    return true;
}

void TFrmCodeMan::cancelEdit()
{
    if (!m_editing)
        return;
    m_delegate->finish(false);
    m_rateDelegate->finish(false);
    setEditing(false);
    openList();
}

void TFrmCodeMan::deleteRow()
{
    if (!command(QStringLiteral("actDelete"))->isEnabled())
        return;
    if (m_list->isEmpty()) {
        ShowMess(QStringLiteral("此表是空表，不需要删除！"), mkInformation);
        return;
    }
    const int row = std::max(m_list->currentRow(), 0);
    const QString question = QStringLiteral("真的要删除 \"") + pages().at(m_page).caption +
                             QStringLiteral("\"") + valueText(row) + QStringLiteral("吗？");
    if (ShowMess(question, mkQuestion) == maNo)
        return;
    if (dmData->DeleteById(QStringLiteral("t_code"), m_list->value(row, QStringLiteral("F_ID"))))
        openList();
}

void TFrmCodeMan::printList()
{
    if (!command(QStringLiteral("actPrint"))->isEnabled())
        return;
    report::TGridPrint print;
    print.data = m_list;
    QString title;
    for (const TGridColumn& c : grid()->columns()) {
        report::TGridPrintColumn pc;
        pc.fieldName = c.fieldName;
        pc.title = c.title;
        pc.width = c.width;
        pc.visible = c.visible;
        pc.alignment = c.alignment;
        pc.displayFormat = c.displayFormat;
        print.columns << pc;
        if (title.isEmpty() && c.visible)
            title = c.title;
    }
    PrintGrid(print, title + QStringLiteral("设置"), 1, QStringLiteral("date"), QString(), this);
}

void TFrmCodeMan::refresh()
{
    if (!m_editing)
        openList();
}

void TFrmCodeMan::keyPressEvent(QKeyEvent* e)
{
    // Ctrl+A, Ctrl+E, Ctrl+S and Delete are the shortcuts of the tool-bar
    // commands and work only while their command is enabled.
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        switch (e->key()) {
        case Qt::Key_Escape:
            if (m_editing)
                cancelEdit();
            else
                reject();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(e);
}

#include "goods/goodsui.h"

#include "core/database.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"
#include "members/TMoneyEdit.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace goodsui {

QString moneyFormat()
{
    return QStringLiteral("￥,0.00##;-￥,0.00##");
}

QString amountFormat()
{
    return QStringLiteral(",0.####;-,0.####");
}

bool confirmLeave(QWidget* window)
{
    return ShowMess(QStringLiteral("真的要退 \"") + window->windowTitle() + QStringLiteral("\" 操作界面吗？"),
                    mkQuestion) == maYes;
}

TMoneyEdit* moneyEdit(QWidget* parent, const QString& name, int decimals, bool currency)
{
    auto* e = new TMoneyEdit(parent, decimals);
    e->setObjectName(name);
    if (currency)
        e->setDisplayFormat(moneyFormat());
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w != m_window && !m_window->isAncestorOf(w))
        return false;
    // Only the widget that has the focus (or the window itself) passes the
    // key on; its parents see the same key again when it is not taken.
    if (QWidget* focus = QApplication::focusWidget(); focus && w != focus && w->isAncestorOf(focus))
        return false;
    return m_handler(static_cast<QKeyEvent*>(event), w);
}

void focusNext(QWidget* window)
{
    if (QWidget* f = QApplication::focusWidget(); f && window->isAncestorOf(f)) {
        QWidget* next = f->nextInFocusChain();
        while (next && next != f &&
               (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() || !next->isEnabled() ||
                !window->isAncestorOf(next)))
            next = next->nextInFocusChain();
        if (next)
            next->setFocus(Qt::TabFocusReason);
    }
}

bool isEnter(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
           (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

TRefillCombo::TRefillCombo(QWidget* parent, const QString& name, std::function<QStringList()> items)
    : QComboBox(parent), m_items(std::move(items))
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    if (lineEdit())
        lineEdit()->setMaxLength(50);
}

void TRefillCombo::refill()
{
    const QString text = currentText();
    blockSignals(true);
    clear();
    addItems(m_items());
    setEditText(text);
    blockSignals(false);
}

void TRefillCombo::focusInEvent(QFocusEvent* event)
{
    refill();
    QComboBox::focusInEvent(event);
}

QStringList categoryNames()
{
    return dmData->comboItems(QStringLiteral("select distinct F_name from T_goodLB where (F_name <> '') "));
}

QStringList clerkNames()
{
    return dmData->comboItems(
        QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = ? "),
        {QStringLiteral("empname")});
}

QStringList unitNames()
{
    return dmData->comboItems(
        QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = ? "),
        {QStringLiteral("unit")});
}

QStringList pointRatios()
{
    return dmData->comboItems(QStringLiteral("select distinct F_rate from t_code where F_type = ? "),
                              {QStringLiteral("xiaofeijifen")});
}

// ---------------------------------------------------------------- cell editors

namespace {
QLineEdit* lineEditOf(QWidget* editor)
{
    if (auto* e = qobject_cast<QLineEdit*>(editor))
        return e;
    return editor->findChild<QLineEdit*>();
}
} // namespace

TBillCellDelegate::TBillCellDelegate(TDBGrid* grid) : QStyledItemDelegate(grid), m_grid(grid)
{
    grid->setItemDelegate(this);
}

void TBillCellDelegate::setNumberField(const QString& field, int decimals, bool allowNegative)
{
    m_numbers.insert(field.toLower(), Number{decimals, allowNegative});
}

void TBillCellDelegate::setEllipsis(const QString& field, std::function<void()> fn)
{
    m_ellipsis.insert(field.toLower(), std::move(fn));
}

QString TBillCellDelegate::fieldOf(const QModelIndex& index) const
{
    return m_grid->column(index.column()).fieldName.toLower();
}

QWidget* TBillCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    const QString field = fieldOf(index);
    QWidget* editor = nullptr;
    if (m_numbers.contains(field)) {
        const Number n = m_numbers.value(field);
        auto* e = new TMoneyEdit(parent, n.decimals);
        e->setAllowNegative(n.negative);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = e;
    } else {
        auto* e = new QLineEdit(parent);
        const int width = database::columnWidth(dmData->ADOcnn(), QStringLiteral("depotD"), field);
        e->setMaxLength(width > 0 ? width : 255);
        editor = e;
        if (const auto fn = m_ellipsis.value(field)) {
            auto* box = new QWidget(parent);
            auto* lay = new QHBoxLayout(box);
            lay->setContentsMargins(0, 0, 0, 0);
            lay->setSpacing(0);
            e->setParent(box);
            lay->addWidget(e, 1);
            auto* b = new QToolButton(box);
            b->setObjectName(QStringLiteral("btnEllipsis"));
            b->setText(QStringLiteral("..."));
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [fn] { fn(); });
            lay->addWidget(b);
            box->setFocusProxy(e);
            editor = box;
        }
    }
    editor->setObjectName(QStringLiteral("cellEditor"));
    m_editor = editor;
    return editor;
}

void TBillCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant v = index.data(Qt::EditRole);
    if (auto* m = dynamic_cast<TMoneyEdit*>(editor)) {
        m->setValue(v.toDouble());
    } else if (auto* e = lineEditOf(editor)) {
        e->setText(v.toString());
    }
}

void TBillCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    if (auto* m = dynamic_cast<TMoneyEdit*>(editor))
        model->setData(index, m->value(), Qt::EditRole);
    else if (auto* e = lineEditOf(editor))
        model->setData(index, e->text(), Qt::EditRole);
}

void TBillCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TBillCellDelegate::post()
{
    if (QWidget* e = m_editor) {
        emit const_cast<TBillCellDelegate*>(this)->commitData(e);
        emit closeEditor(e, QAbstractItemDelegate::NoHint);
    }
}

void TBillCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_color)
        return;
    const QColor c = m_color(index.row(), m_grid->column(index.column()).fieldName);
    if (c.isValid()) {
        option->palette.setColor(QPalette::Text, c);
        option->palette.setColor(QPalette::HighlightedText, c);
        option->backgroundBrush = option->palette.button();
    }
}

void gridEnter(TDBGrid* grid, TBillCellDelegate* delegate, const std::function<void(int row)>& lookup)
{
    delegate->post();
    const QModelIndex idx = grid->currentIndex();
    if (!idx.isValid())
        return;
    const QString field = grid->column(idx.column()).fieldName;
    if (field.compare(QLatin1String("F_GoodCode"), Qt::CaseInsensitive) == 0)
        lookup(idx.row());
    int next = idx.column() + 1;
    while (next < grid->gridColumnCount() && grid->isColumnHidden(next))
        ++next;
    if (next < grid->gridColumnCount())
        grid->setCurrentIndex(grid->model()->index(idx.row(), next));
}

LineMenu lineMenu(TDBGrid* grid, const QString& layoutKey, std::function<void()> addLine,
                  std::function<void()> deleteLine)
{
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto popup = [grid](const QString& name, const QString& text, std::function<void()> fn) {
        auto* a = new QAction(text, grid);
        a->setObjectName(name);
        QObject::connect(a, &QAction::triggered, grid, std::move(fn));
        grid->addAction(a);
        return a;
    };
    LineMenu menu;
    menu.add = popup(QStringLiteral("pmAddLine"), QStringLiteral("增行"), std::move(addLine));
    menu.del = popup(QStringLiteral("pmDelLine"), QStringLiteral("删行"), std::move(deleteLine));
    popup(QStringLiteral("pmColumns"), QStringLiteral("显示字段选择"), [grid] { ChooseGridColumns(grid); });
    popup(QStringLiteral("pmSaveGrid"), QStringLiteral("保存当前网格"),
          [grid, layoutKey] { ConfirmSaveGridLayout(grid, layoutKey); });
    return menu;
}

} // namespace goodsui

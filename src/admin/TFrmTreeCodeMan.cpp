#include "admin/TFrmTreeCodeMan.h"

#include "admin/classtree.h"
#include "core/dmdata.h"
#include "core/grid/griddialogs.h"
#include "core/support.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

TreeNodeData nodeData(const QTreeWidgetItem* node)
{
    return node ? node->data(0, Qt::UserRole).value<TreeNodeData>() : TreeNodeData{};
}

void setNodeData(QTreeWidgetItem* node, const TreeNodeData& data)
{
    node->setText(0, data.name);
    node->setData(0, Qt::UserRole, QVariant::fromValue(data));
}

bool isRoot(const QTreeWidgetItem* node)
{
    return node && !node->parent();
}

void showResult(const classtree::Result& r)
{
    if (r.status == classtree::Result::Refused)
        ShowMess(r.message, mkInformation);
    else if (r.status == classtree::Result::Failed)
        ShowMess(r.message, mkError);
}

} // namespace

TFrmTreeCodeMan::TFrmTreeCodeMan(const QString& kind, bool pickMode, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_pickMode(pickMode), m_tree(new QTreeWidget(this)),
      m_popup(new QMenu(this)), m_status(new QStatusBar(this)), m_statusText(new QLabel(this))
{
    setObjectName(QStringLiteral("FrmTreeCodeMan"));
    setWindowTitle(classtree::windowCaption(kind));

    m_tree->setObjectName(QStringLiteral("tvCode"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setMinimumWidth(260);

    const auto action = [this](const char* name, const QString& text, const QKeySequence& key,
                               void (TFrmTreeCodeMan::*slot)()) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(a);
        }
        connect(a, &QAction::triggered, this, slot);
        m_popup->addAction(a);
        return a;
    };
    m_popup->setObjectName(QStringLiteral("pmTree"));
    m_actSibling = action("actAddSibling", QStringLiteral("添加同类(&A)"), {}, &TFrmTreeCodeMan::addSibling);
    m_actChild = action("actAddChild", QStringLiteral("添加子类(&C)"), {}, &TFrmTreeCodeMan::addChild);
    m_actEdit = action("actEdit", QStringLiteral("修    改"), QKeySequence(Qt::CTRL | Qt::Key_S),
                       &TFrmTreeCodeMan::renameNode);
    m_actDelete = action("actDelete", QStringLiteral("删除(包含子类)"), QKeySequence(Qt::Key_Delete),
                         &TFrmTreeCodeMan::deleteNode);
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = m_tree->itemAt(pos))
            m_tree->setCurrentItem(item);
        m_popup->popup(m_tree->viewport()->mapToGlobal(pos));
    });

    const auto button = [this](const char* name, const QString& text, void (TFrmTreeCodeMan::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(120);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(button("btnAddSibling", QStringLiteral("添加同类(&A)"), &TFrmTreeCodeMan::addSibling));
    buttons->addWidget(button("btnAddChild", QStringLiteral("添加子类(&C)"), &TFrmTreeCodeMan::addChild));
    auto* btnDelete = button("btnDelete", QStringLiteral("删除(包含子类)"), &TFrmTreeCodeMan::deleteNode);
    auto* btnEdit = button("btnEdit", QStringLiteral("修    改(&E)"), &TFrmTreeCodeMan::renameNode);
    buttons->addWidget(btnDelete);
    buttons->addWidget(btnEdit);
    buttons->addSpacing(16);
    if (m_pickMode) {
        m_btnOk = button("btnOk", QStringLiteral("确定"), &TFrmTreeCodeMan::confirmPick);
        m_btnCancel = new QPushButton(QStringLiteral("取消"), this);
        m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
        m_btnCancel->setAutoDefault(false);
        connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(m_btnOk);
        buttons->addWidget(m_btnCancel);
    }
    auto* hint = new QLabel(
        QStringLiteral("    增加节点，需先选中左边框里的节点成灰色，然后才能选择增加同级节点或子节点"), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(160);
    buttons->addWidget(hint);
    buttons->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(m_tree, 1);
    body->addLayout(buttons);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_statusText->setObjectName(QStringLiteral("lblStatus"));
    m_status->addWidget(m_statusText, 1);
    m_status->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_status);
    resize(480, 420);

    // The root takes neither renaming nor deletion.
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this, btnDelete, btnEdit](QTreeWidgetItem* current) {
                const bool cls = current && !isRoot(current);
                m_actEdit->setEnabled(cls);
                m_actDelete->setEnabled(cls);
                btnEdit->setEnabled(cls);
                btnDelete->setEnabled(cls);
                updateStatus();
            });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (!m_pickMode)
            return;
        m_tree->setCurrentItem(item);
        confirmPick();
    });
    reload();
}

void TFrmTreeCodeMan::reload()
{
    dmData->LoadCodeTree(m_tree, classtree::rootCaption(m_kind), m_kind);
    updateStatus();
}

QTreeWidgetItem* TFrmTreeCodeMan::selected() const
{
    return m_tree->currentItem();
}

void TFrmTreeCodeMan::updateStatus()
{
    const TreeNodeData d = nodeData(selected());
    m_statusText->setText(selected()
                              ? QStringLiteral("编号：") + d.code + QStringLiteral("    路径：") + d.likeCode
                              : QString());
}

bool TFrmTreeCodeMan::selectPath(const QString& path)
{
    const QString wanted = path.trimmed();
    if (wanted.isEmpty())
        return false;
    QTreeWidgetItem* found = nullptr;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QString p = nodeData(*it).likeCode;
        if (p == wanted) {
            found = *it;
            break;
        }
        if (!found && !isRoot(*it) && p.compare(wanted, Qt::CaseInsensitive) == 0)
            found = *it;
    }
    if (!found)
        return false;
    m_tree->setCurrentItem(found);
    found->setExpanded(true);
    m_tree->scrollToItem(found);
    return true;
}

bool TFrmTreeCodeMan::selectCode(const QString& code)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if (nodeData(*it).code == code) {
            m_tree->setCurrentItem(*it);
            m_tree->scrollToItem(*it);
            return true;
        }
    return false;
}

QString TFrmTreeCodeMan::chosenPath() const
{
    QTreeWidgetItem* node = selected();
    return node && !isRoot(node) ? nodeData(node).likeCode : QString();
}

QString TFrmTreeCodeMan::askName(const QString& title, const QString& preset)
{
    return griddialogs::InputCaption(this, title, false, preset).trimmed();
}

void TFrmTreeCodeMan::addSibling()
{
    QTreeWidgetItem* node = selected();
    if (!node)
        return;
    if (isRoot(node)) {
        ShowMess(QStringLiteral("不能增加根节点的同类节点，该节点只能增加子节点！"), mkInformation);
        return;
    }
    const TreeNodeData d = nodeData(node);
    const QString name =
        askName(QStringLiteral("添加 ") + d.code + QLatin1Char(' ') + d.name + QStringLiteral(" 同类"), {});
    if (name.isEmpty())
        return;
    QTreeWidgetItem* parent = node->parent();
    const QString parentPath = nodeData(parent).likeCode;
    const classtree::Result r = classtree::addSibling(m_kind, d.code, parentPath, name);
    if (r.status != classtree::Result::Done) {
        showResult(r);
        return;
    }
    // New codes come last among their siblings, as the tree shows them when loaded.
    auto* item = new QTreeWidgetItem(parent);
    setNodeData(item, TreeNodeData{static_cast<int>(r.code.size()), r.code, name,
                                   classtree::childPath(parentPath, name)});
    m_tree->setCurrentItem(item);
}

void TFrmTreeCodeMan::addChild()
{
    QTreeWidgetItem* node = selected();
    if (!node)
        return;
    const TreeNodeData d = nodeData(node);
    const QString name =
        askName(QStringLiteral("添加 ") + d.code + QLatin1Char(' ') + d.name + QStringLiteral(" 子类"), {});
    if (name.isEmpty())
        return;
    const classtree::Result r = classtree::addClass(m_kind, d.code, d.likeCode, name);
    if (r.status != classtree::Result::Done) {
        showResult(r);
        return;
    }
    auto* item = new QTreeWidgetItem(node);
    setNodeData(item, TreeNodeData{static_cast<int>(r.code.size()), r.code, name,
                                   classtree::childPath(d.likeCode, name)});
    node->setExpanded(true);
    m_tree->setCurrentItem(item);
}

void TFrmTreeCodeMan::setNodePath(QTreeWidgetItem* node, const QString& path)
{
    TreeNodeData d = nodeData(node);
    d.likeCode = path;
    setNodeData(node, d);
    for (int i = 0; i < node->childCount(); ++i)
        setNodePath(node->child(i), classtree::childPath(path, nodeData(node->child(i)).name));
}

void TFrmTreeCodeMan::renameNode()
{
    QTreeWidgetItem* node = selected();
    if (!node || isRoot(node))
        return;
    TreeNodeData d = nodeData(node);
    const QString name = askName(
        QStringLiteral("修改类别 ") + d.code + QLatin1Char(' ') + d.name + QStringLiteral(" 子类"), d.name);
    if (name.isEmpty())
        return;
    const QString parentPath = nodeData(node->parent()).likeCode;
    const classtree::Result r = classtree::renameClass(m_kind, d.code, d.likeCode, parentPath, name);
    if (r.status != classtree::Result::Done) {
        showResult(r);
        return;
    }
    d.name = name;
    setNodeData(node, d);
    setNodePath(node, classtree::childPath(parentPath, name));
    updateStatus();
}

void TFrmTreeCodeMan::deleteNode()
{
    QTreeWidgetItem* node = selected();
    if (!node || isRoot(node))
        return;
    const TreeNodeData d = nodeData(node);
    const QString question =
        node->childCount() == 0
            ? QStringLiteral("真的要删除当前节点 “") + d.code + d.name + QStringLiteral("” 吗？")
            : QStringLiteral("此节点包含有子节点，真的要删除所有的子节点吗？");
    if (ShowMess(question, mkQuestion) != maYes)
        return;
    if (!classtree::deleteClass(m_kind, d.code))
        return;
    QTreeWidgetItem* parent = node->parent();
    const int index = parent->indexOfChild(node);
    delete parent->takeChild(index);
    QTreeWidgetItem* next =
        parent->childCount() == 0 ? parent : parent->child(std::min(index, parent->childCount() - 1));
    m_tree->setCurrentItem(next);
}

void TFrmTreeCodeMan::confirmPick()
{
    if (!m_pickMode)
        return;
    QTreeWidgetItem* node = selected();
    if (!node || isRoot(node)) {
        ShowMess(QStringLiteral("不能选择根节点！"), mkInformation);
        return;
    }
    accept();
}

void TFrmTreeCodeMan::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (m_pickMode)
            confirmPick();
        return; // no default button in this window
    }
    QDialog::keyPressEvent(e);
}

// The data module's routines that fill widgets.
#include "core/dmdata.h"

#include <QComboBox>
#include <QTreeWidget>

void TdmData::FillComboFromQuery(const QString& sql, QComboBox* combo, const QVariantList& params)
{
    if (!combo)
        return;
    combo->clear();
    combo->addItems(comboItems(sql, params));
}

void TdmData::SelectComboItem(const QString& text, QComboBox* combo)
{
    if (!combo)
        return;
    const QString wanted = text.trimmed().toLower();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).trimmed().toLower() == wanted) {
            combo->setCurrentIndex(i);
            return;
        }
}

void TdmData::LoadCodeTree(QTreeWidget* tree, const QString& rootCaption, const QString& kind)
{
    if (!tree)
        return;
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList{rootCaption});
    root->setData(0, Qt::UserRole,
                  QVariant::fromValue(TreeNodeData{0, QStringLiteral("000"), rootCaption, QStringLiteral("\\\\")}));
    QTreeWidgetItem* last = root;
    int lastLevel = 0;
    const QVector<TreeRow> rows = codeTreeRows(kind);
    for (const TreeRow& r : rows) {
        const int level = static_cast<int>(r.code.size());
        QTreeWidgetItem* parent = nullptr;
        if (level > lastLevel) {
            parent = last;
        } else {
            while (level < lastLevel && last->parent()) {
                last = last->parent();
                lastLevel = last->data(0, Qt::UserRole).value<TreeNodeData>().level;
            }
            parent = last->parent() ? last->parent() : root;
            if (last == root)
                parent = root;
        }
        auto* node = new QTreeWidgetItem(parent, QStringList{r.name});
        node->setData(0, Qt::UserRole, QVariant::fromValue(TreeNodeData{level, r.code, r.name, r.likeCode}));
        if (parent == root)
            node->setExpanded(true);
        last = node;
        lastLevel = level;
    }
    root->setExpanded(true);
    tree->setCurrentItem(root);
}

QString TdmData::CodeTreePath(QTreeWidgetItem* node, int mode)
{
    QTreeWidgetItem* current = mode == 1 ? node : (node ? node->parent() : nullptr);
    if (!current || !current->parent())
        return {};
    QString path = QLatin1Char('\\') + current->text(0);
    while (current->parent() && current->parent()->parent()) {
        current = current->parent();
        path.prepend(QLatin1Char('\\') + current->text(0));
    }
    return QLatin1Char('\\') + path;
}

#include "admin/classpicker.h"

#include "admin/TFrmTreeCodeMan.h"
#include "app/commands.h"

QString PickClass(QWidget* parent, const QString& kind, const QString& current)
{
    TFrmTreeCodeMan dlg(kind.isEmpty() ? QStringLiteral("memtype") : kind, true, parent);
    dlg.selectPath(current);
    if (commands::execDialog(dlg) != QDialog::Accepted)
        return {};
    return dlg.chosenPath();
}

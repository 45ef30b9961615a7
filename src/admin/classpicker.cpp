#include "admin/classpicker.h"

#include "app/commands.h"

QString PickClass(QWidget* /*parent*/, const QString& /*kind*/, const QString& /*current*/)
{
    commands::notAvailable(QStringLiteral("会员类型"));
    return {};
}

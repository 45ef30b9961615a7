#include "app/TFrmPassword.h"

#include "core/dmdata.h"
#include "core/support.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QVBoxLayout>

TFrmPassword::TFrmPassword(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmPassword"));
    setWindowTitle(QStringLiteral("更改密码"));
    auto* who = new QLabel(QStringLiteral("当前操作员：") + (dmData ? dmData->CurrentOperator : QString()) +
                               QLatin1Char(' '),
                           this);
    who->setObjectName(QStringLiteral("lblOperator"));
    auto* heading = new QLabel(QStringLiteral("更改登录密码"), this);
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);

    const auto box = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(100);
        e->installEventFilter(this);
        return e;
    };
    m_edOld = box("edOld");
    m_edNew = box("edNew");
    m_edRepeat = box("edRepeat");

    auto* ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto* cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TFrmPassword::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("旧 密 码："), this), 0, 0);
    form->addWidget(m_edOld, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("新 密 码："), this), 1, 0);
    form->addWidget(m_edNew, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("再输一遍："), this), 2, 0);
    form->addWidget(m_edRepeat, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(who);
    lay->addWidget(heading);
    lay->addLayout(form);
    lay->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 200)));
}

bool TFrmPassword::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

void TFrmPassword::confirm()
{
    QSqlQuery q(dmData->ADOcnn());
    q.prepare(QStringLiteral("Select F_ID,F_PassWord From OperList Where (F_Name = ?)"));
    q.addBindValue(dmData->CurrentOperator);
    if (!q.exec() || !q.next()) {
        accept();
        return;
    }
    const QVariant id = q.value(0);
    const QString stored = q.value(1).toString();
    q.finish();
    if (GetPass(stored) != m_edOld->text()) {
        ShowMess(QStringLiteral("旧口令输入错误，不能更改！"), mkWarning);
    } else if (m_edNew->text().trimmed() != m_edRepeat->text().trimmed()) {
        ShowMess(QStringLiteral("新口令错误，不能更改！"), mkInformation);
    } else if (dmData->ExecSql(QStringLiteral("update OperList set F_PassWord = ? where F_ID = ?"),
                               {SavePass(m_edNew->text()), id})) {
        ShowMess(QStringLiteral("更改口令成功！"), mkInformation);
    }
    accept();
}

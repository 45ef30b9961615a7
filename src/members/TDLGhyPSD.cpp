#include "members/TDLGhyPSD.h"

#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "members/cardpassword.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLGhyPSD::TDLGhyPSD(int mode, const QString& cardNo, const QString& name, const QString& cardPassword, bool loss,
                     QWidget* parent)
    : QDialog(parent), m_cardPassword(cardPassword)
{
    setObjectName(loss ? QStringLiteral("DLGhyPSD1") : QStringLiteral("DLGhyPSD"));
    setWindowTitle(loss ? QStringLiteral("会员挂失") : QStringLiteral("会员口令"));
    auto* lay = new QVBoxLayout(this);
    if (!loss) {
        m_lblHeading = new QLabel(mode == 2 ? QStringLiteral("请输入计次卡密码") : QStringLiteral("请输入储值卡密码"),
                                  this);
        m_lblHeading->setObjectName(QStringLiteral("lblHeading"));
        QFont f = m_lblHeading->font();
        f.setBold(true);
        m_lblHeading->setFont(f);
        lay->addWidget(m_lblHeading);
    }
    auto* form = new QGridLayout;
    auto* lblCard = new QLabel(cardNo, this);
    lblCard->setObjectName(QStringLiteral("lblCardNo"));
    auto* lblName = new QLabel(name, this);
    lblName->setObjectName(QStringLiteral("lblName"));
    m_edPass = new QLineEdit(this);
    m_edPass->setObjectName(QStringLiteral("edtPassword"));
    m_edPass->setEchoMode(QLineEdit::Password);
    m_edPass->setMaxLength(50);
    form->addWidget(new QLabel(QStringLiteral("会员卡号："), this), 0, 0);
    form->addWidget(lblCard, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("姓    名："), this), 1, 0);
    form->addWidget(lblName, 1, 1);
    form->addWidget(new QLabel(loss ? QStringLiteral("会员卡密码：") : QStringLiteral("会员密码："), this), 2, 0);
    form->addWidget(m_edPass, 2, 1);
    lay->addLayout(form);
    if (!loss) {
        auto* hint = new QLabel(QStringLiteral("用admin登录时，在些输入admin用户密码也可以进入"), this);
        hint->setObjectName(QStringLiteral("lblHint"));
        hint->setWordWrap(true);
        lay->addWidget(hint);
    }
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    lay->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TDLGhyPSD::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

QString TDLGhyPSD::heading() const
{
    return m_lblHeading ? m_lblHeading->text() : QString();
}

void TDLGhyPSD::confirm()
{
    const QString adminStored =
        dmData->QueryText(QStringLiteral("select f_PassWord from OperList Where (F_Name = 'admin')or(F_Name = 'Admin') "));
    if (cardPasswordAccepted(m_edPass->text(), m_cardPassword, dmData->CurrentOperator, GetPass(adminStored))) {
        accept();
        return;
    }
    ShowMess(QStringLiteral("会员卡密码错误，请重新输入！"), mkWarning);
    m_edPass->setFocus();
    m_edPass->selectAll();
}

namespace {
bool runPrompt(int mode, bool loss, QWidget* parent)
{
    TDataSet* set = FrmMain ? FrmMain->memberSet() : nullptr;
    if (!set || set->currentRow() < 0)
        return false;
    // The card password as stored now, not as the list read it earlier.
    const QVariant id = set->field(QStringLiteral("F_ID"));
    QString password = set->field(QStringLiteral("F_PSword")).toString();
    if (dmData && id.isValid())
        password = dmData->QueryText(QStringLiteral("select F_PSword from t_member where F_ID = ?"), {id});
    TDLGhyPSD dlg(mode, set->field(QStringLiteral("F_hycode")).toString(), set->field(QStringLiteral("F_name")).toString(),
                  password, loss, parent);
    return commands::execDialog(dlg) == QDialog::Accepted;
}
} // namespace

bool TDLGhyPSD::Execute(int mode, QWidget* parent)
{
    return runPrompt(mode, false, parent);
}

bool TDLGhyPSD1::Execute(int mode, QWidget* parent)
{
    return runPrompt(mode, true, parent);
}

#include "app/TFrmLogin.h"

#include "app/TFrmMain.h"
#include "core/config.h"
#include "core/dmdata.h"
#include "core/support.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Longest name and password the operator table holds.
constexpr int kMaxName = 50;
constexpr int kMaxPassword = 100;
} // namespace

std::function<void()>& TFrmLogin::endProgram()
{
    // Start-up returns from ShowLogin with false and the program ends there.
    static std::function<void()> f;
    return f;
}

std::function<int(TFrmLogin&)>& loginExecHook()
{
    static std::function<int(TFrmLogin&)> h;
    return h;
}

TFrmLogin::TFrmLogin(int mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_mode(mode)
{
    setObjectName(QStringLiteral("FrmLogin"));
    setWindowTitle(QStringLiteral("登录窗口"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogin"));
    picture->setFixedSize(96, 96);
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background:#1f4e79;color:white;font-size:28px;font-weight:bold;"));
    picture->setText(QStringLiteral("会员"));

    auto* note = new QLabel(
        QStringLiteral("请输入正确的操作员编号及密码，系统超级用户“admin”，系统初始密码为空："), this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);

    m_cbName = new QComboBox(this);
    m_cbName->setObjectName(QStringLiteral("cbName"));
    m_cbName->setEditable(true);
    m_cbName->setInsertPolicy(QComboBox::NoInsert);
    m_cbName->lineEdit()->setMaxLength(kMaxName);
    m_edPass = new QLineEdit(this);
    m_edPass->setObjectName(QStringLiteral("edPass"));
    m_edPass->setEchoMode(QLineEdit::Password);
    m_edPass->setMaxLength(kMaxPassword);

    m_btnOk = new QPushButton(QStringLiteral("确定"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel = new QPushButton(QStringLiteral("取消"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnOk->setAutoDefault(false);
    m_btnCancel->setAutoDefault(false);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("姓  名："), this), 0, 0);
    form->addWidget(m_cbName, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("密  码："), this), 1, 0);
    form->addWidget(m_edPass, 1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(note);
    right->addLayout(form);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(top);
    lay->addLayout(buttons);
    setFixedSize(460, 190);

    connect(m_btnOk, &QPushButton::clicked, this, &TFrmLogin::confirm);
    connect(m_btnCancel, &QPushButton::clicked, this, &TFrmLogin::cancelLogin);
    m_cbName->installEventFilter(this);
    m_cbName->lineEdit()->installEventFilter(this);
    m_edPass->installEventFilter(this);

    // On opening.
    if (dmData) {
        dmData->FillComboFromQuery(QStringLiteral("select F_name from OperList where F_name <> '' order by F_ID"),
                                   m_cbName);
    }
    m_cbName->setEditText(appenv::config().readString(QStringLiteral("Config"), QStringLiteral("CurOperName")));
    m_cbName->setFocus();
}

bool TFrmLogin::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            if (obj == m_edPass)
                m_btnOk->setFocus();
            else
                m_edPass->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

void TFrmLogin::keyPressEvent(QKeyEvent* e)
{
    // Escape and Alt+F4 do not close the window: only the two buttons do.
    if (e->key() == Qt::Key_Escape || (e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier))) {
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && focusWidget() == m_btnOk) {
        confirm();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && focusWidget() == m_btnCancel) {
        cancelLogin();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFrmLogin::closeEvent(QCloseEvent* e)
{
    if (m_allowClose)
        e->accept();
    else
        e->ignore();
}

void TFrmLogin::confirm()
{
    const QString name = m_cbName->currentText().trimmed();
    if (name.isEmpty()) {
        ShowMess(QStringLiteral("请选择用户！"), mkInformation);
        m_cbName->setFocus();
        return;
    }
    if (dmData->QueryInt(QStringLiteral("select F_ID from OperList where (F_name = ?)and(F_flag = ") +
                             dmData->dialect().falseLiteral() + QStringLiteral(") "),
                         {name}) <= 0) {
        ShowMess(QStringLiteral("此操作员并不存在，请重新选择操作员！"), mkInformation);
        m_cbName->setFocus();
        return;
    }
    const QString stored = dmData->QueryText(QStringLiteral("select f_PassWord from OperList Where F_Name = ? "), {name});
    if (GetPass(stored) == m_edPass->text()) {
        succeed(name);
        return;
    }
    ++m_failures;
    if (m_failures < 4) {
        ShowMess(QStringLiteral("用户名或密码不正确，请重新输入！"), mkInformation);
        return;
    }
    if (m_mode == StartUp) {
        dmData->WriteLog(QStringLiteral("登录失败！"));
        ShowMess(QStringLiteral("非法操作员!"), mkError);
        endStartUp();
    } else {
        dmData->WriteLog(QStringLiteral("更换操作员失败！"));
        ShowMess(QStringLiteral("更换操作员失败!"), mkError);
        m_allowClose = true;
        reject();
    }
}

void TFrmLogin::cancelLogin()
{
    if (m_mode == StartUp) {
        endStartUp();
        return;
    }
    m_allowClose = true;
    reject();
}

void TFrmLogin::endStartUp()
{
    m_programEnded = true;
    m_allowClose = true;
    reject();
    if (endProgram())
        endProgram()();
}

void TFrmLogin::succeed(const QString& name)
{
    dmData->CurrentOperator = name;
    appenv::config().writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"), name);
    if (FrmMain)
        FrmMain->ApplyRights(m_cbName->currentText());
    dmData->WriteLog(QStringLiteral("操作员登录成功！"));
    if (FrmMain)
        FrmMain->setOperatorPanel(name);
    m_allowClose = true;
    accept();
}

bool ShowLogin(int mode, QWidget* parent)
{
    TFrmLogin dlg(mode, parent);
    const int result = loginExecHook() ? loginExecHook()(dlg) : dlg.exec();
    return result == QDialog::Accepted;
}

#include "app/TFrmCompany.h"

#include "core/calc.h"
#include "core/database.h"
#include "core/dmdata.h"
#include "core/support.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
struct Field
{
    const char* column;
    const char* label;
    const char* object;
};
const Field kMainFields[] = {
    {"F_Code", "公司名称：", "edtCompany"},  {"F_Name", "联系地址：", "edtAddress"},
    {"F_Manager", "负 责 人：", "edtManager"}, {"F_Phone", "联系电话：", "edtPhone"},
    {"F_HandPhone", "手    机：", "edtHandPhone"}, {"F_Homepage", "主    页：", "edtHomepage"},
    {"F_Email", "电子邮箱：", "edtEmail"},
};
} // namespace

std::function<bool(const QString&)>& TFrmCompany::urlOpener()
{
    static std::function<bool(const QString&)> f = [](const QString& url) {
        return QDesktopServices::openUrl(QUrl(url));
    };
    return f;
}

TFrmCompany::TFrmCompany(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCompany"));
    setWindowTitle(QStringLiteral("公司信息"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcCompany"));
    auto* main = new QWidget(tabs);
    auto* mainForm = new QFormLayout(main);
    for (const Field& f : kMainFields) {
        auto* e = new QLineEdit(main);
        e->setObjectName(QLatin1String(f.object));
        e->installEventFilter(this);
        mainForm->addRow(QString::fromUtf8(f.label), e);
        m_boxes.insert(QLatin1String(f.column).toString().toLower(), e);
    }
    tabs->addTab(main, QStringLiteral(" 主要资料 "));
    auto* other = new QWidget(tabs);
    auto* otherForm = new QFormLayout(other);
    auto* enroler = new QLineEdit(other);
    enroler->setObjectName(QStringLiteral("edtEnroler"));
    enroler->installEventFilter(this);
    m_boxes.insert(QStringLiteral("f_enroler"), enroler);
    otherForm->addRow(QStringLiteral("注册法人："), enroler);
    m_edtMem = new QPlainTextEdit(other);
    m_edtMem->setObjectName(QStringLiteral("edtMem"));
    otherForm->addRow(QStringLiteral("公司简介："), m_edtMem);
    tabs->addTab(other, QStringLiteral(" 其他资料 "));

    auto* btnClear = new QPushButton(QStringLiteral("重填"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    auto* btnEdit = new QPushButton(QStringLiteral("修改"), this);
    btnEdit->setObjectName(QStringLiteral("btnEdit"));
    auto* btnSave = new QPushButton(QStringLiteral("保存"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    auto* btnClose = new QPushButton(QStringLiteral("关闭"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton* b : {btnClear, btnEdit, btnSave, btnClose})
        b->setAutoDefault(false);
    connect(btnClear, &QPushButton::clicked, this, &TFrmCompany::clear);
    connect(btnEdit, &QPushButton::clicked, this, &TFrmCompany::load);
    connect(btnSave, &QPushButton::clicked, this, &TFrmCompany::save);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnClear, btnEdit, btnSave, btnClose})
        buttons->addWidget(b);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(tabs);
    lay->addLayout(buttons);
    setFixedSize(460, 380);

    // Widths of the columns, so that an entry too long is refused up front.
    if (dmData && dmData->connected())
        for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
            const int w = database::columnWidth(dmData->ADOcnn(), QStringLiteral("SysInfo"), it.key());
            if (w > 0)
                it.value()->setProperty("columnWidth", w);
        }
    load();
}

void TFrmCompany::load()
{
    if (!dmData || !dmData->connected())
        return;
    QSqlQuery q(dmData->ADOcnn());
    if (!q.exec(QStringLiteral("Select * from SysInfo")) || !q.next())
        return;
    const QSqlRecord rec = q.record();
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        for (int i = 0; i < rec.count(); ++i)
            if (rec.fieldName(i).toLower() == it.key())
                it.value()->setText(q.value(i).toString());
    m_edtMem->setPlainText(q.value(rec.indexOf(QStringLiteral("F_Mem"))).toString());
}

void TFrmCompany::clear()
{
    for (QLineEdit* e : std::as_const(m_boxes))
        e->clear();
    m_edtMem->clear();
}

bool TFrmCompany::save()
{
    const auto text = [this](const char* column) { return box(QLatin1String(column))->text().trimmed(); };
    // An entry longer than its column is refused and the window keeps it.
    for (const Field& f : kMainFields) {
        QLineEdit* e = box(QLatin1String(f.column));
        const int width = e->property("columnWidth").toInt();
        if (width > 0 && e->text().trimmed().size() > width) {
            QString label = QString::fromUtf8(f.label);
            label.chop(1);
            ShowMess(label.remove(QLatin1Char(' ')) + QStringLiteral("最多只能输入") + QString::number(width) +
                         QStringLiteral("个字符，请修改后再保存！"),
                     mkInformation);
            e->setFocus();
            return false;
        }
    }
    QLineEdit* enroler = box(QStringLiteral("F_Enroler"));
    const int ew = enroler->property("columnWidth").toInt();
    if (ew > 0 && enroler->text().trimmed().size() > ew) {
        ShowMess(QStringLiteral("注册法人最多只能输入") + QString::number(ew) + QStringLiteral("个字符，请修改后再保存！"),
                 mkInformation);
        enroler->setFocus();
        return false;
    }
    const QString mem = m_edtMem->toPlainText().trimmed();
    if (mem.size() > 255) {
        ShowMess(QStringLiteral("公司简介最多只能输入255个字符，请修改后再保存！"), mkInformation);
        m_edtMem->setFocus();
        return false;
    }
    if (!dmData->ExecSql(QStringLiteral("Update SysInfo Set F_Code = ?,F_Name = ?,F_Manager = ?,F_Phone = ?,"
                                        "F_HandPhone = ?,F_HomePage = ?,F_Email = ?,F_Enroler = ?,F_Mem = ? "),
                         {text("F_Code"), text("F_Name"), text("F_Manager"), text("F_Phone"), text("F_HandPhone"),
                          text("F_Homepage"), text("F_Email"), text("F_Enroler"), mem}))
        return false;
    ShowMess(QStringLiteral("当前更改成功！"), mkInformation);
    return true;
}

void TFrmCompany::openHomePage()
{
    const QString t = box(QStringLiteral("F_Homepage"))->text();
    if (t.trimmed().isEmpty())
        return;
    QString url = calc::homePageUrl(t.trimmed());
    // The desktop wants a regular address.
    url.replace(QStringLiteral("http:\\\\"), QStringLiteral("http://"));
    urlOpener()(url);
}

void TFrmCompany::openEmail()
{
    const QString address = box(QStringLiteral("F_Email"))->text().trimmed();
    if (!calc::isValidEmail(address))
        return;
    urlOpener()(QStringLiteral("mailto:") + address + QStringLiteral("?subject"));
}

bool TFrmCompany::eventFilter(QObject* obj, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (obj == box(QStringLiteral("F_Homepage")))
            openHomePage();
        else if (obj == box(QStringLiteral("F_Email")))
            openEmail();
    } else if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(obj, e);
}

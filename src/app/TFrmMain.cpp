#include "app/TFrmMain.h"

#include "core/calc.h"
#include "core/config.h"
#include "core/dmdata.h"
#include "core/product.h"
#include "core/support.h"
#include "core/ui_support.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

TFrmMain* FrmMain = nullptr;

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    if (!FrmMain)
        FrmMain = this;
    buildUi();
}

void TFrmMain::buildUi()
{
    auto* mFile = menuBar()->addMenu(QStringLiteral("文件"));
    mFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = mFile->addAction(QStringLiteral("退出系统"));
    exit->setObjectName(QStringLiteral("actExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    auto* mData = menuBar()->addMenu(QStringLiteral("数据"));
    mData->setObjectName(QStringLiteral("mnuData"));
    QAction* net = mData->addAction(QStringLiteral("连接网络数据库"));
    net->setObjectName(QStringLiteral("act505"));
    connect(net, &QAction::triggered, this, &TFrmMain::connectNetworkDatabase);
    m_actClearImport = mData->addAction(QStringLiteral("清空导入空行"));
    m_actClearImport->setObjectName(QStringLiteral("actClearImport"));

    auto* central = new QWidget(this);
    auto* lay = new QVBoxLayout(central);
    m_chkDetail = new QCheckBox(QStringLiteral("商品明细"), central);
    m_chkDetail->setObjectName(QStringLiteral("chkDetail"));
    m_chkDetail->setToolTip(QStringLiteral("展开显示消费明细(兑换商品明细)"));
    m_chkDetail->setChecked(true);
    lay->addWidget(m_chkDetail);
    lay->addStretch();
    setCentralWidget(central);

    const QStringList texts{QStringLiteral(" 当前用户"), QString(), QStringLiteral(" 当前日期时间"), QString(),
                            product::name()};
    for (int i = 0; i < texts.size(); ++i) {
        auto* l = new QLabel(texts.at(i), this);
        l->setObjectName(QStringLiteral("stPanel%1").arg(i + 1));
        if (i == texts.size() - 1) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar()->addPermanentWidget(l, 1);
        } else {
            statusBar()->addWidget(l);
        }
        m_panels << l;
    }
    resize(1024, 700);
}

QLabel* TFrmMain::statusPanel(int index) const
{
    return m_panels.value(index - 1);
}

QString TFrmMain::clockText(const QDateTime& now)
{
    return QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void TFrmMain::updateClock()
{
    if (QLabel* l = statusPanel(4))
        l->setText(clockText(QDateTime::currentDateTime()));
}

void TFrmMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_firstShowDone)
        firstShow();
}

void TFrmMain::firstShow()
{
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    // Dates are written and compared as yyyy-MM-dd throughout the program.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setWindowTitle(product::name() + product::version());
    updateClock();
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &TFrmMain::updateClock);
    m_clock->start();

    IniConfig& cfg = appenv::config();
    if (dmData && calc::backupDue(cfg.readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0),
                                  QDate::currentDate()))
        dmData->AutoBackup();

    m_chkDetail->setChecked(cfg.readBool(QStringLiteral("set"), QStringLiteral("detailflag"), true));

    const QString oper = dmData ? dmData->CurrentOperator : QString();
    m_actClearImport->setVisible(oper.toLower() == QLatin1String("admin"));
}

void TFrmMain::connectNetworkDatabase()
{
    const QString chosen = TdmData::chooseDatabaseFile(appenv::programDir());
    if (chosen.isEmpty())
        return;
    appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"),
                                 QFileInfo(chosen).absolutePath() + QLatin1Char('/'));
}

void TFrmMain::closeEvent(QCloseEvent* e)
{
    const QString question = QStringLiteral("真的要退出“") + product::name() + QStringLiteral("”软件吗？");
    if (ShowMess(question, mkQuestion) != maYes) {
        e->ignore();
        return;
    }
    appenv::config().writeBool(QStringLiteral("set"), QStringLiteral("detailflag"), m_chkDetail->isChecked());
    if (m_clock)
        m_clock->stop();
    e->accept();
}

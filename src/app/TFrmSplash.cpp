#include "app/TFrmSplash.h"

#include "core/product.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TFrmSplash::TFrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmSplash"));
    setFixedSize(480, 280);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* title = new QLabel(product::name().trimmed(), this);
    QFont f = title->font();
    f.setPointSize(20);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(product::version(), this);
    version->setAlignment(Qt::AlignCenter);
    m_line = new QLabel(QStringLiteral("系统正在启动，请稍候 ....."), this);
    m_line->setObjectName(QStringLiteral("lblLine"));
    m_line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* lay = new QVBoxLayout(this);
    lay->addStretch(2);
    lay->addWidget(title);
    lay->addWidget(version);
    lay->addStretch(3);
    lay->addWidget(m_line);

    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TFrmSplash::setLine(const QString& text)
{
    m_line->setText(text);
    m_line->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TFrmSplash::line() const
{
    return m_line->text();
}

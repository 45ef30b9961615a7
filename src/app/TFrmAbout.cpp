#include "app/TFrmAbout.h"

#include "core/product.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("关于我们"));
    auto* picture = new QLabel(QStringLiteral("会员"), this);
    picture->setObjectName(QStringLiteral("imgAbout"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedHeight(80);
    picture->setStyleSheet(QStringLiteral("background:#1f4e79;color:white;font-size:32px;font-weight:bold;"));
    auto* product = new QLabel(productLine(), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    product->setAlignment(Qt::AlignCenter);
    QFont f = product->font();
    f.setBold(true);
    product->setFont(f);
    auto* slogan = new QLabel(QStringLiteral("用心服务每一位会员，让每一次光临都有回报。"), this);
    slogan->setObjectName(QStringLiteral("lblSlogan"));
    slogan->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(picture);
    lay->addWidget(product);
    lay->addWidget(slogan);
    lay->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(380, 220);
}

QString TFrmAbout::productLine() const
{
    return product::name() + product::version();
}

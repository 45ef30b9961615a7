#include "core/ui_support.h"

#include "core/dmdata.h"
#include "core/product.h"
#include "core/support.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

void DispFormPos(QWidget* window, int mode)
{
    if (!window)
        return;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize size;
    switch (mode) {
    case 0:
        size = QSize(790, 580);
        break;
    case 1:
        size = QSize(1016, 711);
        break;
    default:
        size = window->size().expandedTo(QSize(800, 600));
        break;
    }
    size = size.boundedTo(area.size());
    if (mode == 0 || mode == 1)
        window->setFixedSize(size);
    else
        window->resize(size);
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

namespace filedialogs {
namespace {
Handler& handler()
{
    static Handler h;
    return h;
}
} // namespace

Handler setHandler(Handler h)
{
    Handler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

QString getOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter)
{
    if (handler())
        return handler()(title, dir, filter, false);
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString getSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter)
{
    if (handler())
        return handler()(title, dir, filter, true);
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}
} // namespace filedialogs

void installInteractiveHandlers()
{
    setShowMessHandler([](const QString& text, int kind) {
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        const QString title = product::name().trimmed();
        switch (kind) {
        case mkQuestion: {
            QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
            box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? maYes : maNo;
        }
        case mkWarning:
            QMessageBox::warning(parent, title, text);
            return maYes;
        case mkError:
            QMessageBox::critical(parent, title, text);
            return maYes;
        default:
            QMessageBox::information(parent, title, text);
            return maYes;
        }
    });
    TdmData::setChooseDatabaseHandler([](const QString& title, const QString& dir) {
        return filedialogs::getOpenFileName(nullptr, title, dir, QStringLiteral("Access数据库 (*.MDB *.mdb)"));
    });
}

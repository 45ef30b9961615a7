#include "members/dialogkeys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

class EnterAsTab : public QObject
{
public:
    explicit EnterAsTab(QDialog* dialog) : QObject(dialog), m_dialog(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (qobject_cast<QPlainTextEdit*>(watched) || qobject_cast<QTextEdit*>(watched) ||
            qobject_cast<QAbstractButton*>(watched) || qobject_cast<QAbstractItemView*>(watched))
            return false;
        if (watched->property("enterHandled").toBool())
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(m_dialog, &tab);
        return true;
    }

private:
    QDialog* m_dialog;
};

} // namespace

void installEnterAsTab(QDialog* dialog)
{
    auto* filter = new EnterAsTab(dialog);
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(filter);
}

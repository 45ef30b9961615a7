#include "members/TMoneyEdit.h"

#include "core/calc.h"
#include "core/grid/displayformat.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <cmath>

namespace {

// Longest whole part the box takes; money columns hold far less.
constexpr int maxWholeDigits = 13;

class MoneyValidator : public QValidator
{
public:
    explicit MoneyValidator(TMoneyEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int& /*pos*/) const override
    {
        // The formatted text placed in the box while it is not edited.
        if (!m_edit->isEditing() && input == m_edit->displayText(m_edit->value()))
            return Acceptable;
        return m_edit->acceptsText(input) ? Acceptable : Invalid;
    }

private:
    TMoneyEdit* m_edit;
};

} // namespace

TMoneyEdit::TMoneyEdit(QWidget* parent, int decimals) : QLineEdit(parent), m_decimals(std::max(0, decimals))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_validator = new MoneyValidator(this);
    setValidator(m_validator);
    connect(this, &QLineEdit::textEdited, this, &TMoneyEdit::onTextEdited);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (m_editing) {
            const double v = applyRange(value());
            if (v != m_value) {
                m_value = v;
                emit valueChanged(m_value);
            }
            setText(plainText(m_value));
        }
    });
    showValue();
}

bool TMoneyEdit::acceptsText(const QString& text) const
{
    int i = 0;
    const int n = int(text.size());
    if (i < n && text.at(i) == QLatin1Char('-')) {
        if (!m_allowNegative)
            return false;
        ++i;
    }
    int whole = 0;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++whole;
        ++i;
    }
    if (whole > maxWholeDigits)
        return false;
    if (i == n)
        return true;
    if (text.at(i) != QLatin1Char('.') || m_decimals == 0)
        return false;
    ++i;
    int fraction = 0;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++fraction;
        ++i;
    }
    return i == n && fraction <= m_decimals;
}

double TMoneyEdit::value() const
{
    if (!m_editing)
        return m_value;
    QString t = text();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String(".") || t == QLatin1String("-."))
        return 0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? calc::roundTo(v, m_decimals) : m_value;
}

void TMoneyEdit::setValue(double value)
{
    double v = calc::roundTo(std::isfinite(value) ? value : 0.0, m_decimals);
    if (!m_allowNegative && v < 0)
        v = 0;
    v = applyRange(v);
    const bool changed = v != m_value;
    m_value = v;
    if (m_editing)
        setText(plainText(m_value));
    else
        showValue();
    if (changed)
        emit valueChanged(m_value);
}

void TMoneyEdit::setDecimals(int decimals)
{
    m_decimals = std::max(0, decimals);
    setValue(m_value);
}

void TMoneyEdit::setAllowNegative(bool allow)
{
    m_allowNegative = allow;
    setValue(m_value);
}

void TMoneyEdit::setDisplayFormat(const QString& format)
{
    m_displayFormat = format;
    if (!m_editing)
        showValue();
}

void TMoneyEdit::setRange(double minimum, double maximum)
{
    m_hasRange = true;
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void TMoneyEdit::clearRange()
{
    m_hasRange = false;
}

QString TMoneyEdit::displayText(double value) const
{
    if (m_displayFormat.isEmpty())
        return plainText(value);
    return displayformat::formatNumber(value, m_displayFormat);
}

QString TMoneyEdit::plainText(double value) const
{
    QString t = QString::number(calc::roundTo(value, m_decimals), 'f', m_decimals);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t;
}

double TMoneyEdit::applyRange(double value) const
{
    if (!m_hasRange)
        return value;
    return std::clamp(value, m_minimum, m_maximum);
}

void TMoneyEdit::showValue()
{
    setText(displayText(m_value));
    setCursorPosition(0);
}

void TMoneyEdit::beginEdit()
{
    if (m_editing || isReadOnly())
        return;
    m_editing = true;
    setText(plainText(m_value));
}

void TMoneyEdit::endEdit()
{
    if (!m_editing)
        return;
    const double v = applyRange(value());
    m_editing = false;
    const bool changed = v != m_value;
    m_value = v;
    showValue();
    if (changed)
        emit valueChanged(m_value);
}

void TMoneyEdit::onTextEdited(const QString& /*text*/)
{
    if (!m_editing)
        return;
    // While typing the value follows the text; the range is applied at the end.
    const double v = value();
    if (v != m_value) {
        m_value = v;
        emit valueChanged(m_value);
    }
}

void TMoneyEdit::focusInEvent(QFocusEvent* event)
{
    beginEdit();
    QLineEdit::focusInEvent(event);
    if (m_editing && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TMoneyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        endEdit();
}

void TMoneyEdit::keyPressEvent(QKeyEvent* event)
{
    // Typing into a box that has not taken the focus yet still edits the number.
    if (!m_editing && !isReadOnly() && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        beginEdit();
        selectAll();
    }
    QLineEdit::keyPressEvent(event);
}

void TMoneyEdit::inputMethodEvent(QInputMethodEvent* event)
{
    beginEdit();
    QLineEdit::inputMethodEvent(event);
}

void TMoneyEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange && isReadOnly())
        endEdit();
}

#pragma once

#include <QLineEdit>

class QValidator;

// Money and calculator edit box: a number with a fixed number of decimals.
//
// While the operator edits, the box holds the plain number ("1234.5"); it
// accepts digits, one decimal point and, unless switched off, a leading minus
// sign, and no more decimal digits than `decimals()` (a further digit is
// refused while typing). When the box is not being edited it shows the value
// in its display format ("￥,0.00##;-￥,0.00##"); without a format it shows the
// plain number.
//
// value() is always the number, rounded to `decimals()` places (halves away
// from zero). A range, when set, is applied when editing ends: a value
// outside is brought to the nearer bound.
class TMoneyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TMoneyEdit(QWidget* parent = nullptr, int decimals = 4);

    double value() const;
    void setValue(double value);

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);

    bool allowNegative() const { return m_allowNegative; }
    void setAllowNegative(bool allow);

    QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString& format);

    // Values outside [minimum, maximum] are brought to the nearer bound when
    // editing ends. Without a range any value is kept.
    void setRange(double minimum, double maximum);
    void clearRange();

    // Whether the box holds the plain number for editing right now.
    bool isEditing() const { return m_editing; }

    // Whether a text is an acceptable (possibly unfinished) entry.
    bool acceptsText(const QString& text) const;

    // The text shown when the box is not edited.
    QString displayText(double value) const;

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void beginEdit();
    void endEdit();
    void showValue();
    double applyRange(double value) const;
    QString plainText(double value) const;
    void onTextEdited(const QString& text);

    double m_value = 0;
    int m_decimals = 4;
    bool m_allowNegative = true;
    bool m_editing = false;
    bool m_hasRange = false;
    double m_minimum = 0;
    double m_maximum = 0;
    QString m_displayFormat;
    QValidator* m_validator = nullptr;
};

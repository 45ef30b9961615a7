#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date with a tick box: unticked means "no date" (stored as 1900-08-14).
class TCheckDateEdit : public QWidget
{
    Q_OBJECT
public:
    explicit TCheckDateEdit(QWidget* parent = nullptr);

    bool isChecked() const;
    void setChecked(bool checked);
    QDate date() const;
    void setDate(const QDate& date);

    // Shows a stored value: a set date ticks the box, no date shows today unticked.
    void setStoredValue(const QVariant& value);
    // The value to store: the date when ticked, else the no-date marker, as text.
    QString storedText() const;

    void copyFrom(const TCheckDateEdit& other);
    void setReadOnly(bool readOnly);

    QCheckBox* checkBox() const { return m_check; }
    QDateEdit* dateEdit() const { return m_date; }

private:
    QCheckBox* m_check;
    QDateEdit* m_date;
};

#include "members/TCheckDateEdit.h"

#include "core/dialect.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

TCheckDateEdit::TCheckDateEdit(QWidget* parent) : QWidget(parent)
{
    m_check = new QCheckBox(this);
    m_check->setObjectName(QStringLiteral("chkDate"));
    m_date = new QDateEdit(QDate::currentDate(), this);
    m_date->setObjectName(QStringLiteral("dtpDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(QDate(1900, 1, 1));
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    lay->addWidget(m_check);
    lay->addWidget(m_date, 1);
    setFocusProxy(m_date);
    // Picking a date ticks the box, as the operator would expect.
    connect(m_date, &QDateEdit::userDateChanged, this, [this] { m_check->setChecked(true); });
}

bool TCheckDateEdit::isChecked() const
{
    return m_check->isChecked();
}

void TCheckDateEdit::setChecked(bool checked)
{
    m_check->setChecked(checked);
}

QDate TCheckDateEdit::date() const
{
    return m_date->date();
}

void TCheckDateEdit::setDate(const QDate& date)
{
    const bool ticked = m_check->isChecked();
    m_date->setDate(date);
    m_check->setChecked(ticked);
}

void TCheckDateEdit::setStoredValue(const QVariant& value)
{
    const QDate d = dates::fromValue(value);
    const bool set = d.isValid() && d >= dates::noDateBound();
    setDate(set ? d : QDate::currentDate());
    setChecked(set);
}

QString TCheckDateEdit::storedText() const
{
    return dates::text(isChecked() ? date() : dates::noDate());
}

void TCheckDateEdit::copyFrom(const TCheckDateEdit& other)
{
    setDate(other.date());
    setChecked(other.isChecked());
}

void TCheckDateEdit::setReadOnly(bool readOnly)
{
    m_check->setEnabled(!readOnly);
    m_date->setReadOnly(readOnly);
}

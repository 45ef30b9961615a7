#include "core/xlsxexport.h"

#include "core/dialect.h"

#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace xlsx {

namespace {

bool isDateFormat(const QString& f)
{
    return f.contains(QLatin1String("yy"), Qt::CaseInsensitive) || f.contains(QLatin1String("dd"), Qt::CaseInsensitive);
}

QString convertNumberSection(QString s)
{
    // A comma anywhere asks for thousands separators.
    const bool thousands = s.contains(QLatin1Char(','));
    s.remove(QLatin1Char(','));
    if (!thousands)
        return s;
    // Put the grouping on the integer part: "0.00##" -> "#,##0.00##".
    const qsizetype firstDigit = s.indexOf(QRegularExpression(QStringLiteral("[0#]")));
    if (firstDigit < 0)
        return s;
    qsizetype end = firstDigit;
    while (end < s.size() && (s.at(end) == QLatin1Char('0') || s.at(end) == QLatin1Char('#')))
        ++end;
    return s.left(firstDigit) + QStringLiteral("#,##0") + s.mid(end);
}

} // namespace

QString excelFormat(const QString& displayFormat)
{
    const QString f = displayFormat.trimmed();
    if (f.isEmpty())
        return QStringLiteral("@");
    if (isDateFormat(f)) {
        QString e = f;
        e.replace(QLatin1String("nn"), QLatin1String("mm"));
        e.replace(QLatin1String("MM"), QLatin1String("mm"));
        return e;
    }
    QStringList sections = f.split(QLatin1Char(';'));
    for (QString& s : sections) {
        s = convertNumberSection(s);
        // Literal currency signs and other text are quoted for Excel.
        QString out;
        for (const QChar c : s) {
            if (c.unicode() > 127)
                out += QLatin1Char('"') + c + QLatin1Char('"');
            else
                out += c;
        }
        s = out;
    }
    return sections.join(QLatin1Char(';'));
}

bool write(const ExportTable& table, const QString& sheetName, const QString& path, QString* error)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* wb = workbook_new(file.constData());
    if (!wb) {
        if (error)
            *error = path;
        return false;
    }
    QString name = sheetName.left(31);
    name.replace(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")), QStringLiteral("_"));
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Sheet1");
    const QByteArray sheetUtf8 = name.toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheetUtf8.constData());

    QHash<QString, lxw_format*> formats;
    const auto formatFor = [&](const QString& display) {
        const QString excel = excelFormat(display);
        auto it = formats.find(excel);
        if (it != formats.end())
            return it.value();
        lxw_format* fmt = workbook_add_format(wb);
        const QByteArray code = excel.toUtf8();
        format_set_num_format(fmt, code.constData());
        formats.insert(excel, fmt);
        return fmt;
    };

    for (int c = 0; c < table.titles.size(); ++c) {
        const QByteArray t = table.titles.at(c).toUtf8();
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), t.constData(), nullptr);
    }
    lxw_row_t row = 1;
    for (const QVariantList& r : table.rows) {
        for (int c = 0; c < table.titles.size(); ++c) {
            const QString display = table.formats.value(c);
            lxw_format* fmt = formatFor(display);
            const QVariant v = r.value(c);
            const auto col = static_cast<lxw_col_t>(c);
            if (v.isNull() || !v.isValid()) {
                worksheet_write_blank(ws, row, col, fmt);
                continue;
            }
            QString text = v.toString();
            if (text.startsWith(QLatin1String("1900-08-14"))) {
                worksheet_write_blank(ws, row, col, fmt);
                continue;
            }
            if (!display.trimmed().isEmpty() && isDateFormat(display)) {
                const QDate d = dates::fromValue(v);
                if (d.isValid()) {
                    lxw_datetime dt{};
                    dt.year = d.year();
                    dt.month = d.month();
                    dt.day = d.day();
                    const QString s = v.toString();
                    if (s.size() >= 19) {
                        const QTime t = QTime::fromString(s.mid(11, 8), QStringLiteral("hh:mm:ss"));
                        if (t.isValid()) {
                            dt.hour = t.hour();
                            dt.min = t.minute();
                            dt.sec = t.second();
                        }
                    }
                    worksheet_write_datetime(ws, row, col, &dt, fmt);
                    continue;
                }
            }
            if (!display.trimmed().isEmpty()) {
                bool ok = false;
                const double n = text.toDouble(&ok);
                if (ok) {
                    worksheet_write_number(ws, row, col, n, fmt);
                    continue;
                }
            }
            const QByteArray s = text.toUtf8();
            worksheet_write_string(ws, row, col, s.constData(), fmt);
        }
        ++row;
    }
    const lxw_error rc = workbook_close(wb);
    if (rc != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(rc));
        return false;
    }
    return true;
}

QString writeTemporary(const ExportTable& table, const QString& sheetName, QString* error)
{
    QString base = sheetName;
    base.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]")), QStringLiteral("_"));
    if (base.isEmpty())
        base = QStringLiteral("export");
    const QString dir = QDir::tempPath();
    const QString path = dir + QLatin1Char('/') + base + QLatin1Char('_') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmsszzz")) +
                         QStringLiteral(".xlsx");
    if (!write(table, sheetName, path, error))
        return {};
    return path;
}

} // namespace xlsx

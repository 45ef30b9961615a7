#pragma once

#include "report/reportengine.h"

#include <QImage>
#include <QString>
#include <QStringList>

class QPrinter;

// Output of a prepared report: printer, PDF, pictures and text formats.
namespace report {

// A page as a picture with a white background.
QImage renderPageImage(const TPreparedReport& report, int page, double dpi);

// Prints pages fromPage..toPage (1-based; 0 for all) on the printer.
bool printReport(const TPreparedReport& report, QPrinter& printer, int fromPage = 0, int toPage = 0);

bool exportPdf(const TPreparedReport& report, const QString& path, QString* error = nullptr);
// One file per page: "list.png" gives list_1.png, list_2.png, ...; the format
// follows the file's extension (png, jpg, jpeg, bmp). Returns the files written.
QStringList exportImages(const TPreparedReport& report, const QString& path, double dpi = 150.0,
                         QString* error = nullptr);
bool exportHtml(const TPreparedReport& report, const QString& path, QString* error = nullptr);
// Texts of each page in rows, columns padded to their position.
bool exportText(const TPreparedReport& report, const QString& path, QString* error = nullptr);
// One line per row of texts, fields separated by ';'.
bool exportCsv(const TPreparedReport& report, const QString& path, QString* error = nullptr);

// The rows of a page: texts with (nearly) the same top, left to right.
QVector<QStringList> pageRows(const TPreparedReport& report, int page);

} // namespace report

#pragma once

#include "core/dmdata.h"

#include <QString>

namespace xlsx {

// Excel number format of a display format of the grids ("￥,0.00##;-￥,0.00##",
// ",0.##", "yyyy-MM-dd", ...); "@" (text) for an empty one.
QString excelFormat(const QString& displayFormat);

// Writes the table as a workbook with one sheet. Row 1 holds the titles;
// cells reading 1900-08-14 are left empty.
bool write(const ExportTable& table, const QString& sheetName, const QString& path, QString* error = nullptr);

// Writes into a new file in the temporary folder and returns its path
// (empty on failure).
QString writeTemporary(const ExportTable& table, const QString& sheetName, QString* error = nullptr);

} // namespace xlsx

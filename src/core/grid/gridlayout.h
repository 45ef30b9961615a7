#pragma once

#include <QString>

class TDBGrid;

// Stored grid layouts (table cfg_Grid, one row per column of a grid key).

// Replaces the grid's columns by the stored layout of the key. Without
// stored rows the grid keeps its columns. Rows with an empty field name are
// ignored, and so are rows naming a field that the open result lacks unless
// the grid already has a column for it (such a column shows empty cells).
// A failure is reported and leaves the grid as it was; returns false then.
bool LoadGridLayout(TDBGrid* grid, const QString& key);

// Writes every column of the grid (title, width, read-only, visible, order,
// alignment, display format, footer value and type) into the stored row of
// the key and the column's field. Rows are only updated: a column without a
// row, or a key without rows, saves nothing. Each failing column is reported;
// the others are saved. True when every statement ran.
bool SaveGridLayout(TDBGrid* grid, const QString& key);

// Asks "真的要保存当前网格设置吗？" and saves when the answer is yes. True when saved.
bool ConfirmSaveGridLayout(TDBGrid* grid, const QString& key);

// Opens the column chooser "字段列表" and applies the ticked columns as the
// visible ones. True when applied ("确定"), false when cancelled.
bool ChooseGridColumns(TDBGrid* grid);

#pragma once

#include <QString>
#include <QVector>

// One column of a data grid as designed in code or stored in cfg_Grid.
struct TGridColumn
{
    enum Alignment { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
    enum FooterType { FooterNone = 0, FooterText = 1, FooterSum = 2 };

    QString fieldName;
    QString title;            // always drawn centred
    int width = 80;           // pixels
    bool visible = true;
    bool readOnly = false;    // editable only when the grid is editable too
    int alignment = AlignLeft;
    QString displayFormat;    // cells
    QString footerFormat;     // footer
    QString footerValue;      // text of a FooterText footer
    int footerType = FooterNone;
    int footerAlignment = AlignLeft;

    // A column with the usual look for a field.
    static TGridColumn make(const QString& field, const QString& title, int width = 80, int alignment = AlignLeft,
                            const QString& format = QString(), int footerType = FooterNone,
                            const QString& footerValue = QString())
    {
        TGridColumn c;
        c.fieldName = field;
        c.title = title;
        c.width = width;
        c.alignment = alignment;
        c.footerAlignment = alignment;
        c.displayFormat = format;
        c.footerFormat = format;
        c.footerType = footerType;
        c.footerValue = footerValue;
        return c;
    }
};

// Sort directions of the sort dialog, in the order a double-click steps them.
namespace gridsort {

enum Direction { None = 0, Ascending = 1, Descending = 2 };

// "", "升序", "降序".
QString directionText(int direction);
// The direction after a double-click: none, ascending, descending, none, ...
int nextDirection(int direction);

struct Entry
{
    QString title;
    int direction = None;
};

// The in-memory sort expression of the entries from top to bottom: for each
// entry with a direction, the field of the first column with that title in
// lower case, " ASC" or " DESC", and ",". Entries whose title names no column
// are left out. Example: "f_hycode ASC,f_name DESC,".
QString expression(const QVector<TGridColumn>& columns, const QVector<Entry>& entries);

} // namespace gridsort

#pragma once

#include "report/reporttemplate.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QMap>
#include <QPointF>
#include <QVariant>
#include <QVector>
#include <functional>

class QPainter;
class TDataSet;

namespace report {

// Data sets by the names the templates use ("frxDM", "frxMain", ...).
// Names are matched without regard to letter case.
using TDataSources = QMap<QString, const TDataSet*>;

// Asked for the value of a report variable by name while the report is
// produced; an invalid value leaves the template's own value.
using TVariableSource = std::function<QVariant(const QString& name)>;

// One thing drawn on a prepared page. Lengths are millimetres on the page.
struct TRenderItem
{
    enum Kind
    {
        Text,
        Line,
        Rect,
        Image
    };
    Kind kind = Text;
    QRectF rect;
    QLineF line;              // Line
    QString text;             // Text: the whole text (search, exports)
    QStringList lines;        // Text: the lines as broken
    QVector<QPointF> linePos; // x in the box, baseline below the text's top
    double contentHeight = 0.0;
    bool clip = false;
    bool pageCountPending = false; // holds the page count, filled in when painted
    TReportFont font;              // family already resolved to an installed one
    int hAlign = AlignLeft;
    int vAlign = AlignTop;
    bool wordWrap = true;
    int frame = FrameNone;
    double frameWidth = 0.2;
    QColor frameColor = Qt::black;
    QColor fillColor;
    QImage image;
    bool keepAspect = true;
};

struct TPreparedPage
{
    QVector<TRenderItem> items;
};

// A report laid out into pages, ready to paint, print and export.
struct TPreparedReport
{
    QString title;
    TReportPage page;
    QVector<TPreparedPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // The text of an item as printed (page count filled in).
    QString itemText(const TRenderItem& item) const;
    // Texts of a page, top to bottom and left to right.
    QStringList pageTexts(int page) const;
};

// Lays the template out with the data and the variables. A template without
// bands gives one empty page.
TPreparedReport prepareReport(const TReportTemplate& t, const TDataSources& data,
                              const TVariableSource& variables);

// Paints a page. The painter's unit must be one millimetre (see
// setMillimetreScale); fonts follow the painter's device resolution.
void paintPage(QPainter& painter, const TPreparedReport& report, int page);
void paintItem(QPainter& painter, const TRenderItem& item, int pageCount = 0);
// Scales the painter so that one unit is `zoom` millimetres on its device.
void setMillimetreScale(QPainter& painter, double zoom = 1.0);

// A text object laid out at its design size with the given text (designer).
TRenderItem layoutTextItem(const TReportObject& object, const QString& text, const QRectF& rect);

// The family to draw a template font with: the named one when installed,
// otherwise an installed font that has Chinese characters.
QString resolveFontFamily(const QString& family);
// A font for drawing on a device of the given resolution with a painter in millimetres.
QFont paintFont(const TReportFont& font, double deviceDpi);

// Inner margin of text objects.
constexpr double kTextPadding = 0.5;

} // namespace report

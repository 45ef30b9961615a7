#pragma once

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

// A report template: page, bands and the objects on them. One template is
// one text file (JSON) in the folder Qr beside the program, named by the
// template name. Lengths are millimetres, font sizes points.
namespace report {

enum class BandKind
{
    ReportTitle,   // once, at the top of the first page
    PageHeader,    // top of every page
    ColumnHeader,  // above its data band, repeated on every page the data runs over
    GroupHeader,   // when the group field of its data band changes
    MasterData,    // once per row of its data set
    DetailData,    // once per row of its data set linked to the master row above
    GroupFooter,   // after the last row of a group; sums over the group
    ColumnFooter,  // after the last row of its data band; sums over all rows
    PageFooter,    // bottom of every page; sums over the page
    ReportSummary, // once, after everything else
};

enum class ObjectKind
{
    Text,         // fixed text mixed with [expressions]
    Line,         // from the top-left to the bottom-right corner of its box
    Rect,         // a frame, optionally filled
    Picture,      // a picture stored in the template
    FieldPicture, // a picture read from a data field ("[frxMain."F_empImage"]")
};

enum FrameSide
{
    FrameNone = 0,
    FrameLeft = 1,
    FrameTop = 2,
    FrameRight = 4,
    FrameBottom = 8,
    FrameAll = 15
};

enum HAlign
{
    AlignLeft = 0,
    AlignCenter = 1,
    AlignRight = 2
};
enum VAlign
{
    AlignTop = 0,
    AlignMiddle = 1,
    AlignBottom = 2
};

struct TReportFont
{
    QString family = QStringLiteral("宋体");
    double size = 9.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    bool operator==(const TReportFont&) const = default;
};

struct TReportObject
{
    QString name;
    ObjectKind kind = ObjectKind::Text;
    QRectF geometry; // relative to the band's top-left corner
    QString text;    // Text and FieldPicture
    TReportFont font;
    int hAlign = AlignLeft;
    int vAlign = AlignTop;
    bool wordWrap = true;
    bool canGrow = false;       // grows with its text and pushes the objects below it down
    bool stretchToBand = false; // follows the band's bottom when the band grows
    QString displayFormat;      // applied to the values of the expressions
    int frame = FrameNone;
    double frameWidth = 0.2;
    QColor frameColor = Qt::black;
    QColor fillColor; // invalid: not filled
    QByteArray picture;
    bool keepAspect = true;

    bool operator==(const TReportObject&) const = default;
};

struct TReportBand
{
    QString name;
    BandKind kind = BandKind::MasterData;
    double height = 8.0;
    QString dataSet;                // MasterData, DetailData
    bool currentRecordOnly = false; // MasterData: only the data set's current row
    QString masterField;            // DetailData: rows whose detailField equals
    QString detailField;            //   the master row's masterField
    QString groupField;             // GroupHeader: field or [expression] of the master data
    int columns = 1;                // MasterData: rows side by side (label sheets)
    double columnWidth = 0.0;       // 0: the printable width shared by the columns
    double columnGap = 0.0;
    bool startNewPage = false;    // begins a new page unless the page holds no data yet
    bool printOnFirstPage = true; // PageHeader
    QVector<TReportObject> objects;

    bool operator==(const TReportBand&) const = default;
};

struct TReportPage
{
    double width = 210.0; // portrait width and height
    double height = 297.0;
    bool landscape = false;
    double marginLeft = 10.0;
    double marginTop = 10.0;
    double marginRight = 10.0;
    double marginBottom = 10.0;

    // Size as printed (landscape swaps the sides).
    double pageWidth() const { return landscape ? height : width; }
    double pageHeight() const { return landscape ? width : height; }
    double printableWidth() const { return pageWidth() - marginLeft - marginRight; }

    bool operator==(const TReportPage&) const = default;
};

struct TReportVariable
{
    QString name;
    QString value; // used when the printing window gives no value

    bool operator==(const TReportVariable&) const = default;
};

struct TReportTemplate
{
    // Version written by this program; files of older versions are upgraded on reading.
    static constexpr int formatVersion = 1;

    QString title;
    TReportPage page;
    QString variableCategory;
    QVector<TReportVariable> variables;
    QVector<TReportBand> bands;

    bool isEmpty() const { return bands.isEmpty(); }
    // Replaces the variables by one category with the names, all empty.
    void declareVariables(const QString& category, const QStringList& names);
    // An object name not yet used ("Text1", "Text2", ...).
    QString uniqueObjectName(const QString& stem) const;
    TReportObject* findObject(const QString& name, int* band = nullptr);

    QByteArray toJson() const;
    // False with a reason when the text is not a readable template.
    bool fromJson(const QByteArray& data, QString* error);

    bool operator==(const TReportTemplate&) const = default;
};

QString bandKindName(BandKind kind);    // as written in the file ("masterData")
QString bandKindCaption(BandKind kind); // as shown to the operator ("主数据")
bool bandKindFromName(const QString& name, BandKind* kind);

// Template files: <program folder>/Qr/<name>.mcr
QString templateFileSuffix();
QString templatePath(const QString& name);

enum class LoadStatus
{
    Loaded,
    Missing,
    Damaged
};
// Reads a template file; Damaged comes with a reason in *error.
LoadStatus loadTemplateFile(const QString& path, TReportTemplate* out, QString* error);
bool saveTemplateFile(const TReportTemplate& t, const QString& path, QString* error);

} // namespace report

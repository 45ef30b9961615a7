#include "report/reportexport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

QPageLayout pageLayout(const TPreparedReport& r)
{
    const QPageSize size(QSizeF(r.page.width, r.page.height), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, r.page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

bool writeFile(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

// Text items of a page grouped into rows by their top edge.
QVector<QVector<const TRenderItem*>> rowsOf(const TPreparedReport& r, int page)
{
    QVector<const TRenderItem*> texts;
    for (const TRenderItem& it : r.pages[page].items)
        if (it.kind == TRenderItem::Text && !r.itemText(it).trimmed().isEmpty())
            texts << &it;
    std::stable_sort(texts.begin(), texts.end(), [](const TRenderItem* a, const TRenderItem* b) {
        return a->rect.top() < b->rect.top();
    });
    QVector<QVector<const TRenderItem*>> rows;
    double rowTop = -1e9;
    for (const TRenderItem* it : texts) {
        if (rows.isEmpty() || it->rect.top() - rowTop > 1.0) {
            rows.append(QVector<const TRenderItem*>());
            rowTop = it->rect.top();
        }
        rows.last().append(it);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [](const TRenderItem* a, const TRenderItem* b) {
            return a->rect.left() < b->rect.left();
        });
    return rows;
}

QString oneLine(const QString& s)
{
    QString t = s;
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    t.replace(QChar::LineSeparator, QLatin1Char(' '));
    return t.trimmed();
}

// Width of a text in character cells (Chinese characters take two).
int cellWidth(const QString& s)
{
    int w = 0;
    for (const QChar c : s)
        w += c.unicode() >= 0x1100 ? 2 : 1;
    return w;
}

QString htmlColor(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

QImage renderPageImage(const TPreparedReport& report, int page, double dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage img(static_cast<int>(std::ceil(report.page.pageWidth() * dotsPerMm)),
               static_cast<int>(std::ceil(report.page.pageHeight() * dotsPerMm)), QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    setMillimetreScale(p);
    paintPage(p, report, page);
    p.end();
    return img;
}

bool printReport(const TPreparedReport& report, QPrinter& printer, int fromPage, int toPage)
{
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(report));
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? std::min(toPage, report.pageCount()) - 1 : report.pageCount() - 1;
    QPainter p;
    if (!p.begin(&printer))
        return false;
    for (int i = first; i <= last; ++i) {
        if (i > first)
            printer.newPage();
        p.save();
        setMillimetreScale(p);
        paintPage(p, report, i);
        p.restore();
    }
    return p.end();
}

bool exportPdf(const TPreparedReport& report, const QString& path, QString* error)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error)
                *error = probe.errorString();
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("membercard"));
    writer.setPageLayout(pageLayout(report));
    QPainter p;
    if (!p.begin(&writer)) {
        if (error)
            *error = QStringLiteral("无法写入 PDF 文件");
        return false;
    }
    for (int i = 0; i < report.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        p.save();
        setMillimetreScale(p);
        paintPage(p, report, i);
        p.restore();
    }
    return p.end();
}

QStringList exportImages(const TPreparedReport& report, const QString& path, double dpi, QString* error)
{
    QStringList written;
    const QFileInfo fi(path);
    QString suffix = fi.suffix().toLower();
    if (suffix.isEmpty())
        suffix = QStringLiteral("png");
    const QByteArray format =
        suffix == QLatin1String("jpg") ? QByteArrayLiteral("JPEG") : suffix.toUpper().toLatin1();
    const QString stem = fi.dir().filePath(fi.completeBaseName());
    for (int i = 0; i < report.pageCount(); ++i) {
        const QString file = stem + QLatin1Char('_') + QString::number(i + 1) + QLatin1Char('.') + suffix;
        const QImage img = renderPageImage(report, i, dpi);
        if (!img.save(file, format.constData(), format == "JPEG" ? 90 : -1)) {
            if (error)
                *error = QStringLiteral("无法写入文件 ") + file;
            return written;
        }
        written << file;
    }
    return written;
}

bool exportHtml(const TPreparedReport& report, const QString& path, QString* error)
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>") +
            report.title.toHtmlEscaped() +
            QStringLiteral("</title>\n<style>body{background:#ddd;margin:0;padding:8px}"
                           ".page{position:relative;background:#fff;margin:0 auto 8px auto;overflow:hidden}"
                           ".t{position:absolute;box-sizing:border-box;padding:0.5mm;overflow:hidden;"
                           "white-space:pre-wrap;word-break:break-all}"
                           ".r,.i{position:absolute;box-sizing:border-box}</style></head><body>\n");
    for (int pg = 0; pg < report.pageCount(); ++pg) {
        html += QStringLiteral("<div class=\"page\" style=\"width:%1mm;height:%2mm\">\n")
                    .arg(report.page.pageWidth())
                    .arg(report.page.pageHeight());
        for (const TRenderItem& it : report.pages[pg].items) {
            const QRectF r = it.rect;
            const QString box = QStringLiteral("left:%1mm;top:%2mm;width:%3mm;height:%4mm;")
                                    .arg(r.left(), 0, 'f', 2)
                                    .arg(r.top(), 0, 'f', 2)
                                    .arg(r.width(), 0, 'f', 2)
                                    .arg(r.height(), 0, 'f', 2);
            QString border;
            if (it.frame != FrameNone) {
                const QString line =
                    QStringLiteral("%1mm solid %2").arg(it.frameWidth).arg(htmlColor(it.frameColor));
                if (it.frame & FrameLeft)
                    border += QStringLiteral("border-left:") + line + QLatin1Char(';');
                if (it.frame & FrameTop)
                    border += QStringLiteral("border-top:") + line + QLatin1Char(';');
                if (it.frame & FrameRight)
                    border += QStringLiteral("border-right:") + line + QLatin1Char(';');
                if (it.frame & FrameBottom)
                    border += QStringLiteral("border-bottom:") + line + QLatin1Char(';');
            }
            const QString fill = it.fillColor.isValid() ? QStringLiteral("background:") +
                                                              htmlColor(it.fillColor) + QLatin1Char(';')
                                                        : QString();
            switch (it.kind) {
            case TRenderItem::Text: {
                const QString align = it.hAlign == AlignCenter  ? QStringLiteral("center")
                                      : it.hAlign == AlignRight ? QStringLiteral("right")
                                                                : QStringLiteral("left");
                const QString font =
                    QStringLiteral("font-family:'%1';font-size:%2pt;color:%3;%4%5%6")
                        .arg(it.font.family.toHtmlEscaped())
                        .arg(it.font.size)
                        .arg(htmlColor(it.font.color))
                        .arg(it.font.bold ? QStringLiteral("font-weight:bold;") : QString())
                        .arg(it.font.italic ? QStringLiteral("font-style:italic;") : QString())
                        .arg(it.font.underline ? QStringLiteral("text-decoration:underline;") : QString());
                html += QStringLiteral("<div class=\"t\" style=\"") + box + border + fill + font +
                        QStringLiteral("text-align:") + align + QStringLiteral("\">") +
                        report.itemText(it).toHtmlEscaped() + QStringLiteral("</div>\n");
                break;
            }
            case TRenderItem::Rect:
                html += QStringLiteral("<div class=\"r\" style=\"") + box + border + fill +
                        QStringLiteral("\"></div>\n");
                break;
            case TRenderItem::Line: {
                const QLineF l = it.line;
                const double len = l.length();
                html +=
                    QStringLiteral("<div class=\"r\" style=\"left:%1mm;top:%2mm;width:%3mm;height:0;"
                                   "border-top:%4mm solid %5;transform-origin:0 0;transform:rotate(%6deg)\">"
                                   "</div>\n")
                        .arg(l.x1(), 0, 'f', 2)
                        .arg(l.y1(), 0, 'f', 2)
                        .arg(len, 0, 'f', 2)
                        .arg(it.frameWidth)
                        .arg(htmlColor(it.frameColor))
                        .arg(-l.angle(), 0, 'f', 2);
                break;
            }
            case TRenderItem::Image: {
                if (it.image.isNull())
                    break;
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                it.image.save(&buffer, "PNG");
                html += QStringLiteral("<img class=\"i\" style=\"") + box +
                        QStringLiteral("object-fit:contain\" src=\"data:image/png;base64,") +
                        QString::fromLatin1(png.toBase64()) + QStringLiteral("\">\n");
                break;
            }
            }
        }
        html += QStringLiteral("</div>\n");
    }
    html += QStringLiteral("</body></html>\n");
    return writeFile(path, html.toUtf8(), error);
}

QVector<QStringList> pageRows(const TPreparedReport& report, int page)
{
    QVector<QStringList> out;
    if (page < 0 || page >= report.pageCount())
        return out;
    for (const auto& row : rowsOf(report, page)) {
        QStringList cells;
        for (const TRenderItem* it : row)
            cells << oneLine(report.itemText(*it));
        out << cells;
    }
    return out;
}

bool exportText(const TPreparedReport& report, const QString& path, QString* error)
{
    // About 2 mm per character cell.
    constexpr double kMmPerCell = 2.0;
    QString out;
    for (int pg = 0; pg < report.pageCount(); ++pg) {
        if (pg > 0)
            out += QLatin1Char('\f');
        for (const auto& row : rowsOf(report, pg)) {
            QString line;
            int width = 0;
            for (const TRenderItem* it : row) {
                const int col = static_cast<int>(std::lround(it->rect.left() / kMmPerCell));
                if (width > 0 || col > 0) {
                    const int pad = std::max(width > 0 ? 1 : 0, col - width);
                    line += QString(pad, QLatin1Char(' '));
                    width += pad;
                }
                const QString text = oneLine(report.itemText(*it));
                line += text;
                width += cellWidth(text);
            }
            out += line + QLatin1Char('\n');
        }
    }
    return writeFile(path, out.toUtf8(), error);
}

bool exportCsv(const TPreparedReport& report, const QString& path, QString* error)
{
    QString out;
    for (int pg = 0; pg < report.pageCount(); ++pg) {
        for (const QStringList& row : pageRows(report, pg)) {
            QStringList fields;
            for (QString f : row) {
                if (f.contains(QLatin1Char(';')) || f.contains(QLatin1Char('"')) ||
                    f.contains(QLatin1Char('\n'))) {
                    f.replace(QLatin1Char('"'), QLatin1String("\"\""));
                    f = QLatin1Char('"') + f + QLatin1Char('"');
                }
                fields << f;
            }
            out += fields.join(QLatin1Char(';')) + QLatin1Char('\n');
        }
    }
    return writeFile(path, out.toUtf8(), error);
}

} // namespace report

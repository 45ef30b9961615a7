#include "report/reportengine.h"

#include "core/dataset.h"
#include "report/reportformat.h"

#include <QDate>
#include <QFontDatabase>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

// Stands for the page count until a page is painted.
const QChar kPageCountMark(0xE000);
constexpr double kEps = 0.01;

// Text is measured on a reference device of 720 dots per inch.
constexpr double kMeasureDpi = 720.0;
constexpr double kMmPerMeasureDot = 25.4 / kMeasureDpi;

const QImage& measureDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        const int dpm = static_cast<int>(std::lround(kMeasureDpi / 0.0254));
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    return device;
}

QFont baseFont(const TReportFont& f)
{
    QFont font(resolveFontFamily(f.family));
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

struct TextBlock
{
    QStringList lines;
    QVector<QPointF> pos;
    double height = 0.0;
    double width = 0.0;
};

TextBlock layoutText(const QString& text, const TReportFont& f, double widthMm, int hAlign, bool wrap)
{
    TextBlock block;
    const double availMm = std::max(0.0, widthMm - 2 * kTextPadding);
    const double availDots = availMm / kMmPerMeasureDot;
    QString prepared = text;
    prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(prepared, baseFont(f), const_cast<QImage*>(&measureDevice()));
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    double y = 0.0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(wrap ? availDots : 1e7);
        line.setPosition(QPointF(0.0, y));
        QString part = prepared.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.endsWith(QChar::LineSeparator) || part.endsWith(QLatin1Char(' '))))
            part.chop(1);
        const double w = line.naturalTextWidth() * kMmPerMeasureDot;
        double x = kTextPadding;
        if (hAlign == AlignCenter)
            x += (availMm - w) / 2.0;
        else if (hAlign == AlignRight)
            x += availMm - w;
        block.lines << part;
        block.pos << QPointF(x, (y + line.ascent()) * kMmPerMeasureDot);
        block.width = std::max(block.width, w);
        y += line.height();
    }
    layout.endLayout();
    block.height = y * kMmPerMeasureDot;
    return block;
}

// ---------------------------------------------------------------------------
// Expressions inside [ ].

enum class AggFn
{
    None,
    Sum,
    Count,
    Avg,
    Min,
    Max
};

struct Segment
{
    enum Type
    {
        Literal,
        Field,
        Variable,
        Page,
        TotalPages,
        Date,
        Time,
        Line,
        Aggregate
    };
    Type type = Literal;
    QString text; // literal text or variable name
    QString dataSet;
    QString field;
    AggFn fn = AggFn::None;
};

bool parseFieldRef(const QString& s, QString* ds, QString* field)
{
    static const QRegularExpression quoted(QStringLiteral(R"re(^\s*([^."\s]+)\s*\.\s*"([^"]*)"\s*$)re"));
    static const QRegularExpression plain(QStringLiteral(R"(^\s*([A-Za-z_]\w*)\s*\.\s*([A-Za-z_]\w*)\s*$)"));
    QRegularExpressionMatch m = quoted.match(s);
    if (!m.hasMatch())
        m = plain.match(s);
    if (!m.hasMatch())
        return false;
    *ds = m.captured(1);
    *field = m.captured(2);
    return true;
}

Segment parseExpression(const QString& raw)
{
    // Inner brackets around field references are allowed: SUM([frxDM."F_x"]).
    QString s;
    bool inQuote = false;
    for (const QChar c : raw) {
        if (c == QLatin1Char('"'))
            inQuote = !inQuote;
        if (!inQuote && (c == QLatin1Char('[') || c == QLatin1Char(']')))
            continue;
        s += c;
    }
    s = s.trimmed();
    Segment seg;
    const QString lower = s.toLower();
    if (lower == QLatin1String("page#") || lower == QLatin1String("page")) {
        seg.type = Segment::Page;
        return seg;
    }
    if (lower == QLatin1String("totalpages#") || lower == QLatin1String("totalpages")) {
        seg.type = Segment::TotalPages;
        return seg;
    }
    if (lower == QLatin1String("date")) {
        seg.type = Segment::Date;
        return seg;
    }
    if (lower == QLatin1String("time")) {
        seg.type = Segment::Time;
        return seg;
    }
    if (lower == QLatin1String("line#")) {
        seg.type = Segment::Line;
        return seg;
    }
    static const QRegularExpression agg(QStringLiteral(R"(^(sum|count|avg|min|max)\s*\((.*)\)$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = agg.match(s);
    if (m.hasMatch()) {
        const QString fn = m.captured(1).toLower();
        seg.type = Segment::Aggregate;
        seg.fn = fn == QLatin1String("sum")     ? AggFn::Sum
                 : fn == QLatin1String("count") ? AggFn::Count
                 : fn == QLatin1String("avg")   ? AggFn::Avg
                 : fn == QLatin1String("min")   ? AggFn::Min
                                                : AggFn::Max;
        const QString arg = m.captured(2).trimmed();
        if (!parseFieldRef(arg, &seg.dataSet, &seg.field)) {
            seg.dataSet = arg; // COUNT(frxDM)
            seg.field.clear();
        }
        return seg;
    }
    if (parseFieldRef(s, &seg.dataSet, &seg.field)) {
        seg.type = Segment::Field;
        return seg;
    }
    seg.type = Segment::Variable;
    seg.text = s;
    return seg;
}

QVector<Segment> parseText(const QString& text)
{
    QVector<Segment> out;
    QString literal;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n;) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('[')) {
            literal += c;
            ++i;
            continue;
        }
        // Find the matching bracket, skipping quoted field names.
        int depth = 0;
        bool inQuote = false;
        int end = -1;
        for (int j = i; j < n; ++j) {
            const QChar d = text.at(j);
            if (d == QLatin1Char('"'))
                inQuote = !inQuote;
            else if (!inQuote && d == QLatin1Char('['))
                ++depth;
            else if (!inQuote && d == QLatin1Char(']') && --depth == 0) {
                end = j;
                break;
            }
        }
        if (end < 0) { // an unclosed bracket is plain text
            literal += text.mid(i);
            break;
        }
        if (!literal.isEmpty()) {
            out.append(Segment{Segment::Literal, literal, {}, {}, AggFn::None});
            literal.clear();
        }
        out.append(parseExpression(text.mid(i + 1, end - i - 1)));
        i = end + 1;
    }
    if (!literal.isEmpty())
        out.append(Segment{Segment::Literal, literal, {}, {}, AggFn::None});
    return out;
}

// ---------------------------------------------------------------------------

using RowRef = QPair<const TDataSet*, int>;
using Scope = QVector<RowRef>;

struct Section
{
    int columnHeader = -1;
    QVector<int> groupHeaders;
    int master = -1;
    QVector<int> details;
    QVector<int> groupFooters;
    int columnFooter = -1;
};

struct BandInstance
{
    QVector<TRenderItem> items;
    double height = 0.0;
};

class Engine
{
public:
    Engine(const TReportTemplate& t, const TDataSources& data, const TVariableSource& vars)
        : m_t(t), m_vars(vars)
    {
        for (auto it = data.cbegin(); it != data.cend(); ++it)
            if (it.value())
                m_data.insert(it.key().toLower(), it.value());
        for (int i = 0; i < m_t.bands.size(); ++i) {
            for (const TReportObject& o : m_t.bands[i].objects)
                if (o.kind == ObjectKind::Text || o.kind == ObjectKind::FieldPicture)
                    m_parsed.insert(&o, parseText(o.text));
        }
    }

    TPreparedReport run();

private:
    const TDataSet* dataSet(const QString& name) const { return m_data.value(name.trimmed().toLower()); }
    int cursor(const TDataSet* ds);
    int bandIndex(BandKind kind) const;
    void buildSections();

    QVariant aggregate(const Segment& s, bool* missing) const;
    QVariant evaluate(const Segment& s, bool* missing);
    QString evaluateText(const TReportObject& o, bool* pending);
    BandInstance render(const TReportBand& band);

    void newPage();
    void finishPage();
    void place(BandInstance& inst, double x);
    bool printBand(int index, const Scope* scope, bool body, const RowRef* row = nullptr);
    void printMasterRow(int index, const RowRef& row);
    void flushColumns();
    void runSection(const Section& s);

    const TReportTemplate& m_t;
    const TVariableSource& m_vars;
    QHash<QString, const TDataSet*> m_data;
    QHash<const TReportObject*, QVector<Segment>> m_parsed;
    QVector<Section> m_sections;
    QHash<const TDataSet*, int> m_cursor;

    TPreparedReport m_out;
    int m_page = -1;
    double m_y = 0.0;
    double m_bottom = 0.0;
    double m_bodyTop = 0.0;
    bool m_pageHasBody = false;
    const Section* m_active = nullptr;
    int m_line = 0;

    Scope m_reportScope;
    Scope m_pageScope;
    Scope m_sectionScope;
    QVector<Scope> m_groupScopes;
    const Scope* m_scope = nullptr;

    // Multi-column data rows.
    int m_column = 0;
    double m_rowTop = 0.0;
    double m_rowHeight = 0.0;

    QHash<QString, TextBlock> m_textCache;
};

int Engine::cursor(const TDataSet* ds)
{
    auto it = m_cursor.find(ds);
    if (it != m_cursor.end())
        return it.value();
    int row = ds->currentRow();
    if (row < 0 || row >= ds->recordCount())
        row = ds->recordCount() > 0 ? 0 : -1;
    m_cursor.insert(ds, row);
    return row;
}

int Engine::bandIndex(BandKind kind) const
{
    for (int i = 0; i < m_t.bands.size(); ++i)
        if (m_t.bands[i].kind == kind)
            return i;
    return -1;
}

void Engine::buildSections()
{
    Section* cur = nullptr;
    auto start = [&]() {
        if (!cur || cur->master >= 0) {
            m_sections.append(Section());
            cur = &m_sections.last();
        }
    };
    for (int i = 0; i < m_t.bands.size(); ++i) {
        switch (m_t.bands[i].kind) {
        case BandKind::ColumnHeader:
            start();
            cur->columnHeader = i;
            break;
        case BandKind::GroupHeader:
            start();
            cur->groupHeaders.append(i);
            break;
        case BandKind::MasterData:
            start();
            cur->master = i;
            break;
        case BandKind::DetailData:
            if (cur && cur->master >= 0)
                cur->details.append(i);
            break;
        case BandKind::GroupFooter:
            if (cur && cur->master >= 0)
                cur->groupFooters.append(i);
            break;
        case BandKind::ColumnFooter:
            if (cur && cur->master >= 0)
                cur->columnFooter = i;
            break;
        default:
            break;
        }
    }
    m_sections.erase(
        std::remove_if(m_sections.begin(), m_sections.end(), [](const Section& s) { return s.master < 0; }),
        m_sections.end());
}

QVariant Engine::aggregate(const Segment& s, bool* missing) const
{
    const TDataSet* ds = dataSet(s.dataSet);
    if (!ds) {
        *missing = true;
        return {};
    }
    int col = -1;
    if (!s.field.isEmpty()) {
        col = ds->fieldIndex(s.field);
        if (col < 0) {
            *missing = true;
            return {};
        }
    }
    const Scope& scope = m_scope ? *m_scope : m_reportScope;
    int count = 0;
    double sum = 0.0;
    double lo = 0.0;
    double hi = 0.0;
    for (const RowRef& r : scope) {
        if (r.first != ds)
            continue;
        if (col < 0) {
            ++count;
            continue;
        }
        const QVariant v = ds->value(r.second, col);
        if (v.isNull())
            continue;
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            continue;
        sum += d;
        lo = count == 0 ? d : std::min(lo, d);
        hi = count == 0 ? d : std::max(hi, d);
        ++count;
    }
    switch (s.fn) {
    case AggFn::Count:
        return count;
    case AggFn::Sum:
        return sum;
    case AggFn::Avg:
        return count ? QVariant(sum / count) : QVariant(0.0);
    case AggFn::Min:
        return lo;
    case AggFn::Max:
        return hi;
    case AggFn::None:
        break;
    }
    return {};
}

QVariant Engine::evaluate(const Segment& s, bool* missing)
{
    switch (s.type) {
    case Segment::Literal:
        return s.text;
    case Segment::Page:
        return m_page + 1;
    case Segment::TotalPages:
        return QString(kPageCountMark);
    case Segment::Date:
        return QDate::currentDate();
    case Segment::Time:
        return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
    case Segment::Line:
        return m_line;
    case Segment::Aggregate:
        return aggregate(s, missing);
    case Segment::Field: {
        const TDataSet* ds = dataSet(s.dataSet);
        const int col = ds ? ds->fieldIndex(s.field) : -1;
        if (col < 0) {
            *missing = true;
            return {};
        }
        const int row = cursor(ds);
        return row < 0 ? QVariant() : ds->value(row, col);
    }
    case Segment::Variable: {
        QVariant v;
        if (m_vars)
            v = m_vars(s.text);
        if (!v.isValid()) {
            for (const TReportVariable& var : m_t.variables)
                if (var.name.compare(s.text, Qt::CaseInsensitive) == 0)
                    return var.value;
        }
        return v;
    }
    }
    return {};
}

QString Engine::evaluateText(const TReportObject& o, bool* pending)
{
    const QVector<Segment>& segs = m_parsed[&o];
    QString out;
    bool missing = false;
    for (const Segment& s : segs) {
        if (s.type == Segment::Literal) {
            out += s.text;
            continue;
        }
        const QVariant v = evaluate(s, &missing);
        if (s.type == Segment::TotalPages) {
            out += kPageCountMark;
            *pending = true;
        } else if (s.type == Segment::Page || s.type == Segment::Line ||
                   (s.type == Segment::Aggregate && s.fn == AggFn::Count)) {
            out += v.toString();
        } else if (s.type == Segment::Date) {
            out += formatValue(v, o.displayFormat.isEmpty() || !isDateFormat(o.displayFormat)
                                      ? QStringLiteral("yyyy-MM-dd")
                                      : o.displayFormat);
        } else {
            out += formatValue(v, o.displayFormat);
        }
    }
    // An object naming a field its data set lacks prints empty.
    return missing ? QString() : out;
}

BandInstance Engine::render(const TReportBand& band)
{
    BandInstance inst;
    struct Placed
    {
        const TReportObject* obj;
        TRenderItem item;
        double newHeight;
        double shift;
    };
    QVector<Placed> placed;
    placed.reserve(band.objects.size());
    for (const TReportObject& o : band.objects) {
        TRenderItem it;
        it.rect = o.geometry;
        it.frame = o.frame;
        it.frameWidth = o.frameWidth;
        it.frameColor = o.frameColor;
        it.fillColor = o.fillColor;
        double newHeight = o.geometry.height();
        switch (o.kind) {
        case ObjectKind::Text: {
            it.kind = TRenderItem::Text;
            it.text = evaluateText(o, &it.pageCountPending);
            it.font = o.font;
            it.font.family = resolveFontFamily(o.font.family);
            it.hAlign = o.hAlign;
            it.vAlign = o.vAlign;
            it.wordWrap = o.wordWrap;
            if (!it.text.isEmpty()) {
                const QString key = it.text + QChar(0x1F) + it.font.family + QChar(0x1F) +
                                    QString::number(it.font.size) + QChar(0x1F) +
                                    QString::number(it.font.bold) + QString::number(it.font.italic) +
                                    QChar(0x1F) + QString::number(o.geometry.width()) + QChar(0x1F) +
                                    QString::number(o.hAlign) + QString::number(o.wordWrap);
                auto cached = m_textCache.constFind(key);
                if (cached == m_textCache.constEnd()) {
                    if (m_textCache.size() > 20000)
                        m_textCache.clear();
                    cached = m_textCache.insert(
                        key, layoutText(it.text, it.font, o.geometry.width(), o.hAlign, o.wordWrap));
                }
                it.lines = cached->lines;
                it.linePos = cached->pos;
                it.contentHeight = cached->height;
                const double needed = cached->height + 2 * kTextPadding;
                if (o.canGrow && needed > newHeight)
                    newHeight = needed;
                it.clip = cached->width > o.geometry.width() - 2 * kTextPadding + kEps;
            }
            break;
        }
        case ObjectKind::Line:
            it.kind = TRenderItem::Line;
            it.line = QLineF(o.geometry.topLeft(), o.geometry.bottomRight());
            break;
        case ObjectKind::Rect:
            it.kind = TRenderItem::Rect;
            break;
        case ObjectKind::Picture:
            it.kind = TRenderItem::Image;
            it.image = QImage::fromData(o.picture);
            it.keepAspect = o.keepAspect;
            break;
        case ObjectKind::FieldPicture: {
            it.kind = TRenderItem::Image;
            it.keepAspect = o.keepAspect;
            const QVector<Segment>& segs = m_parsed[&o];
            bool missing = false;
            for (const Segment& s : segs) {
                if (s.type != Segment::Field)
                    continue;
                const QVariant v = evaluate(s, &missing);
                if (v.typeId() == QMetaType::QByteArray)
                    it.image = QImage::fromData(v.toByteArray());
                break;
            }
            break;
        }
        }
        placed.append(Placed{&o, it, newHeight, 0.0});
    }
    // Objects below a grown object move down by its growth.
    QVector<int> order(placed.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return placed[a].obj->geometry.top() < placed[b].obj->geometry.top();
    });
    double growth = 0.0;
    for (int oi = 0; oi < order.size(); ++oi) {
        Placed& p = placed[order[oi]];
        const QRectF g = p.obj->geometry;
        double shift = 0.0;
        for (int oj = 0; oj < oi; ++oj) {
            const Placed& q = placed[order[oj]];
            const QRectF qg = q.obj->geometry;
            if (qg.bottom() <= g.top() + kEps)
                shift = std::max(shift, q.shift + q.newHeight - qg.height());
        }
        p.shift = shift;
        growth = std::max(growth, shift + p.newHeight - g.height());
    }
    inst.height = band.height + std::max(0.0, growth);
    inst.items.reserve(placed.size());
    for (Placed& p : placed) {
        const QRectF g = p.obj->geometry;
        double h = p.newHeight;
        if (p.obj->stretchToBand)
            h = std::max(h, inst.height - g.top() - p.shift);
        p.item.rect = QRectF(g.left(), g.top() + p.shift, g.width(), h);
        if (p.item.kind == TRenderItem::Line)
            p.item.line.translate(0.0, p.shift);
        if (p.item.kind == TRenderItem::Text && p.item.contentHeight + 2 * kTextPadding > h + kEps)
            p.item.clip = true;
        inst.items.append(p.item);
    }
    return inst;
}

void Engine::place(BandInstance& inst, double x)
{
    TPreparedPage& page = m_out.pages[m_page];
    for (TRenderItem& it : inst.items) {
        it.rect.translate(x, m_y);
        it.line.translate(x, m_y);
        page.items.append(std::move(it));
    }
    inst.items.clear();
    m_y += inst.height;
}

void Engine::finishPage()
{
    const int footer = bandIndex(BandKind::PageFooter);
    if (footer < 0)
        return;
    const Scope* saved = m_scope;
    m_scope = &m_pageScope;
    BandInstance inst = render(m_t.bands[footer]);
    m_scope = saved;
    m_y = m_t.page.pageHeight() - m_t.page.marginBottom - inst.height;
    place(inst, m_t.page.marginLeft);
}

void Engine::newPage()
{
    if (m_page >= 0)
        finishPage();
    m_out.pages.append(TPreparedPage());
    ++m_page;
    m_y = m_t.page.marginTop;
    m_pageScope.clear();
    m_pageHasBody = false;
    const int footer = bandIndex(BandKind::PageFooter);
    m_bottom = m_t.page.pageHeight() - m_t.page.marginBottom - (footer >= 0 ? m_t.bands[footer].height : 0.0);
    const Scope* saved = m_scope;
    m_scope = &m_reportScope;
    if (m_page == 0) {
        const int title = bandIndex(BandKind::ReportTitle);
        if (title >= 0) {
            BandInstance inst = render(m_t.bands[title]);
            place(inst, m_t.page.marginLeft);
        }
    }
    const int header = bandIndex(BandKind::PageHeader);
    if (header >= 0 && (m_page > 0 || m_t.bands[header].printOnFirstPage)) {
        BandInstance inst = render(m_t.bands[header]);
        place(inst, m_t.page.marginLeft);
    }
    if (m_active && m_active->columnHeader >= 0) {
        BandInstance inst = render(m_t.bands[m_active->columnHeader]);
        place(inst, m_t.page.marginLeft);
    }
    m_scope = saved;
    m_bodyTop = m_y;
    m_rowTop = m_y;
}

bool Engine::printBand(int index, const Scope* scope, bool body, const RowRef* row)
{
    const TReportBand& band = m_t.bands[index];
    if (band.startNewPage && m_pageHasBody)
        newPage();
    const Scope* saved = m_scope;
    m_scope = scope;
    BandInstance inst = render(band);
    if (m_y + inst.height > m_bottom + kEps && m_y > m_bodyTop + kEps) {
        newPage();
        inst = render(band);
    }
    m_scope = saved;
    place(inst, m_t.page.marginLeft);
    if (body)
        m_pageHasBody = true;
    if (row)
        m_pageScope.append(*row);
    return true;
}

void Engine::printMasterRow(int index, const RowRef& row)
{
    const TReportBand& band = m_t.bands[index];
    if (band.columns <= 1) {
        printBand(index, &m_reportScope, true, &row);
        return;
    }
    const double gap = band.columnGap;
    const double width = band.columnWidth > 0
                             ? band.columnWidth
                             : (m_t.page.printableWidth() - gap * (band.columns - 1)) / band.columns;
    if (m_column == 0 && band.startNewPage && m_pageHasBody)
        newPage();
    const Scope* saved = m_scope;
    m_scope = &m_reportScope;
    BandInstance inst = render(band);
    if (m_column == 0) {
        if (m_y + inst.height > m_bottom + kEps && m_y > m_bodyTop + kEps) {
            newPage();
            inst = render(band);
        }
        m_rowTop = m_y;
        m_rowHeight = 0.0;
    }
    m_scope = saved;
    m_rowHeight = std::max(m_rowHeight, inst.height);
    m_y = m_rowTop;
    place(inst, m_t.page.marginLeft + m_column * (width + gap));
    m_y = m_rowTop;
    m_pageHasBody = true;
    m_pageScope.append(row);
    if (++m_column >= band.columns)
        flushColumns();
}

void Engine::flushColumns()
{
    if (m_column == 0)
        return;
    m_y = m_rowTop + m_rowHeight;
    m_column = 0;
    m_rowHeight = 0.0;
}

void Engine::runSection(const Section& s)
{
    const TReportBand& master = m_t.bands[s.master];
    const TDataSet* ds = dataSet(master.dataSet);
    if (!ds || ds->recordCount() == 0)
        return;
    QVector<int> rows;
    if (master.currentRecordOnly) {
        const int r = cursor(ds);
        if (r >= 0)
            rows << r;
    } else {
        rows.reserve(ds->recordCount());
        for (int r = 0; r < ds->recordCount(); ++r)
            rows << r;
    }
    if (rows.isEmpty())
        return;

    m_sectionScope.clear();
    const int levels = static_cast<int>(s.groupHeaders.size());
    m_groupScopes = QVector<Scope>(levels);
    auto footerOf = [&](int level) {
        const int j = levels - 1 - level;
        return j >= 0 && j < s.groupFooters.size() ? s.groupFooters[j] : -1;
    };
    auto groupKey = [&](int level) {
        const TReportBand& gh = m_t.bands[s.groupHeaders[level]];
        const QString f = gh.groupField.trimmed();
        if (f.isEmpty())
            return QString();
        if (f.contains(QLatin1Char('['))) {
            bool missing = false;
            QString out;
            for (const Segment& seg : parseText(f))
                out += seg.type == Segment::Literal ? seg.text : evaluate(seg, &missing).toString();
            return out;
        }
        return ds->value(m_cursor.value(ds), f).toString();
    };
    // Details: rows of the detail set by the value of the link field.
    struct Detail
    {
        int band;
        const TDataSet* ds;
        QHash<QString, QVector<int>> byKey;
        bool linked;
    };
    QVector<Detail> details;
    for (int d : s.details) {
        const TReportBand& b = m_t.bands[d];
        Detail det{d, dataSet(b.dataSet), {}, !b.masterField.isEmpty() && !b.detailField.isEmpty()};
        if (!det.ds)
            continue;
        if (det.linked) {
            const int col = det.ds->fieldIndex(b.detailField);
            for (int r = 0; r < det.ds->recordCount(); ++r)
                det.byKey[col < 0 ? QString() : det.ds->value(r, col).toString().trimmed()].append(r);
            if (col < 0)
                det.byKey.clear();
        }
        details.append(det);
    }

    m_active = &s;
    if (s.columnHeader >= 0)
        printBand(s.columnHeader, &m_reportScope, false);
    QStringList keys(levels);
    int previous = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        m_cursor[ds] = r;
        m_line = i + 1;
        int changed = -1;
        for (int g = 0; g < levels; ++g) {
            if (previous < 0 || groupKey(g) != keys[g]) {
                changed = g;
                break;
            }
        }
        if (changed >= 0) {
            flushColumns();
            if (previous >= 0) {
                m_cursor[ds] = previous;
                for (int g = levels - 1; g >= changed; --g)
                    if (footerOf(g) >= 0)
                        printBand(footerOf(g), &m_groupScopes[g], true);
                m_cursor[ds] = r;
            }
            for (int g = changed; g < levels; ++g) {
                keys[g] = groupKey(g);
                m_groupScopes[g].clear();
                printBand(s.groupHeaders[g], &m_groupScopes[g], true);
            }
        }
        const RowRef ref(ds, r);
        m_reportScope.append(ref);
        m_sectionScope.append(ref);
        for (Scope& g : m_groupScopes)
            g.append(ref);
        printMasterRow(s.master, ref);
        for (Detail& det : details) {
            QVector<int> detailRows;
            if (det.linked) {
                const QString key = ds->value(r, m_t.bands[det.band].masterField).toString().trimmed();
                detailRows = det.byKey.value(key);
            } else {
                for (int dr = 0; dr < det.ds->recordCount(); ++dr)
                    detailRows << dr;
            }
            if (detailRows.isEmpty())
                continue;
            flushColumns();
            const int savedLine = m_line;
            for (int k = 0; k < detailRows.size(); ++k) {
                const RowRef dref(det.ds, detailRows[k]);
                m_cursor[det.ds] = detailRows[k];
                m_line = k + 1;
                m_reportScope.append(dref);
                m_sectionScope.append(dref);
                for (Scope& g : m_groupScopes)
                    g.append(dref);
                printBand(det.band, &m_reportScope, true, &dref);
            }
            m_line = savedLine;
        }
        previous = r;
    }
    flushColumns();
    for (int g = levels - 1; g >= 0; --g)
        if (footerOf(g) >= 0)
            printBand(footerOf(g), &m_groupScopes[g], true);
    m_active = nullptr;
    if (s.columnFooter >= 0)
        printBand(s.columnFooter, &m_sectionScope, true);
}

TPreparedReport Engine::run()
{
    m_out.title = m_t.title;
    m_out.page = m_t.page;
    if (m_t.bands.isEmpty()) {
        m_out.pages.append(TPreparedPage());
        return m_out;
    }
    buildSections();
    newPage();
    for (const Section& s : m_sections)
        runSection(s);
    const int summary = bandIndex(BandKind::ReportSummary);
    if (summary >= 0)
        printBand(summary, &m_reportScope, true);
    finishPage();
    return m_out;
}

} // namespace

QString TPreparedReport::itemText(const TRenderItem& item) const
{
    if (!item.pageCountPending)
        return item.text;
    QString t = item.text;
    return t.replace(kPageCountMark, QString::number(pageCount()));
}

QStringList TPreparedReport::pageTexts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pages.size())
        return out;
    QVector<const TRenderItem*> texts;
    for (const TRenderItem& it : pages[page].items)
        if (it.kind == TRenderItem::Text && !it.text.isEmpty())
            texts << &it;
    std::stable_sort(texts.begin(), texts.end(), [](const TRenderItem* a, const TRenderItem* b) {
        if (std::fabs(a->rect.top() - b->rect.top()) > 0.5)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    for (const TRenderItem* it : texts)
        out << itemText(*it);
    return out;
}

TPreparedReport prepareReport(const TReportTemplate& t, const TDataSources& data,
                              const TVariableSource& variables)
{
    Engine engine(t, data, variables);
    return engine.run();
}

QString resolveFontFamily(const QString& family)
{
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(family);
    if (it != resolved.constEnd())
        return it.value();
    const QStringList installed = QFontDatabase::families();
    QString result;
    for (const QString& f : installed) {
        if (f.compare(family, Qt::CaseInsensitive) == 0) {
            result = f;
            break;
        }
    }
    if (result.isEmpty()) {
        // The Windows names the templates use, then any font with Chinese characters.
        static const char* const preferred[] = {
            "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC",   "Noto Serif CJK SC",
            "Source Han Sans SC",  "AR PL UMing CN",    "Droid Sans Fallback"};
        for (const char* p : preferred) {
            for (const QString& f : installed) {
                if (f.compare(QLatin1String(p), Qt::CaseInsensitive) == 0) {
                    result = f;
                    break;
                }
            }
            if (!result.isEmpty())
                break;
        }
        if (result.isEmpty()) {
            for (const QString& f : installed) {
                if (QFontDatabase::writingSystems(f).contains(QFontDatabase::SimplifiedChinese)) {
                    result = f;
                    break;
                }
            }
        }
        if (result.isEmpty())
            result = family;
    }
    resolved.insert(family, result);
    return result;
}

QFont paintFont(const TReportFont& f, double deviceDpi)
{
    QFont font = baseFont(f);
    // One painter unit is a millimetre: a font of S points is S * 25.4 / 72
    // units high, which the device draws at pointSize * dpi / 72 units.
    font.setPointSizeF(f.size * 25.4 / deviceDpi);
    return font;
}

void setMillimetreScale(QPainter& painter, double zoom)
{
    QPaintDevice* device = painter.device();
    const double dx = device ? device->logicalDpiX() : 96.0;
    const double dy = device ? device->logicalDpiY() : 96.0;
    painter.scale(dx / 25.4 * zoom, dy / 25.4 * zoom);
}

namespace {

void drawFrame(QPainter& p, const TRenderItem& it)
{
    if (it.frame == FrameNone)
        return;
    QPen pen(it.frameColor, it.frameWidth);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = it.rect;
    if (it.frame == FrameAll) {
        p.drawRect(r);
        return;
    }
    if (it.frame & FrameLeft)
        p.drawLine(r.topLeft(), r.bottomLeft());
    if (it.frame & FrameTop)
        p.drawLine(r.topLeft(), r.topRight());
    if (it.frame & FrameRight)
        p.drawLine(r.topRight(), r.bottomRight());
    if (it.frame & FrameBottom)
        p.drawLine(r.bottomLeft(), r.bottomRight());
}

} // namespace

void paintItem(QPainter& p, const TRenderItem& it, int pageCount)
{
    if (it.fillColor.isValid() && it.kind != TRenderItem::Line)
        p.fillRect(it.rect, it.fillColor);
    switch (it.kind) {
    case TRenderItem::Text: {
        if (it.text.isEmpty())
            break;
        const double dpi = p.device() ? p.device()->logicalDpiY() : 96.0;
        p.setFont(paintFont(it.font, dpi));
        p.setPen(it.font.color);
        const QRectF inner = it.rect.adjusted(kTextPadding, kTextPadding, -kTextPadding, -kTextPadding);
        if (it.pageCountPending) {
            QString text = it.text;
            text.replace(kPageCountMark, QString::number(pageCount));
            QTextOption option(Qt::Alignment((it.hAlign == AlignCenter  ? Qt::AlignHCenter
                                              : it.hAlign == AlignRight ? Qt::AlignRight
                                                                        : Qt::AlignLeft) |
                                             (it.vAlign == AlignMiddle   ? Qt::AlignVCenter
                                              : it.vAlign == AlignBottom ? Qt::AlignBottom
                                                                         : Qt::AlignTop)));
            option.setWrapMode(it.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
            p.drawText(inner, text, option);
            break;
        }
        double dy = kTextPadding;
        if (it.vAlign == AlignMiddle)
            dy += (inner.height() - it.contentHeight) / 2.0;
        else if (it.vAlign == AlignBottom)
            dy += inner.height() - it.contentHeight;
        if (it.clip) {
            p.save();
            p.setClipRect(it.rect, Qt::IntersectClip);
        }
        for (int i = 0; i < it.lines.size(); ++i)
            p.drawText(QPointF(it.rect.left() + it.linePos[i].x(), it.rect.top() + dy + it.linePos[i].y()),
                       it.lines[i]);
        if (it.clip)
            p.restore();
        break;
    }
    case TRenderItem::Line: {
        QPen pen(it.frameColor, it.frameWidth);
        p.setPen(pen);
        p.drawLine(it.line);
        return;
    }
    case TRenderItem::Rect:
        break;
    case TRenderItem::Image: {
        if (it.image.isNull())
            break;
        QRectF target = it.rect;
        if (it.keepAspect) {
            const QSizeF size = QSizeF(it.image.size()).scaled(it.rect.size(), Qt::KeepAspectRatio);
            target = QRectF(it.rect.center() - QPointF(size.width() / 2, size.height() / 2), size);
        }
        p.drawImage(target, it.image);
        break;
    }
    }
    drawFrame(p, it);
}

void paintPage(QPainter& painter, const TPreparedReport& report, int page)
{
    if (page < 0 || page >= report.pageCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const TRenderItem& it : report.pages[page].items)
        paintItem(painter, it, report.pageCount());
    painter.restore();
}

TRenderItem layoutTextItem(const TReportObject& o, const QString& text, const QRectF& rect)
{
    TRenderItem it;
    it.kind = TRenderItem::Text;
    it.rect = rect;
    it.text = text;
    it.font = o.font;
    it.font.family = resolveFontFamily(o.font.family);
    it.hAlign = o.hAlign;
    it.vAlign = o.vAlign;
    it.wordWrap = o.wordWrap;
    it.frame = o.frame;
    it.frameWidth = o.frameWidth;
    it.frameColor = o.frameColor;
    it.fillColor = o.fillColor;
    const TextBlock block = layoutText(text, it.font, rect.width(), o.hAlign, o.wordWrap);
    it.lines = block.lines;
    it.linePos = block.pos;
    it.contentHeight = block.height;
    it.clip = true;
    return it;
}

} // namespace report

#include "report/reportprint.h"

#include "core/dataset.h"
#include "core/support.h"
#include "report/TfrmReportDesigner.h"
#include "report/TfrmReportPreview.h"
#include "report/reportformat.h"

#include <QDialog>
#include <QFontMetricsF>
#include <cmath>

namespace report {

TReportBindings& TReportBindings::instance()
{
    static TReportBindings bindings;
    return bindings;
}

namespace {
// Data-set names are matched without regard to letter case but keep the case they were given.
template <typename Map> void removeName(Map& map, const QString& name)
{
    for (auto it = map.begin(); it != map.end();) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            it = map.erase(it);
        else
            ++it;
    }
}
} // namespace

void TReportBindings::bind(const QString& name, TDataSet* set)
{
    removeName(m_sets, name);
    m_sets.insert(name, set);
}

void TReportBindings::unbind(const QString& name)
{
    removeName(m_sets, name);
}

void TReportBindings::clear()
{
    m_sets.clear();
    m_owner.clear();
    m_source = nullptr;
}

TDataSources TReportBindings::dataSources() const
{
    TDataSources out;
    for (auto it = m_sets.cbegin(); it != m_sets.cend(); ++it)
        if (it.value())
            out.insert(it.key(), it.value().data());
    return out;
}

void TReportBindings::setVariableSource(QObject* owner, TVariableSource source)
{
    m_owner = owner;
    m_source = owner ? std::move(source) : TVariableSource();
}

void TReportBindings::clearVariableSource(QObject* owner)
{
    if (!owner || m_owner == owner) {
        m_owner.clear();
        m_source = nullptr;
    }
}

TVariableSource TReportBindings::variableSource() const
{
    // A source whose window has closed is never asked again.
    if (!m_owner)
        return {};
    return m_source;
}

QString variableCategory()
{
    return QStringLiteral("自定义变量");
}

QStringList defaultVariableNames()
{
    return {QStringLiteral("sCurKHname"), QStringLiteral("memoDate"), QStringLiteral("memoCaption")};
}

LoadStatus TReport::load(const QString& name)
{
    m_name = name;
    QString error;
    m_status = loadTemplateFile(filePath(), &m_template, &error);
    if (m_status == LoadStatus::Damaged)
        ShowMess(
            QStringLiteral("报表模板文件“%1”已损坏，无法读取：%2。将显示空白报表。").arg(filePath(), error),
            mkError);
    if (m_status != LoadStatus::Loaded) {
        m_template = TReportTemplate();
        m_template.title = name;
    }
    return m_status;
}

QString TReport::filePath() const
{
    return templatePath(m_name);
}

void TReport::bind(const QString& name, TDataSet* set)
{
    removeName(m_sets, name);
    m_sets.insert(name, set);
}

TDataSources TReport::dataSources() const
{
    TDataSources out = TReportBindings::instance().dataSources();
    for (auto it = m_sets.cbegin(); it != m_sets.cend(); ++it) {
        removeName(out, it.key());
        if (it.value())
            out.insert(it.key(), it.value().data());
    }
    return out;
}

TVariableSource TReport::variableSource() const
{
    if (m_variables)
        return m_variables;
    return TReportBindings::instance().variableSource();
}

void TReport::declareVariables(const QStringList& names)
{
    m_template.declareVariables(variableCategory(), names);
}

TPreparedReport TReport::prepare() const
{
    return prepareReport(m_template, dataSources(), variableSource());
}

void TReport::showPreview(QWidget* parent)
{
    TfrmReportPreview preview(prepare(), parent);
    preview.setRepreparer([this](const TReportPage& page) {
        m_template.page = page;
        return prepare();
    });
    showWindow(preview);
}

void TReport::design(QWidget* parent)
{
    TfrmReportDesigner designer(*this, parent);
    showWindow(designer);
}

bool TReport::save(QString* error) const
{
    return saveTemplateFile(m_template, filePath(), error);
}

namespace {
TShowHook& showHook()
{
    static TShowHook hook;
    return hook;
}
} // namespace

TShowHook setShowHook(TShowHook hook)
{
    TShowHook old = std::move(showHook());
    showHook() = std::move(hook);
    return old;
}

void showWindow(QDialog& window)
{
    if (showHook()) {
        showHook()(window);
        return;
    }
    window.exec();
}

QString gridDataSetName()
{
    return QStringLiteral("frxGrid");
}

QString gridFooterText(const QString& footer, const QDate& today)
{
    if (footer.trimmed().isEmpty())
        return {};
    if (footer == QLatin1String("date"))
        return QStringLiteral("打印日期：") + today.toString(QStringLiteral("yyyy年MM月dd日"));
    return footer;
}

TReportTemplate gridTemplate(const TGridPrint& grid, const QString& title, int fitMode,
                             const QString& footerText, const QString& headerText, const QDate& today)
{
    TReportTemplate t;
    t.title = title.trimmed().isEmpty() ? QStringLiteral("打印") : title;
    t.page.marginLeft = t.page.marginTop = t.page.marginRight = t.page.marginBottom = 1.0;
    const double printable = t.page.printableWidth();

    TReportFont headerFont; // 宋体 9
    TReportFont titleFont;
    titleFont.size = 14;
    titleFont.bold = true;

    QVector<TGridPrintColumn> cols;
    for (const TGridPrintColumn& c : grid.columns)
        if (c.visible)
            cols << c;

    // Widths in millimetres, fitted to the page width.
    QVector<double> widths;
    const bool optimal = fitMode != 0 && fitMode != 1;
    for (const TGridPrintColumn& c : cols) {
        double w = std::max(1, c.width);
        if (optimal) {
            // Widest of the title and the first rows, in character cells.
            auto cells = [](const QString& s) {
                int n = 0;
                for (const QChar ch : s)
                    n += ch.unicode() >= 0x1100 ? 2 : 1;
                return n;
            };
            int widest = cells(c.title);
            if (grid.data) {
                const int rows = std::min(grid.data->recordCount(), 200);
                for (int r = 0; r < rows; ++r)
                    widest = std::max(widest,
                                      cells(formatValue(grid.data->value(r, c.fieldName), c.displayFormat)));
            }
            w = std::max(4, widest + 2);
        }
        widths << w;
    }
    double total = 0;
    for (double w : widths)
        total += w;
    for (double& w : widths)
        w = total > 0 ? w * printable / total : 0;

    const QString ds = gridDataSetName();
    auto text = [&](const QString& name, double x, double w, double h, const QString& s, int align) {
        TReportObject o;
        o.name = name;
        o.geometry = QRectF(x, 0, w, h);
        o.text = s;
        o.font = headerFont;
        o.hAlign = align;
        o.vAlign = AlignMiddle;
        return o;
    };

    TReportBand titleBand;
    titleBand.name = QStringLiteral("ReportTitle1");
    titleBand.kind = BandKind::ReportTitle;
    titleBand.height = 18;
    TReportObject titleText = text(QStringLiteral("Title"), 0, printable, 18, QString(), AlignCenter);
    // Three lines: empty, the title, empty.
    titleText.text = QStringLiteral("\n") + title + QStringLiteral("\n");
    titleText.font = titleFont;
    titleText.canGrow = true;
    titleBand.objects << titleText;
    t.bands << titleBand;

    if (!headerText.trimmed().isEmpty()) {
        TReportBand header;
        header.name = QStringLiteral("PageHeader1");
        header.kind = BandKind::PageHeader;
        header.height = 6;
        header.objects << text(QStringLiteral("Header"), 0, printable, 6, headerText, AlignLeft);
        t.bands << header;
    }

    const double rowHeight = 6.0;
    TReportBand colHeader;
    colHeader.name = QStringLiteral("ColumnHeader1");
    colHeader.kind = BandKind::ColumnHeader;
    colHeader.height = rowHeight;
    TReportBand data;
    data.name = QStringLiteral("MasterData1");
    data.kind = BandKind::MasterData;
    data.dataSet = ds;
    data.height = rowHeight;
    TReportBand footer;
    footer.name = QStringLiteral("ColumnFooter1");
    footer.kind = BandKind::ColumnFooter;
    footer.height = rowHeight;
    bool hasFooter = false;
    double x = 0;
    for (int i = 0; i < cols.size(); ++i) {
        const TGridPrintColumn& c = cols[i];
        const int align = c.alignment >= 0 && c.alignment <= 2 ? c.alignment : AlignLeft;
        TReportObject h =
            text(QStringLiteral("Head%1").arg(i + 1), x, widths[i], rowHeight, c.title, AlignCenter);
        h.frame = FrameAll;
        h.font.bold = true;
        h.fillColor = QColor(0xEE, 0xEE, 0xEE);
        h.stretchToBand = true;
        h.canGrow = true;
        colHeader.objects << h;

        TReportObject cell = text(QStringLiteral("Cell%1").arg(i + 1), x, widths[i], rowHeight,
                                  QStringLiteral("[%1.\"%2\"]").arg(ds, c.fieldName), align);
        cell.frame = FrameAll;
        cell.displayFormat = c.displayFormat;
        if (fitMode == 1) {
            cell.wordWrap = false;
        } else {
            cell.canGrow = true;
            cell.stretchToBand = true;
        }
        data.objects << cell;

        TReportObject f =
            text(QStringLiteral("Foot%1").arg(i + 1), x, widths[i], rowHeight, QString(), align);
        f.frame = FrameAll;
        f.displayFormat = c.displayFormat;
        if (c.footerType == 2) {
            f.text = QStringLiteral("[SUM(%1.\"%2\")]").arg(ds, c.fieldName);
            hasFooter = true;
        } else if (c.footerType == 1) {
            f.text = c.footerValue;
            f.displayFormat.clear();
            hasFooter = true;
        }
        footer.objects << f;
        x += widths[i];
    }
    t.bands << colHeader << data;
    if (hasFooter)
        t.bands << footer;

    const QString foot = gridFooterText(footerText, today);
    if (!foot.isEmpty()) {
        TReportBand pageFooter;
        pageFooter.name = QStringLiteral("PageFooter1");
        pageFooter.kind = BandKind::PageFooter;
        pageFooter.height = 6;
        pageFooter.objects << text(QStringLiteral("Footer"), 0, printable, 6, foot, AlignRight);
        t.bands << pageFooter;
    }
    return t;
}

} // namespace report

bool PrintReport(const QString& name, TDataSet* data, QWidget* parent)
{
    if (!data || data->recordCount() == 0)
        return false;
    report::TReport r(name);
    r.bind(QStringLiteral("frxDM"), data);
    r.showPreview(parent);
    return true;
}

void DesignReport(const QString& name, TDataSet* data, QWidget* parent)
{
    DesignReport(name, data, report::defaultVariableNames(), parent);
}

void DesignReport(const QString& name, TDataSet* data, const QStringList& variables, QWidget* parent)
{
    report::TReport r(name);
    r.declareVariables(variables);
    r.bind(QStringLiteral("frxDM"), data);
    r.design(parent);
}

void PrintGrid(const report::TGridPrint& grid, const QString& title, int fitMode, const QString& footerText,
               const QString& headerText, QWidget* parent)
{
    report::TReport r;
    r.setTemplate(report::gridTemplate(grid, title, fitMode, footerText, headerText, QDate::currentDate()));
    r.bind(report::gridDataSetName(), const_cast<TDataSet*>(grid.data));
    r.setVariableSource([](const QString&) { return QVariant(); });
    r.showPreview(parent);
}

QString DateRangeCaption(bool fromTicked, const QDate& fromDate, bool toTicked, const QDate& toDate,
                         const QString& prefix)
{
    const QString format = QStringLiteral("yyyy年MM月dd日");
    const QString word = prefix.trimmed().isEmpty() ? QStringLiteral("统计") : prefix;
    const QString start = fromTicked ? fromDate.toString(format) : QStringLiteral("启用系统");
    const QString end = toTicked ? toDate.toString(format) : QStringLiteral("记帐最后一天");
    return word + QStringLiteral("日期：自 ") + start + QStringLiteral(" 至 ") + end;
}

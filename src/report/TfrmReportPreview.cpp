#include "report/TfrmReportPreview.h"

#include "core/support.h"
#include "core/ui_support.h"
#include "report/reportexport.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

TReportPageView::TReportPageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAutoFillBackground(false);
}

void TReportPageView::setReport(const TPreparedReport* report)
{
    m_report = report;
    m_highlight = QRectF();
    updateSize();
}

void TReportPageView::setPage(int page)
{
    m_page = page;
    m_highlight = QRectF();
    update();
}

void TReportPageView::setZoom(double zoom)
{
    m_zoom = zoom;
    updateSize();
}

QSizeF TReportPageView::pageSizePixels() const
{
    if (!m_report)
        return {};
    return QSizeF(m_report->page.pageWidth() * logicalDpiX() / 25.4,
                  m_report->page.pageHeight() * logicalDpiY() / 25.4);
}

void TReportPageView::updateSize()
{
    const QSizeF s = pageSizePixels() * m_zoom;
    setFixedSize(static_cast<int>(s.width()) + 24, static_cast<int>(s.height()) + 24);
    update();
}

void TReportPageView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    if (!m_report)
        return;
    const QSizeF s = pageSizePixels() * m_zoom;
    const QRectF pageRect(12, 12, s.width(), s.height());
    p.fillRect(pageRect.translated(3, 3), QColor(0x40, 0x40, 0x40));
    p.fillRect(pageRect, Qt::white);
    p.translate(pageRect.topLeft());
    setMillimetreScale(p, m_zoom);
    paintPage(p, *m_report, m_page);
    if (!m_highlight.isNull()) {
        p.setPen(QPen(QColor(0xE0, 0x20, 0x20), 0.4));
        p.setBrush(QColor(0xFF, 0xE0, 0x00, 0x60));
        p.drawRect(m_highlight);
    }
}

} // namespace report

using namespace report;

TfrmReportPreview::TfrmReportPreview(const TPreparedReport& report, QWidget* parent)
    : QDialog(parent), m_report(report)
{
    setObjectName(QStringLiteral("TfrmReportPreview"));
    setWindowTitle(QStringLiteral("预览 - ") + m_report.title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildUi();
    m_view->setReport(&m_report);
    resize(900, 700);
    setCurrentPage(0);
}

void TfrmReportPreview::buildUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(m_toolBar);

    auto action = [this](const QString& name, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        return a;
    };

    QAction* actPrint = action(QStringLiteral("actPrint"), QStringLiteral("打印"));
    actPrint->setShortcut(QKeySequence::Print);
    connect(actPrint, &QAction::triggered, this, &TfrmReportPreview::print);
    m_toolBar->addAction(actPrint);
    QAction* actSetup = action(QStringLiteral("actPageSetup"), QStringLiteral("页面设置"));
    connect(actSetup, &QAction::triggered, this, &TfrmReportPreview::pageSetup);
    m_toolBar->addAction(actSetup);

    auto* exportMenu = new QMenu(this);
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    const struct
    {
        const char* name;
        const char* text;
        ExportKind kind;
    } exports[] = {
        {"actExportPdf", "PDF 文件", ExportKind::Pdf},
        {"actExportPng", "PNG 图片", ExportKind::Png},
        {"actExportJpeg", "JPEG 图片", ExportKind::Jpeg},
        {"actExportBmp", "BMP 图片", ExportKind::Bmp},
        {"actExportHtml", "HTML 网页", ExportKind::Html},
        {"actExportText", "文本文件", ExportKind::Text},
        {"actExportCsv", "CSV 文件（分号分隔）", ExportKind::Csv},
    };
    for (const auto& e : exports) {
        QAction* a = action(QLatin1String(e.name), QString::fromUtf8(e.text));
        const ExportKind kind = e.kind;
        connect(a, &QAction::triggered, this, [this, kind] { askExport(kind); });
        exportMenu->addAction(a);
    }
    auto* exportButton = new QToolButton(this);
    exportButton->setObjectName(QStringLiteral("btnExport"));
    exportButton->setText(QStringLiteral("导出"));
    exportButton->setMenu(exportMenu);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    m_toolBar->addWidget(exportButton);
    m_toolBar->addSeparator();

    QAction* actZoomOut = action(QStringLiteral("actZoomOut"), QStringLiteral("缩小"));
    connect(actZoomOut, &QAction::triggered, this, [this] { setZoom(m_zoom / 1.25); });
    QAction* actZoomIn = action(QStringLiteral("actZoomIn"), QStringLiteral("放大"));
    connect(actZoomIn, &QAction::triggered, this, [this] { setZoom(m_zoom * 1.25); });
    m_toolBar->addAction(actZoomOut);
    m_toolBar->addAction(actZoomIn);
    m_cbbZoom = new QComboBox(this);
    m_cbbZoom->setObjectName(QStringLiteral("cbbZoom"));
    m_cbbZoom->addItems({QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"),
                         QStringLiteral("150%"), QStringLiteral("200%"), QStringLiteral("页宽")});
    m_cbbZoom->setCurrentIndex(2);
    connect(m_cbbZoom, &QComboBox::activated, this, [this](int index) {
        const double zooms[] = {0.5, 0.75, 1.0, 1.5, 2.0};
        if (index >= 0 && index < 5)
            setZoom(zooms[index]);
        else
            fitPageWidth();
    });
    m_toolBar->addWidget(m_cbbZoom);
    m_toolBar->addSeparator();

    m_actFirst = action(QStringLiteral("actFirst"), QStringLiteral("首页"));
    m_actPrior = action(QStringLiteral("actPrior"), QStringLiteral("上页"));
    m_actNext = action(QStringLiteral("actNext"), QStringLiteral("下页"));
    m_actLast = action(QStringLiteral("actLast"), QStringLiteral("末页"));
    m_actPrior->setShortcut(QKeySequence(Qt::Key_PageUp));
    m_actNext->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(m_actFirst, &QAction::triggered, this, [this] { setCurrentPage(0); });
    connect(m_actPrior, &QAction::triggered, this, [this] { setCurrentPage(m_page - 1); });
    connect(m_actNext, &QAction::triggered, this, [this] { setCurrentPage(m_page + 1); });
    connect(m_actLast, &QAction::triggered, this, [this] { setCurrentPage(m_report.pageCount() - 1); });
    m_toolBar->addAction(m_actFirst);
    m_toolBar->addAction(m_actPrior);
    m_spnPage = new QSpinBox(this);
    m_spnPage->setObjectName(QStringLiteral("spnPage"));
    m_spnPage->setKeyboardTracking(false);
    connect(m_spnPage, &QSpinBox::valueChanged, this, [this](int v) { setCurrentPage(v - 1); });
    m_toolBar->addWidget(m_spnPage);
    m_lblPageCount = new QLabel(this);
    m_lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    m_toolBar->addWidget(m_lblPageCount);
    m_toolBar->addAction(m_actNext);
    m_toolBar->addAction(m_actLast);
    m_toolBar->addSeparator();

    m_edtSearch = new QLineEdit(this);
    m_edtSearch->setObjectName(QStringLiteral("edtSearch"));
    m_edtSearch->setPlaceholderText(QStringLiteral("查找"));
    m_edtSearch->setMaximumWidth(160);
    connect(m_edtSearch, &QLineEdit::returnPressed, this, &TfrmReportPreview::findNext);
    m_toolBar->addWidget(m_edtSearch);
    QAction* actFind = action(QStringLiteral("actFind"), QStringLiteral("查找"));
    actFind->setShortcut(QKeySequence::Find);
    connect(actFind, &QAction::triggered, this, &TfrmReportPreview::findNext);
    m_toolBar->addAction(actFind);
    m_toolBar->addSeparator();
    QAction* actClose = action(QStringLiteral("actClose"), QStringLiteral("关闭"));
    connect(actClose, &QAction::triggered, this, &QDialog::reject);
    m_toolBar->addAction(actClose);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollArea"));
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new TReportPageView(m_scroll);
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);
}

void TfrmReportPreview::updateNavigation()
{
    const int count = m_report.pageCount();
    m_actFirst->setEnabled(m_page > 0);
    m_actPrior->setEnabled(m_page > 0);
    m_actNext->setEnabled(m_page < count - 1);
    m_actLast->setEnabled(m_page < count - 1);
    const QSignalBlocker block(m_spnPage);
    m_spnPage->setRange(count > 0 ? 1 : 0, count);
    m_spnPage->setValue(m_page + 1);
    m_lblPageCount->setText(QStringLiteral(" / %1 ").arg(count));
}

void TfrmReportPreview::setCurrentPage(int page)
{
    m_page = std::clamp(page, 0, std::max(0, m_report.pageCount() - 1));
    m_view->setPage(m_page);
    updateNavigation();
}

void TfrmReportPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    m_view->setZoom(m_zoom);
}

void TfrmReportPreview::fitPageWidth()
{
    const double pagePx = m_view->pageSizePixels().width();
    const int avail = m_scroll->viewport()->width() - 30;
    if (pagePx > 0 && avail > 50)
        setZoom(avail / pagePx);
}

bool TfrmReportPreview::find(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (text != m_lastSearch) {
        m_lastSearch = text;
        m_hitPage = m_page;
        m_hitItem = -1;
    }
    const int count = m_report.pageCount();
    // Walk the pages once, starting after the last hit, wrapping at the end.
    for (int step = 0; step <= count; ++step) {
        const int pg = (m_hitPage + step) % std::max(1, count);
        const auto& items = m_report.pages[pg].items;
        const int start = step == 0 ? m_hitItem + 1 : 0;
        for (int i = start; i < items.size(); ++i) {
            const TRenderItem& it = items[i];
            if (it.kind == TRenderItem::Text && m_report.itemText(it).contains(text, Qt::CaseInsensitive)) {
                m_hitPage = pg;
                m_hitItem = i;
                setCurrentPage(pg);
                m_view->setHighlight(it.rect);
                return true;
            }
        }
    }
    m_hitItem = -1;
    return false;
}

void TfrmReportPreview::findNext()
{
    const QString text = m_edtSearch->text();
    if (text.isEmpty())
        return;
    if (!find(text))
        ShowMess(QStringLiteral("没有找到“") + text + QStringLiteral("”。"), mkInformation);
}

void TfrmReportPreview::applyPage(const TReportPage& page)
{
    if (!m_reprepare)
        return;
    m_report = m_reprepare(page);
    m_view->setReport(&m_report);
    m_hitItem = -1;
    setCurrentPage(m_page);
}

bool TfrmReportPreview::exportTo(ExportKind kind, const QString& path)
{
    QString error;
    bool ok = false;
    switch (kind) {
    case ExportKind::Pdf:
        ok = exportPdf(m_report, path, &error);
        break;
    case ExportKind::Png:
    case ExportKind::Jpeg:
    case ExportKind::Bmp:
        ok = exportImages(m_report, path, 150.0, &error).size() == m_report.pageCount();
        break;
    case ExportKind::Html:
        ok = exportHtml(m_report, path, &error);
        break;
    case ExportKind::Text:
        ok = exportText(m_report, path, &error);
        break;
    case ExportKind::Csv:
        ok = exportCsv(m_report, path, &error);
        break;
    }
    if (!ok)
        ShowMess(QStringLiteral("导出失败：") + path +
                     (error.isEmpty() ? QString() : QStringLiteral("\n") + error),
                 mkError);
    return ok;
}

void TfrmReportPreview::askExport(ExportKind kind)
{
    QString filter;
    QString suffix;
    switch (kind) {
    case ExportKind::Pdf:
        filter = QStringLiteral("PDF 文件 (*.pdf)");
        suffix = QStringLiteral("pdf");
        break;
    case ExportKind::Png:
        filter = QStringLiteral("PNG 图片 (*.png)");
        suffix = QStringLiteral("png");
        break;
    case ExportKind::Jpeg:
        filter = QStringLiteral("JPEG 图片 (*.jpg *.jpeg)");
        suffix = QStringLiteral("jpg");
        break;
    case ExportKind::Bmp:
        filter = QStringLiteral("BMP 图片 (*.bmp)");
        suffix = QStringLiteral("bmp");
        break;
    case ExportKind::Html:
        filter = QStringLiteral("HTML 网页 (*.html *.htm)");
        suffix = QStringLiteral("html");
        break;
    case ExportKind::Text:
        filter = QStringLiteral("文本文件 (*.txt)");
        suffix = QStringLiteral("txt");
        break;
    case ExportKind::Csv:
        filter = QStringLiteral("CSV 文件 (*.csv)");
        suffix = QStringLiteral("csv");
        break;
    }
    QString path = filedialogs::getSaveFileName(this, QStringLiteral("导出"),
                                                m_report.title + QLatin1Char('.') + suffix, filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    exportTo(kind, path);
}

bool TfrmReportPreview::printTo(QPrinter& printer, int fromPage, int toPage)
{
    return printReport(m_report, printer, fromPage, toPage);
}

void TfrmReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report.title);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setMinMax(1, std::max(1, m_report.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 0;
    int to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = m_page + 1;
    }
    if (!printTo(printer, from, to))
        ShowMess(QStringLiteral("打印失败，请检查打印机设置！"), mkError);
}

void TfrmReportPreview::pageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    const TReportPage& cur = m_report.page;
    printer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(cur.width, cur.height), QPageSize::Millimeter),
                    cur.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(cur.marginLeft, cur.marginTop, cur.marginRight, cur.marginBottom),
                    QPageLayout::Millimeter));
    QPageSetupDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout layout = printer.pageLayout();
    TReportPage page = cur;
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    page.width = size.width();
    page.height = size.height();
    page.landscape = layout.orientation() == QPageLayout::Landscape;
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    page.marginLeft = m.left();
    page.marginTop = m.top();
    page.marginRight = m.right();
    page.marginBottom = m.bottom();
    applyPage(page);
}

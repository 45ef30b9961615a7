#pragma once

#include "report/reportengine.h"

#include <QDialog>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolBar;

namespace report {

// Draws one page of a prepared report at a zoom factor.
class TReportPageView : public QWidget
{
    Q_OBJECT
public:
    explicit TReportPageView(QWidget* parent = nullptr);

    void setReport(const TPreparedReport* report);
    void setPage(int page);
    void setZoom(double zoom);
    void setHighlight(const QRectF& rect)
    {
        m_highlight = rect;
        update();
    }
    // Size of the page on screen at zoom 1, in pixels.
    QSizeF pageSizePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();

    const TPreparedReport* m_report = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
    QRectF m_highlight;
};

} // namespace report

// The preview of a prepared report: zoom, page navigation, search, page
// setup, printing and export.
class TfrmReportPreview : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReportPreview(const report::TPreparedReport& report, QWidget* parent = nullptr);

    // Lays the report out again for other page settings (page setup).
    using Repreparer = std::function<report::TPreparedReport(const report::TReportPage& page)>;
    void setRepreparer(Repreparer fn) { m_reprepare = std::move(fn); }

    const report::TPreparedReport& preparedReport() const { return m_report; }
    int currentPage() const { return m_page; }
    void setCurrentPage(int page);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void fitPageWidth();

    // Finds the next text containing `text` after the last hit; false when none.
    bool find(const QString& text);
    // Applies new page settings and lays the report out again.
    void applyPage(const report::TReportPage& page);

    enum class ExportKind
    {
        Pdf,
        Png,
        Jpeg,
        Bmp,
        Html,
        Text,
        Csv
    };
    // Writes the prepared report; failures are reported through ShowMess.
    bool exportTo(ExportKind kind, const QString& path);
    bool printTo(QPrinter& printer, int fromPage = 0, int toPage = 0);

private:
    void buildUi();
    void updateNavigation();
    void askExport(ExportKind kind);
    void print();
    void pageSetup();
    void findNext();

    report::TPreparedReport m_report;
    Repreparer m_reprepare;
    int m_page = 0;
    double m_zoom = 1.0;
    int m_hitPage = 0;
    int m_hitItem = -1;
    QString m_lastSearch;

    QToolBar* m_toolBar = nullptr;
    QScrollArea* m_scroll = nullptr;
    report::TReportPageView* m_view = nullptr;
    QSpinBox* m_spnPage = nullptr;
    QLabel* m_lblPageCount = nullptr;
    QComboBox* m_cbbZoom = nullptr;
    QLineEdit* m_edtSearch = nullptr;
    QAction* m_actFirst = nullptr;
    QAction* m_actPrior = nullptr;
    QAction* m_actNext = nullptr;
    QAction* m_actLast = nullptr;
};

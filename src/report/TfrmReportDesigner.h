#pragma once

#include "report/reportprint.h"
#include "report/reporttemplate.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;

namespace report {
class TDesignBandItem;
class TDesignObjectItem;
} // namespace report

// The visual template editor: bands stacked on the page, objects placed on a
// snap grid with the mouse, a property panel, the data sets' fields and the
// variables to insert, undo, preview and save back to the template file.
class TfrmReportDesigner : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReportDesigner(report::TReport& report, QWidget* parent = nullptr);
    ~TfrmReportDesigner() override;

    static constexpr double kSnap = 1.0; // mm

    const report::TReportTemplate& model() const { return m_model; }
    QGraphicsScene* scene() const { return m_scene; }
    QGraphicsView* view() const { return m_view; }
    QUndoStack* undoStack() const { return m_undo; }

    // Editing operations (toolbar, mouse, drops and tests).
    int addBand(report::BandKind kind);
    QString addObject(report::ObjectKind kind, int band, const QPointF& pos, const QString& text = QString());
    void deleteSelection();
    void setObjectGeometry(const QString& name, const QRectF& geometry);
    void setBandHeight(int band, double height);
    // Replaces the model as one undoable step.
    void changeModel(const report::TReportTemplate& after, const QString& what);

    void selectObject(const QString& name);
    void selectBand(int band);
    QString selectedObject() const { return m_selObject; }
    int selectedBand() const { return m_selBand; }
    report::TDesignObjectItem* objectItem(const QString& name) const;
    report::TDesignBandItem* bandItem(int band) const;
    // Scene rectangle of a band's body.
    QRectF bandRect(int band) const;

    // Inserts a field or variable: into the selected text object, else as a
    // new text object in the selected band.
    void insertExpression(const QString& expression);

    bool save();
    void preview();
    bool isModified() const;

    // Called by the scene items when the mouse has moved or resized them.
    void commitSceneGeometry();
    void dropExpression(int band, const QPointF& pos, const QString& expression);

    // Closing asks whether to save a changed template.
    void reject() override;

private:
    friend class SnapshotCommand;
    void buildUi();
    QWidget* buildPropertyPanel();
    void fillDataTree();
    void rebuildScene();
    void layoutBands();
    void restore(const report::TReportTemplate& t);
    void onSceneSelection();
    void refreshPanel();
    void onPanelEdited();
    int targetBand() const;

    report::TReport& m_report;
    report::TReportTemplate m_model;
    QUndoStack* m_undo = nullptr;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    QVector<report::TDesignBandItem*> m_bandItems;
    int m_selBand = -1;
    QString m_selObject;
    bool m_updating = false;

    QTreeWidget* m_tree = nullptr;
    QStackedWidget* m_panel = nullptr;
    // Page settings.
    QLineEdit* m_edtTitle = nullptr;
    QDoubleSpinBox* m_spnPageWidth = nullptr;
    QDoubleSpinBox* m_spnPageHeight = nullptr;
    QCheckBox* m_chkLandscape = nullptr;
    QDoubleSpinBox* m_spnMargin[4] = {};
    // Band settings.
    QLabel* m_lblBandKind = nullptr;
    QDoubleSpinBox* m_spnBandHeight = nullptr;
    QComboBox* m_cbbDataSet = nullptr;
    QCheckBox* m_chkCurrentRecord = nullptr;
    QLineEdit* m_edtGroupField = nullptr;
    QLineEdit* m_edtMasterField = nullptr;
    QLineEdit* m_edtDetailField = nullptr;
    QSpinBox* m_spnColumns = nullptr;
    QDoubleSpinBox* m_spnColumnWidth = nullptr;
    QDoubleSpinBox* m_spnColumnGap = nullptr;
    QCheckBox* m_chkStartNewPage = nullptr;
    // Object settings.
    QLabel* m_lblObjectName = nullptr;
    QLineEdit* m_edtText = nullptr;
    QFontComboBox* m_cbbFont = nullptr;
    QDoubleSpinBox* m_spnFontSize = nullptr;
    QCheckBox* m_chkBold = nullptr;
    QCheckBox* m_chkItalic = nullptr;
    QCheckBox* m_chkUnderline = nullptr;
    QComboBox* m_cbbHAlign = nullptr;
    QComboBox* m_cbbVAlign = nullptr;
    QCheckBox* m_chkFrame[4] = {};
    QDoubleSpinBox* m_spnFrameWidth = nullptr;
    QComboBox* m_cbbFormat = nullptr;
    QCheckBox* m_chkWordWrap = nullptr;
    QCheckBox* m_chkCanGrow = nullptr;
    QCheckBox* m_chkStretch = nullptr;
    QDoubleSpinBox* m_spnGeom[4] = {};
};

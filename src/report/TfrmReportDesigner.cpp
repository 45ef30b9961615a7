#include "report/TfrmReportDesigner.h"

#include "core/dataset.h"
#include "core/support.h"
#include "core/ui_support.h"
#include "report/TfrmReportPreview.h"
#include "report/designitems.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

using namespace report;

namespace {

// Tree of data-set fields and variables; dragging an entry carries its expression.
class TFieldTree : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    QStringList mimeTypes() const override { return {QStringLiteral("text/plain")}; }
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override
    {
        if (items.isEmpty())
            return nullptr;
        const QString expression = items.first()->data(0, Qt::UserRole).toString();
        if (expression.isEmpty())
            return nullptr;
        auto* data = new QMimeData;
        data->setText(expression);
        return data;
    }
};

int kindOrder(BandKind k)
{
    return static_cast<int>(k);
}

QString displayText(const QString& s)
{
    QString t = s;
    return t.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString storedText(const QString& s)
{
    QString t = s;
    return t.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

} // namespace

// One undoable change: the whole template before and after.
class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(TfrmReportDesigner* designer, TReportTemplate before, TReportTemplate after,
                    const QString& text, bool sceneUpToDate)
        : QUndoCommand(text), m_designer(designer), m_before(std::move(before)), m_after(std::move(after)),
          m_skipScene(sceneUpToDate)
    {
    }

    void undo() override { m_designer->restore(m_before); }
    void redo() override
    {
        if (m_skipScene) {
            // The mouse already put the items where they belong.
            m_skipScene = false;
            m_designer->m_model = m_after;
            m_designer->layoutBands();
            m_designer->refreshPanel();
            return;
        }
        m_designer->restore(m_after);
    }

private:
    TfrmReportDesigner* m_designer;
    TReportTemplate m_before;
    TReportTemplate m_after;
    bool m_skipScene;
};

TfrmReportDesigner::TfrmReportDesigner(TReport& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_model(report.reportTemplate())
{
    setObjectName(QStringLiteral("TfrmReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计 - ") + report.name());
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_undo = new QUndoStack(this);
    m_undo->setObjectName(QStringLiteral("undoStack"));
    buildUi();
    fillDataTree();
    rebuildScene();
    refreshPanel();
    resize(1100, 760);
}

TfrmReportDesigner::~TfrmReportDesigner()
{
    // Items call back into the designer; remove them first.
    m_bandItems.clear();
    m_scene->clear();
}

void TfrmReportDesigner::buildUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(toolBar);

    auto action = [this, toolBar](const QString& name, const QString& text) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        toolBar->addAction(a);
        return a;
    };
    QAction* actSave = action(QStringLiteral("actSave"), QStringLiteral("保存"));
    actSave->setShortcut(QKeySequence::Save);
    connect(actSave, &QAction::triggered, this, &TfrmReportDesigner::save);
    QAction* actPreview = action(QStringLiteral("actPreview"), QStringLiteral("预览"));
    connect(actPreview, &QAction::triggered, this, &TfrmReportDesigner::preview);
    toolBar->addSeparator();
    QAction* actUndo = m_undo->createUndoAction(this, QStringLiteral("撤销"));
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcut(QKeySequence::Undo);
    toolBar->addAction(actUndo);
    QAction* actRedo = m_undo->createRedoAction(this, QStringLiteral("重做"));
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcut(QKeySequence::Redo);
    toolBar->addAction(actRedo);
    toolBar->addSeparator();

    auto* bandMenu = new QMenu(this);
    bandMenu->setObjectName(QStringLiteral("bandMenu"));
    for (BandKind k :
         {BandKind::ReportTitle, BandKind::PageHeader, BandKind::ColumnHeader, BandKind::GroupHeader,
          BandKind::MasterData, BandKind::DetailData, BandKind::GroupFooter, BandKind::ColumnFooter,
          BandKind::PageFooter, BandKind::ReportSummary}) {
        QAction* a = bandMenu->addAction(bandKindCaption(k));
        a->setObjectName(QStringLiteral("actBand_") + bandKindName(k));
        connect(a, &QAction::triggered, this, [this, k] { addBand(k); });
    }
    auto* bandButton = new QToolButton(this);
    bandButton->setObjectName(QStringLiteral("btnAddBand"));
    bandButton->setText(QStringLiteral("添加区域"));
    bandButton->setMenu(bandMenu);
    bandButton->setPopupMode(QToolButton::InstantPopup);
    toolBar->addWidget(bandButton);

    const struct
    {
        const char* name;
        const char* text;
        ObjectKind kind;
    } kinds[] = {
        {"actAddText", "文本", ObjectKind::Text},
        {"actAddLine", "线条", ObjectKind::Line},
        {"actAddRect", "矩形", ObjectKind::Rect},
        {"actAddPicture", "图片", ObjectKind::Picture},
        {"actAddFieldPicture", "字段图片", ObjectKind::FieldPicture},
    };
    for (const auto& k : kinds) {
        QAction* a = action(QLatin1String(k.name), QString::fromUtf8(k.text));
        const ObjectKind kind = k.kind;
        connect(a, &QAction::triggered, this, [this, kind] {
            const int band = targetBand();
            if (band < 0) {
                ShowMess(QStringLiteral("请先添加一个区域。"), mkInformation);
                return;
            }
            addObject(kind, band, QPointF(2, 1));
        });
    }
    QAction* actDelete = action(QStringLiteral("actDelete"), QStringLiteral("删除"));
    actDelete->setShortcut(QKeySequence::Delete);
    connect(actDelete, &QAction::triggered, this, &TfrmReportDesigner::deleteSelection);
    toolBar->addSeparator();
    QAction* actClose = action(QStringLiteral("actClose"), QStringLiteral("关闭"));
    connect(actClose, &QAction::triggered, this, &TfrmReportDesigner::reject);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    layout->addWidget(splitter, 1);

    m_scene = new QGraphicsScene(this);
    m_scene->setObjectName(QStringLiteral("designScene"));
    connect(m_scene, &QGraphicsScene::selectionChanged, this, &TfrmReportDesigner::onSceneSelection);
    m_view = new QGraphicsView(m_scene, splitter);
    m_view->setObjectName(QStringLiteral("designView"));
    m_view->setBackgroundBrush(QColor(0x90, 0x98, 0xA0));
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_view->setAcceptDrops(true);
    const double scale = m_view->logicalDpiX() / 25.4;
    m_view->setTransform(QTransform::fromScale(scale, scale));
    splitter->addWidget(m_view);

    auto* right = new QSplitter(Qt::Vertical, splitter);
    right->setObjectName(QStringLiteral("rightSplitter"));
    m_tree = new TFieldTree(right);
    m_tree->setObjectName(QStringLiteral("dataTree"));
    m_tree->setHeaderLabel(QStringLiteral("数据字段与变量"));
    m_tree->setDragEnabled(true);
    m_tree->setDragDropMode(QAbstractItemView::DragOnly);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QString e = item->data(0, Qt::UserRole).toString();
        if (!e.isEmpty())
            insertExpression(e);
    });
    right->addWidget(m_tree);
    auto* scroll = new QScrollArea(right);
    scroll->setObjectName(QStringLiteral("propertyScroll"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(buildPropertyPanel());
    right->addWidget(scroll);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
}

QWidget* TfrmReportDesigner::buildPropertyPanel()
{
    m_panel = new QStackedWidget;
    m_panel->setObjectName(QStringLiteral("propertyPanel"));
    auto spin = [](const QString& name, double lo, double hi, double step = 0.5) {
        auto* s = new QDoubleSpinBox;
        s->setObjectName(name);
        s->setRange(lo, hi);
        s->setDecimals(1);
        s->setSingleStep(step);
        s->setKeyboardTracking(false);
        return s;
    };
    auto check = [](const QString& name, const QString& text) {
        auto* c = new QCheckBox(text);
        c->setObjectName(name);
        return c;
    };
    auto edit = [](const QString& name) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        return e;
    };

    // Page.
    auto* pagePage = new QGroupBox(QStringLiteral("页面"));
    pagePage->setObjectName(QStringLiteral("pagePage"));
    auto* pf = new QFormLayout(pagePage);
    m_edtTitle = edit(QStringLiteral("edtTitle"));
    pf->addRow(QStringLiteral("标题："), m_edtTitle);
    m_spnPageWidth = spin(QStringLiteral("spnPageWidth"), 20, 2000);
    m_spnPageHeight = spin(QStringLiteral("spnPageHeight"), 20, 2000);
    pf->addRow(QStringLiteral("纸宽(mm)："), m_spnPageWidth);
    pf->addRow(QStringLiteral("纸高(mm)："), m_spnPageHeight);
    m_chkLandscape = check(QStringLiteral("chkLandscape"), QStringLiteral("横向"));
    pf->addRow(QString(), m_chkLandscape);
    const char* marginNames[] = {"spnMarginLeft", "spnMarginTop", "spnMarginRight", "spnMarginBottom"};
    const char* marginTexts[] = {"左边距：", "上边距：", "右边距：", "下边距："};
    for (int i = 0; i < 4; ++i) {
        m_spnMargin[i] = spin(QLatin1String(marginNames[i]), 0, 200);
        pf->addRow(QString::fromUtf8(marginTexts[i]), m_spnMargin[i]);
    }
    m_panel->addWidget(pagePage);

    // Band.
    auto* bandPage = new QGroupBox(QStringLiteral("区域"));
    bandPage->setObjectName(QStringLiteral("bandPage"));
    auto* bf = new QFormLayout(bandPage);
    m_lblBandKind = new QLabel;
    m_lblBandKind->setObjectName(QStringLiteral("lblBandKind"));
    bf->addRow(QStringLiteral("类型："), m_lblBandKind);
    m_spnBandHeight = spin(QStringLiteral("spnBandHeight"), 0, 2000);
    bf->addRow(QStringLiteral("高度(mm)："), m_spnBandHeight);
    m_cbbDataSet = new QComboBox;
    m_cbbDataSet->setObjectName(QStringLiteral("cbbDataSet"));
    m_cbbDataSet->setEditable(true);
    bf->addRow(QStringLiteral("数据集："), m_cbbDataSet);
    m_chkCurrentRecord = check(QStringLiteral("chkCurrentRecord"), QStringLiteral("只打印当前记录"));
    bf->addRow(QString(), m_chkCurrentRecord);
    m_edtGroupField = edit(QStringLiteral("edtGroupField"));
    bf->addRow(QStringLiteral("分组字段："), m_edtGroupField);
    m_edtMasterField = edit(QStringLiteral("edtMasterField"));
    bf->addRow(QStringLiteral("主表关联字段："), m_edtMasterField);
    m_edtDetailField = edit(QStringLiteral("edtDetailField"));
    bf->addRow(QStringLiteral("从表关联字段："), m_edtDetailField);
    m_spnColumns = new QSpinBox;
    m_spnColumns->setObjectName(QStringLiteral("spnColumns"));
    m_spnColumns->setRange(1, 20);
    m_spnColumns->setKeyboardTracking(false);
    bf->addRow(QStringLiteral("分栏数："), m_spnColumns);
    m_spnColumnWidth = spin(QStringLiteral("spnColumnWidth"), 0, 2000);
    bf->addRow(QStringLiteral("栏宽(mm)："), m_spnColumnWidth);
    m_spnColumnGap = spin(QStringLiteral("spnColumnGap"), 0, 500);
    bf->addRow(QStringLiteral("栏间距(mm)："), m_spnColumnGap);
    m_chkStartNewPage = check(QStringLiteral("chkStartNewPage"), QStringLiteral("另起一页"));
    bf->addRow(QString(), m_chkStartNewPage);
    m_panel->addWidget(bandPage);

    // Object.
    auto* objectPage = new QGroupBox(QStringLiteral("对象"));
    objectPage->setObjectName(QStringLiteral("objectPage"));
    auto* of = new QFormLayout(objectPage);
    m_lblObjectName = new QLabel;
    m_lblObjectName->setObjectName(QStringLiteral("lblObjectName"));
    of->addRow(QStringLiteral("名称："), m_lblObjectName);
    m_edtText = edit(QStringLiteral("edtText"));
    m_edtText->setToolTip(QStringLiteral("[数据集.\"字段\"] 插入字段，[变量名] 插入变量，\\n 换行"));
    of->addRow(QStringLiteral("内容："), m_edtText);
    m_cbbFont = new QFontComboBox;
    m_cbbFont->setObjectName(QStringLiteral("cbbFont"));
    m_cbbFont->setEditable(true);
    of->addRow(QStringLiteral("字体："), m_cbbFont);
    m_spnFontSize = spin(QStringLiteral("spnFontSize"), 1, 200);
    of->addRow(QStringLiteral("字号："), m_spnFontSize);
    auto* styleRow = new QWidget;
    auto* sl = new QHBoxLayout(styleRow);
    sl->setContentsMargins(0, 0, 0, 0);
    m_chkBold = check(QStringLiteral("chkBold"), QStringLiteral("粗体"));
    m_chkItalic = check(QStringLiteral("chkItalic"), QStringLiteral("斜体"));
    m_chkUnderline = check(QStringLiteral("chkUnderline"), QStringLiteral("下划线"));
    sl->addWidget(m_chkBold);
    sl->addWidget(m_chkItalic);
    sl->addWidget(m_chkUnderline);
    of->addRow(QString(), styleRow);
    m_cbbHAlign = new QComboBox;
    m_cbbHAlign->setObjectName(QStringLiteral("cbbHAlign"));
    m_cbbHAlign->addItems({QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    of->addRow(QStringLiteral("水平对齐："), m_cbbHAlign);
    m_cbbVAlign = new QComboBox;
    m_cbbVAlign->setObjectName(QStringLiteral("cbbVAlign"));
    m_cbbVAlign->addItems({QStringLiteral("顶端"), QStringLiteral("居中"), QStringLiteral("底端")});
    of->addRow(QStringLiteral("垂直对齐："), m_cbbVAlign);
    auto* frameRow = new QWidget;
    auto* fl = new QHBoxLayout(frameRow);
    fl->setContentsMargins(0, 0, 0, 0);
    const char* frameNames[] = {"chkFrameLeft", "chkFrameTop", "chkFrameRight", "chkFrameBottom"};
    const char* frameTexts[] = {"左", "上", "右", "下"};
    for (int i = 0; i < 4; ++i) {
        m_chkFrame[i] = check(QLatin1String(frameNames[i]), QString::fromUtf8(frameTexts[i]));
        fl->addWidget(m_chkFrame[i]);
    }
    of->addRow(QStringLiteral("边框："), frameRow);
    m_spnFrameWidth = spin(QStringLiteral("spnFrameWidth"), 0, 5, 0.1);
    m_spnFrameWidth->setDecimals(2);
    of->addRow(QStringLiteral("线宽(mm)："), m_spnFrameWidth);
    m_cbbFormat = new QComboBox;
    m_cbbFormat->setObjectName(QStringLiteral("cbbFormat"));
    m_cbbFormat->setEditable(true);
    m_cbbFormat->addItems({QString(), QStringLiteral("￥,0.00##;-￥,0.00##"),
                           QStringLiteral("￥,0.00;-￥,0.00"), QStringLiteral(",0.##;-,0.##"),
                           QStringLiteral(",0.####;-,0.####"), QStringLiteral("yyyy-MM-dd"),
                           QStringLiteral("yyyy-MM-dd hh:nn:ss"), QStringLiteral("yyyy年MM月dd日"),
                           QStringLiteral("map:0=折扣卡;1=储值卡;2=计次卡;3=升级卡")});
    of->addRow(QStringLiteral("显示格式："), m_cbbFormat);
    m_chkWordWrap = check(QStringLiteral("chkWordWrap"), QStringLiteral("自动换行"));
    m_chkCanGrow = check(QStringLiteral("chkCanGrow"), QStringLiteral("随内容增高"));
    m_chkStretch = check(QStringLiteral("chkStretch"), QStringLiteral("伸展到区域底部"));
    of->addRow(QString(), m_chkWordWrap);
    of->addRow(QString(), m_chkCanGrow);
    of->addRow(QString(), m_chkStretch);
    const char* geomNames[] = {"spnLeft", "spnTop", "spnWidth", "spnHeight"};
    const char* geomTexts[] = {"左(mm)：", "上(mm)：", "宽(mm)：", "高(mm)："};
    for (int i = 0; i < 4; ++i) {
        m_spnGeom[i] = spin(QLatin1String(geomNames[i]), i < 2 ? -500 : 0, 2000);
        of->addRow(QString::fromUtf8(geomTexts[i]), m_spnGeom[i]);
    }
    m_panel->addWidget(objectPage);

    // Every edit of the panel becomes one undoable change.
    for (QDoubleSpinBox* s : m_panel->findChildren<QDoubleSpinBox*>())
        connect(s, &QDoubleSpinBox::valueChanged, this, &TfrmReportDesigner::onPanelEdited);
    connect(m_spnColumns, &QSpinBox::valueChanged, this, &TfrmReportDesigner::onPanelEdited);
    for (QCheckBox* c : m_panel->findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, &TfrmReportDesigner::onPanelEdited);
    for (QLineEdit* e : {m_edtTitle, m_edtGroupField, m_edtMasterField, m_edtDetailField, m_edtText})
        connect(e, &QLineEdit::editingFinished, this, &TfrmReportDesigner::onPanelEdited);
    for (QComboBox* c : {m_cbbHAlign, m_cbbVAlign})
        connect(c, &QComboBox::currentIndexChanged, this, &TfrmReportDesigner::onPanelEdited);
    connect(m_cbbFont, &QFontComboBox::currentFontChanged, this, &TfrmReportDesigner::onPanelEdited);
    for (QComboBox* c : {m_cbbFormat, m_cbbDataSet}) {
        connect(c, &QComboBox::activated, this, &TfrmReportDesigner::onPanelEdited);
        connect(c->lineEdit(), &QLineEdit::editingFinished, this, &TfrmReportDesigner::onPanelEdited);
    }
    return m_panel;
}

void TfrmReportDesigner::fillDataTree()
{
    m_tree->clear();
    const TDataSources sets = m_report.dataSources();
    for (auto it = sets.cbegin(); it != sets.cend(); ++it) {
        auto* top = new QTreeWidgetItem(m_tree, {it.key()});
        top->setFlags(Qt::ItemIsEnabled);
        for (const QString& f : it.value()->fieldNames()) {
            auto* child = new QTreeWidgetItem(top, {f});
            child->setData(0, Qt::UserRole, QStringLiteral("[%1.\"%2\"]").arg(it.key(), f));
            child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        }
        m_cbbDataSet->addItem(it.key());
    }
    auto* vars = new QTreeWidgetItem(
        m_tree, {m_model.variableCategory.isEmpty() ? variableCategory() : m_model.variableCategory});
    vars->setFlags(Qt::ItemIsEnabled);
    for (const TReportVariable& v : m_model.variables) {
        auto* child = new QTreeWidgetItem(vars, {v.name});
        child->setData(0, Qt::UserRole, QString(QLatin1Char('[') + v.name + QLatin1Char(']')));
        child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    auto* system = new QTreeWidgetItem(m_tree, {QStringLiteral("系统变量")});
    system->setFlags(Qt::ItemIsEnabled);
    const struct
    {
        const char* caption;
        const char* expression;
    } systemVars[] = {{"页码", "[Page#]"},
                      {"总页数", "[TotalPages#]"},
                      {"日期", "[Date]"},
                      {"时间", "[Time]"},
                      {"行号", "[Line#]"}};
    for (const auto& s : systemVars) {
        auto* child = new QTreeWidgetItem(system, {QString::fromUtf8(s.caption)});
        child->setData(0, Qt::UserRole, QLatin1String(s.expression));
        child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    m_tree->expandAll();
}

void TfrmReportDesigner::rebuildScene()
{
    const QString keepObject = m_selObject;
    const int keepBand = m_selBand;
    {
        const QSignalBlocker block(m_scene);
        m_bandItems.clear();
        m_scene->clear();
        const double width = m_model.page.printableWidth();
        for (int i = 0; i < m_model.bands.size(); ++i) {
            auto* band = new TDesignBandItem(this, i, m_model.bands[i], width);
            m_scene->addItem(band);
            m_bandItems << band;
            for (const TReportObject& o : m_model.bands[i].objects)
                new TDesignObjectItem(this, o, band);
        }
        layoutBands();
    }
    m_selObject.clear();
    m_selBand = -1;
    if (!keepObject.isEmpty() && objectItem(keepObject))
        selectObject(keepObject);
    else if (keepBand >= 0 && keepBand < m_bandItems.size())
        selectBand(keepBand);
    else
        refreshPanel();
}

void TfrmReportDesigner::layoutBands()
{
    double y = TDesignBandItem::kCaptionHeight + 2;
    for (int i = 0; i < m_bandItems.size() && i < m_model.bands.size(); ++i) {
        m_bandItems[i]->setPos(2, y);
        y += m_model.bands[i].height + TDesignBandItem::kCaptionHeight + TDesignBandItem::kGap;
    }
    m_scene->setSceneRect(0, 0, m_model.page.printableWidth() + 4, y + 20);
    m_scene->update();
}

void TfrmReportDesigner::restore(const TReportTemplate& t)
{
    m_model = t;
    rebuildScene();
}

void TfrmReportDesigner::changeModel(const TReportTemplate& after, const QString& what)
{
    if (after == m_model)
        return;
    m_undo->push(new SnapshotCommand(this, m_model, after, what, false));
}

TDesignObjectItem* TfrmReportDesigner::objectItem(const QString& name) const
{
    for (TDesignBandItem* band : m_bandItems)
        for (QGraphicsItem* child : band->childItems())
            if (auto* o = dynamic_cast<TDesignObjectItem*>(child); o && o->name() == name)
                return o;
    return nullptr;
}

TDesignBandItem* TfrmReportDesigner::bandItem(int band) const
{
    return band >= 0 && band < m_bandItems.size() ? m_bandItems[band] : nullptr;
}

QRectF TfrmReportDesigner::bandRect(int band) const
{
    TDesignBandItem* item = bandItem(band);
    if (!item)
        return {};
    return QRectF(item->pos(), QSizeF(item->width(), item->height()));
}

int TfrmReportDesigner::addBand(BandKind kind)
{
    TReportTemplate after = m_model;
    TReportBand band;
    band.kind = kind;
    band.height = kind == BandKind::ReportTitle ? 15.0 : 8.0;
    int n = 1;
    for (const TReportBand& b : after.bands)
        n += b.kind == kind ? 1 : 0;
    QString stem = bandKindName(kind);
    stem[0] = stem[0].toUpper();
    band.name = stem + QString::number(n);
    if (kind == BandKind::MasterData)
        band.dataSet = QStringLiteral("frxDM");
    // After the last band that comes before it in printing order.
    int pos = 0;
    for (int i = 0; i < after.bands.size(); ++i)
        if (kindOrder(after.bands[i].kind) <= kindOrder(kind))
            pos = i + 1;
    after.bands.insert(pos, band);
    m_selObject.clear();
    m_selBand = pos;
    changeModel(after, QStringLiteral("添加区域"));
    selectBand(pos);
    return pos;
}

QString TfrmReportDesigner::addObject(ObjectKind kind, int band, const QPointF& pos, const QString& text)
{
    if (band < 0 || band >= m_model.bands.size())
        return {};
    TReportTemplate after = m_model;
    TReportBand& b = after.bands[band];
    TReportObject o;
    o.kind = kind;
    const double width = m_model.page.printableWidth();
    QSizeF size(30, 5);
    switch (kind) {
    case ObjectKind::Text:
        o.name = after.uniqueObjectName(QStringLiteral("Text"));
        o.text = text.isEmpty() ? QStringLiteral("文本") : text;
        break;
    case ObjectKind::Line:
        o.name = after.uniqueObjectName(QStringLiteral("Line"));
        size = QSizeF(50, 0);
        break;
    case ObjectKind::Rect:
        o.name = after.uniqueObjectName(QStringLiteral("Rect"));
        o.frame = FrameAll;
        size = QSizeF(30, 10);
        break;
    case ObjectKind::Picture: {
        o.name = after.uniqueObjectName(QStringLiteral("Picture"));
        size = QSizeF(25, 25);
        const QString file =
            filedialogs::getOpenFileName(this, QStringLiteral("选择图片"), QString(),
                                         QStringLiteral("图片 (*.png *.jpg *.jpeg *.bmp *.gif)"));
        if (file.isEmpty())
            return {};
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly) || QImage::fromData(f.peek(64 * 1024 * 1024)).isNull()) {
            ShowMess(QStringLiteral("无法读取图片文件：") + file, mkError);
            return {};
        }
        o.picture = f.readAll();
        break;
    }
    case ObjectKind::FieldPicture:
        o.name = after.uniqueObjectName(QStringLiteral("FieldPicture"));
        o.text = text.isEmpty() ? QStringLiteral("[frxDM.\"F_empImage\"]") : text;
        size = QSizeF(25, 30);
        break;
    }
    size.setWidth(std::min(size.width(), width));
    const double x = std::clamp(snapToGrid(pos.x()), 0.0, std::max(0.0, width - size.width()));
    const double y = std::clamp(snapToGrid(pos.y()), 0.0, std::max(0.0, b.height - size.height()));
    o.geometry = QRectF(QPointF(x, y), size);
    if (o.geometry.bottom() > b.height)
        b.height = o.geometry.bottom();
    b.objects.append(o);
    m_selObject = o.name;
    changeModel(after, QStringLiteral("添加对象"));
    selectObject(o.name);
    return o.name;
}

void TfrmReportDesigner::deleteSelection()
{
    TReportTemplate after = m_model;
    if (!m_selObject.isEmpty()) {
        for (TReportBand& b : after.bands)
            b.objects.erase(std::remove_if(b.objects.begin(), b.objects.end(),
                                           [this](const TReportObject& o) { return o.name == m_selObject; }),
                            b.objects.end());
        m_selObject.clear();
        changeModel(after, QStringLiteral("删除对象"));
    } else if (m_selBand >= 0 && m_selBand < after.bands.size()) {
        after.bands.removeAt(m_selBand);
        m_selBand = -1;
        changeModel(after, QStringLiteral("删除区域"));
    }
}

void TfrmReportDesigner::setObjectGeometry(const QString& name, const QRectF& geometry)
{
    TReportTemplate after = m_model;
    if (TReportObject* o = after.findObject(name)) {
        o->geometry = geometry;
        changeModel(after, QStringLiteral("移动对象"));
    }
}

void TfrmReportDesigner::setBandHeight(int band, double height)
{
    if (band < 0 || band >= m_model.bands.size())
        return;
    TReportTemplate after = m_model;
    after.bands[band].height = std::max(0.0, height);
    if (after == m_model) {
        rebuildScene();
        return;
    }
    // The band item already shows the new height; the bands below move.
    m_undo->push(new SnapshotCommand(this, m_model, after, QStringLiteral("改变区域高度"), true));
}

void TfrmReportDesigner::commitSceneGeometry()
{
    TReportTemplate after = m_model;
    for (TDesignBandItem* band : m_bandItems) {
        for (QGraphicsItem* child : band->childItems()) {
            auto* item = dynamic_cast<TDesignObjectItem*>(child);
            if (!item)
                continue;
            if (TReportObject* o = after.findObject(item->name()))
                o->geometry = item->geometry();
        }
    }
    if (after == m_model)
        return;
    m_undo->push(new SnapshotCommand(this, m_model, after, QStringLiteral("移动对象"), true));
}

void TfrmReportDesigner::dropExpression(int band, const QPointF& pos, const QString& expression)
{
    addObject(ObjectKind::Text, band, pos, expression);
}

int TfrmReportDesigner::targetBand() const
{
    if (!m_selObject.isEmpty()) {
        int band = -1;
        const_cast<TReportTemplate&>(m_model).findObject(m_selObject, &band);
        if (band >= 0)
            return band;
    }
    if (m_selBand >= 0 && m_selBand < m_model.bands.size())
        return m_selBand;
    for (int i = 0; i < m_model.bands.size(); ++i)
        if (m_model.bands[i].kind == BandKind::MasterData)
            return i;
    return m_model.bands.isEmpty() ? -1 : 0;
}

void TfrmReportDesigner::insertExpression(const QString& expression)
{
    if (!m_selObject.isEmpty()) {
        TReportTemplate after = m_model;
        TReportObject* o = after.findObject(m_selObject);
        if (o && o->kind == ObjectKind::Text) {
            o->text += expression;
            changeModel(after, QStringLiteral("插入字段"));
            return;
        }
    }
    const int band = targetBand();
    if (band >= 0)
        addObject(ObjectKind::Text, band, QPointF(2, 1), expression);
}

void TfrmReportDesigner::selectObject(const QString& name)
{
    TDesignObjectItem* item = objectItem(name);
    {
        const QSignalBlocker block(m_scene);
        m_scene->clearSelection();
        if (item)
            item->setSelected(true);
    }
    m_selObject = item ? name : QString();
    int band = -1;
    if (item)
        m_model.findObject(name, &band);
    m_selBand = band;
    refreshPanel();
}

void TfrmReportDesigner::selectBand(int band)
{
    TDesignBandItem* item = bandItem(band);
    {
        const QSignalBlocker block(m_scene);
        m_scene->clearSelection();
        if (item)
            item->setSelected(true);
    }
    m_selObject.clear();
    m_selBand = item ? band : -1;
    refreshPanel();
}

void TfrmReportDesigner::onSceneSelection()
{
    const QList<QGraphicsItem*> selected = m_scene->selectedItems();
    m_selObject.clear();
    m_selBand = -1;
    for (QGraphicsItem* item : selected) {
        if (auto* o = dynamic_cast<TDesignObjectItem*>(item)) {
            m_selObject = o->name();
            int band = -1;
            m_model.findObject(o->name(), &band);
            m_selBand = band;
            break;
        }
        if (auto* b = dynamic_cast<TDesignBandItem*>(item))
            m_selBand = b->index();
    }
    refreshPanel();
}

void TfrmReportDesigner::refreshPanel()
{
    m_updating = true;
    const TReportPage& page = m_model.page;
    m_edtTitle->setText(m_model.title);
    m_spnPageWidth->setValue(page.width);
    m_spnPageHeight->setValue(page.height);
    m_chkLandscape->setChecked(page.landscape);
    const double margins[] = {page.marginLeft, page.marginTop, page.marginRight, page.marginBottom};
    for (int i = 0; i < 4; ++i)
        m_spnMargin[i]->setValue(margins[i]);
    int bandIndex = -1;
    const TReportObject* o = m_selObject.isEmpty() ? nullptr : m_model.findObject(m_selObject, &bandIndex);
    if (o) {
        m_lblObjectName->setText(o->name);
        m_edtText->setText(displayText(o->text));
        m_edtText->setEnabled(o->kind == ObjectKind::Text || o->kind == ObjectKind::FieldPicture);
        m_cbbFont->setCurrentFont(QFont(resolveFontFamily(o->font.family)));
        m_cbbFont->setEditText(o->font.family);
        m_spnFontSize->setValue(o->font.size);
        m_chkBold->setChecked(o->font.bold);
        m_chkItalic->setChecked(o->font.italic);
        m_chkUnderline->setChecked(o->font.underline);
        m_cbbHAlign->setCurrentIndex(o->hAlign);
        m_cbbVAlign->setCurrentIndex(o->vAlign);
        const int sides[] = {FrameLeft, FrameTop, FrameRight, FrameBottom};
        for (int i = 0; i < 4; ++i)
            m_chkFrame[i]->setChecked(o->frame & sides[i]);
        m_spnFrameWidth->setValue(o->frameWidth);
        m_cbbFormat->setEditText(o->displayFormat);
        m_chkWordWrap->setChecked(o->wordWrap);
        m_chkCanGrow->setChecked(o->canGrow);
        m_chkStretch->setChecked(o->stretchToBand);
        const double g[] = {o->geometry.x(), o->geometry.y(), o->geometry.width(), o->geometry.height()};
        for (int i = 0; i < 4; ++i)
            m_spnGeom[i]->setValue(g[i]);
        m_panel->setCurrentIndex(2);
    } else if (m_selBand >= 0 && m_selBand < m_model.bands.size()) {
        const TReportBand& b = m_model.bands[m_selBand];
        m_lblBandKind->setText(bandKindCaption(b.kind) + QStringLiteral("  ") + b.name);
        m_spnBandHeight->setValue(b.height);
        m_cbbDataSet->setEditText(b.dataSet);
        const bool data = b.kind == BandKind::MasterData || b.kind == BandKind::DetailData;
        m_cbbDataSet->setEnabled(data);
        m_chkCurrentRecord->setChecked(b.currentRecordOnly);
        m_chkCurrentRecord->setEnabled(b.kind == BandKind::MasterData);
        m_edtGroupField->setText(b.groupField);
        m_edtGroupField->setEnabled(b.kind == BandKind::GroupHeader);
        m_edtMasterField->setText(b.masterField);
        m_edtDetailField->setText(b.detailField);
        m_edtMasterField->setEnabled(b.kind == BandKind::DetailData);
        m_edtDetailField->setEnabled(b.kind == BandKind::DetailData);
        m_spnColumns->setValue(b.columns);
        m_spnColumnWidth->setValue(b.columnWidth);
        m_spnColumnGap->setValue(b.columnGap);
        m_spnColumns->setEnabled(b.kind == BandKind::MasterData);
        m_chkStartNewPage->setChecked(b.startNewPage);
        m_panel->setCurrentIndex(1);
    } else {
        m_panel->setCurrentIndex(0);
    }
    m_updating = false;
}

void TfrmReportDesigner::onPanelEdited()
{
    if (m_updating)
        return;
    TReportTemplate after = m_model;
    const int page = m_panel->currentIndex();
    if (page == 0) {
        after.title = m_edtTitle->text();
        after.page.width = m_spnPageWidth->value();
        after.page.height = m_spnPageHeight->value();
        after.page.landscape = m_chkLandscape->isChecked();
        after.page.marginLeft = m_spnMargin[0]->value();
        after.page.marginTop = m_spnMargin[1]->value();
        after.page.marginRight = m_spnMargin[2]->value();
        after.page.marginBottom = m_spnMargin[3]->value();
        if (after.page.printableWidth() < 10 ||
            after.page.pageHeight() - after.page.marginTop - after.page.marginBottom < 10) {
            refreshPanel();
            return;
        }
        changeModel(after, QStringLiteral("页面设置"));
    } else if (page == 1 && m_selBand >= 0 && m_selBand < after.bands.size()) {
        TReportBand& b = after.bands[m_selBand];
        b.height = m_spnBandHeight->value();
        b.dataSet = m_cbbDataSet->currentText().trimmed();
        b.currentRecordOnly = m_chkCurrentRecord->isChecked();
        b.groupField = m_edtGroupField->text().trimmed();
        b.masterField = m_edtMasterField->text().trimmed();
        b.detailField = m_edtDetailField->text().trimmed();
        b.columns = m_spnColumns->value();
        b.columnWidth = m_spnColumnWidth->value();
        b.columnGap = m_spnColumnGap->value();
        b.startNewPage = m_chkStartNewPage->isChecked();
        changeModel(after, QStringLiteral("区域属性"));
    } else if (page == 2 && !m_selObject.isEmpty()) {
        TReportObject* o = after.findObject(m_selObject);
        if (!o)
            return;
        o->text = storedText(m_edtText->text());
        const QString family = m_cbbFont->currentText().trimmed();
        if (!family.isEmpty() && resolveFontFamily(o->font.family) != family)
            o->font.family = family;
        o->font.size = m_spnFontSize->value();
        o->font.bold = m_chkBold->isChecked();
        o->font.italic = m_chkItalic->isChecked();
        o->font.underline = m_chkUnderline->isChecked();
        o->hAlign = m_cbbHAlign->currentIndex();
        o->vAlign = m_cbbVAlign->currentIndex();
        const int sides[] = {FrameLeft, FrameTop, FrameRight, FrameBottom};
        o->frame = FrameNone;
        for (int i = 0; i < 4; ++i)
            if (m_chkFrame[i]->isChecked())
                o->frame |= sides[i];
        o->frameWidth = m_spnFrameWidth->value();
        o->displayFormat = m_cbbFormat->currentText().trimmed();
        o->wordWrap = m_chkWordWrap->isChecked();
        o->canGrow = m_chkCanGrow->isChecked();
        o->stretchToBand = m_chkStretch->isChecked();
        o->geometry = QRectF(m_spnGeom[0]->value(), m_spnGeom[1]->value(), m_spnGeom[2]->value(),
                             m_spnGeom[3]->value());
        changeModel(after, QStringLiteral("对象属性"));
    }
}

bool TfrmReportDesigner::isModified() const
{
    return !m_undo->isClean();
}

bool TfrmReportDesigner::save()
{
    m_report.setTemplate(m_model);
    QString error;
    if (!m_report.save(&error)) {
        ShowMess(QStringLiteral("保存报表模板失败：") + m_report.filePath() + QStringLiteral("\n") + error,
                 mkError);
        return false;
    }
    m_undo->setClean();
    return true;
}

void TfrmReportDesigner::preview()
{
    TReport copy = m_report;
    copy.setTemplate(m_model);
    TfrmReportPreview window(copy.prepare(), this);
    window.setRepreparer([&copy](const TReportPage& page) {
        copy.reportTemplate().page = page;
        return copy.prepare();
    });
    showWindow(window);
}

void TfrmReportDesigner::reject()
{
    if (isModified()) {
        const int answer = ShowMess(QStringLiteral("报表模板已修改，是否保存？"), mkQuestion);
        if (answer == maYes && !save())
            return;
    }
    QDialog::reject();
}

#include "members/TfrmImageDisp.h"

#include "app/commands.h"
#include "core/gifwriter.h"
#include "core/support.h"
#include "core/ui_support.h"
#include "members/memberphoto.h"

#include <QAction>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace {
constexpr std::array<double, TfrmImageDisp::kLevels> kFactors = {0.05, 0.07, 0.1, 0.15, 0.2, 0.3, 0.5, 0.7,
                                                                 1.0,  1.5,  2.0, 3.0,  5.0, 7.0, 10.0};
} // namespace

TfrmImageDisp::TfrmImageDisp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImageDisp"));
    setWindowTitle(QStringLiteral("图像显示"));
    setSizeGripEnabled(true);

    QAction* aLoad = makeAction(QStringLiteral("actLoad"), QStringLiteral("载入"), &TfrmImageDisp::load);
    makeAction(QStringLiteral("actExport"), QStringLiteral("输出"), nullptr);
    QAction* aClear = makeAction(QStringLiteral("actClear"), QStringLiteral("清空"), &TfrmImageDisp::clear);
    QAction* aIn = makeAction(QStringLiteral("actZoomIn"), QStringLiteral("放大"), &TfrmImageDisp::zoomIn);
    QAction* aOut = makeAction(QStringLiteral("actZoomOut"), QStringLiteral("缩小"), &TfrmImageDisp::zoomOut);
    QAction* aActual =
        makeAction(QStringLiteral("actActual"), QStringLiteral("原始尺寸"), &TfrmImageDisp::actualSize);
    aActual->setIconText(QStringLiteral("原始"));
    QAction* aFull = makeAction(QStringLiteral("actFullScreen"), QStringLiteral("全屏"), nullptr);
    connect(aFull, &QAction::triggered, this, [this] { setFullScreenMode(true); });
    QAction* aSave = makeAction(QStringLiteral("actSave"), QStringLiteral("保存"), nullptr);
    connect(aSave, &QAction::triggered, this, &QDialog::accept);
    QAction* aCancel = makeAction(QStringLiteral("actCancel"), QStringLiteral("取消"), nullptr);
    connect(aCancel, &QAction::triggered, this, &QDialog::reject);
    QAction* exportAct = m_actions.value(QStringLiteral("actExport"));
    connect(exportAct, &QAction::triggered, this, [this] { exportPicture(); });

    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("mainMenu"));
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑"));
    edit->addAction(aLoad);
    edit->addAction(exportAct);
    edit->addAction(aClear);
    edit->addSeparator();
    edit->addAction(aSave);
    edit->addAction(aCancel);
    QMenu* zoom = m_menuBar->addMenu(QStringLiteral("缩放"));
    zoom->addAction(aIn);
    zoom->addAction(aOut);
    zoom->addAction(aActual);
    zoom->addSeparator();
    zoom->addAction(aFull);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* a : {aLoad, exportAct, aClear})
        m_toolBar->addAction(a);
    m_toolBar->addSeparator();
    for (QAction* a : {aIn, aOut, aActual, aFull})
        m_toolBar->addAction(a);
    m_toolBar->addSeparator();
    m_toolBar->addAction(aSave);
    m_toolBar->addAction(aCancel);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("imgPicture"));
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : {aLoad, exportAct, aClear, aIn, aOut, aActual, aFull})
        m_image->addAction(a);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollPicture"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setWidget(m_image);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setBackgroundRole(QPalette::Dark);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_stPath = new QLabel(this);
    m_stPath->setObjectName(QStringLiteral("stPath"));
    m_stSize = new QLabel(this);
    m_stSize->setObjectName(QStringLiteral("stSize"));
    m_stZoom = new QLabel(this);
    m_stZoom->setObjectName(QStringLiteral("stZoom"));
    m_statusBar->addWidget(m_stPath, 1);
    m_statusBar->addPermanentWidget(m_stSize);
    m_statusBar->addPermanentWidget(m_stZoom);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->setMenuBar(m_menuBar);
    lay->addWidget(m_toolBar);
    lay->addWidget(m_scroll, 1);
    lay->addWidget(m_statusBar);
    resize(640, 480);
    showPicture();
}

QAction* TfrmImageDisp::makeAction(const QString& name, const QString& text, void (TfrmImageDisp::*slot)())
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    m_actions.insert(name, a);
    return a;
}

QString TfrmImageDisp::Execute(const QString& path, const QImage& picture, QWidget* parent)
{
    TfrmImageDisp dlg(parent);
    dlg.setPicture(path, picture);
    DispFormPos(&dlg, 2);
    if (commands::execDialog(dlg) == QDialog::Accepted)
        return dlg.path();
    return path;
}

void TfrmImageDisp::setPicture(const QString& path, const QImage& picture)
{
    m_path = path;
    m_picture = picture;
    m_level = kActualSize;
    showPicture();
}

double TfrmImageDisp::zoomFactorOf(int level)
{
    return kFactors.at(std::size_t(std::clamp(level, 1, kLevels) - 1));
}

void TfrmImageDisp::load()
{
    const QString file = filedialogs::getOpenFileName(
        this, QStringLiteral("载入"), QFileInfo(m_path).absolutePath(),
        QStringLiteral(
            "Image Files (*.bmp *.jpg *.jpeg);;Bitmap Files (*.jpg *.jpeg);;Bitmap Files (*.bmp)"));
    if (!file.isEmpty())
        loadFile(file);
}

bool TfrmImageDisp::loadFile(const QString& path)
{
    QString message;
    const QImage image = memberphoto::readFile(path, &message);
    if (image.isNull()) {
        ShowMess(message, mkError);
        return false;
    }
    setPicture(path, image);
    return true;
}

bool TfrmImageDisp::exportPicture()
{
    if (m_picture.isNull()) {
        ShowMess(QStringLiteral("没有可以输出的图像！"), mkInformation);
        return false;
    }
    const QString filter = QStringLiteral("JPEG 图像 (*.jpg);;BMP 图像 (*.bmp);;GIF 图像 (*.gif)");
    const QString file = filedialogs::getSaveFileName(this, QStringLiteral("输出"), QString(), filter);
    if (file.isEmpty())
        return false;
    return exportTo(file);
}

bool TfrmImageDisp::exportTo(const QString& fileName)
{
    if (m_picture.isNull())
        return false;
    QString name = fileName;
    QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("jpeg"))
        suffix = QStringLiteral("jpg");
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("bmp") && suffix != QLatin1String("gif")) {
        name += QStringLiteral(".jpg");
        suffix = QStringLiteral("jpg");
    }
    QImage image = m_picture;
    if (suffix == QLatin1String("jpg") && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    // The image plugins read GIF but do not write it: our own encoder does.
    if (suffix == QLatin1String("gif") && !QImageWriter::supportedImageFormats().contains("gif")) {
        QString why;
        if (!writeGif(image, name, &why)) {
            ShowMess(QStringLiteral("写入文件：") + name + QStringLiteral("时发生错误！"), mkError);
            return false;
        }
        return true;
    }
    QImageWriter writer(name, suffix == QLatin1String("jpg") ? QByteArray("jpeg") : suffix.toLatin1());
    if (suffix == QLatin1String("jpg"))
        writer.setQuality(90);
    if (!writer.write(image)) {
        ShowMess(QStringLiteral("写入文件：") + name + QStringLiteral("时发生错误！"), mkError);
        return false;
    }
    return true;
}

void TfrmImageDisp::clear()
{
    m_picture = QImage();
    m_path.clear();
    m_level = kActualSize;
    showPicture();
}

void TfrmImageDisp::setZoomLevel(int level)
{
    m_level = std::clamp(level, 1, kLevels);
    showPicture();
}

void TfrmImageDisp::zoomIn()
{
    setZoomLevel(m_level + 1);
}

void TfrmImageDisp::zoomOut()
{
    setZoomLevel(m_level - 1);
}

void TfrmImageDisp::actualSize()
{
    setZoomLevel(kActualSize);
}

void TfrmImageDisp::showPicture()
{
    if (m_picture.isNull()) {
        m_image->clear();
        m_image->resize(0, 0);
    } else {
        const double f = zoomFactorOf(m_level);
        const QSize size(std::max(1, int(std::lround(m_picture.width() * f))),
                         std::max(1, int(std::lround(m_picture.height() * f))));
        const QImage shown =
            f == 1.0 ? m_picture
                     : m_picture.scaled(size, Qt::IgnoreAspectRatio,
                                        f < 1.0 ? Qt::SmoothTransformation : Qt::FastTransformation);
        m_image->setPixmap(QPixmap::fromImage(shown));
        m_image->resize(size);
    }
    m_actions.value(QStringLiteral("actZoomIn"))->setEnabled(m_level < kLevels);
    m_actions.value(QStringLiteral("actZoomOut"))->setEnabled(m_level > 1);
    updateStatus();
}

void TfrmImageDisp::updateStatus()
{
    m_stPath->setText(m_path);
    m_stSize->setText(m_picture.isNull() ? QString()
                                         : QString::number(m_picture.width()) + QStringLiteral(" x ") +
                                               QString::number(m_picture.height()));
    m_stZoom->setText(QString::number(std::lround(zoomFactorOf(m_level) * 100)) + QLatin1Char('%'));
}

QString TfrmImageDisp::statusText(int panel) const
{
    switch (panel) {
    case 0:
        return m_stPath->text();
    case 1:
        return m_stSize->text();
    case 2:
        return m_stZoom->text();
    default:
        return {};
    }
}

void TfrmImageDisp::setFullScreenMode(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    m_menuBar->setVisible(!on);
    m_toolBar->setVisible(!on);
    m_statusBar->setVisible(!on);
    if (on) {
        setWindowFlag(Qt::FramelessWindowHint, true);
        actualSize();
        showFullScreen();
    } else {
        setWindowFlag(Qt::FramelessWindowHint, false);
        showNormal();
    }
}

void TfrmImageDisp::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* v = m_scroll->verticalScrollBar();
    QScrollBar* h = m_scroll->horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_fullScreen) {
            setFullScreenMode(false);
            return;
        }
        break;
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        return;
    case Qt::Key_PageDown:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return;
    case Qt::Key_Up:
        v->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Down:
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Left:
        h->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Space:
    case Qt::Key_Backspace:
    case Qt::Key_Slash:
        actualSize();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

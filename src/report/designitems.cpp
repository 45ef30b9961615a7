#include "report/designitems.h"

#include "report/TfrmReportDesigner.h"
#include "report/reportengine.h"

#include <QCursor>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QMimeData>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace report {

double snapToGrid(double v)
{
    return std::round(v / TfrmReportDesigner::kSnap) * TfrmReportDesigner::kSnap;
}

namespace {

QString bandCaption(const TReportBand& b)
{
    QString c = bandKindCaption(b.kind);
    if (!b.name.isEmpty())
        c += QStringLiteral("  ") + b.name;
    if (!b.dataSet.isEmpty())
        c += QStringLiteral("：") + b.dataSet;
    if (b.kind == BandKind::GroupHeader && !b.groupField.isEmpty())
        c += QStringLiteral("：") + b.groupField;
    if (b.columns > 1)
        c += QStringLiteral("（%1 栏）").arg(b.columns);
    return c;
}

double deviceDpi(QPainter* p)
{
    return p->device() ? p->device()->logicalDpiY() : 96.0;
}

} // namespace

TDesignBandItem::TDesignBandItem(TfrmReportDesigner* designer, int index, const TReportBand& band,
                                 double width)
    : m_designer(designer), m_index(index), m_caption(bandCaption(band)), m_height(band.height),
      m_width(width)
{
    setFlag(ItemIsSelectable, true);
    setAcceptHoverEvents(true);
    setAcceptDrops(true);
    setZValue(0);
}

QRectF TDesignBandItem::boundingRect() const
{
    return QRectF(0, -kCaptionHeight, m_width, m_height + kCaptionHeight + 0.6);
}

void TDesignBandItem::paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF body(0, 0, m_width, m_height);
    const QRectF caption(0, -kCaptionHeight, m_width, kCaptionHeight);
    p->fillRect(caption, isSelected() ? QColor(0x9C, 0xC3, 0xE6) : QColor(0xDD, 0xE4, 0xEE));
    p->setFont(
        paintFont(TReportFont{resolveFontFamily(QStringLiteral("宋体")), 7.5, false, false, false, Qt::black},
                  deviceDpi(p)));
    p->setPen(QColor(0x30, 0x30, 0x50));
    p->drawText(caption.adjusted(1, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    p->fillRect(body, Qt::white);
    // Grid every 5 mm.
    p->setPen(QPen(QColor(0xE4, 0xE4, 0xE4), 0));
    for (double x = 5; x < m_width; x += 5)
        p->drawLine(QPointF(x, 0), QPointF(x, m_height));
    for (double y = 5; y < m_height; y += 5)
        p->drawLine(QPointF(0, y), QPointF(m_width, y));
    p->setPen(QPen(isSelected() ? QColor(0x20, 0x60, 0xC0) : QColor(0xA0, 0xA0, 0xB0), 0));
    p->setBrush(Qt::NoBrush);
    p->drawRect(body);
}

bool TDesignBandItem::onBottomEdge(const QPointF& pos) const
{
    return std::fabs(pos.y() - m_height) < 0.8 && pos.x() >= 0 && pos.x() <= m_width;
}

void TDesignBandItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    setCursor(onBottomEdge(event->pos()) ? Qt::SizeVerCursor : Qt::ArrowCursor);
}

void TDesignBandItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onBottomEdge(event->pos())) {
        m_resizing = true;
        event->accept();
        return;
    }
    QGraphicsItem::mousePressEvent(event);
    m_designer->selectBand(m_index);
}

void TDesignBandItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_resizing) {
        QGraphicsItem::mouseMoveEvent(event);
        return;
    }
    prepareGeometryChange();
    m_height = std::max(0.0, snapToGrid(event->pos().y()));
    update();
}

void TDesignBandItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_resizing) {
        m_resizing = false;
        m_designer->setBandHeight(m_index, m_height);
        return;
    }
    QGraphicsItem::mouseReleaseEvent(event);
}

void TDesignBandItem::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(event->mimeData()->hasText());
}

void TDesignBandItem::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    m_designer->dropExpression(m_index, event->pos(), event->mimeData()->text());
    event->acceptProposedAction();
}

TDesignObjectItem::TDesignObjectItem(TfrmReportDesigner* designer, const TReportObject& object,
                                     TDesignBandItem* band)
    : QGraphicsItem(band), m_designer(designer), m_object(object), m_band(band),
      m_size(object.geometry.size())
{
    setFlag(ItemIsSelectable, true);
    setFlag(ItemIsMovable, true);
    setFlag(ItemSendsGeometryChanges, true);
    setAcceptHoverEvents(true);
    setPos(object.geometry.topLeft());
    setZValue(1);
}

QRectF TDesignObjectItem::handleRect() const
{
    return QRectF(m_size.width() - 1.2, m_size.height() - 1.2, 2.4, 2.4);
}

QRectF TDesignObjectItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size).adjusted(-1.3, -1.3, 1.3, 1.3);
}

QPainterPath TDesignObjectItem::shape() const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the handle overlaps the box
    path.addRect(QRectF(QPointF(0, 0), m_size).adjusted(-0.8, -0.8, 0.8, 0.8));
    if (isSelected())
        path.addRect(handleRect());
    return path;
}

void TDesignObjectItem::paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r(QPointF(0, 0), m_size);
    p->save();
    switch (m_object.kind) {
    case ObjectKind::Text: {
        TRenderItem it = layoutTextItem(m_object, m_object.text, r);
        paintItem(*p, it);
        break;
    }
    case ObjectKind::Line: {
        TRenderItem it;
        it.kind = TRenderItem::Line;
        it.line = QLineF(QPointF(0, 0), QPointF(m_size.width(), m_size.height()));
        it.frameWidth = m_object.frameWidth;
        it.frameColor = m_object.frameColor;
        paintItem(*p, it);
        break;
    }
    case ObjectKind::Rect: {
        TRenderItem it;
        it.kind = TRenderItem::Rect;
        it.rect = r;
        it.frame = m_object.frame;
        it.frameWidth = m_object.frameWidth;
        it.frameColor = m_object.frameColor;
        it.fillColor = m_object.fillColor;
        paintItem(*p, it);
        break;
    }
    case ObjectKind::Picture:
    case ObjectKind::FieldPicture: {
        const QImage img = QImage::fromData(m_object.picture);
        if (!img.isNull()) {
            TRenderItem it;
            it.kind = TRenderItem::Image;
            it.rect = r;
            it.image = img;
            it.keepAspect = m_object.keepAspect;
            paintItem(*p, it);
        } else {
            p->fillRect(r, QColor(0xF2, 0xF2, 0xE8));
            p->setPen(QColor(0x80, 0x80, 0x80));
            p->setFont(paintFont(
                TReportFont{resolveFontFamily(QStringLiteral("宋体")), 7, false, false, false, Qt::black},
                deviceDpi(p)));
            p->drawText(r, Qt::AlignCenter | Qt::TextWordWrap,
                        m_object.kind == ObjectKind::Picture ? QStringLiteral("图片") : m_object.text);
        }
        break;
    }
    }
    if (m_object.kind != ObjectKind::Line && m_object.frame == FrameNone) {
        p->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
    }
    if (isSelected()) {
        p->setPen(QPen(QColor(0x20, 0x60, 0xE0), 0, Qt::DashLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
        p->fillRect(handleRect(), QColor(0x20, 0x60, 0xE0));
    }
    p->restore();
}

QVariant TDesignObjectItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && m_band) {
        QPointF p = value.toPointF();
        p.setX(std::clamp(snapToGrid(p.x()), 0.0, std::max(0.0, m_band->width() - m_size.width())));
        p.setY(std::clamp(snapToGrid(p.y()), 0.0, std::max(0.0, m_band->height() - m_size.height())));
        return p;
    }
    if (change == ItemSelectedHasChanged)
        update();
    return QGraphicsItem::itemChange(change, value);
}

void TDesignObjectItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    setCursor(isSelected() && handleRect().contains(event->pos()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
}

void TDesignObjectItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_pressPos = pos();
    if (event->button() == Qt::LeftButton && isSelected() && handleRect().contains(event->pos())) {
        m_resizing = true;
        event->accept();
        return;
    }
    QGraphicsItem::mousePressEvent(event);
}

void TDesignObjectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_resizing) {
        QGraphicsItem::mouseMoveEvent(event);
        return;
    }
    const double maxW = m_band ? m_band->width() - pos().x() : 1e6;
    const double w = std::clamp(snapToGrid(event->pos().x()), TfrmReportDesigner::kSnap, maxW);
    const double h = std::max(m_object.kind == ObjectKind::Line ? 0.0 : TfrmReportDesigner::kSnap,
                              snapToGrid(event->pos().y()));
    prepareGeometryChange();
    m_size = QSizeF(w, h);
    update();
}

void TDesignObjectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    const bool resized = m_resizing;
    m_resizing = false;
    if (!resized)
        QGraphicsItem::mouseReleaseEvent(event);
    if (resized || pos() != m_pressPos)
        m_designer->commitSceneGeometry();
}

} // namespace report

#pragma once

#include "report/reporttemplate.h"

#include <QGraphicsItem>

class TfrmReportDesigner;

namespace report {

// A band's body in the designer: objects are its children; its bottom edge
// is dragged to change the height. The caption strip sits above the body.
class TDesignBandItem : public QGraphicsItem
{
public:
    static constexpr double kCaptionHeight = 4.5;
    static constexpr double kGap = 1.5;

    TDesignBandItem(TfrmReportDesigner* designer, int index, const TReportBand& band, double width);

    int index() const { return m_index; }
    double height() const { return m_height; }
    double width() const { return m_width; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;

private:
    bool onBottomEdge(const QPointF& pos) const;

    TfrmReportDesigner* m_designer;
    int m_index;
    QString m_caption;
    double m_height;
    double m_width;
    bool m_resizing = false;
};

// An object on a band: moved by dragging, resized by its lower right handle.
class TDesignObjectItem : public QGraphicsItem
{
public:
    TDesignObjectItem(TfrmReportDesigner* designer, const TReportObject& object, TDesignBandItem* band);

    QString name() const { return m_object.name; }
    QSizeF size() const { return m_size; }
    QRectF geometry() const { return QRectF(pos(), m_size); }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QRectF handleRect() const;

    TfrmReportDesigner* m_designer;
    TReportObject m_object;
    TDesignBandItem* m_band;
    QSizeF m_size;
    bool m_resizing = false;
    QPointF m_pressPos;
};

double snapToGrid(double v);

} // namespace report

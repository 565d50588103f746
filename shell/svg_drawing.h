#pragma once
// A paint device that turns what a QPainter draws into an SVG document: lines,
// rectangles, polygons and paths as vector shapes, text as text, pictures as embedded
// PNG. Its layout resolution is that of an image, so a routine paints the same layout
// here as into a QImage. Brushes and pens it cannot express (gradients, patterns) are
// drawn by the toolkit as embedded pictures instead.
//
// The output depends only on what is painted and the fonts' metrics:
// numbers are written in a fixed notation to a thousandth of a pixel.

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

namespace strs {

class SvgPaintEngine;

class SvgDrawing : public QPaintDevice {
public:
    explicit SvgDrawing(QSize size);
    ~SvgDrawing() override;
    SvgDrawing(const SvgDrawing&) = delete;
    SvgDrawing& operator=(const SvgDrawing&) = delete;

    // The document's <title>; set before painting.
    void setTitle(const QString& title);

    QSize size() const { return size_; }
    // The document as far as it is painted; complete once the painter has ended.
    QByteArray document() const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    QString title_;
    std::unique_ptr<SvgPaintEngine> engine_;

    friend class SvgPaintEngine;
};

}  // namespace strs

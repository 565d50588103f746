#include "shell/svg_drawing.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>
#include <QTransform>
#include <QXmlStreamWriter>

#include <cmath>
#include <limits>
#include <optional>

namespace strs {

namespace {

// A thousandth of a pixel is far below what any viewer shows, and a fixed rounding keeps
// the text independent of how the system prints numbers.
QString Number(qreal value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    qreal rounded = std::round(value * 1000) / 1000;
    if (rounded == 0)
        rounded = 0;  // no "-0"
    return QString::number(rounded, 'g', 15);
}

QString Colour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString PathData(const QPainterPath& path) {
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M") << Number(e.x) << Number(e.y);
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L") << Number(e.x) << Number(e.y);
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") << Number(e.x) << Number(e.y);
            break;
        case QPainterPath::CurveToDataElement:
            parts << Number(e.x) << Number(e.y);
            break;
        }
    }
    return parts.join(u' ');
}

QString Points(const QPointF* points, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << Number(points[i].x()) + u',' + Number(points[i].y());
    return parts.join(u' ');
}

// A CSS font list: the font's families in order, then the generic family its style
// hint names, so that a viewer without the first font still finds a similar one.
QString FontFamilies(const QFont& font) {
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    QStringList quoted;
    for (QString family : families) {
        family.remove(u'\'');
        if (!family.isEmpty())
            quoted << u'\'' + family + u'\'';
    }
    switch (font.styleHint()) {
    case QFont::Serif:
        quoted << QStringLiteral("serif");
        break;
    case QFont::TypeWriter:
    case QFont::Monospace:
        quoted << QStringLiteral("monospace");
        break;
    case QFont::Cursive:
        quoted << QStringLiteral("cursive");
        break;
    case QFont::Fantasy:
        quoted << QStringLiteral("fantasy");
        break;
    default:
        quoted << QStringLiteral("sans-serif");
        break;
    }
    return quoted.join(QStringLiteral(", "));
}

}  // namespace

// Writes each shape with its full style, so that every element stands on its own when
// the drawing is edited. Clipping becomes a group around the shapes it applies to.
class SvgPaintEngine : public QPaintEngine {
public:
    explicit SvgPaintEngine(SvgDrawing* drawing)
        : QPaintEngine(PrimitiveTransform | PixmapTransform | PainterPaths | Antialiasing | AlphaBlend
                       | ConstantOpacity),
          drawing_(drawing) {}

    QByteArray document() const { return document_; }

    bool begin(QPaintDevice* /*device*/) override {
        // Each painting writes a new document from a painter's initial state.
        pen_ = QPen();
        brush_ = QBrush();
        transform_ = QTransform();
        opacity_ = 1;
        smoothPictures_ = false;
        document_.clear();
        buffer_.setBuffer(&document_);
        buffer_.open(QIODevice::WriteOnly);
        xml_.setDevice(&buffer_);
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(1);
        xml_.writeStartDocument();
        xml_.writeStartElement(QStringLiteral("svg"));
        xml_.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        xml_.writeNamespace(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("xlink"));
        const QSize size = drawing_->size();
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
        xml_.writeAttribute(QStringLiteral("width"), QString::number(size.width()));
        xml_.writeAttribute(QStringLiteral("height"), QString::number(size.height()));
        xml_.writeAttribute(QStringLiteral("viewBox"),
                            QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
        if (!drawing_->title_.isEmpty())
            xml_.writeTextElement(QStringLiteral("title"), drawing_->title_);
        clip_.reset();
        clipCount_ = 0;
        return true;
    }

    bool end() override {
        if (clip_)
            xml_.writeEndElement();
        xml_.writeEndElement();  // svg
        xml_.writeEndDocument();
        buffer_.close();
        return !xml_.hasError();
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen)
            pen_ = state.pen();
        if (dirty & DirtyBrush)
            brush_ = state.brush();
        if (dirty & DirtyTransform)
            transform_ = state.transform();
        if (dirty & DirtyOpacity)
            opacity_ = state.opacity();
        if (dirty & DirtyHints)
            smoothPictures_ = state.renderHints().testFlag(QPainter::SmoothPixmapTransform);
        if (dirty & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled))
            updateClip();
    }

    void drawPath(const QPainterPath& path) override {
        xml_.writeStartElement(QStringLiteral("path"));
        writeStyle(true);
        if (path.fillRule() == Qt::OddEvenFill)
            xml_.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
        xml_.writeAttribute(QStringLiteral("d"), PathData(path));
        xml_.writeEndElement();
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        const bool polyline = mode == PolylineMode;
        xml_.writeStartElement(polyline ? QStringLiteral("polyline") : QStringLiteral("polygon"));
        writeStyle(!polyline);
        if (mode == OddEvenMode)
            xml_.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
        xml_.writeAttribute(QStringLiteral("points"), Points(points, count));
        xml_.writeEndElement();
    }
    using QPaintEngine::drawPolygon;

    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            xml_.writeStartElement(QStringLiteral("line"));
            writeStyle(false);
            xml_.writeAttribute(QStringLiteral("x1"), Number(lines[i].x1()));
            xml_.writeAttribute(QStringLiteral("y1"), Number(lines[i].y1()));
            xml_.writeAttribute(QStringLiteral("x2"), Number(lines[i].x2()));
            xml_.writeAttribute(QStringLiteral("y2"), Number(lines[i].y2()));
            xml_.writeEndElement();
        }
    }
    using QPaintEngine::drawLines;

    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QRectF r = rects[i].normalized();
            xml_.writeStartElement(QStringLiteral("rect"));
            writeStyle(true);
            xml_.writeAttribute(QStringLiteral("x"), Number(r.x()));
            xml_.writeAttribute(QStringLiteral("y"), Number(r.y()));
            xml_.writeAttribute(QStringLiteral("width"), Number(r.width()));
            xml_.writeAttribute(QStringLiteral("height"), Number(r.height()));
            xml_.writeEndElement();
        }
    }
    using QPaintEngine::drawRects;

    // Text stays text: it can be selected and searched, and the viewer's font renders it.
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        if (pen_.style() == Qt::NoPen || item.text().isEmpty())
            return;
        const QFont font = item.font();
        const qreal pixels = font.pixelSize() > 0 ? qreal(font.pixelSize())
                                                  : font.pointSizeF() * drawing_->logicalDpiY() / 72.0;
        xml_.writeStartElement(QStringLiteral("text"));
        xml_.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml_.writeAttribute(QStringLiteral("x"), Number(origin.x()));
        xml_.writeAttribute(QStringLiteral("y"), Number(origin.y()));
        xml_.writeAttribute(QStringLiteral("font-family"), FontFamilies(font));
        xml_.writeAttribute(QStringLiteral("font-size"), Number(pixels));
        if (font.weight() != QFont::Normal)
            xml_.writeAttribute(QStringLiteral("font-weight"), QString::number(int(font.weight())));
        if (font.style() != QFont::StyleNormal)
            xml_.writeAttribute(QStringLiteral("font-style"), font.style() == QFont::StyleItalic
                                                                  ? QStringLiteral("italic")
                                                                  : QStringLiteral("oblique"));
        QStringList decorations;
        if (font.underline())
            decorations << QStringLiteral("underline");
        if (font.strikeOut())
            decorations << QStringLiteral("line-through");
        if (!decorations.isEmpty())
            xml_.writeAttribute(QStringLiteral("text-decoration"), decorations.join(u' '));
        writePaint(QStringLiteral("fill"), pen_.color());
        writeTransformAndOpacity();
        xml_.writeCharacters(item.text());
        xml_.writeEndElement();
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags /*flags*/) override {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.copy(source.toAlignedRect()).save(&buffer, "PNG"))
            return;
        xml_.writeStartElement(QStringLiteral("image"));
        xml_.writeAttribute(QStringLiteral("x"), Number(target.x()));
        xml_.writeAttribute(QStringLiteral("y"), Number(target.y()));
        xml_.writeAttribute(QStringLiteral("width"), Number(target.width()));
        xml_.writeAttribute(QStringLiteral("height"), Number(target.height()));
        xml_.writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
        if (!smoothPictures_)
            xml_.writeAttribute(QStringLiteral("image-rendering"), QStringLiteral("optimizeSpeed"));
        writeTransformAndOpacity();
        xml_.writeAttribute(QStringLiteral("xlink:href"),
                            QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64()));
        xml_.writeEndElement();
    }

private:
    void writePaint(const QString& property, const QColor& colour) {
        xml_.writeAttribute(property, Colour(colour));
        if (colour.alpha() != 255)
            xml_.writeAttribute(property + QStringLiteral("-opacity"), Number(colour.alphaF()));
    }

    void writeTransformAndOpacity() {
        if (!transform_.isIdentity()) {
            const QTransform& t = transform_;
            xml_.writeAttribute(QStringLiteral("transform"),
                                QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
                                    .arg(Number(t.m11()), Number(t.m12()), Number(t.m21()), Number(t.m22()),
                                         Number(t.dx()), Number(t.dy())));
        }
        if (opacity_ < 1)
            xml_.writeAttribute(QStringLiteral("opacity"), Number(opacity_));
    }

    void writeStyle(bool filled) {
        if (filled && brush_.style() != Qt::NoBrush)
            writePaint(QStringLiteral("fill"), brush_.color());
        else
            xml_.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        writeStroke();
        writeTransformAndOpacity();
    }

    void writeStroke() {
        if (pen_.style() == Qt::NoPen) {
            xml_.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
            return;
        }
        writePaint(QStringLiteral("stroke"), pen_.color());
        // A width of 0 is one device pixel whatever the transform.
        const qreal width = pen_.widthF() > 0 ? pen_.widthF() : 1.0;
        xml_.writeAttribute(QStringLiteral("stroke-width"), Number(width));
        if (pen_.isCosmetic())
            xml_.writeAttribute(QStringLiteral("vector-effect"), QStringLiteral("non-scaling-stroke"));
        switch (pen_.capStyle()) {
        case Qt::FlatCap:
            xml_.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("butt"));
            break;
        case Qt::RoundCap:
            xml_.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
            break;
        default:
            xml_.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("square"));
            break;
        }
        switch (pen_.joinStyle()) {
        case Qt::RoundJoin:
            xml_.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
            break;
        case Qt::MiterJoin:
        case Qt::SvgMiterJoin:
            xml_.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("miter"));
            xml_.writeAttribute(QStringLiteral("stroke-miterlimit"), Number(pen_.miterLimit()));
            break;
        default:
            xml_.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("bevel"));
            break;
        }
        if (pen_.style() != Qt::SolidLine) {
            // Qt measures dashes in pen widths.
            QStringList dashes;
            for (const qreal dash : pen_.dashPattern())
                dashes << Number(dash * width);
            xml_.writeAttribute(QStringLiteral("stroke-dasharray"), dashes.join(u' '));
            if (pen_.dashOffset() != 0)
                xml_.writeAttribute(QStringLiteral("stroke-dashoffset"), Number(pen_.dashOffset() * width));
        }
    }

    // The painter's clip, in the drawing's coordinates; none while it spares the whole page.
    void updateClip() {
        std::optional<QPainterPath> clip;
        if (painter()->hasClipping()) {
            QPainterPath page;
            page.addRect(QRectF(QPointF(0, 0), QSizeF(drawing_->size())));
            const QPainterPath area = painter()->combinedTransform().map(painter()->clipPath());
            if (!page.subtracted(area).isEmpty())
                clip = area;
        }
        if (clip == clip_)
            return;
        if (clip_)
            xml_.writeEndElement();  // the group of the previous clip
        clip_ = clip;
        if (!clip_)
            return;
        const QString id = QStringLiteral("clip%1").arg(++clipCount_);
        xml_.writeStartElement(QStringLiteral("defs"));
        xml_.writeStartElement(QStringLiteral("clipPath"));
        xml_.writeAttribute(QStringLiteral("id"), id);
        xml_.writeStartElement(QStringLiteral("path"));
        xml_.writeAttribute(QStringLiteral("d"), PathData(*clip_));
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeStartElement(QStringLiteral("g"));
        xml_.writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#%1)").arg(id));
    }

    SvgDrawing* drawing_;
    QByteArray document_;
    QBuffer buffer_;
    QXmlStreamWriter xml_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    qreal opacity_ = 1;
    bool smoothPictures_ = false;
    std::optional<QPainterPath> clip_;
    int clipCount_ = 0;
};

SvgDrawing::SvgDrawing(QSize size) : size_(size), engine_(std::make_unique<SvgPaintEngine>(this)) {}

SvgDrawing::~SvgDrawing() = default;

void SvgDrawing::setTitle(const QString& title) { title_ = title; }

QByteArray SvgDrawing::document() const { return engine_->document(); }

QPaintEngine* SvgDrawing::paintEngine() const { return engine_.get(); }

int SvgDrawing::metric(PaintDeviceMetric metric) const {
    // The resolution a new image has, so that fonts measure as they do on a picture.
    const QImage image(1, 1, QImage::Format_RGB32);
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return qRound(size_.width() * 25.4 / image.logicalDpiX());
    case PdmHeightMM:
        return qRound(size_.height() * 25.4 / image.logicalDpiY());
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return image.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return image.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

}  // namespace strs

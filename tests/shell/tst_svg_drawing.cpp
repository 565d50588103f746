// The SVG paint device: what a painter draws on it comes out where a picture shows it,
// and the clip, the text and the title survive as the document's own elements.

#include "shell/svg_drawing.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#ifdef STRS_HAVE_SVG_RENDERER
#include <QSvgRenderer>
#endif
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdlib>
#include <functional>

namespace {

constexpr QSize kSize(160, 100);

QByteArray Draw(const std::function<void(QPainter&)>& paint) {
    strs::SvgDrawing drawing(kSize);
    drawing.setTitle(QStringLiteral("Оценка <x> & y"));
    QPainter painter(&drawing);
    paint(painter);
    painter.end();
    return drawing.document();
}

#ifdef STRS_HAVE_SVG_RENDERER
// Scaled and moved shapes of each kind the device writes, no text (fonts render
// differently in another program).
void PaintShapes(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.fillRect(QRect(QPoint(0, 0), kSize), Qt::white);
    painter.translate(10, 5);
    painter.scale(2, 1.5);
    painter.setPen(QPen(Qt::darkGreen, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(QColor(255, 0, 0, 128));
    painter.drawRect(QRectF(2, 2, 20, 30));
    painter.setPen(QPen(Qt::blue, 0));
    painter.setBrush(Qt::yellow);
    painter.drawEllipse(QPointF(45, 20), 12, 8);
    painter.drawPolygon(QPolygonF({QPointF(5, 40), QPointF(30, 60), QPointF(2, 60)}));
    painter.drawPolyline(QPolygonF({QPointF(35, 60), QPointF(50, 40), QPointF(70, 60)}));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, 0), QPointF(70, 0));
    QImage chequer(2, 2, QImage::Format_RGB32);
    chequer.fill(Qt::black);
    chequer.setPixel(0, 0, qRgb(255, 255, 255));
    chequer.setPixel(1, 1, qRgb(255, 255, 255));
    painter.drawImage(QRectF(60, 5, 10, 10), chequer);
}
#endif

}  // namespace

class SvgDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void shapesLandWhereThePictureHasThem() {
#ifndef STRS_HAVE_SVG_RENDERER
        QSKIP("no SVG renderer in this build");
#else
        QImage picture(kSize, QImage::Format_RGB32);
        QPainter onPicture(&picture);
        PaintShapes(onPicture);
        onPicture.end();

        QSvgRenderer renderer(Draw(PaintShapes));
        QVERIFY(renderer.isValid());
        QImage rendered(kSize, QImage::Format_RGB32);
        rendered.fill(Qt::white);
        QPainter onRendered(&rendered);
        renderer.render(&onRendered);
        onRendered.end();

        // Edges may blend a little differently; a shape out of place differs in whole areas.
        int differing = 0;
        for (int y = 0; y < kSize.height(); ++y) {
            for (int x = 0; x < kSize.width(); ++x) {
                const QRgb a = picture.pixel(x, y);
                const QRgb b = rendered.pixel(x, y);
                if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                        + std::abs(qBlue(a) - qBlue(b))
                    > 96)
                    ++differing;
            }
        }
        QVERIFY2(differing < kSize.width() * kSize.height() / 100, qPrintable(QString::number(differing)));
#endif
    }

    // A clip becomes a group around the shapes it covers and ends with the painter's
    // restore; a clip around the whole page is none. Text and title keep their characters.
    void clipTextAndTitleAreKept() {
        const QByteArray document = Draw([](QPainter& painter) {
            painter.setClipRect(QRect(QPoint(0, 0), kSize));
            painter.drawLine(0, 0, 5, 5);
            painter.save();
            painter.translate(10, 20);
            painter.setClipRect(QRect(0, 0, 30, 40));
            painter.drawLine(0, 0, 50, 50);
            painter.restore();
            painter.drawText(QPointF(3, 90), QStringLiteral("  a < b & c"));
        });

        QXmlStreamReader xml(document);
        QStringList clipPaths;
        QStringList shapes;  // each with the clip it is drawn in
        QString clip;
        QString title;
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            const QString name = xml.name().toString();
            if (xml.isStartElement() && name == QLatin1String("path"))
                clipPaths << xml.attributes().value(QLatin1String("d")).toString();
            else if (xml.isStartElement() && name == QLatin1String("g"))
                clip = xml.attributes().value(QLatin1String("clip-path")).toString();
            else if (xml.isEndElement() && name == QLatin1String("g"))
                clip.clear();
            else if (xml.isStartElement() && name == QLatin1String("line"))
                shapes << QStringLiteral("line %1").arg(clip);
            else if (xml.isStartElement() && name == QLatin1String("title"))
                title = xml.readElementText();
            else if (xml.isStartElement() && name == QLatin1String("text")) {
                shapes << QStringLiteral("text %1").arg(clip);
                text = xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(shapes, (QStringList{QStringLiteral("line "), QStringLiteral("line url(#clip1)"),
                                      QStringLiteral("text ")}));
        QCOMPARE(clipPaths, QStringList{QStringLiteral("M 10 20 L 40 20 L 40 60 L 10 60 L 10 20")});
        QCOMPARE(text, QStringLiteral("  a < b & c"));
        QCOMPARE(title, QStringLiteral("Оценка <x> & y"));
    }
};

QTEST_MAIN(SvgDrawingTest)
#include "tst_svg_drawing.moc"

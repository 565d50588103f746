// The pictures carried with the program, and the libjpeg codec that reads and writes
// the JPEG ones.

#include "core/errors.h"
#include "shell/formula_pictures.h"
#include "shell/jpeg_codec.h"
#include "shell/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include <cstdlib>
#include <optional>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct FrameInfo {
    int marker = 0;  // 0xC0 for baseline, 0xC2 for progressive ...
    int width = 0;
    int height = 0;
    int components = 0;
};

// The start-of-frame segment of JPEG data, read straight from the bytes.
std::optional<FrameInfo> ReadFrame(const QByteArray& data) {
    auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data.at(i)); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;
    qsizetype pos = 2;
    while (pos + 9 < data.size()) {
        if (byte(pos) != 0xFF)
            return std::nullopt;
        const int marker = byte(pos + 1);
        const int length = byte(pos + 2) << 8 | byte(pos + 3);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            FrameInfo frame;
            frame.marker = marker;
            frame.height = byte(pos + 5) << 8 | byte(pos + 6);
            frame.width = byte(pos + 7) << 8 | byte(pos + 8);
            frame.components = byte(pos + 9);
            return frame;
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

bool Near(QRgb actual, QColor expected, int tolerance) {
    return std::abs(qRed(actual) - expected.red()) <= tolerance
           && std::abs(qGreen(actual) - expected.green()) <= tolerance
           && std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

// How many pixels of the picture lie within tolerance of the colour.
int CountNear(const QImage& image, QColor colour, int tolerance) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

// Colour blocks in the colours the charts use, on the window colour.
QImage ColourBlocks(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(237, 232, 230));
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255),
                              QColor(0, 0, 160), Qt::black,         Qt::white};
    QPainter painter(&image);
    int x = 10;
    for (const QColor& colour : colours) {
        painter.fillRect(QRect(x, 40, 50, 120), colour);
        x += 60;
    }
    return image;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void splashDecodesToItsSize();
    void programIconIsCarried();
    void everyPictureHasATwiceSizedVersion_data();
    void everyPictureHasATwiceSizedVersion();
    void legendShowsTheThreeSeriesColours();
    void formulaPictureIsSixteenColourBitmap_data();
    void formulaPictureIsSixteenColourBitmap();
    void roundTripKeepsSizeAndColours();
    void dataLargerThanThePixelsComesOutWhole();
    void encodingIsBaselineWithThreeComponents();
    void lowerQualityGivesLessData();
    void encodingAnEmptyPictureThrows();
    void unreadableDataThrows_data();
    void unreadableDataThrows();
};

void PicturesTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    strs::RegisterPictures();
}

void PicturesTest::splashDecodesToItsSize() {
    const QByteArray data = ReadResource(QStringLiteral(":/pictures/splash.jpg"));
    QVERIFY(!data.isEmpty());
    const auto frame = ReadFrame(data);
    QVERIFY(frame.has_value());
    QCOMPARE(frame->marker, 0xC0);
    QCOMPARE(frame->components, 3);

    const QImage splash = strs::DecodeJpeg(data);
    QCOMPARE(splash.size(), QSize(330, 230));
    QCOMPARE(strs::EmbeddedJpegOrBlank(QStringLiteral(":/pictures/splash.jpg"), QSize(1, 1)), splash);
    QCOMPARE(strs::EmbeddedJpegOrBlank(QStringLiteral(":/pictures/none.jpg"), QSize(3, 2)).size(),
             QSize(3, 2));
    // The shown region's corners lie on light-brown paper: red over green over blue.
    for (const QPoint corner : {QPoint(17, 18), QPoint(312, 18), QPoint(17, 212), QPoint(312, 212)}) {
        const QRgb pixel = splash.pixel(corner);
        QVERIFY2(qRed(pixel) > qGreen(pixel) && qGreen(pixel) > qBlue(pixel) && qRed(pixel) > 150,
                 qPrintable(QStringLiteral("corner %1,%2 is %3")
                                .arg(corner.x())
                                .arg(corner.y())
                                .arg(QColor(pixel).name())));
    }
}

void PicturesTest::programIconIsCarried() {
    const QIcon icon = strs::ProgramIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
    QVERIFY(icon.pixmap(64).toImage().pixelColor(32, 32).alpha() > 0);
}

void PicturesTest::everyPictureHasATwiceSizedVersion_data() {
    QTest::addColumn<QString>("path");
    for (const char* name :
         {"splash.jpg", "legend.jpg", "norm.bmp", "ravnom.bmp", "veb.bmp", "rel.bmp", "exp.bmp"})
        QTest::newRow(name) << QStringLiteral(":/pictures/") + QString::fromLatin1(name);
}

// The version for scaled screens is the same picture with twice the pixels, and it keeps
// the picture's size in the window's coordinates.
void PicturesTest::everyPictureHasATwiceSizedVersion() {
    QFETCH(QString, path);
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    QImage single;
    QImage twice;
    if (jpeg) {
        single = strs::EmbeddedJpegOrBlank(path, QSize(1, 1), 1);
        twice = strs::EmbeddedJpegOrBlank(path, QSize(1, 1), 2);
    } else {
        QVERIFY(single.load(path) && twice.load(strs::PicturePathForRatio(path, 2)));
        twice.setDevicePixelRatio(2);
        const QString name = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
        const QPixmap shown = strs::FormulaPicture(name, 2);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(single.size()));
    }
    QCOMPARE(single.devicePixelRatio(), 1.0);
    QCOMPARE(twice.devicePixelRatio(), 2.0);
    QCOMPARE(twice.size(), single.size() * 2);
    QCOMPARE(twice.deviceIndependentSize(), QSizeF(single.size()));

    // Brought down to the single size, it differs from the single picture only at the
    // edges of what is drawn.
    const QImage reduced = twice.convertToFormat(QImage::Format_RGB32)
                               .scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage base = single.convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < base.height(); ++y)
        for (int x = 0; x < base.width(); ++x)
            difference += qAbs(qGray(base.pixel(x, y)) - qGray(reduced.pixel(x, y)));
    const double mean = double(difference) / (base.width() * base.height());
    QVERIFY2(mean < 8, qPrintable(QString::number(mean)));  // another formula differs by 12
}

void PicturesTest::legendShowsTheThreeSeriesColours() {
    const QByteArray data = ReadResource(QStringLiteral(":/pictures/legend.jpg"));
    const auto frame = ReadFrame(data);
    QVERIFY(frame.has_value());
    QCOMPARE(frame->marker, 0xC0);
    QCOMPARE(frame->components, 3);

    const QImage legend = strs::DecodeJpeg(data);
    QCOMPARE(legend.size(), QSize(124, 43));
    QVERIFY(CountNear(legend, Qt::white, 8) > 124 * 43 / 2);
    QVERIFY(CountNear(legend, QColor(255, 0, 0), 50) >= 10);
    QVERIFY(CountNear(legend, QColor(0, 128, 0), 50) >= 10);
    QVERIFY(CountNear(legend, QColor(0, 0, 255), 50) >= 10);
}

void PicturesTest::formulaPictureIsSixteenColourBitmap_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"norm", "ravnom", "veb", "rel", "exp"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PicturesTest::formulaPictureIsSixteenColourBitmap() {
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/pictures/%1.bmp").arg(name);
    const QByteArray data = ReadResource(path);
    QVERIFY2(data.size() > 54, qPrintable(path));
    QCOMPARE(data.left(2), QByteArray("BM"));
    const int bitsPerPixel =
        static_cast<unsigned char>(data.at(28)) | static_cast<unsigned char>(data.at(29)) << 8;
    QCOMPARE(bitsPerPixel, 4);

    QImage picture;
    QVERIFY(picture.load(path));
    QCOMPARE(picture.size(), QSize(95, 95));
    QVERIFY(picture.colorCount() > 0 && picture.colorCount() <= 16);

    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) | 0xff000000U);
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
    QVERIFY(colours.contains(qRgb(255, 255, 255)));
    // Black formula on a white ground: the ground is by far the larger part.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QVERIFY(CountNear(rgb, Qt::white, 0) > 95 * 95 * 3 / 4);
    QVERIFY(CountNear(rgb, Qt::black, 0) > 100);
}

void PicturesTest::roundTripKeepsSizeAndColours() {
    const QImage original = ColourBlocks(QSize(409, 209));
    const QImage decoded = strs::DecodeJpeg(strs::EncodeJpeg(original, 90));
    QCOMPARE(decoded.size(), original.size());
    for (const QPoint probe : {QPoint(35, 100), QPoint(95, 100), QPoint(155, 100), QPoint(215, 100),
                               QPoint(275, 100), QPoint(335, 100), QPoint(400, 10), QPoint(5, 200)}) {
        const QColor expected = original.pixelColor(probe);
        QVERIFY2(Near(decoded.pixel(probe), expected, 8),
                 qPrintable(QStringLiteral("at %1,%2: %3 instead of %4")
                                .arg(probe.x())
                                .arg(probe.y())
                                .arg(QColor(decoded.pixel(probe)).name(), expected.name())));
    }
}

void PicturesTest::dataLargerThanThePixelsComesOutWhole() {
    // Noise at full quality codes to more bytes than the pixels hold, so the encoder
    // has to grow its output buffer on the way.
    QImage noise(64, 64, QImage::Format_RGB32);
    quint32 state = 1;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            noise.setPixel(x, y, state >> 8);
        }
    const QByteArray data = strs::EncodeJpeg(noise, 100);
    QVERIFY2(data.size() > 64 * 64 * 3 + 4096, qPrintable(QString::number(data.size())));
    QCOMPARE(strs::DecodeJpeg(data).size(), noise.size());
}

void PicturesTest::encodingIsBaselineWithThreeComponents() {
    QImage grey(409, 209, QImage::Format_Grayscale8);
    grey.fill(128);
    for (const QImage& image : {ColourBlocks(QSize(409, 209)), grey}) {
        const auto frame = ReadFrame(strs::EncodeJpeg(image, 75));
        QVERIFY(frame.has_value());
        QCOMPARE(frame->marker, 0xC0);
        QCOMPARE(frame->components, 3);
        QCOMPARE(frame->width, 409);
        QCOMPARE(frame->height, 209);
    }
}

void PicturesTest::lowerQualityGivesLessData() {
    QImage image(409, 209, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 256, (x ^ y) % 256));
    const qsizetype low = strs::EncodeJpeg(image, 20).size();
    const qsizetype high = strs::EncodeJpeg(image, 95).size();
    QVERIFY2(low * 2 < high, qPrintable(QStringLiteral("%1 vs %2").arg(low).arg(high)));
}

void PicturesTest::encodingAnEmptyPictureThrows() {
    QVERIFY_THROWS_EXCEPTION(strs::Error, strs::EncodeJpeg(QImage(), 90));
}

void PicturesTest::unreadableDataThrows_data() {
    const QByteArray splash = ReadResource(QStringLiteral(":/pictures/splash.jpg"));
    const QByteArray valid = strs::EncodeJpeg(ColourBlocks(QSize(409, 209)), 90);
    QByteArray scrambled = valid;
    for (qsizetype i = 700; i < scrambled.size() - 2; i += 13)
        scrambled[i] = static_cast<char>(0xFF);  // stray marker bytes in the coded data

    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a picture at all");
    QTest::newRow("png signature") << QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    QTest::newRow("start marker only") << splash.left(2);
    QTest::newRow("headers only") << splash.left(300);
    QTest::newRow("half of the splash") << splash.left(splash.size() / 2);
    QTest::newRow("end marker cut off") << valid.left(valid.size() - 2);
    QTest::newRow("stray markers") << scrambled;
}

void PicturesTest::unreadableDataThrows() {
    QFETCH(QByteArray, data);
    try {
        strs::DecodeJpeg(data);
        QFAIL("no error for unreadable data");
    } catch (const strs::Error& error) {
        QVERIFY2(QString::fromUtf8(error.what()).startsWith(QStringLiteral("Cannot read JPEG picture: ")),
                 error.what());
    }
    // Where the program loads its own pictures, a blank white one stands in instead.
    const QImage blank = strs::JpegOrBlank(data, QSize(330, 230));
    QCOMPARE(blank.size(), QSize(330, 230));
    QCOMPARE(blank.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(blank.pixel(329, 229), qRgb(255, 255, 255));
    // The process is still here, and the codec still works.
    QCOMPARE(strs::DecodeJpeg(strs::EncodeJpeg(ColourBlocks(QSize(20, 10)), 90)).size(), QSize(20, 10));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"

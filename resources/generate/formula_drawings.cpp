#include "resources/generate/formula_drawings.h"

#include "resources/generate/formula_layout.h"
#include "resources/generate/picture_fonts.h"

#include <QPainter>

#include <algorithm>
#include <functional>

namespace strs::pictures {
namespace {

constexpr int kMargin = 3;        // free pixels kept round the formula
constexpr int kLargestSize = 17;  // pixel size of the main font, if the formula fits
constexpr int kSmallestSize = 9;

// The fonts of one formula size: upright and italic serif, scripts, big operators.
struct MathFonts {
    explicit MathFonts(int size)
        : upright(Aliased(SerifFont(size))), italic(Aliased(SerifFont(size, true))),
          script(Aliased(SerifFont(ScriptSize(size)))),
          scriptItalic(Aliased(SerifFont(ScriptSize(size), true))), big(Aliased(SerifFont(size * 3 / 2))),
          axis(MathAxis(upright)), relationSpace(size / 4 + 1), operatorSpace(size / 6 + 1),
          thinSpace(size / 10 + 1) {}

    // Below 10 pixels the glyphs of the scripts fall apart without antialiasing.
    static int ScriptSize(int size) { return std::max(10, size * 3 / 4); }

    Box Up(const QString& text) const { return Text(upright, text); }
    Box It(const QString& text) const { return Text(italic, text); }
    Box Sc(const QString& text) const { return Text(script, text); }
    Box ScIt(const QString& text) const { return Text(scriptItalic, text); }
    Box Gap() const { return Space(operatorSpace); }
    Box ThinGap() const { return Space(thinSpace); }
    // "Y = " before a right-hand side
    Box Equals(const Box& left, const Box& right) const {
        const Box space = Space(relationSpace);
        return Row({left, space, Up(QStringLiteral("=")), space, right});
    }

    QFont upright, italic, script, scriptItalic, big;
    int axis;
    int relationSpace;  // round "="
    int operatorSpace;  // round "+" and "−", and between a function and its argument
    int thinSpace;      // between a factor and the next
};

const QString kMinus = QStringLiteral("\u2212");

Box Norm(const MathFonts& f) {
    const Box sum = Limits(Text(f.big, QStringLiteral("\u03a3")), f.Sc(QStringLiteral("6")),
                           Row({f.ScIt(QStringLiteral("i")), f.ThinGap(), f.Sc(QStringLiteral("=")),
                                f.ThinGap(), f.Sc(QStringLiteral("1"))}));
    const Box xi = Scripts(f.It(QStringLiteral("X")), f.ScIt(QStringLiteral("i")), std::nullopt);
    const Box sixth = Fraction(f.Up(QStringLiteral("1")), f.Up(QStringLiteral("6")), f.axis);
    return f.Equals(f.It(QStringLiteral("Y")), Row({sixth, f.ThinGap(), sum, f.ThinGap(), xi}));
}

Box Ravnom(const MathFonts& f) {
    const Box omega = Row({f.It(QStringLiteral("\u03c9")), f.ThinGap(), f.Up(QStringLiteral("(")),
                           f.It(QStringLiteral("x")), f.ThinGap(), f.Up(QStringLiteral(")"))});
    const Box span =
        Row({f.It(QStringLiteral("b")), f.Gap(), f.Up(kMinus), f.Gap(), f.It(QStringLiteral("a"))});
    return f.Equals(omega, Fraction(f.Up(QStringLiteral("1")), span, f.axis));
}

Box Veb(const MathFonts& f) {
    const Box logarithm =
        Row({f.Up(kMinus), f.ThinGap(), f.Up(QStringLiteral("ln")), f.Gap(), f.It(QStringLiteral("X"))});
    const Box ratio = Fraction(logarithm, f.It(QStringLiteral("\u03b1")), f.axis);
    return f.Equals(f.It(QStringLiteral("Y")), Radical(ratio, f.ScIt(QStringLiteral("\u03b2"))));
}

Box Rel(const MathFonts& f) {
    auto squared = [&](const QString& digit) {
        return Scripts(f.It(QStringLiteral("X")), f.Sc(digit), f.Sc(QStringLiteral("2")));
    };
    const Box sum = Row({squared(QStringLiteral("1")), f.Gap(), f.Up(QStringLiteral("+")), f.Gap(),
                         squared(QStringLiteral("2"))});
    return f.Equals(f.It(QStringLiteral("Y")), Radical(sum));
}

Box Exp(const MathFonts& f) {
    const Box reciprocal = Fraction(f.Up(QStringLiteral("1")), f.It(QStringLiteral("\u03bb")), f.axis);
    return f.Equals(f.It(QStringLiteral("Y")),
                    // a full gap keeps the minus from running into the fraction bar
                    Row({f.Up(kMinus), f.Gap(), reciprocal, f.ThinGap(), f.Up(QStringLiteral("ln")), f.Gap(),
                         f.It(QStringLiteral("X"))}));
}

using Layout = std::function<Box(const MathFonts&)>;

bool Fits(const Box& box) {
    constexpr int room = kFormulaPictureSize - 2 * kMargin;
    return box.width <= room && box.Height() <= room;
}

// The largest font size at which every formula fits its picture: all five share it,
// so that the formulas keep one size when the law is changed.
int CommonSize(const std::vector<Layout>& layouts) {
    int size = kLargestSize;
    for (const Layout& layout : layouts) {
        while (size > kSmallestSize && !Fits(layout(MathFonts(size))))
            --size;
    }
    return size;
}

QImage DrawFormula(const Layout& layout, int size, int scale) {
    const Box box = layout(MathFonts(size));
    QImage image(kFormulaPictureSize * scale, kFormulaPictureSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.scale(scale, scale);
    PaintCentred(painter, box, QSize(kFormulaPictureSize, kFormulaPictureSize));
    return image;
}

}  // namespace

std::vector<NamedPicture> DrawFormulaPictures(int scale) {
    const std::vector<QString> names = {QStringLiteral("norm"), QStringLiteral("ravnom"),
                                        QStringLiteral("veb"), QStringLiteral("rel"), QStringLiteral("exp")};
    const std::vector<Layout> layouts = {Norm, Ravnom, Veb, Rel, Exp};
    const int size = CommonSize(layouts);
    std::vector<NamedPicture> pictures;
    for (std::size_t i = 0; i < names.size(); ++i)
        pictures.push_back({names[i], DrawFormula(layouts[i], size, scale)});
    return pictures;
}

}  // namespace strs::pictures

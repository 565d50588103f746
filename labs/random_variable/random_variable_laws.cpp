#include "labs/random_variable/random_variable_laws.h"

#include <cmath>

#include "core/translate_noop.h"
#include "matematic/checked.h"
#include "matematic/extended_bits.h"
#include "matematic/gamma.h"
#include "matematic/power.h"
#include "matematic/random.h"

// Every expression is evaluated in extended precision, left to right as written, and
// stored as a double; a fault ends the press where it arises (the checked helpers
// throw), so no infinity or NaN ever leaves these functions.

namespace strs::random_variable {
namespace {

// a * b, for the products whose factors can come near the extended range.
Extended Product(Extended a, Extended b) {
    const Extended r = a * b;
    if (IsNaN(r))
        throw InvalidOperation();
    if (IsInf(r))
        throw FloatingOverflow();
    return r;
}

Extended NormalVariate() { return RandomNormal(0, 1); }

// ---- 0 normal: the mean of six uniform values on [a, b]; the running sum is a double.
double DrawNormal(const LawParameters& p) {
    const double a = p.first;
    const double b = p.second;
    double s = 0.0;
    for (int i = 0; i < 6; ++i)
        s = StoreDouble((UniformRandom() * (Extended(b) - a) + s) + a);
    return StoreDouble(Extended(s) / 6);
}

// ---- 1 uniform on [a, b]
double DrawUniform(const LawParameters& p) {
    return StoreDouble(p.first + UniformRandom() * (Extended(p.second) - p.first));
}

Moments UniformMoments(const LawParameters& p) {
    const Extended width = Extended(p.second) - p.first;
    return {StoreDouble((Extended(p.first) + p.second) / 2), StoreDouble(width * width / 12)};
}

// ---- 2 Weibull, distribution function 1 - exp(-alpha * y^beta): alpha, beta
double DrawWeibull(const LawParameters& p) {
    const Extended base = CheckedDiv(-CheckedLn(UniformRandom()), p.first);
    return StoreDouble(Power(base, CheckedDiv(1, p.second)));
}

Extended WeibullDensity(const LawParameters& p, double t) {
    const Extended alpha = p.first;
    const Extended beta = p.second;
    const Extended rise = Product(alpha * beta, Power(t, beta - 1));
    return Product(rise, CheckedExp(-Product(alpha, Power(t, beta))));
}

Moments WeibullMoments(const LawParameters& p) {
    const Extended alpha = p.first;
    const Extended beta = p.second;
    // Gamma takes a double: each argument is rounded before the call.
    const Extended scale1 = Power(alpha, CheckedDiv(-1, beta));
    const double gamma1 = GammaApprox(StoreDouble(CheckedDiv(1, beta) + 1));
    const double mean = StoreDouble(Product(scale1, gamma1));
    const Extended scale2 = Power(alpha, CheckedDiv(-2, beta));
    const double gamma2 = GammaApprox(StoreDouble(CheckedDiv(2, beta) + 1));
    const Extended spread = gamma2 - Extended(gamma1) * gamma1;
    return {mean, StoreDouble(Product(scale2, spread))};
}

// ---- 3 Rayleigh: the length of two zero-mean normal components of variance sigma^2
double DrawRayleigh(const LawParameters& p) {
    const Extended sigma = CheckedSqrt(p.first);
    const Extended x1 = sigma * NormalVariate();  // g1 is drawn before g2
    const Extended x2 = sigma * NormalVariate();
    return StoreDouble(CheckedSqrt(x1 * x1 + x2 * x2));
}

Extended RayleighDensity(const LawParameters& p, double t) {
    const Extended variance = p.first;
    const Extended tt = Extended(t) * t;
    return CheckedExp(CheckedDiv(-tt, 2 * variance)) * CheckedDiv(t, variance);
}

Moments RayleighMoments(const LawParameters& p) {
    constexpr double kHalfPi = 1.5707963267948966;
    constexpr double kTwoMinusHalfPi = 0.42920367320510338;
    return {StoreDouble(CheckedSqrt(Extended(kHalfPi) * p.first)),
            StoreDouble(Extended(kTwoMinusHalfPi) * p.first)};
}

// ---- 4 exponential with rate lambda
double DrawExponential(const LawParameters& p) {
    const Extended lnU = CheckedLn(UniformRandom());
    return StoreDouble(lnU * CheckedDiv(-1, p.first));
}

Extended ExponentialDensity(const LawParameters& p, double t) {
    return Product(CheckedExp(-(Extended(p.first) * t)), p.first);
}

Moments ExponentialMoments(const LawParameters& p) {
    const Extended inverse = CheckedDiv(1, p.first);
    return {StoreDouble(inverse), StoreDouble(CheckedDiv(inverse, p.first))};
}

// In the order of the page's list: labelling; params, zero replaced, draw, density,
// t0, step, theory, result labels.
// The texts are looked up in the window's language where the page shows them.
constexpr Law kLaws[] = {
    {{STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Нормальное распределение"), "norm",
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Y = 1/6 · сумма Xi при i от 1 до 6"), "a", "b", true,
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Случайная величина")},
     2,
     false,
     DrawNormal,
     nullptr,
     0.0,
     0.0,
     nullptr,
     ResultForm::SampleOnly},
    {{STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Равномерное распределение"), "ravnom",
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "ω(x) = 1 / (b − a)"), "a", "b", true,
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Случайная величина")},
     2,
     false,
     DrawUniform,
     nullptr,
     0.0,
     0.0,
     UniformMoments,
     ResultForm::Compared},
    {{STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Распределение Вейбулла"), "veb",
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Y = корень степени β из (−ln X / α)"), "α", "β",
      true, STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Теоретическое распределение")},
     2,
     true,
     DrawWeibull,
     WeibullDensity,
     0.001,
     0.02,
     WeibullMoments,
     ResultForm::ComparedCoarse},
    {{STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Распределение Рэлея"), "rel",
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Y = квадратный корень из (X1² + X2²)"),
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Дисперсия СВ X1 и X2"), "b", false,
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Теоретическое распределение")},
     1,
     true,
     DrawRayleigh,
     RayleighDensity,
     0.0,
     0.03,
     RayleighMoments,
     ResultForm::Compared},
    {{STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Экспоненциальное распределение"), "exp",
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Y = −(1/λ) · ln X"), "λ", nullptr, false,
      STRS_TRANSLATE_NOOP("strs::random_variable::Law", "Теоретическое распределение")},
     1,
     true,
     DrawExponential,
     ExponentialDensity,
     0.0,
     0.1,
     ExponentialMoments,
     ResultForm::Compared},
};

}  // namespace

int LawCount() { return static_cast<int>(std::size(kLaws)); }

const Law* LawAt(int index) { return index >= 0 && index < LawCount() ? &kLaws[index] : nullptr; }

Sample DrawSample(const Law& law, const LawParameters& p) {
    Sample x;
    for (double& value : x)
        value = law.draw(p);
    return x;
}

Curve DensityCurve(const Law& law, const LawParameters& p) {
    Curve y;
    double t = law.curveStart;
    for (double& value : y) {
        value = StoreDouble(law.density(p, t));
        t = StoreDouble(Extended(t) + law.curveStep);
    }
    return y;
}

}  // namespace strs::random_variable

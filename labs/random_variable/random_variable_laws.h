#pragma once
// The five distribution laws of the random variable page: how a value is drawn, the
// density curve drawn for three of them, and the theoretical moments. The page's list
// index (0 to 4) selects the law.

#include "labs/random_variable/sample.h"
#include "matematic/extended.h"

namespace strs::random_variable {

// The values of the page's fields: a and b, a and b, alpha and beta, sigma^2, lambda.
struct LawParameters {
    double first = 0.0;
    double second = 0.0;  // unused by the one-parameter laws
};

// How the result labels show the mean and the variance.
enum class ResultForm {
    SampleOnly,      // the bare sample value, three decimals
    Compared,        // sample and theory, three decimals
    ComparedCoarse,  // sample and theory, two decimals
};

// How the page shows a law. The Greek letters are written as such, in the window's font.
struct LawLabelling {
    const char* listName;       // the law's line in CB1
    const char* picture;        // formula picture for I0
    const char* formula;        // the picture's formula in words, for screen readers
    const char* firstCaption;   // L11
    const char* secondCaption;  // L12; nullptr: L12 is left as it is (exponential law)
    bool secondFieldShown;      // L12 and E12
    const char* chartTitle;     // Chart11: the sample itself, or its law's density
};

struct Law {
    LawLabelling labelling;
    int parameterCount;      // 1: the second field is neither read nor shown
    bool replacesExactZero;  // a field text of exactly "0" becomes "0,001" before reading
    // One value of the sample from fresh draws of the uniform source.
    double (*draw)(const LawParameters&);
    // The density at abscissa t, computed in extended precision; nullptr: the upper
    // chart shows the sample itself instead of a curve.
    Extended (*density)(const LawParameters&, double t);
    double curveStart;  // abscissa of the first curve point
    double curveStep;   // added after each point
    // nullptr: no theoretical moments are shown.
    Moments (*theory)(const LawParameters&);
    ResultForm resultForm;
};

// How many laws the page lists.
int LawCount();

// The law of a list index; nullptr outside 0 to LawCount() - 1.
const Law* LawAt(int index);

// Draws the whole sample in index order.
Sample DrawSample(const Law& law, const LawParameters& p);

// The density at curveStart, curveStart + step, ...; every point is computed before any
// is shown, so a failure leaves the chart empty. Requires law.density.
Curve DensityCurve(const Law& law, const LawParameters& p);

}  // namespace strs::random_variable

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "matematic/ar_model.h"
#include "matematic/errors.h"
#include "matematic/extended.h"
#include "matematic/matrix.h"

namespace strs {
namespace {

constexpr std::size_t kN = kMatrixOrder;

double& At(Matrix100& m, std::size_t i, std::size_t j) { return m[i * kN + j]; }
double At(const Matrix100& m, std::size_t i, std::size_t j) { return m[i * kN + j]; }

std::unique_ptr<Matrix100> Identity() {
    auto m = std::make_unique<Matrix100>();
    m->fill(0.0);
    for (std::size_t i = 0; i < kN; ++i) {
        At(*m, i, i) = 1.0;
    }
    return m;
}

// A small deterministic generator so the tests do not touch the program's one.
class TestNumbers {
public:
    double Next() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0 - 0.5;
    }

private:
    unsigned long long state_ = 42;
};

Vector100 SomeVector(TestNumbers& numbers) {
    Vector100 v;
    for (auto& e : v) {
        e = numbers.Next();
    }
    return v;
}

// The exact product of A and B in Extended, for checking A A^-1.
Extended ProductElement(const Matrix100& a, const Matrix100& b, std::size_t i, std::size_t j) {
    Extended s = 0;
    for (std::size_t m = 0; m < kN; ++m) {
        s += static_cast<Extended>(At(a, i, m)) * At(b, m, j);
    }
    return s;
}

TEST(MatVecMulTest, IdentityCopiesTheVector) {
    TestNumbers numbers;
    const Vector100 x = SomeVector(numbers);
    Vector100 y;
    y.fill(99.0);
    MatVecMul(*Identity(), x, y);
    EXPECT_EQ(y, x);
    VecMatMul(x, *Identity(), y);
    EXPECT_EQ(y, x);
}

TEST(MatVecMulTest, ColumnAndRowProductsDifferOnANonSymmetricMatrix) {
    auto a = std::make_unique<Matrix100>();
    a->fill(0.0);
    At(*a, 0, 1) = 2.0;  // only above the diagonal
    At(*a, 3, 3) = 1.0;
    Vector100 x{};
    x[0] = 10.0;
    x[1] = 5.0;
    x[3] = 7.0;
    Vector100 column;
    Vector100 row;
    MatVecMul(*a, x, column);
    VecMatMul(x, *a, row);
    EXPECT_EQ(column[0], 10.0);  // A(0,1) x(1)
    EXPECT_EQ(column[1], 0.0);
    EXPECT_EQ(row[0], 0.0);
    EXPECT_EQ(row[1], 20.0);  // x(0) A(0,1)
    EXPECT_EQ(column[3], 7.0);
    EXPECT_EQ(row[3], 7.0);
    EXPECT_NE(column, row);
}

TEST(MatVecMulTest, SumsInRowOrderWithADoubleRunningSum) {
    TestNumbers numbers;
    auto a = std::make_unique<Matrix100>();
    for (auto& e : *a) {
        e = numbers.Next();
    }
    const Vector100 x = SomeVector(numbers);
    Vector100 y;
    MatVecMul(*a, x, y);
    Vector100 t;
    VecMatMul(x, *a, t);
    for (std::size_t i = 0; i < kN; ++i) {
        double column = 0.0;
        double row = 0.0;
        for (std::size_t j = 0; j < kN; ++j) {
            column = static_cast<double>(static_cast<Extended>(At(*a, i, j)) * x[j] + column);
            row = static_cast<double>(static_cast<Extended>(x[j]) * At(*a, j, i) + row);
        }
        EXPECT_EQ(y[i], column) << i;
        EXPECT_EQ(t[i], row) << i;
    }
}

TEST(DotProductTest, VectorWithItselfIsTheSumOfSquares) {
    Vector100 v;
    double expected = 0.0;
    for (std::size_t j = 0; j < kN; ++j) {
        v[j] = static_cast<double>(j) - 49.5;
        expected += v[j] * v[j];  // small halves: every partial sum is exact
    }
    EXPECT_EQ(DotProduct(v, v), expected);
    EXPECT_EQ(DotProduct(v, v), 83325.0);
}

// (1 + 2^-30)^2 - 1 = 2^-29 + 2^-60: the 2^-60 survives only when the product is
// formed in extended precision before it meets the running sum.
const double kOnePlus = 1.0 + std::ldexp(1.0, -30);
const double kExtendedResidue = std::ldexp(1.0, -29) + std::ldexp(1.0, -60);

TEST(DotProductTest, ProductsAreFormedInExtended) {
    Vector100 a{};
    Vector100 b{};
    a[0] = -1.0;
    b[0] = 1.0;
    a[1] = kOnePlus;
    b[1] = kOnePlus;
    EXPECT_EQ(DotProduct(a, b), kExtendedResidue);
}

TEST(MatVecMulTest, ProductsAreFormedInExtended) {
    auto a = std::make_unique<Matrix100>();
    a->fill(0.0);
    At(*a, 0, 0) = -1.0;
    At(*a, 0, 1) = kOnePlus;  // row 0 for A x
    At(*a, 1, 0) = kOnePlus;  // column 0 for x^T A
    Vector100 x{};
    x[0] = 1.0;
    x[1] = kOnePlus;
    Vector100 y;
    MatVecMul(*a, x, y);
    EXPECT_EQ(y[0], kExtendedResidue);
    VecMatMul(x, *a, y);
    EXPECT_EQ(y[0], kExtendedResidue);
}

TEST(InvertMatrixTest, IdentityStaysTheIdentity) {
    auto a = Identity();
    InvertMatrix(*a);
    EXPECT_EQ(*a, *Identity());
}

TEST(InvertMatrixTest, DiagonalGivesTheReciprocals) {
    auto a = std::make_unique<Matrix100>();
    a->fill(0.0);
    for (std::size_t i = 0; i < kN; ++i) {
        At(*a, i, i) = static_cast<double>(i) + 0.5;
    }
    InvertMatrix(*a);
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            const double expected = i == j ? 1.0 / (static_cast<double>(i) + 0.5) : 0.0;
            ASSERT_EQ(std::fabs(At(*a, i, j)), std::fabs(expected)) << i << "," << j;
        }
    }
}

TEST(InvertMatrixTest, ProductWithTheInverseIsTheIdentityForARandomSpdMatrix) {
    TestNumbers numbers;
    auto b = std::make_unique<Matrix100>();
    for (auto& e : *b) {
        e = numbers.Next();
    }
    // A = B B^T + I is symmetric positive definite: all leading minors are non-zero.
    auto a = std::make_unique<Matrix100>();
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            Extended s = i == j ? 1.0L : 0.0L;
            for (std::size_t m = 0; m < kN; ++m) {
                s += static_cast<Extended>(At(*b, i, m)) * At(*b, j, m);
            }
            At(*a, i, j) = static_cast<double>(s);
        }
    }
    auto inverse = std::make_unique<Matrix100>(*a);
    InvertMatrix(*inverse);
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            ASSERT_NEAR(static_cast<double>(ProductElement(*a, *inverse, i, j)), i == j ? 1.0 : 0.0, 1e-11)
                << i << "," << j;
        }
    }
}

TEST(InvertMatrixTest, NonSymmetricMatrixWithoutPivotSearch) {
    // Upper triangular with unit diagonal: its inverse has the alternating pattern
    // -1, 1, -1 ... wherever the matrix has 1 above the first superdiagonal only.
    auto a = Identity();
    for (std::size_t i = 0; i + 1 < kN; ++i) {
        At(*a, i, i + 1) = 1.0;
    }
    InvertMatrix(*a);
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            const double expected = j < i ? 0.0 : ((j - i) % 2 == 0 ? 1.0 : -1.0);
            ASSERT_EQ(At(*a, i, j), expected) << i << "," << j;
        }
    }
}

TEST(InvertMatrixTest, ZeroFirstPivotFailsAndLeavesTheMatrixUnchanged) {
    // An invertible matrix (a permutation of the identity) whose A(0,0) is 0.
    auto a = std::make_unique<Matrix100>();
    a->fill(0.0);
    At(*a, 0, 1) = 1.0;
    At(*a, 1, 0) = 1.0;
    for (std::size_t i = 2; i < kN; ++i) {
        At(*a, i, i) = 2.0;
    }
    const Matrix100 before = *a;
    try {
        InvertMatrix(*a);
        FAIL() << "no error";
    } catch (const DivisionByZero& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(*a, before);
}

TEST(InvertMatrixTest, LaterZeroPivotLeavesTheLastCompletedStep) {
    // After step 0 on [[1,1],[1,1]] (plus the identity below) the pivot A(1,1) is 0.
    auto a = Identity();
    At(*a, 0, 1) = 1.0;
    At(*a, 1, 0) = 1.0;
    At(*a, 1, 1) = 1.0;
    EXPECT_THROW(InvertMatrix(*a), DivisionByZero);  // A(1,0) A(0,1) = 1 * -1 != 0
    EXPECT_EQ(At(*a, 0, 0), 1.0);
    EXPECT_EQ(At(*a, 0, 1), -1.0);
    EXPECT_EQ(At(*a, 1, 0), 1.0);
    EXPECT_EQ(At(*a, 1, 1), 0.0);
    EXPECT_EQ(At(*a, 2, 2), 1.0);
}

TEST(InvertMatrixTest, ZeroPivotWithZeroFirstNumeratorIsInvalid) {
    // The zero pivot at step 1 with A(1,0) A(0,1) = 0: element (0,0) computes 0/0.
    auto a = Identity();
    At(*a, 1, 1) = 0.0;
    try {
        InvertMatrix(*a);
        FAIL() << "no error";
    } catch (const InvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_EQ(*a, [] {
        auto m = Identity();
        At(*m, 1, 1) = 0.0;
        return *m;
    }());
}

TEST(InvertMatrixTest, ElementBeyondTheDoubleRangeOverflows) {
    auto a = Identity();
    At(*a, 0, 0) = 1e-300;
    At(*a, 0, 1) = 1e300;
    EXPECT_THROW(InvertMatrix(*a), FloatingOverflow);
    EXPECT_EQ(At(*a, 0, 0), 1e-300);  // unchanged: step 0 failed
}

// The theoretical error variances of a block Wiener estimate from observations
// in white noise of variance dn, formed as the Wiener filter lab forms them:
// err[i] = (D - 2 h^T c) + (h^T Ry) h, h = Ry^-1 c, c = column i of Rx.
class WienerErrors {
public:
    WienerErrors(const Matrix100& rx, double d, double dn)
        : rx_(std::make_unique<Matrix100>(rx)), ry_(std::make_unique<Matrix100>(rx)), d_(d) {
        for (std::size_t i = 0; i < kN; ++i) {
            At(*ry_, i, i) = At(rx, i, i) + dn;
        }
        q_ = std::make_unique<Matrix100>(*ry_);
        InvertMatrix(*q_);
    }

    double ErrorAt(std::size_t i) const {
        Vector100 c;
        for (std::size_t j = 0; j < kN; ++j) {
            c[j] = At(*rx_, j, i);
        }
        Vector100 h;
        MatVecMul(*q_, c, h);
        Vector100 t;
        VecMatMul(h, *ry_, t);
        return (d_ - 2.0 * DotProduct(h, c)) + DotProduct(t, h);
    }

private:
    std::unique_ptr<Matrix100> rx_;
    std::unique_ptr<Matrix100> ry_;
    std::unique_ptr<Matrix100> q_;
    double d_;
};

// Signal correlation D * corr(|i - j|).
template <typename Corr>
std::unique_ptr<Matrix100> ToeplitzCorrelation(double d, Corr corr) {
    auto m = std::make_unique<Matrix100>();
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            At(*m, i, j) = d * corr(i > j ? i - j : j - i);
        }
    }
    return m;
}

TEST(InvertMatrixTest, WienerErrorVarianceOfAFirstOrderSignal) {
    // r = 0.8, D = 1, Dn = 4.
    const auto rx =
        ToeplitzCorrelation(1.0, [](std::size_t lag) { return std::pow(0.8, static_cast<int>(lag)); });
    const WienerErrors err(*rx, 1.0, 4.0);
    EXPECT_NEAR(err.ErrorAt(0), 0.649848, 5e-7);
    EXPECT_NEAR(err.ErrorAt(99), 0.649848, 5e-7);
    EXPECT_NEAR(err.ErrorAt(1), 0.593257, 5e-7);
    EXPECT_NEAR(err.ErrorAt(49), 0.547153, 5e-7);
    EXPECT_NEAR(err.ErrorAt(50), 0.547153, 5e-7);
}

TEST(InvertMatrixTest, WienerErrorVarianceOfASecondOrderSignal) {
    // R1 = 0.8, R2 = 0.9, D = 1, Dn = 4.
    double rho[kN];
    Ar2NormalisedCorrelation(YuleWalker2(0.8, 0.9), rho, static_cast<int>(kN));
    const auto rx = ToeplitzCorrelation(1.0, [&rho](std::size_t lag) { return rho[lag]; });
    const WienerErrors err(*rx, 1.0, 4.0);
    EXPECT_NEAR(err.ErrorAt(0), 0.437634, 5e-7);
    EXPECT_NEAR(err.ErrorAt(99), 0.437634, 5e-7);
    EXPECT_NEAR(err.ErrorAt(49), 0.321584, 5e-7);
}

// ---------------------------------------------------------------------------
// The fast routines against plain references, bit for bit.
//
// The references below are written the way the routines are defined, element by
// element in the defining order, with no blocking, no symmetry and no shortcut.

void ReferenceMatVecMul(const Matrix100& a, const Vector100& x, Vector100& y) {
    y.fill(0.0);
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            y[i] = static_cast<double>(static_cast<Extended>(At(a, i, j)) * x[j] + y[i]);
        }
    }
}

void ReferenceVecMatMul(const Vector100& x, const Matrix100& a, Vector100& y) {
    y.fill(0.0);
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            y[i] = static_cast<double>(static_cast<Extended>(x[j]) * At(a, j, i) + y[i]);
        }
    }
}

double ReferenceDotProduct(const Vector100& a, const Vector100& b) {
    double s = 0.0;
    for (std::size_t j = 0; j < kN; ++j) {
        s = static_cast<double>(static_cast<Extended>(a[j]) * b[j] + s);
    }
    return s;
}

// A division as the x87 unit reports it: 0/0 is invalid, x/0 divides by zero.
Extended Divide(Extended numerator, Extended divisor) {
    if (divisor == 0.0L) {
        if (numerator == 0.0L) {
            throw InvalidOperation();
        }
        throw DivisionByZero();
    }
    return numerator / divisor;
}

double StoreChecked(Extended value) {
    const double stored = static_cast<double>(value);
    if (!std::isfinite(stored)) {
        throw FloatingOverflow();
    }
    return stored;
}

// Gauss-Jordan in the exchange form on the diagonal: every element of every step
// in row-major order, the first failing operation ends the work, and A takes a
// step only when all of it is done. afterStep(A, k) sees A after step k.
void ReferenceInvert(Matrix100& a, const std::function<void(const Matrix100&, std::size_t)>& afterStep = {}) {
    auto w = std::make_unique<Matrix100>();
    w->fill(0.0);
    for (std::size_t k = 0; k < kN; ++k) {
        const Extended p = At(a, k, k);
        for (std::size_t i = 0; i < kN; ++i) {
            for (std::size_t j = 0; j < kN; ++j) {
                Extended v;
                if (i == k && j == k) {
                    v = Divide(1.0L, p);
                } else if (i == k) {
                    v = Divide(-static_cast<Extended>(At(a, k, j)), p);
                } else if (j == k) {
                    v = Divide(At(a, i, k), p);
                } else {
                    v = At(a, i, j) - Divide(static_cast<Extended>(At(a, k, j)) * At(a, i, k), p);
                }
                At(*w, i, j) = StoreChecked(v);
            }
        }
        a = *w;
        if (afterStep) {
            afterStep(a, k);
        }
    }
}

enum class Outcome { Completed, DivisionByZero, InvalidOperation, FloatingOverflow };

const char* OutcomeName(Outcome o) {
    switch (o) {
    case Outcome::Completed:
        return "completed";
    case Outcome::DivisionByZero:
        return "DivisionByZero";
    case Outcome::InvalidOperation:
        return "InvalidOperation";
    case Outcome::FloatingOverflow:
        return "FloatingOverflow";
    }
    return "?";
}

template <typename Invert>
Outcome RunInversion(Matrix100& a, Invert invert) {
    try {
        invert(a);
        return Outcome::Completed;
    } catch (const DivisionByZero&) {
        return Outcome::DivisionByZero;
    } catch (const InvalidOperation&) {
        return Outcome::InvalidOperation;
    } catch (const FloatingOverflow&) {
        return Outcome::FloatingOverflow;
    }
}

// Where two matrices differ in their bits, for the failure message.
std::string FirstBitDifference(const Matrix100& x, const Matrix100& y) {
    for (std::size_t e = 0; e < kN * kN; ++e) {
        if (std::memcmp(&x[e], &y[e], sizeof(double)) != 0) {
            return "(" + std::to_string(e / kN) + "," + std::to_string(e % kN) + "): " + std::to_string(x[e])
                   + (std::signbit(x[e]) ? " (sign set)" : "") + " vs " + std::to_string(y[e])
                   + (std::signbit(y[e]) ? " (sign set)" : "");
        }
    }
    return "none";
}

// InvertMatrix against ReferenceInvert: the same outcome and the same bits left in A.
// Returns the reference's outcome.
Outcome ExpectInversionMatchesReference(const Matrix100& input, const std::string& what) {
    auto fast = std::make_unique<Matrix100>(input);
    auto reference = std::make_unique<Matrix100>(input);
    const Outcome fastOutcome = RunInversion(*fast, [](Matrix100& m) { InvertMatrix(m); });
    const Outcome referenceOutcome = RunInversion(*reference, [](Matrix100& m) { ReferenceInvert(m); });
    EXPECT_EQ(OutcomeName(fastOutcome), std::string(OutcomeName(referenceOutcome))) << what;
    EXPECT_EQ(std::memcmp(fast->data(), reference->data(), sizeof(Matrix100)), 0)
        << what << ": first difference at " << FirstBitDifference(*fast, *reference);
    return referenceOutcome;
}

std::size_t ReferenceCompletedSteps(const Matrix100& input) {
    auto a = std::make_unique<Matrix100>(input);
    std::size_t completed = 0;
    try {
        ReferenceInvert(*a, [&](const Matrix100&, std::size_t k) { completed = k + 1; });
    } catch (const ArithmeticError&) {
    }
    return completed;
}

// Test matrices. Symmetric ones are filled above the diagonal and mirrored.
template <typename Element>
std::unique_ptr<Matrix100> SymmetricMatrix(Element element) {
    auto m = std::make_unique<Matrix100>();
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = i; j < kN; ++j) {
            At(*m, i, j) = element(i, j);
            At(*m, j, i) = At(*m, i, j);
        }
    }
    return m;
}

// Strictly diagonally dominant with a positive diagonal: positive definite.
std::unique_ptr<Matrix100> SymmetricPositiveDefinite(TestNumbers& numbers) {
    return SymmetricMatrix(
        [&](std::size_t i, std::size_t j) { return i == j ? 50.0 + numbers.Next() : numbers.Next(); });
}

// Strictly diagonally dominant with diagonal signs mixed: indefinite, and every
// leading block is dominant too, so no leading minor is zero.
std::unique_ptr<Matrix100> SymmetricIndefinite(TestNumbers& numbers) {
    return SymmetricMatrix([&](std::size_t i, std::size_t j) {
        if (i != j) {
            return numbers.Next();
        }
        const double magnitude = 50.0 + numbers.Next();
        return numbers.Next() < 0.0 ? -magnitude : magnitude;
    });
}

// No dominance at all: the steps grow and cancel freely.
std::unique_ptr<Matrix100> SymmetricUnstructured(TestNumbers& numbers) {
    return SymmetricMatrix([&](std::size_t, std::size_t) { return numbers.Next(); });
}

// Small integers, mostly zeros, and zeros whose mirror has the other sign: many
// exact cancellations and signed zeros along the way.
std::unique_ptr<Matrix100> SymmetricSparseIntegers(TestNumbers& numbers) {
    auto m = SymmetricMatrix([&](std::size_t i, std::size_t j) {
        if (i == j) {
            return numbers.Next() < 0.0 ? -1.0 : 1.0;
        }
        return numbers.Next() < 0.3 ? 0.0 : std::round(numbers.Next() * 4.0);
    });
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = i + 1; j < kN; ++j) {
            if (At(*m, i, j) == 0.0 && numbers.Next() < 0.0) {
                At(*m, j, i) = -At(*m, i, j);
            }
        }
    }
    return m;
}

std::unique_ptr<Matrix100> WienerObservationCorrelation(const Matrix100& rx, double dn) {
    auto ry = std::make_unique<Matrix100>(rx);
    for (std::size_t i = 0; i < kN; ++i) {
        At(*ry, i, i) = static_cast<double>(static_cast<Extended>(At(rx, i, i)) + dn);
    }
    return ry;
}

// What the symmetric inversion relies on, checked on the reference's own steps:
// after step k, with d(i) = -1 for the done pivots i <= k and +1 for the others,
// A(j, i) == d(i) d(j) A(i, j) as numbers for every pair, and the bits agree too
// unless the value is zero. Returns how many zero pairs have the other sign than
// that rule gives (those the inversion must compute instead of deriving).
int CheckSignedSymmetryAtEveryStep(const Matrix100& input, const std::string& what) {
    auto a = std::make_unique<Matrix100>(input);
    int zeroSignExceptions = 0;
    int violations = 0;
    ReferenceInvert(*a, [&](const Matrix100& m, std::size_t k) {
        for (std::size_t i = 0; i < kN; ++i) {
            for (std::size_t j = i + 1; j < kN; ++j) {
                const bool flipped = (i <= k) != (j <= k);
                const double derived = flipped ? -At(m, i, j) : At(m, i, j);
                if (At(m, j, i) != derived) {
                    if (++violations < 5) {
                        ADD_FAILURE() << what << " step " << k << " (" << i << "," << j << ")";
                    }
                } else if (std::signbit(At(m, j, i)) != std::signbit(derived)) {
                    EXPECT_EQ(derived, 0.0) << what << " step " << k << " (" << i << "," << j << ")";
                    ++zeroSignExceptions;
                }
            }
        }
    });
    EXPECT_EQ(violations, 0) << what;
    return zeroSignExceptions;
}

TEST(InvertMatrixReferenceTest, ExchangeStepsKeepTheSignedSymmetryAtEveryStep) {
    TestNumbers numbers;
    CheckSignedSymmetryAtEveryStep(*SymmetricPositiveDefinite(numbers), "SPD");
    CheckSignedSymmetryAtEveryStep(*SymmetricIndefinite(numbers), "indefinite");
    CheckSignedSymmetryAtEveryStep(*SymmetricUnstructured(numbers), "unstructured");
    // The sparse integer matrices really have zeros whose sign breaks the rule,
    // so the bit-for-bit tests above exercise the inversion's handling of them.
    int zeroSignExceptions = 0;
    for (int n = 0; n < 12; ++n) {
        const auto a = SymmetricSparseIntegers(numbers);
        if (ReferenceCompletedSteps(*a) == kN) {
            zeroSignExceptions += CheckSignedSymmetryAtEveryStep(*a, "sparse #" + std::to_string(n));
        }
    }
    EXPECT_GT(zeroSignExceptions, 0);
}

TEST(InvertMatrixReferenceTest, SymmetricPositiveDefiniteMatchesBitForBit) {
    TestNumbers numbers;
    for (int n = 0; n < 4; ++n) {
        const auto a = SymmetricPositiveDefinite(numbers);
        EXPECT_EQ(ExpectInversionMatchesReference(*a, "SPD #" + std::to_string(n)), Outcome::Completed);
    }
}

TEST(InvertMatrixReferenceTest, SymmetricIndefiniteMatchesBitForBit) {
    TestNumbers numbers;
    for (int n = 0; n < 4; ++n) {
        const auto a = SymmetricIndefinite(numbers);
        EXPECT_EQ(ExpectInversionMatchesReference(*a, "indefinite #" + std::to_string(n)),
                  Outcome::Completed);
        const auto b = SymmetricUnstructured(numbers);
        EXPECT_EQ(ExpectInversionMatchesReference(*b, "unstructured #" + std::to_string(n)),
                  Outcome::Completed);
    }
}

TEST(InvertMatrixReferenceTest, SymmetricWithSignedZerosMatchesBitForBit) {
    TestNumbers numbers;
    int completed = 0;
    for (int n = 0; n < 12; ++n) {
        const auto a = SymmetricSparseIntegers(numbers);
        if (ExpectInversionMatchesReference(*a, "sparse #" + std::to_string(n)) == Outcome::Completed) {
            ++completed;
        }
    }
    EXPECT_GT(completed, 0);  // not only failures
}

TEST(InvertMatrixReferenceTest, WienerCorrelationsMatchBitForBit) {
    const auto ar1 =
        ToeplitzCorrelation(1.0, [](std::size_t lag) { return std::pow(0.8, static_cast<int>(lag)); });
    ExpectInversionMatchesReference(*WienerObservationCorrelation(*ar1, 4.0), "first order");
    double rho[kN];
    Ar2NormalisedCorrelation(YuleWalker2(0.8, 0.9), rho, static_cast<int>(kN));
    const auto ar2 = ToeplitzCorrelation(1.0, [&rho](std::size_t lag) { return rho[lag]; });
    ExpectInversionMatchesReference(*WienerObservationCorrelation(*ar2, 4.0), "second order");
    ExpectInversionMatchesReference(*WienerObservationCorrelation(*ar2, 0.01), "second order, little noise");
}

TEST(InvertMatrixReferenceTest, NonSymmetricMatchesBitForBit) {
    TestNumbers numbers;
    for (int n = 0; n < 3; ++n) {
        auto a = SymmetricPositiveDefinite(numbers);
        for (std::size_t i = 0; i < kN; ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                At(*a, i, j) = numbers.Next();
            }
        }
        EXPECT_EQ(ExpectInversionMatchesReference(*a, "non-symmetric #" + std::to_string(n)),
                  Outcome::Completed);
    }
    // One element one step away from symmetry.
    auto nearly = SymmetricUnstructured(numbers);
    At(*nearly, 70, 3) = std::nextafter(At(*nearly, 70, 3), 1.0);
    ExpectInversionMatchesReference(*nearly, "nearly symmetric");
    // NaN is not equal to itself: the matrix does not count as symmetric.
    auto withNan = SymmetricPositiveDefinite(numbers);
    At(*withNan, 10, 20) = std::nan("");
    At(*withNan, 20, 10) = At(*withNan, 10, 20);
    EXPECT_EQ(ExpectInversionMatchesReference(*withNan, "NaN"), Outcome::FloatingOverflow);
}

// A = L D L^T with L unit lower triangular of small integers and D(5) = 0: the
// first five steps are exact, so the pivot of step 5 is exactly zero.
std::unique_ptr<Matrix100> SymmetricWithZeroPivotAtStep5(TestNumbers& numbers, bool coupleRow5ToRow0) {
    auto l = Identity();
    Vector100 d;
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const double u = numbers.Next();
            At(*l, i, j) = u < -0.45 ? -1.0 : (u > 0.45 ? 1.0 : 0.0);
        }
        d[i] = (numbers.Next() < 0.0 ? -1.0 : 1.0) * (numbers.Next() < 0.0 ? 1.0 : 2.0);
    }
    d[5] = 0.0;
    At(*l, 5, 0) = coupleRow5ToRow0 ? 1.0 : 0.0;
    auto a = std::make_unique<Matrix100>();
    for (std::size_t i = 0; i < kN; ++i) {
        for (std::size_t j = 0; j < kN; ++j) {
            double s = 0.0;  // integers: exact in any order
            for (std::size_t m = 0; m < kN; ++m) {
                s += At(*l, i, m) * d[m] * At(*l, j, m);
            }
            At(*a, i, j) = s;
        }
    }
    return a;
}

TEST(InvertMatrixReferenceTest, SymmetricZeroPivotAtTheFirstStepLeavesTheInput) {
    TestNumbers numbers;
    auto a = SymmetricPositiveDefinite(numbers);
    At(*a, 0, 0) = 0.0;
    At(*a, 0, 7) = 0.0;
    At(*a, 7, 0) = -0.0;  // still symmetric as numbers
    EXPECT_EQ(ExpectInversionMatchesReference(*a, "zero first pivot"), Outcome::DivisionByZero);
    auto attempted = std::make_unique<Matrix100>(*a);
    EXPECT_THROW(InvertMatrix(*attempted), DivisionByZero);
    EXPECT_EQ(std::memcmp(attempted->data(), a->data(), sizeof(Matrix100)), 0);
    EXPECT_TRUE(std::signbit(At(*attempted, 7, 0)));
}

TEST(InvertMatrixReferenceTest, SymmetricZeroPivotAtALaterStepLeavesThatStep) {
    TestNumbers numbers;
    const auto divides = SymmetricWithZeroPivotAtStep5(numbers, true);
    EXPECT_EQ(ReferenceCompletedSteps(*divides), 5u);
    EXPECT_EQ(ExpectInversionMatchesReference(*divides, "coupled"), Outcome::DivisionByZero);

    const auto invalid = SymmetricWithZeroPivotAtStep5(numbers, false);
    EXPECT_EQ(ReferenceCompletedSteps(*invalid), 5u);
    EXPECT_EQ(ExpectInversionMatchesReference(*invalid, "uncoupled"), Outcome::InvalidOperation);
}

TEST(InvertMatrixReferenceTest, SymmetricOverflowLeavesTheLastCompletedStep) {
    // Step 0 is harmless and leaves -0 in row 0; step 1 has the pivot 1e-300
    // and the product 1e300 * 1e300.
    auto a = Identity();
    At(*a, 1, 1) = 1e-300;
    At(*a, 1, 2) = 1e300;
    At(*a, 2, 1) = 1e300;
    EXPECT_EQ(ReferenceCompletedSteps(*a), 1u);
    EXPECT_EQ(ExpectInversionMatchesReference(*a, "overflow at step 1"), Outcome::FloatingOverflow);
}

TEST(InvertMatrixReferenceTest, SymmetricOverflowInsideTheMatrixOnly) {
    // Step 1: row and column 1 get -+1e200, only W(2, 2) = 1 - 1e400 overflows.
    TestNumbers numbers;
    auto a = SymmetricPositiveDefinite(numbers);
    At(*a, 1, 1) = 1.0;
    At(*a, 1, 2) = 1e200;
    At(*a, 2, 1) = 1e200;
    EXPECT_EQ(ReferenceCompletedSteps(*a), 1u);
    EXPECT_EQ(ExpectInversionMatchesReference(*a, "interior overflow"), Outcome::FloatingOverflow);
}

TEST(InvertMatrixReferenceTest, SymmetricOverflowInThePivotRowAndColumnOnly) {
    // Step 1 with the subnormal pivot 1e-313: A(1, 2) / p = 1e310 overflows,
    // while W(2, 2) = 1 - 1e-6 / p = -1e307 does not.
    TestNumbers numbers;
    auto a = SymmetricPositiveDefinite(numbers);
    for (std::size_t j = 0; j < kN; ++j) {
        At(*a, 1, j) = 0.0;
        At(*a, j, 1) = 0.0;
    }
    At(*a, 1, 1) = 1e-313;
    At(*a, 1, 2) = 1e-3;
    At(*a, 2, 1) = 1e-3;
    EXPECT_EQ(ReferenceCompletedSteps(*a), 1u);
    EXPECT_EQ(ExpectInversionMatchesReference(*a, "pivot row overflow"), Outcome::FloatingOverflow);
}

TEST(InvertMatrixReferenceTest, SymmetricWithInfinities) {
    TestNumbers numbers;
    auto offDiagonal = SymmetricPositiveDefinite(numbers);
    At(*offDiagonal, 3, 40) = INFINITY;
    At(*offDiagonal, 40, 3) = INFINITY;
    EXPECT_EQ(ExpectInversionMatchesReference(*offDiagonal, "infinite element"), Outcome::FloatingOverflow);
    // An infinite pivot: 1/inf = 0 and the step completes.
    auto pivot = SymmetricPositiveDefinite(numbers);
    At(*pivot, 0, 0) = INFINITY;
    ExpectInversionMatchesReference(*pivot, "infinite pivot");
}

// Values from 2^-1074 to 2^1023 of both signs, zeros of both signs, and now and
// then an infinity: the products and sums overflow, underflow and meet NaN.
double WideValue(TestNumbers& numbers) {
    const double u = numbers.Next();
    if (std::fabs(u) < 0.02) {
        return u < 0.0 ? -0.0 : 0.0;
    }
    if (std::fabs(u) > 0.499) {
        return u < 0.0 ? -INFINITY : INFINITY;
    }
    const int exponent = static_cast<int>(std::floor((numbers.Next() + 0.5) * 2097.0)) - 1074;
    return std::ldexp(u, exponent);
}

TEST(ProductsReferenceTest, MatchBitForBitOnOrdinaryAndExtremeValues) {
    TestNumbers numbers;
    for (int n = 0; n < 6; ++n) {
        const bool wide = n >= 3;
        auto a = std::make_unique<Matrix100>();
        for (auto& e : *a) {
            e = wide ? WideValue(numbers) : numbers.Next();
        }
        Vector100 x;
        for (auto& e : x) {
            e = wide ? WideValue(numbers) : numbers.Next();
        }
        Vector100 fast;
        Vector100 reference;
        fast.fill(7.0);  // the routines must not keep what was there
        MatVecMul(*a, x, fast);
        ReferenceMatVecMul(*a, x, reference);
        EXPECT_EQ(std::memcmp(fast.data(), reference.data(), sizeof(Vector100)), 0) << "A x #" << n;
        fast.fill(7.0);
        VecMatMul(x, *a, fast);
        ReferenceVecMatMul(x, *a, reference);
        EXPECT_EQ(std::memcmp(fast.data(), reference.data(), sizeof(Vector100)), 0) << "x^T A #" << n;
        const double dot = DotProduct(x, fast);
        const double referenceDot = ReferenceDotProduct(x, fast);
        EXPECT_EQ(std::memcmp(&dot, &referenceDot, sizeof(double)), 0) << "dot #" << n;
    }
}

// The whole chain of the Wiener filter lab, with every routine against its
// reference: Q = Ry^-1, h = Q c, xx = y . h, t = h^T Ry, h . c, t . h.
TEST(ProductsReferenceTest, WienerChainMatchesBitForBit) {
    double rho[kN];
    Ar2NormalisedCorrelation(YuleWalker2(0.8, 0.9), rho, static_cast<int>(kN));
    const auto rx = ToeplitzCorrelation(1.0, [&rho](std::size_t lag) { return rho[lag]; });
    const auto ry = WienerObservationCorrelation(*rx, 4.0);
    auto q = std::make_unique<Matrix100>(*ry);
    auto referenceQ = std::make_unique<Matrix100>(*ry);
    InvertMatrix(*q);
    ReferenceInvert(*referenceQ);
    ASSERT_EQ(std::memcmp(q->data(), referenceQ->data(), sizeof(Matrix100)), 0);
    TestNumbers numbers;
    const Vector100 y = SomeVector(numbers);
    for (std::size_t i = 0; i < kN; ++i) {
        Vector100 c;
        for (std::size_t j = 0; j < kN; ++j) {
            c[j] = At(*rx, j, i);
        }
        Vector100 h, referenceH, t, referenceT;
        MatVecMul(*q, c, h);
        ReferenceMatVecMul(*referenceQ, c, referenceH);
        ASSERT_EQ(std::memcmp(h.data(), referenceH.data(), sizeof(Vector100)), 0) << i;
        VecMatMul(h, *ry, t);
        ReferenceVecMatMul(referenceH, *ry, referenceT);
        ASSERT_EQ(std::memcmp(t.data(), referenceT.data(), sizeof(Vector100)), 0) << i;
        EXPECT_EQ(DotProduct(y, h), ReferenceDotProduct(y, referenceH)) << i;
        EXPECT_EQ(DotProduct(h, c), ReferenceDotProduct(referenceH, c)) << i;
        EXPECT_EQ(DotProduct(t, h), ReferenceDotProduct(referenceT, referenceH)) << i;
    }
}

}  // namespace
}  // namespace strs

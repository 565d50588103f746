#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "matematic/ar_model.h"
#include "matematic/errors.h"
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

// The exact product of A and B in long double, for checking A A^-1.
long double ProductElement(const Matrix100& a, const Matrix100& b, std::size_t i, std::size_t j) {
    long double s = 0;
    for (std::size_t m = 0; m < kN; ++m) {
        s += static_cast<long double>(At(a, i, m)) * At(b, m, j);
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
            column = static_cast<double>(static_cast<long double>(At(*a, i, j)) * x[j] + column);
            row = static_cast<double>(static_cast<long double>(x[j]) * At(*a, j, i) + row);
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
            long double s = i == j ? 1.0L : 0.0L;
            for (std::size_t m = 0; m < kN; ++m) {
                s += static_cast<long double>(At(*b, i, m)) * At(*b, j, m);
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
    const auto rx = ToeplitzCorrelation(1.0, [](std::size_t lag) { return std::pow(0.8, static_cast<int>(lag)); });
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

}  // namespace
}  // namespace strs

// ntc-beta: the natural logarithm and exponential rounded alike on every platform.
#include "models/exact_math.h"

#include <array>
#include <cmath>
#include <limits>

namespace models {

namespace {

// A number as the unevaluated sum hi + lo, |lo| at most half an ulp of hi
// (double-double arithmetic: Dekker's and Knuth's error-free steps).
struct Pair {
    double hi = 0, lo = 0;
};

Pair twoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Pair fastTwoSum(double a, double b) // |a| >= |b|
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// a = hi + lo with 26 significant bits each (Veltkamp), for |a| < 2^995.
void split(double a, double& hi, double& lo)
{
    const double c = 134217729.0 * a; // 2^27 + 1
    hi = c - (c - a);
    lo = a - hi;
}

Pair twoProduct(double a, double b)
{
    const double p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Pair operator+(Pair a, Pair b)
{
    Pair s = twoSum(a.hi, b.hi);
    const Pair t = twoSum(a.lo, b.lo);
    s = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(s.hi, s.lo + t.lo);
}

Pair operator-(Pair a) { return {-a.hi, -a.lo}; }

Pair operator*(Pair a, Pair b)
{
    Pair p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Pair operator*(Pair a, double b)
{
    Pair p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

// Long division, three quotient digits.
Pair operator/(Pair a, Pair b)
{
    const double q1 = a.hi / b.hi;
    Pair r = a + -(b * q1);
    const double q2 = r.hi / b.hi;
    r = r + -(b * q2);
    const double q3 = r.hi / b.hi;
    return fastTwoSum(q1, q2) + Pair{q3, 0};
}

// ln 2 to 107 bits.
constexpr Pair kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};

// 1/(2i + 1), for the series of the logarithm.
constexpr int kMostLogTerms = 23;
const std::array<Pair, kMostLogTerms>& oddReciprocals()
{
    static const auto table = [] {
        std::array<Pair, kMostLogTerms> t;
        for (int i = 0; i < kMostLogTerms; ++i) t[i] = Pair{1, 0} / Pair{2.0 * i + 1, 0};
        return t;
    }();
    return table;
}

// 2 atanh s = ln((1 + s)/(1 − s)) = 2 (s + s³/3 + s⁵/5 + …), `terms` terms.
Pair twiceAtanh(Pair s, int terms)
{
    const auto& odd = oddReciprocals();
    const Pair z = s * s;
    Pair series = odd[terms - 1];
    for (int i = terms - 2; i >= 0; --i) series = series * z + odd[i];
    return s * series * 2.0;
}

// ln c for c = 1 + j/128, the points m is reduced to: the series alone,
// 23 terms for |s| <= 0.172, worked out once.
constexpr int kSteps = 128;
constexpr int kLeastStep = -38, kMostStep = 54; // (√½ − 1)·128 .. (√2 − 1)·128, rounded
Pair logOfStep(int j)
{
    static const auto table = [] {
        std::array<Pair, kMostStep - kLeastStep + 1> t;
        for (int i = kLeastStep; i <= kMostStep; ++i) {
            const double c = 1 + double(i) / kSteps;
            t[i - kLeastStep] = twiceAtanh(Pair{c - 1, 0} / twoSum(c, 1), kMostLogTerms);
        }
        return t;
    }();
    return table[j - kLeastStep];
}

// 1/n, for the series of the exponential.
constexpr int kExpTerms = 10;
const std::array<Pair, kExpTerms + 1>& reciprocals()
{
    static const auto table = [] {
        std::array<Pair, kExpTerms + 1> t;
        for (int n = 1; n <= kExpTerms; ++n) t[n] = Pair{1, 0} / Pair{double(n), 0};
        return t;
    }();
    return table;
}

// ln x as a pair, for x > 0 finite.
Pair logPair(double x)
{
    // x = m · 2^k with √½ <= m < √2, both exact.
    int k = 0;
    double m = std::frexp(x, &k);
    if (m < 0.70710678118654752) {
        m *= 2;
        --k;
    }
    // ln m = ln c + 2 atanh s, s = (m − c)/(m + c), c = 1 + j/128 the step
    // nearest m: |s| <= 1/256 (m − c exact, by Sterbenz), so 7 terms reach
    // 2^-110.
    const int j = static_cast<int>(std::floor((m - 1) * kSteps + 0.5));
    const double c = 1 + double(j) / kSteps;
    const Pair s = Pair{m - c, 0} / twoSum(m, c);
    return kLn2 * static_cast<double>(k) + (logOfStep(j) + twiceAtanh(s, 7));
}

} // namespace

double logOf(double x)
{
    if (std::isnan(x) || x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return -std::numeric_limits<double>::infinity();
    if (std::isinf(x)) return x;
    const Pair result = logPair(x);
    return result.hi + result.lo;
}

double log1pOf(double x)
{
    if (std::isnan(x) || x < -1) return std::numeric_limits<double>::quiet_NaN();
    if (x == -1) return -std::numeric_limits<double>::infinity();
    if (std::isinf(x)) return x;
    // 1 + x = hi + lo exactly; ln(hi + lo) = ln hi + lo/hi − (lo/hi)²/2 …,
    // where |lo/hi| <= 2^-53 leaves the first term alone to matter.
    const Pair sum = twoSum(1, x);
    const Pair result = logPair(sum.hi) + Pair{sum.lo / sum.hi, 0};
    return result.hi + result.lo;
}

double expOf(double x)
{
    if (std::isnan(x)) return x;
    if (x > 709.782712893384) return std::numeric_limits<double>::infinity();
    if (x < -745.1332191019412) return 0;
    // x = k ln 2 + r, |r| <= ½ ln 2; e^r = (e^(r/256))^256, whose series
    // needs ten terms for |r/256| <= 1.4e-3.
    const double k = std::floor(x / kLn2.hi + 0.5);
    Pair r = Pair{x, 0} + -(kLn2 * k);
    r = {r.hi / 256, r.lo / 256};
    const auto& inverse = reciprocals();
    Pair series{1, 0};
    for (int n = kExpTerms; n >= 1; --n) series = Pair{1, 0} + r * series * inverse[n];
    for (int i = 0; i < 8; ++i) series = series * series;
    return std::ldexp(series.hi + series.lo, static_cast<int>(k));
}

double cubeRootOf(double x)
{
    if (x == 0 || !std::isfinite(x)) return x;
    const double magnitude = std::fabs(x);
    double y = expOf(logOf(magnitude) / 3);
    // Newton's steps on y³ = |x|, the miss y³ − |x| worked out in pairs.
    for (int i = 0; i < 2; ++i) {
        const Pair miss = twoProduct(y, y) * y + Pair{-magnitude, 0};
        y -= (miss.hi + miss.lo) / (3 * y * y);
    }
    return x < 0 ? -y : y;
}

} // namespace models

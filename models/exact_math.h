// ntc-beta: the natural logarithm and exponential rounded alike on every platform.
#pragma once

namespace models {

// ln x and e^x to about 100 bits (in pairs of doubles), then rounded to the
// nearest double: the correctly rounded result for all but a vanishing
// share of arguments, and above all the same double on every platform. The
// C libraries' log and exp differ in the last bit for some arguments
// (glibc's with and without FMA, WebAssembly's, MinGW's), so a fit through
// a table, and the tables made from it, would differ between the command
// line and the page in their last digits. Only +, −, × and ÷ are used, each
// rounded once (no contraction into fused multiply-adds: -ffp-contract=off).
//
// logOf: NaN for x < 0 or NaN, −∞ for 0, +∞ for +∞.
// log1pOf: ln(1 + x), exact in its digits for x near 0 too; NaN below −1,
// −∞ at −1.
// expOf: +∞ above 709.782712893384, 0 below −745.1332191019412, NaN for NaN.
// cubeRootOf: the real cube root, of either sign.
double logOf(double x);
double log1pOf(double x);
double expOf(double x);
double cubeRootOf(double x);

} // namespace models

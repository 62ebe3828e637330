// Brent's methods on a function of one variable: the zero inside a bracket, and the
// maximum inside an interval (golden section with parabolic steps). Each stops once the
// answer is known to within an absolute tolerance, after a bounded number of calls.
#pragma once

#include <functional>

// The zero of f in [a, b], where fa = f(a) and fb = f(b) differ in sign (or one is 0),
// to within tolerance.
double FindRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb,
                double tolerance);

struct ScalarMaximum {
    double x = 0.0;
    double value = 0.0;
};
// The largest value of f inside [a, b] for a function with a single maximum there, to
// within tolerance in x (a maximum at an end is approached to within the tolerance),
// starting from x0 in (a, b) where f is f0.
ScalarMaximum FindMaximum(const std::function<double(double)>& f, double a, double b,
                          double tolerance, double x0, double f0);

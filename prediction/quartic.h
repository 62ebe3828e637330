// Real roots of cubic and quartic polynomials in closed form: Cardano's formula (or its
// trigonometric form when there are three real roots) and Ferrari's method.
#pragma once

// The largest real root of x^3 + b x^2 + c x + d = 0 (every such cubic has one).
double LargestCubicRoot(double b, double c, double d);

// Up to four real roots of a0 x^4 + a1 x^3 + a2 x^2 + a3 x + a4 = 0, in no particular
// order; double roots may appear twice. A quadratic factor with a negative
// discriminant gives no roots. a0 = 0 falls back to the cubic (or lower) case.
struct QuarticRoots {
    int count = 0;
    double x[4] = {0.0, 0.0, 0.0, 0.0};
};
QuarticRoots SolveQuartic(double a0, double a1, double a2, double a3, double a4);

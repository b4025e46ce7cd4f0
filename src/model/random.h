#pragma once
// The random-number object of the configuration's random forms.

namespace model {

class Class1 {
public:
    // A uniform draw in [a, b) (in (b, a] for a > b, a for a = b); the
    // generator is reseeded from a high-resolution clock on every call.
    double RAND(double a, double b);
    // RAND's draw rounded to a whole number, halves to the even neighbour,
    // so the two end values come with half the probability of the inner ones.
    double RANDINT(double a, double b);
};

} // namespace model

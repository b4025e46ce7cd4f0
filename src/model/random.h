#pragma once
// The random-number object of the configuration's random forms.

namespace model {

// Virtual, so that the teacher's check can put the bounds of a range in
// place of a draw.
class Class1 {
public:
    virtual ~Class1() = default;
    // A uniform draw in [a, b) (in (b, a] for a > b, a for a = b); the
    // generator is reseeded from a high-resolution clock on every call.
    virtual double RAND(double a, double b);
    // RAND's draw rounded to a whole number, halves to the even neighbour,
    // so the two end values come with half the probability of the inner ones.
    virtual double RANDINT(double a, double b);
};

} // namespace model

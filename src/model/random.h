#pragma once
// The random-number object of the configuration's random forms.

#include <cstdint>
#include <random>
#include <string_view>

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

// A student's personal variant: one generator, seeded once from the course's
// key word and the Matrikelnummer, feeds every draw of the run in file
// order. The same student gets the same values on every start and on every
// machine (the Mersenne twister and its seeding are fixed by the standard);
// the Matrikelnummer counts without regard to case.
class PersonalDraw : public Class1 {
public:
    PersonalDraw(std::string_view key, std::string_view matrikel);
    double RAND(double a, double b) override;

private:
    std::mt19937 gen_;
};

// A course run without a key word: one generator seeded once from a random
// number that the result record keeps, so that the teacher's export can draw
// the same sensor again from the teacher's file.
class SeededDraw : public Class1 {
public:
    explicit SeededDraw(std::uint64_t seed);
    double RAND(double a, double b) override;

private:
    std::mt19937 gen_;
};

} // namespace model

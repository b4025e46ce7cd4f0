#pragma once
// What the windows need to know about each of the seven sensor types, one
// row per type: the left-hand side of the equation the evaluation asks for,
// the unit of its scale, whether alpha is asked, and whether closing the
// series resistor's bypass would destroy it.

#include "model/state.h"

#include <array>
#include <string_view>

namespace model {

struct SensorType {
    std::string_view leftHandSide; // in front of the equation box
    std::string_view unit;         // behind the scale's numbers, with its space
    bool alphaAsked;               // the four resistive sensors have a linear coefficient
    bool bypassDestroys;           // diode and thermocouple take no source voltage directly
};

inline constexpr std::array<SensorType, sensorTypes> sensorTypeTable = {{
    {"R(T)/Ohm =", " Ohm", true, false}, // NTC
    {"R(T)/Ohm =", " Ohm", true, false}, // PTC
    {"R(T)/Ohm =", " Ohm", true, false}, // Pt 100
    {"R(T)/Ohm =", " Ohm", true, false}, // Pt 1000
    {"Ud(T)/mV =", " mV", false, true},  // diode
    {"I(T)/µA =", " µA", false, false},  // current sensor
    {"U(T)/mV =", " mV", false, true},   // thermocouple
}};

// The row of `type`; the state never holds a type beyond the seven, and
// such an index reads as the first row rather than beyond the table.
constexpr const SensorType& sensorType(int type)
{
    return sensorTypeTable[type >= 0 && type < sensorTypes ? type : 0];
}

} // namespace model

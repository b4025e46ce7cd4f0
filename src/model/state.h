#pragma once
// The experiment state: one set of variables for the whole run. The
// experiment window owns the one instance; the evaluation window reads it
// and writes only punkte and eingabeformel.

#include "model/coursesettings.h"

#include <array>
#include <cstdint>
#include <string>

namespace model {

inline constexpr int sensorTypes = 7;

// The start values of every field are the defaults written here, their one
// home: setStartValues and a fresh state both take them from this struct.
struct ExperimentState {
    // Bench and simulation values. Temperatures in degrees Celsius; every
    // formula that needs kelvin adds 273 (not 273.15).
    std::uint8_t sensortyp = 0;      // index of the hidden sensor, 0..6
    std::int16_t uquelle = 10;       // source voltage, whole volts
    double tsoll = 20;               // thermostat set temperature, °C
    double tsensor = 0;              // present sensor temperature, °C
    double rvor = 10000;             // series resistor, ohm (0.01 while bridged)
    bool rvor_kurz = false;          // series resistor bridged
    double messbereich = 1;          // voltmeter range factor 0.1, 1, 10 or 100
    std::uint8_t eigenerwarmung = 0; // self-heating on (1) or off (0)
    double rsensor = 100;            // resistance of a resistive sensor, ohm
    double isensor = 0;              // current of the current-output sensor, µA
    double ut = (tsoll + 273) * 8.625e-05; // thermal voltage of the diode, V, from the set point
    double umess = 0;                // voltage across the sensor, V
    double teta = 20;                // reference temperature of the alpha question, °C
    double diode_i = 0.001;          // current of the true diode curve in the evaluation, A
    std::string pfad;                // working directory at start, folder of cmmup.dlx
    std::string sprache;             // "de" or "en" when the teacher's file chose the language

    // Sensor parameters.
    double ntc_a = 0.000357;  // ohm
    double ntc_b = 5000;      // K
    double ptc_a = 1e-07;     // ohm
    double ptc_b = 0.065;     // 1/K
    double pt100_r0 = 100;    // ohm
    double pt100_a = 0.38505; // ohm/K
    double pt1000_r0 = 1000;  // ohm
    double pt1000_a = 3.8505; // ohm/K
    double diode_is = 1e-13;  // A, saturation current at 273 K
    double strom_i0 = 273;    // µA
    double strom_k = 1;       // µA/K
    double thermo_k = 5e-05;  // V/K

    // Per-type tables, indexed by sensortyp.
    std::array<std::string, sensorTypes> sensorname{
        "NTC-Widerstand", "PTC-Widerstand", "Pt 100", "Pt 1000", "Flussspannung Si-Diode (konstanter Strom)",
        "Stromfühler",    "Thermoelement"};
    std::array<std::string, sensorTypes> formeltext{}; // built from the parameters by setStartValues
    // Eight entries as the experiment's tables always had; element 7 is never set and stays 0.
    std::array<double, sensorTypes + 1> toleranz{0.05, 0.05, 0.01, 0.01, 0.1, 0.01, 0.03, 0};
    std::array<double, sensorTypes> alpha{};        // 1/K; 4..6 stay 0

    // The evaluation's values.
    std::uint8_t punkte = 0;
    std::string eingabeformel;

    // The course's lines of the teacher's file; all off without them.
    CourseSettings course;
};

// Steps 3 to 6 of the start-up: start values, names, tolerances, the texts of
// the true characteristics (from the start values) and teta.
// `separator` is the decimal separator of the user's locale.
void setStartValues(ExperimentState& s, char separator);

// The texts of the true characteristics from the parameters in force; the
// start-up builds them again after the configuration file, so that the
// right formula is the one the student measured.
void buildFormulaTexts(ExperimentState& s, char separator);

// The current sensor's right formula: "I/µA = k*T/K" when i0 = 273 k, else
// "I/µA = k*(T/K-273) + i0" (" - |i0|" for a negative i0).
std::string currentSensorFormulaText(const ExperimentState& s, char separator);

// The true linear temperature coefficients of the four resistive sensors.
void f_alpha(ExperimentState& s);

// The text of the straight line through the true diode characteristic at
// 293 K and 373 K, the diode's "right formula".
std::string diodeFormulaText(const ExperimentState& s, char separator);

} // namespace model

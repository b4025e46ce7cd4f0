#pragma once
// A row of the measurement journal as the bench shows it at the moment the
// student takes the reading: the displays' texts without their units, with
// "." as decimal point, never a hidden value.

#include <string>

namespace lab {

inline constexpr const char* hiddenSensor = "–";      // the sensor choice is hidden
inline constexpr const char* bypassed = "überbrückt"; // the series resistor is bridged

struct JournalRow {
    int nr = 0;                // counted from 1 in the order of recording
    std::string sensor;        // the selected option's number, or hiddenSensor
    std::string thermostat;    // set point in °C as its caption shows it
    std::string sensorTemp;    // sensor temperature in °C, one decimal
    std::string quelle;        // source voltage in V
    std::string vorwiderstand; // "10 kOhm", "1.5 kOhm" or bypassed
    std::string messbereich;   // "200 V", "20 V", "2 V" or "200 mV"
    std::string anzeige;       // the voltmeter as shown: "07.63 V", "---------"
    bool eigenerwaermung = false;
    bool operator==(const JournalRow&) const = default;
};

} // namespace lab

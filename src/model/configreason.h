#pragma once
// Why a line of the teacher's file was not (fully) used, as a key with its
// values. The model builds no sentences: the windows and the command line
// turn a reason into the teacher's language through one table.

#include <string>
#include <vector>

namespace model {

enum class Reason {
    // The file as a whole; value: the file's name.
    FileNotRegular,
    FileUnreadable,
    FileReadIncomplete,
    // Where the reading stopped early.
    LineTooLong,
    FileTooLarge,
    TooManyProblems,
    // A step of a line that could not be carried out; the line stops there.
    FieldMissing,           // field number
    EqualsMissing,          // field number
    RandomFormWithoutComma, //
    NumberTooLarge,         // the text of the number
    VoltageOutOfRange,      // volts as the window writes them
    TemperatureOutOfRange,  // °C as the window writes them
    SensorIndexOutOfRange,  // the index as the window writes it
    ZeroR0,
    ZeroNtcB,
    ZeroPtcB,
    CharacteristicInfinite,
    JournalValue, // the value found
    LanguageValue, // the value found
    // A value that is reported while the rest of the line is still used.
    DecimalComma,          // the value, the value with a decimal point
    TextAfterNumber,       // the value, the number stored
    NoNumber,              // the value (0 is stored)
    ToleranceNotAFraction, //
    NoRandomForm,          // the keyword of the line
    HidingWordNotOff,      // the word found
    // The course's lines.
    SignInValue,   // the value found (field 1 must be "pflicht")
    DigitsValue,   // the value found (field 2 must be "stellen=" and 1 to 20)
    ExamValue,     // the value found (field 1 must be "on" or "off")
    VariantKeyMissing,
    ResultFolderMissing,
    // A hint of the check only: a remark that looks like a setting.
    RemarkLooksLikeSetting, // line number, nearest keyword
    Count
};

struct ConfigReason {
    Reason key = Reason::Count;
    std::vector<std::string> values; // UTF-8, free of control characters
    std::string keyword;             // the keyword whose handler met it; "" for the file
};

} // namespace model

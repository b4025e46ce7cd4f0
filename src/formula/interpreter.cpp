#include "formula/interpreter.h"

namespace formula {

std::string f_formel(std::string_view text)
{
    (void)text;
    throw FormulaError("not built yet");
}

} // namespace formula

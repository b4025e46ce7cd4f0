#include "grading/words.h"

#include "model/state.h"

namespace grading {

std::string filled(std::string_view text, const std::vector<std::string>& values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string tr(const Words& words, const char* key)
{
    return words.text("course", key);
}

std::string worded(const Words& words, const Form& form)
{
    return filled(words.text("course", form.key), form.values);
}

std::string shownSensorName(const Words& words, int type, const std::string& name)
{
    // The types' own names are the experiment's start values, in German.
    static const model::ExperimentState start;
    if (type >= 0 && type < model::sensorTypes && name == start.sensorname[static_cast<std::size_t>(type)])
        return words.text("configreport::TypeName", name);
    return name;
}

} // namespace grading

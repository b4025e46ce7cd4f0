#include "teacher/reasons.h"

namespace teacher {

namespace {

using model::Reason;

constexpr const char* context = "ConfigReason";

} // namespace

Text reasonText(const model::ConfigReason& reason)
{
    const ReasonRow* row = reasonRow(reason.key);
    if (!row)
        return shown("");
    std::vector<Text> values;
    for (const std::string& v : reason.values)
        values.push_back(shown(v));
    return form(context, row->full, std::move(values));
}

Text shortReasonText(Reason key)
{
    const ReasonRow* row = reasonRow(key);
    return row ? form(context, row->brief) : shown("");
}

} // namespace teacher

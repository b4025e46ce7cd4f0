#include "configreport/reasontext.h"

#include <QCoreApplication>

namespace configreport {

namespace {

using model::Reason;

QString translated(const char* text)
{
    return QCoreApplication::translate("ConfigReason", text);
}

} // namespace

QString reasonText(const model::ConfigReason& reason)
{
    const ReasonRow* row = reasonRow(reason.key);
    return row ? QString::fromStdString(model::filled(translated(row->full).toStdString(), reason.values)) : QString();
}

QString shortReasonText(Reason key)
{
    const ReasonRow* row = reasonRow(key);
    return row ? translated(row->brief) : QString();
}

} // namespace configreport

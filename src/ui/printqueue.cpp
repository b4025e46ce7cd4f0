#include "ui/printqueue.h"

#include <cups/cups.h>

#include <cstring>

namespace ui::printqueue {

State stateOf(const QString& printer)
{
    State state;
    const QByteArray name = printer.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return state;
    state.exists = true;
    // A queue that does not tell (a printer found on the network) is taken
    // as ready; the job's own answer still counts.
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    state.accepting = !accepting || std::strcmp(accepting, "false") != 0;
    const char* s = cupsGetOption("printer-state", dest->num_options, dest->options);
    state.stopped = s && std::strcmp(s, "5") == 0; // IPP_PSTATE_STOPPED
    cupsFreeDests(1, dest);
    return state;
}

bool lastRequestRefused() { return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE; }

} // namespace ui::printqueue

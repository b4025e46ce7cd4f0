#pragma once
// The print system's own word on a queue and on the last job. Qt hands the
// page to CUPS and reports success whatever the server answers, so the
// answer is read from libcups itself.

#include <QString>

namespace ui::printqueue {

struct State {
    bool exists = false;    // the print system knows the queue
    bool accepting = false; // it takes new jobs
    bool stopped = false;   // it holds them until it is started again
};

// The queue of that printer, asked of the print system now.
State stateOf(const QString& printer);

// True when the print system refused the last request made on this thread:
// after the page was handed over, the job itself.
bool lastRequestRefused();

} // namespace ui::printqueue

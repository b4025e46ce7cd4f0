#include "evaluation/reasons.h"

#include "evaluation/texts.h"
#include "lab/evaluationtexts.h"

namespace evaluation {

QString reasonSentence(const scoring::Failure& failure, char separator)
{
    return worded(lab::reasonsContext, lab::reasonSentence(failure, separator), QString());
}

} // namespace evaluation

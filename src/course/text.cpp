#include "course/text.h"

#include <QCoreApplication>

namespace course {

namespace {

class TranslatedWords : public grading::Words {
public:
    std::string text(const char* context, const std::string& key) const override
    {
        return QCoreApplication::translate(context, key.c_str()).toStdString();
    }
};

} // namespace

QString tr(const char* text)
{
    return QCoreApplication::translate("course", text);
}

QString worded(const grading::Form& form)
{
    return QString::fromStdString(grading::worded(words(), form));
}

const grading::Words& words()
{
    static const TranslatedWords translated;
    return translated;
}

} // namespace course

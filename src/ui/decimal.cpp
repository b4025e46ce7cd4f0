#include "ui/decimal.h"

#include <QLocale>
#include <QString>

namespace ui {

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

} // namespace ui

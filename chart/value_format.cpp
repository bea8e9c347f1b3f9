#include "value_format.h"

#include <cmath>

namespace ormitan::chart {

QString FormatValue(double value) {
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    QString digits = QString::number(std::abs(value), 'f', 3);
    while (digits.endsWith(u'0')) {
        digits.chop(1);
    }
    if (digits.endsWith(u'.')) {
        digits.chop(1);
    }
    const qsizetype point = digits.indexOf(u'.');
    const qsizetype integerEnd = point < 0 ? digits.size() : point;
    for (qsizetype at = integerEnd - 3; at > 0; at -= 3) {
        digits.insert(at, u',');
    }
    // -0.0004 shows as "0", not "-0".
    const bool negative = value < 0 && digits != u"0";
    return negative ? u'-' + digits : digits;
}

}  // namespace ormitan::chart

#include "chart_form.h"

namespace ormitan::chart {

QString PaperFooter(const QString& resultsName) {
    if (resultsName.isEmpty()) {
        return QStringLiteral("Тест Ормитан     ");
    }
    return QStringLiteral("Тест Ормитан  -  ") + resultsName;
}

}  // namespace ormitan::chart

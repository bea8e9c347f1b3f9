#pragma once

#include <QString>
#include <utility>

namespace ormitan::chart {

// The two forms the chart is drawn in. On screen: the panel's background, solid bars, no
// footer. On paper (the preview sheet and the printer): no background, so the paper shows
// around and behind the chart; diagonally hatched bars; the footer line under the chart; the
// device's thinnest line for the dotted grid; nothing drawn outside the target rectangle.
struct ChartForm {
    bool paper = false;
    QString footer;  // on paper only: the one line printed under the chart

    static ChartForm Screen() { return {}; }
    static ChartForm Paper(QString footer) { return {true, std::move(footer)}; }
};

// The paper's footer for a results name: the test's name, then the results' name after a dash.
QString PaperFooter(const QString& resultsName);

}  // namespace ormitan::chart

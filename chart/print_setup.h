#pragma once

#include "chart/print_types.h"

// What the print preview sets for the printed chart, and the rules its margins keep.
namespace ormitan::print {

inline constexpr Margins DefaultPaperMargins{15, 15, 15, 15};

// One value for the preview to own while it is open; between previews the report's chart keeps
// it, so that each preview starts where the last one left off.
struct PrintSetup {
    // The chart's distance from each edge of the printable area, in percent.
    Margins PaperMargins = DefaultPaperMargins;
    // When on, the margins follow the chart's shape: they are recomputed every time the print
    // rectangle is.
    bool PrintProportional = true;
    // -100..0: the chart is laid out on its screen size (0) up to twice that size (-100).
    int PrintDetail = 0;
    friend bool operator==(const PrintSetup&, const PrintSetup&) = default;
};

// The two rules on opposite margins (left with right, top with bottom).
//
// A margin typed or stepped into its edit is taken only when it lies within 0..100 and it and
// its opposite margin add up to less than 100, so the chart keeps at least one percent.
bool TypedMarginFits(int margin, int opposite);

// A drag step sets the margins its rectangle stands for, in whole percent of the sheet; two
// opposite ones may then add up to 100 but never more. On a sheet of 100 pixels or less two
// halves can both round up (12.5 + 87.5 % of 8 pixels give 13 + 88): the far margin (right,
// bottom) gives way. Margins outside 0..100 are left as they are.
Margins DraggedMargins(Margins rounded);

}  // namespace ormitan::print

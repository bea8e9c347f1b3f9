#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <array>
#include <optional>

#include "chart/text_metrics.h"

namespace ormitan::chart {

// The font of each text, pixel-sized in the layout's logical units so that a layout scaled onto
// a printer page keeps its proportions.
QFont ChartFont(TextRole role);

// Measures with the real fonts at a fixed 96-dpi reference, so that the screen, the preview
// picture and the printer page lay out identically. Needs a running QGuiApplication.
// Every text's width is measured once and remembered: a chart composed again after a resize
// measures the same texts, and shaping them is most of the layout's time.
class FontMetrics final : public TextMetrics {
  public:
    FontMetrics();
    int Width(TextRole role, const QString& text) const override;
    int Height(TextRole role) const override;

  private:
    static constexpr std::size_t RoleCount = std::size_t(TextRole::Footer) + 1;
    const QFontMetrics& For(TextRole role) const;

    QImage reference_;  // the 96-dpi device the fonts are measured on
    mutable std::array<std::optional<QFontMetrics>, RoleCount> metrics_;
    mutable std::array<QHash<QString, int>, RoleCount> widths_;
};

}  // namespace ormitan::chart

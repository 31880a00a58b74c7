// Text colours that read: the WCAG 2 contrast ratio of two colours, and the
// colour nearest to a wanted one that reaches a ratio on its backgrounds.
// The table's typed values and its greyed hints take their colours from the
// palette through these, so they read under any style, light or dark.
#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

namespace vintorp::ui {

// WCAG 2's minimum for normal text (level AA).
inline constexpr double kReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the two colours' relative luminances, the
// lighter's first: from 1 (the same) to 21 (black on white). A translucent
// `text` counts as drawn over `back`.
double contrastRatio(const QColor& text, const QColor& back);

// `wanted` if it reaches kReadableContrast on every one of `backgrounds`,
// otherwise the colour the least way from it towards `toward` (and past
// that towards black or white, whichever is farther from the first
// background) that does.
QColor readableColour(const QColor& wanted, const QColor& toward, std::initializer_list<QColor> backgrounds);

// The text colours of an item view's cell in `palette`, made readable on its
// Base and AlternateBase in each enabled colour group: the typed text as the
// style gives it where it reads (an inactive window's dimmed text may not),
// and for a `hint` the text greyed halfway to the background, or as little
// less as reads.
void makeCellTextReadable(QPalette& palette, bool hint);

}  // namespace vintorp::ui

#include "fitlineedit.h"

#include "accessibility.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace vintorp::ui {
namespace {
// QLineEdit keeps this many pixels free on each side of its text, and one
// more for the cursor.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
// Smaller text nobody reads; a text too wide even then is clipped.
constexpr int kReadablePixelSize = 8;
}  // namespace

FitLineEdit::FitLineEdit(const QFont& font, QWidget* parent) : QLineEdit(parent), baseFont_(font)
{
    setFont(font);
    connect(this, &QLineEdit::textChanged, this, &FitLineEdit::fitText);
    connect(this, &QLineEdit::textChanged, this, &FitLineEdit::nameForScreenReaders);
}

void FitLineEdit::setMeaning(const QString& meaning)
{
    meaning_ = meaning;
    nameForScreenReaders();
    fitText();
}

void FitLineEdit::nameForScreenReaders()
{
    if (!meaning_.isEmpty())
        setAccessibleName(spokenDrawingField(meaning_, text()));
}

bool FitLineEdit::event(QEvent* event)
{
    const bool handled = QLineEdit::event(event);
    // The style has polished the field (once, and again for a new style).
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) {
        setTextMargins({});
        fitText();
    }
    return handled;
}

void FitLineEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void FitLineEdit::fitText()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents
        = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    const qreal room = contents.width() - 2 * kLineEditMargin - kCursorWidth;

    QFont fitted = baseFont_;
    bool whole = false;
    for (int size = baseFont_.pixelSize(); size >= kReadablePixelSize && !whole; --size) {
        fitted.setPixelSize(size);
        whole = std::ceil(QFontMetricsF(fitted).horizontalAdvance(text())) <= room;
    }
    if (fitted != font())
        setFont(fitted);
    // Shrunk or clipped, the whole text is still at hand.
    if (fitted == baseFont_)
        setToolTip(meaning_);
    else
        setToolTip(meaning_.isEmpty() ? text() : spokenDrawingField(meaning_, text()));
    if (!whole)
        home(false);
}

}  // namespace vintorp::ui

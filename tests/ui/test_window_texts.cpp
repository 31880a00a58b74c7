// The texts of both windows in each interface language: every one is in the
// language chosen, and fits its place in the fixed layout (run at screen
// scale 1 and 2).
#include "uitest.h"
#include "calc/drawingfields.h"
#include "template/command/templatedialog.h"
#include "ui/fitlineedit.h"
#include "ui/vectorpicture.h"
#include "ui/windingswindow.h"
#include "lang/language.h"

#include <QAbstractSpinBox>
#include <QAccessible>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QScopeGuard>
#include <QtTest>

#include <algorithm>

using namespace vintorp::ui;
using namespace vintorp::lang;

Q_DECLARE_METATYPE(Language)

namespace {

// Every text a widget shows: captions, labels, frame titles.
QString shownText(const QWidget* widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

QList<QWidget*> withChildren(QWidget* window)
{
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    return all;
}

// What a screen reader is told a widget is called.
QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every control a screen reader stops at under `window` (pictures included)
// that has no accessible name.
QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool focusable = w->focusPolicy() & Qt::TabFocus;
        const bool control
            = (focusable
               && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)
                   || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w)))
              || qobject_cast<QLabel*>(w) || qobject_cast<VectorPicture*>(w);
        if (control && !w->isHidden() && !w->objectName().startsWith(u"qt_")
            && accessibleName(w).trimmed().isEmpty())
            unnamed << w->objectName() + u'/' + QString::fromLatin1(w->metaObject()->className());
    }
    return unnamed;
}

// A desktop's dark colour scheme, as Fusion draws with it.
QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24), text(0xee, 0xee, 0xee),
        muted(0x80, 0x80, 0x80);
    QPalette dark(text, window, window.lighter(150), window.darker(200), window.darker(150), text, text, base, window);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, muted);
    return dark;
}

// How far apart the darkest and the lightest grey of a widget's picture are
// (0 to 255): a text that stands out from its ground makes both.
int greyRange(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int low = 255, high = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            low = std::min(low, grey);
            high = std::max(high, grey);
        }
    }
    return high - low;
}

QString where(const QWidget* widget)
{
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(widget->objectName(), shownText(widget))
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

}  // namespace

class TestWindowTexts : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("Russian") << Language::Russian;
        QTest::newRow("English") << Language::English;
    }

    void init()
    {
        QFETCH_GLOBAL(Language, language);
        installTranslations(*QCoreApplication::instance(), language);
        QVERIFY(openWindows());
        drawing_->ensurePolished();  // the drawing window makes its controls then
    }

    void cleanup()
    {
        closeWindows();
        installTranslations(*QCoreApplication::instance(), Language::Russian);
    }

    void everyTextIsInTheChosenLanguage()
    {
        QFETCH_GLOBAL(Language, language);
        static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
        // The cores' Russian type names stand in English too, after the English name.
        static const QRegularExpression coreTypes(QStringLiteral("\\((ШЛ, Ш|ПЛ, П)\\)"));
        int russian = 0;
        int texts = 0;
        for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(drawing_.get())}) {
            for (const QWidget* widget : withChildren(window)) {
                const QString text = shownText(widget);
                if (text.isEmpty())
                    continue;
                ++texts;
                if (QString(text).remove(coreTypes).contains(cyrillic)) {
                    ++russian;
                    if (language == Language::English)
                        qWarning("still Russian: %s", qPrintable(where(widget)));
                }
            }
        }
        QVERIFY(texts >= 20);
        if (language == Language::English)
            QCOMPARE(russian, 0);
        else
            QVERIFY(russian >= 15);
    }

    // A label stands in front of the fields on its line and ends before them.
    void inputLabelsEndBeforeTheirFields()
    {
        int checked = 0;
        for (const QLabel* label : form_->findChildren<QLabel*>()) {
            const QRect l = label->geometry();
            QVERIFY2(l.right() < label->parentWidget()->width(), qPrintable(where(label)));
            for (const QLineEdit* field : label->parentWidget()->findChildren<QLineEdit*>()) {
                const QRect f = field->geometry();
                if (f.top() > l.bottom() || f.bottom() < l.top() || f.x() < l.x())
                    continue;
                QVERIFY2(l.right() < f.x(), qPrintable(where(label) + " runs into " + field->objectName()));
                ++checked;
            }
        }
        QVERIFY(checked >= 6);
    }

    void frameTitlesFitTheirFrames()
    {
        // The title sits 7 pixels in, with a pixel of padding either side.
        for (const QGroupBox* frame : form_->findChildren<QGroupBox*>()) {
            const int width = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
            QVERIFY2(7 + width + 2 < frame->width(), qPrintable(where(frame)));
        }
    }

    void radioItemsFitTheirGroup()
    {
        const QList<QRadioButton*> items = form_->findChildren<QRadioButton*>();
        QCOMPARE(items.size(), 2);
        for (const QRadioButton* item : items) {
            QVERIFY2(item->geometry().right() < item->parentWidget()->width() - 1, qPrintable(where(item)));
            QVERIFY2(item->sizeHint().width() <= item->width(), qPrintable(where(item)));
        }
    }

    void buttonCaptionsFitTheirButtons()
    {
        for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(drawing_.get())}) {
            for (const QPushButton* button : window->findChildren<QPushButton*>()) {
                const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
                QVERIFY2(width + 8 <= button->width(), qPrintable(where(button)));
            }
        }
    }

    // The drawing's labels stay inside the window, off the fields, the Print
    // button and each other.
    void drawingLabelsKeepClearOfEachOther()
    {
        // The thickness field follows its label's trailing blank (below).
        QList<const QWidget*> occupied;
        for (const QLineEdit* field : drawing_->findChildren<QLineEdit*>()) {
            if (field->objectName() != u"Edit15")
                occupied.append(field);
        }
        for (const char* name : {"btPrint", "btTemplate", "btWindings"})
            occupied.append(drawing_->findChild<QPushButton*>(name));
        const QList<QLabel*> labels = drawing_->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 7);  // with the note on the template, shown or not
        for (const QLabel* label : labels) {
            QVERIFY2(label->geometry().right() < drawing_->width(), qPrintable(where(label)));
            for (const QWidget* other : occupied)
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(where(label) + " overlaps " + where(other)));
            occupied.append(label);
        }
    }

    // The button column at the right: the three buttons keep clear of each
    // other, of every label (the template's note included, shown or not) and
    // of the page that Print takes, and stay inside the window.
    void drawingButtonsKeepClearOfEverything()
    {
        QList<const QWidget*> buttons;
        for (const char* name : {"btTemplate", "btPrint", "btWindings"}) {
            const auto* button = drawing_->findChild<QPushButton*>(name);
            QVERIFY2(button, name);
            QVERIFY2(drawing_->rect().contains(button->geometry()), qPrintable(where(button)));
            QVERIFY2(!button->geometry().intersects(drawing_->pictureArea()), qPrintable(where(button)));
            for (const QWidget* other : buttons)
                QVERIFY2(!button->geometry().intersects(other->geometry()),
                         qPrintable(where(button) + " overlaps " + where(other)));
            for (const QLabel* label : drawing_->findChildren<QLabel*>())
                QVERIFY2(!button->geometry().intersects(label->geometry()),
                         qPrintable(where(button) + " overlaps " + where(label)));
            buttons.append(button);
        }
        // The picture printed is the one it always was.
        QCOMPARE(drawing_->pictureArea(), QRect(0, 0, 457, 400));
    }

    void windingsWindowSpeaksTheLanguage()
    {
        QFETCH_GLOBAL(Language, language);
        drawing_->btWindingsClick();
        QWidget* window = drawing_->findChild<QWidget*>(QStringLiteral("WindingsWindow"));
        QVERIFY(window);
        static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
        int texts = 0;
        for (const QWidget* widget : withChildren(window)) {
            QString text = shownText(widget);
            if (const auto* table = qobject_cast<const QTableView*>(widget))
                for (int c = 0; c < table->model()->columnCount(); ++c)
                    text += table->model()->headerData(c, Qt::Horizontal).toString();
            if (text.isEmpty())
                continue;
            ++texts;
            QCOMPARE(text.contains(cyrillic), language == Language::Russian);
        }
        QVERIFY(texts >= 12);
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const int width = QFontMetrics(button->font()).horizontalAdvance(button->text());
            QVERIFY2(width + 8 <= button->width(), qPrintable(where(button)));
        }
    }

    // Every control has a name for screen readers: the drawing's fields
    // read as what they measure and their value, the input fields as the
    // dimension they take, in the language chosen.
    void screenReadersNameEveryControl()
    {
        QFETCH_GLOBAL(Language, language);
        const bool english = language == Language::English;
        const QStringList inputs{"ed_A", "ed_B", "ed_C", "ed_H"};
        const QStringList values{"20", "25", "10", "30"};
        for (qsizetype i = 0; i < inputs.size(); ++i)
            form_->findChild<QLineEdit*>(inputs[i])->setText(values[i]);
        form_->btShowClick();
        for (qsizetype i = 0; i < inputs.size(); ++i)
            QVERIFY(accessibleName(form_->findChild<QLineEdit*>(inputs[i]))
                        .startsWith(QString(inputs[i].back()) + u','));

        QSet<QString> meanings;
        for (const vintorp::calc::DrawingField& place : vintorp::calc::kDrawingFieldTable) {
            const QString fieldName = QString::fromLatin1(place.name.data(), qsizetype(place.name.size()));
            auto* field = drawing_->findChild<FitLineEdit*>(fieldName);
            QVERIFY(field && field->text() != u"0");
            const QString name = accessibleName(field);
            const QString value = QStringLiteral(": ") + field->text() + (english ? " mm" : " мм");
            QVERIFY2(name.endsWith(value), qPrintable(name));
            const QString meaning = name.chopped(value.size());
            QVERIFY2(!meaning.isEmpty() && !meanings.contains(meaning), qPrintable(name));
            meanings.insert(meaning);
            QCOMPARE(meaning.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))), !english);
        }
        QCOMPARE(meanings.size(), 14);

        drawing_->btWindingsClick();
        for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(drawing_.get()),
                                static_cast<QWidget*>(drawing_->windingsWindow())}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            QVERIFY(face && face->role() == QAccessible::Window);
            QCOMPARE(face->text(QAccessible::Name), QString(window->windowTitle()).remove(QStringLiteral("[*]")));
        }
        vintorp::cut::TemplateOutputDialog dialog(vintorp::cut::TemplateChoice{});
        for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(drawing_.get()),
                                static_cast<QWidget*>(&dialog)}) {
            const QStringList unnamed = unnamedControls(window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        }
    }

    // On a dark desktop every text can still be read: the drawing's fields
    // and labels stay black on its white paper, the rest follow the palette.
    void everyTextStandsOutOnADarkDesktop()
    {
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        // The windows are made anew under the desktop's palette, as at start-up.
        drawing_.reset();
        form_.reset();
        QApplication::setPalette(darkPalette());
        QVERIFY(openWindows());
        const QStringList inputs{"ed_A", "ed_B", "ed_C", "ed_H"};
        const QStringList values{"20", "25", "10", "30"};
        for (qsizetype i = 0; i < inputs.size(); ++i)
            form_->findChild<QLineEdit*>(inputs[i])->setText(values[i]);
        form_->btShowClick();
        drawing_->btWindingsClick();
        int checked = 0;
        for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(drawing_.get()),
                                static_cast<QWidget*>(drawing_->windingsWindow())}) {
            QVERIFY(window && window->isVisible());
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                const auto* field = qobject_cast<const QLineEdit*>(widget);
                const bool shows = !shownText(widget).isEmpty() || (field && !field->text().isEmpty());
                if (!shows || !widget->isVisible() || widget->objectName().startsWith(u"qt_"))
                    continue;
                QVERIFY2(greyRange(widget) >= 64, qPrintable(where(widget)));
                ++checked;
            }
        }
        QVERIFY(checked >= 40);
    }

    // The thickness label ends just before its field, and the first note
    // follows the notes' title, in either language: no gaps in between.
    void textsFollowTheirNeighboursClosely()
    {
        const auto* label = drawing_->findChild<QLabel*>("Label7");
        const int field = drawing_->findChild<FitLineEdit*>("Edit15")->x();
        QVERIFY2(label->geometry().right() < field + 2 && label->geometry().right() > field - 8,
                 qPrintable(where(label)));
        const auto* title = drawing_->findChild<QLabel*>("Label3");
        const auto* note = drawing_->findChild<QLabel*>("Label4");
        const int gap = note->x() - title->geometry().right();
        QVERIFY2(gap > 2 && gap <= 12, qPrintable(where(title) + " then " + where(note)));
    }

    void rejectionSpeaksTheLanguage()
    {
        QFETCH_GLOBAL(Language, language);
        modals_->expectBoxes(1);
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QTRY_COMPARE(modals_->seen().size(), 1);
        QCOMPARE(modals_->seen().first().text, language == Language::English
                                                   ? QStringLiteral("Enter valid dimensions!")
                                                   : QStringLiteral("Введите правильно размеры!"));
        QCOMPARE(modals_->seen().first().title, QStringLiteral("Vintorp"));
    }
};

VINTORP_UI_TEST_MAIN(TestWindowTexts)

#include "test_window_texts.moc"

// SPDX-License-Identifier: MIT
// Every text a window draws must stand out from the ground it is drawn on, whatever palette the
// desktop hands the program. Text pixels are found by grabbing a window, emptying one control's text and
// grabbing again; the pixels that changed are that text, and the second grab holds the ground beneath it.
// Text is drawn unsmoothed here, so every text pixel has the text's own colour.
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTextEdit>
#include <QtTest>
#include <cmath>

using support::child;

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colours of qt6ct's "darker" scheme, the dark palette of the reported fault.
QPalette darkPalette()
{
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    palette.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
    return palette;
}

// White on black, as the high-contrast themes of desktops have it.
QPalette highContrastPalette()
{
    QPalette palette(Qt::black, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Highlight, Qt::cyan);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// A table's model with every text it gives emptied, in the cells and in the headers; grounds and marks
// stay as they are.
class WithoutTexts final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        return withoutText(QIdentityProxyModel::data(index, role));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return withoutText(QIdentityProxyModel::headerData(section, orientation, role));
    }

private:
    static QVariant withoutText(const QVariant &value)
    {
        return value.typeId() == QMetaType::QString ? QVariant(QString()) : value;
    }
};

// Empties what the control shows as text; false for a control that shows none.
bool emptyText(QWidget *control)
{
    // A table and its headers lose their texts together.
    if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
        if (qobject_cast<QHeaderView *>(view) || !view->model() || dynamic_cast<WithoutTexts *>(view->model()))
            return false;
        auto *blank = new WithoutTexts(view);
        blank->setSourceModel(view->model());
        view->setModel(blank);
        return true;
    }
    // A spin box puts its text back at once: its text is drawn in no colour instead.
    if (auto *line = qobject_cast<QLineEdit *>(control);
        line && qobject_cast<QAbstractSpinBox *>(line->parentWidget())) {
        if (line->palette().color(QPalette::Text) == Qt::transparent)
            return false;
        QPalette palette = line->palette();
        palette.setColor(QPalette::Text, Qt::transparent);
        palette.setColor(QPalette::HighlightedText, Qt::transparent);
        line->setPalette(palette);
        return true;
    }
    if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty())
        label->clear();
    else if (auto *line = qobject_cast<QLineEdit *>(control); line && !line->text().isEmpty())
        line->clear();
    else if (auto *list = qobject_cast<QComboBox *>(control); list && list->currentIndex() >= 0)
        list->setCurrentIndex(-1);
    else if (auto *box = qobject_cast<QTextEdit *>(control); box && !box->document()->isEmpty())
        box->clear();
    else if (auto *button = qobject_cast<QAbstractButton *>(control); button && !button->text().isEmpty())
        button->setText(QString());
    else if (auto *frame = qobject_cast<QGroupBox *>(control); frame && !frame->title().isEmpty()) {
        // Drawn in no colour rather than removed: without a caption the frame's line would move.
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::transparent);
        palette.setColor(QPalette::Text, Qt::transparent);
        frame->setPalette(palette);
    } else
        return false;
    return true;
}

// The weakest contrast of a text pixel against the ground beneath it, and how many text pixels there
// were. The ground is the colour most of the area has without the text; a changed pixel that had the
// ground colour with the text too is no text (a caret that moved to the start of an emptied box).
std::pair<double, int> textContrast(const QImage &withText, const QImage &without, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[without.pixel(x, y)];
    const QRgb ground = std::max_element(counts.cbegin(), counts.cend()).key();
    double weakest = 21;
    int pixels = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb text = withText.pixel(x, y);
            if (text != without.pixel(x, y) && text != ground) {
                weakest = std::min(weakest, contrast(text, without.pixel(x, y)));
                ++pixels;
            }
        }
    return {weakest, pixels};
}

// Only the text's place: a box's scroll bar changes too when its text goes.
QRect textPlace(QWidget *control, QWidget *window)
{
    QWidget *place = control;
    if (auto *box = qobject_cast<QAbstractScrollArea *>(control); box && !qobject_cast<QAbstractItemView *>(box))
        place = box->viewport();
    QRect area(QPoint(0, 0), place->size());
    if (auto *frame = qobject_cast<QGroupBox *>(control)) {  // its caption, not the boxes inside it
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        area = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    return area.translated(place->mapTo(window, QPoint(0, 0)));
}

void drawUnsmoothed(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QFont font = control->font();
        font.setStyleStrategy(QFont::NoAntialias);
        control->setFont(font);
    }
}

QWidget *showWindow(WindowSet &set, const QString &window)
{
    if (window == QLatin1String("report"))
        return &set.report();
    if (window == QLatin1String("result"))
        return &set.result();
    if (window == QLatin1String("about"))
        return &set.about();
    if (window == QLatin1String("companion"))
        return &set.nag();
    if (window == QLatin1String("calendar")) {
        set.calendar().showFor(set.shownBirthDate());
        return &set.calendar();
    }
    if (window == QLatin1String("match")) {
        set.match().showFor(set.shownBirthDate());
        return &set.match();
    }
    return &set.main();
}

}  // namespace

class tst_Readability : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void textsStandOutFromTheirGround_data();
    void textsStandOutFromTheirGround();
};

void tst_Readability::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setCursorFlashTime(0);  // a blinking caret would change pixels between grabs
}

void tst_Readability::textsStandOutFromTheirGround_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("window");
    const QList<std::pair<const char *, QPalette>> palettes{
        {"default palette", QApplication::style()->standardPalette()},
        {"dark palette", darkPalette()},
        {"high-contrast palette", highContrastPalette()}};
    for (const auto &[paletteName, palette] : palettes)
        for (const char *window : {"entry", "result", "report", "about", "companion", "calendar", "match"})
            QTest::addRow("%s window, %s", window, paletteName) << palette << QString::fromLatin1(window);
}

void tst_Readability::textsStandOutFromTheirGround()
{
    QFETCH(QPalette, palette);
    QFETCH(QString, window);
    QApplication::setPalette(palette);
    fakes::FakePlatform fake;
    fake.clock.date = QDate(2001, 10, 24);  // the calendar marks today and the date of birth in one month
    WindowSet set(fake.platform());
    // 2 October 2001 gives the longest description.
    child<QLineEdit>(set.main(), "txtName")->setText(QStringLiteral("Siti Rahayu"));
    child<QComboBox>(set.main(), "cboMonth")->setCurrentText(QStringLiteral("October"));
    child<QComboBox>(set.main(), "cboDate")->setCurrentText(QStringLiteral("2"));
    child<QComboBox>(set.main(), "cboYear")->setCurrentText(QStringLiteral("2001"));
    set.main().Calculate();  // closes this entry window; a fresh one is made if the row asks for it
    QWidget *shown = showWindow(set, window);
    if (frmMain *entry = set.openMain())
        child<QLineEdit>(*entry, "txtName")->setText(QStringLiteral("Siti Rahayu"));
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    drawUnsmoothed(shown);

    QStringList failures;
    int measured = 0;
    QImage before = shown->grab().toImage();
    for (QWidget *control : shown->findChildren<QWidget *>()) {
        const QRect place = textPlace(control, shown) & before.rect();
        if (!control->isVisibleTo(shown) || control->visibleRegion().isEmpty() || !emptyText(control))
            continue;  // hidden, covered by another control, or showing no text
        const QImage after = shown->grab().toImage();
        const auto [weakest, pixels] = textContrast(before, after, place);
        before = after;
        ++measured;
        if (pixels == 0)
            failures << control->objectName() + QStringLiteral(" shows no visible text");
        else if (weakest < 4.5)
            failures << QStringLiteral("%1 %2:1").arg(control->objectName()).arg(weakest, 0, 'f', 2);
    }
    QVERIFY(measured >= 6);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_Readability)
#include "tst_Readability.moc"

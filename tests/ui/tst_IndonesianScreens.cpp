// SPDX-License-Identifier: MIT
// The windows under the Indonesian translation: every text fits the place the layout gives it, and the
// language changes what a person reads, never what is stored.
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarModel.h"
#include "ui/almanac/CalendarView.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"
#include "weton/DayFacts.h"
#include "weton/DaySignCatalogue.h"
#include "weton/InterfaceLanguage.h"
#include "weton/PranataMangsa.h"
#include "weton/Wuku.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>

using support::child;

namespace {

void speak(const QString &language)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
}

// The problem with a control's text, if any. Wrapped text is laid out as the control lays it out; a line
// that does not wrap is measured by its ink, so the blank side bearing after a last letter may overhang
// (as it does in the English design, drawn with a substitute for Verdana). A text that scrolls may run
// below its area, not beside it.
QString problemOf(const QWidget *control, QString text, int room, bool wrap, bool scrolls = false)
{
    const QFontMetrics metrics = control->fontMetrics();
    QSize need = metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text).size();
    if (!wrap) {
        need = QSize(0, 0);
        for (const QString &line : text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).split('\n')) {
            const QRect ink = metrics.tightBoundingRect(line);
            need = QSize(std::max(need.width(), ink.right() + 1), need.height() + ink.height());
        }
    }
    const QRect rect = control->contentsRect();
    const QRect area = control->parentWidget()->rect();
    if (need.width() <= room && need.height() <= rect.height()
        && (scrolls ? control->x() >= 0 && control->geometry().right() <= area.right()
                    : area.contains(control->geometry())))
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6 at %7,%8")
        .arg(control->objectName(), text.left(30))
        .arg(need.width())
        .arg(need.height())
        .arg(room)
        .arg(rect.height())
        .arg(control->x())
        .arg(control->y());
}

// Every text of the window that is cut off or runs outside its container; the texts that scroll (the
// description, the meaning of a match) only beside it.
QStringList clippedTexts(QWidget &window)
{
    QStringList clipped;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window))
            continue;
        const bool scrolls = qobject_cast<QScrollArea *>(w->parentWidget()->parentWidget());
        const QStyle *style = w->style();
        QString problem;
        if (auto *label = qobject_cast<QLabel *>(w))
            problem = problemOf(label, label->text(), label->contentsRect().width(), label->wordWrap(), scrolls);
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            problem = problemOf(check, check->text(),
                                check->width() - style->pixelMetric(QStyle::PM_IndicatorWidth)
                                    - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
                                false);
        else if (auto *button = qobject_cast<QPushButton *>(w))
            problem = problemOf(button, button->text(), button->width() - 8, false);  // less the bevel
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            problem = problemOf(box, box->title(), box->width() - 16, false);  // the title's inset
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            problem = problemOf(edit, edit->text(), edit->contentsRect().width() - 4, false);
        if (!problem.isEmpty())
            clipped << problem;
    }
    return clipped;
}

// Every text a widget paints, as it paints it: whole, or cut short with an ellipsis.
class PaintedTexts final : public QImage, private QPaintEngine
{
public:
    explicit PaintedTexts(QWidget &widget) : QImage(widget.size(), QImage::Format_RGB32)
    {
        widget.render(static_cast<QImage *>(this));
    }
    QStringList texts;

private:
    QPaintEngine *paintEngine() const override { return const_cast<PaintedTexts *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return User; }
};

void enterReading(frmMain &entry, const QString &name, int monthIndex, const QString &day, const QString &year)
{
    child<QLineEdit>(entry, "txtName")->setText(name);
    child<QComboBox>(entry, "cboMonth")->setCurrentIndex(monthIndex);
    child<QComboBox>(entry, "cboDate")->setCurrentText(day);
    child<QComboBox>(entry, "cboYear")->setCurrentText(year);
}

}  // namespace

class tst_IndonesianScreens : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    // Both languages: the English rows show that the check finds nothing where the design fits.
    void noTextIsCutOff_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char *language : {"en", "id"})
            for (const char *window : {"frmMain", "frmJavaneseAstrology", "frmSave", "frmAbout", "frmNagScreen2",
                                       "CalendarWindow", "MatchWindow"})
                QTest::addRow("%s %s", window, language) << QString(language) << QString(window);
    }
    void noTextIsCutOff()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        speak(language);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        // 2 October 2001, a Selasa Legi: the longest description.
        // After sunset, so that every window shows its line about it too.
        enterReading(set.main(), QStringLiteral("Siti Rahayu"), 9, QStringLiteral("2"), QStringLiteral("2001"));
        child<QCheckBox>(set.main(), "chkAfterSunset")->setChecked(true);
        set.main().Calculate();
        set.calendar().showFor(set.shownBirthDate(), set.shownAfterSunset());
        set.match().showFor(set.shownBirthDate(), set.shownAfterSunset());
        const QMap<QString, QWidget *> windows{{"frmMain", &set.main()},      {"frmJavaneseAstrology", &set.result()},
                                               {"frmSave", &set.report()},    {"frmAbout", &set.about()},
                                               {"frmNagScreen2", &set.nag()}, {"CalendarWindow", &set.calendar()},
                                               {"MatchWindow", &set.match()}};
        QWidget *shown = windows.value(window);
        shown->show();
        shown->resize(shown->sizeHint());  // as it opens on a screen with room for it
        QApplication::processEvents();
        QStringList clipped = clippedTexts(*shown);
        if (window == "frmNagScreen2")  // the promotion drawn at load is one of four
            for (const char *promotion : frmNagScreen2::Promotions) {
                child<QLabel>(set.nag(), "Label2")->setText(frmNagScreen2::tr(promotion));
                clipped << clippedTexts(*shown);
            }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    // The calendar at the size it opens at paints every name whole: the weekdays over the columns, the
    // wuku at the rows' start and over them their caption, and in the cells the market days, every
    // Javanese month's name where it begins and every pranata mangsa's where it begins. December 2026 and the months of
    // 2027, one after the other as Page Down turns them, hold all of them.
    void calendarPaintsEveryNameWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Indonesian") << "id";
    }
    void calendarPaintsEveryNameWhole()
    {
        QFETCH(QString, language);
        speak(language);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        CalendarWindow &calendar = set.calendar();
        calendar.showFor(QDate(2026, 12, 15));
        calendar.resize(calendar.sizeHint());
        QSet<QString> painted;
        for (int month = 0; month <= 12; ++month) {
            QApplication::processEvents();
            const PaintedTexts texts(*child<CalendarView>(calendar, "calendarGrid"));
            for (const QString &text : texts.texts) {
                QVERIFY2(!text.contains(QChar(0x2026)), qPrintable(text + QStringLiteral(" is cut short")));
                painted.insert(text);
            }
            QTest::keyClick(child<CalendarView>(calendar, "calendarGrid"), Qt::Key_PageDown);
        }
        // 31 is a Gregorian day alone (a Javanese month has at most 30): each day's own number is painted.
        QStringList names{CalendarModel::wukuCaption(), QStringLiteral("31")};
        for (int number = 1; number <= Wuku::Count; ++number)
            names << Wuku::name(number).toString();
        for (int day = 0; day < 7; ++day)
            names << DayFacts::shownWeekday(day);
        for (int market = 0; market < 5; ++market)
            names << DaySignCatalogue::marketDayInLookupOrder(market);
        for (int month = 1; month <= 12; ++month)
            names << CalendarModel::monthBeginText(month);
        for (int mangsa = 1; mangsa <= PranataMangsa::Count; ++mangsa)
            names << PranataMangsa::name(mangsa).toString();
        QStringList missing;
        for (const QString &name : names)
            if (!painted.contains(name))
                missing << name;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(missing.join(QStringLiteral(", ")) + QStringLiteral(" not painted whole")));
    }

    // The saved reading is data: the same 20 bytes in every language, and it opens again as the same date.
    void theSavedReadingIsTheSameInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reportDate");
        QTest::newRow("English") << "en"
                                 << "June 7, 1980";
        QTest::newRow("Indonesian") << "id"
                                    << "7 Juni 1980";
    }
    void theSavedReadingIsTheSameInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, reportDate);
        speak(language);
        QTemporaryDir dir;
        fakes::FakePlatform fake;
        fake.fileDialogs.nextSaveName = dir.filePath(QStringLiteral("abc.jav"));
        WindowSet set(fake.platform());
        enterReading(set.main(), QStringLiteral("abc"), 5, QStringLiteral("7"), QStringLiteral("1980"));
        set.main().Calculate();
        QVERIFY(child<QTextEdit>(set.report(), "RTB")->toPlainText().contains(reportDate));
        child<QPushButton>(set.report(), "cmdSave")->click();
        QFile saved(fake.fileDialogs.nextSaveName), expected(QStringLiteral(WETONARA_TEST_DATA "/abc-7-June-1980.jav"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), expected.readAll());

        set.report().close();
        child<QPushButton>(set.result(), "cmdBack")->click();
        fake.fileDialogs.nextOpenName = expected.fileName();
        child<QPushButton>(set.main(), "cmdOpen")->click();
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(set.reading().BirthMonth, QStringLiteral("June"));
    }
};

QTEST_MAIN(tst_IndonesianScreens)
#include "tst_IndonesianScreens.moc"

// The windows under the Indonesian translation: every text fits the place the layout gives it, and the
// language changes what a person reads, never what is stored.
#include "fakes/FakePlatform.h"
#include "screens/WindowSet.h"
#include "screens/frmAbout.h"
#include "screens/frmJavaneseAstrology.h"
#include "screens/frmMain.h"
#include "screens/frmNagScreen2.h"
#include "screens/frmSave.h"
#include "weton/InterfaceLanguage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>

namespace {

void speak(const QString &language)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
}

QString shown(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

QString where(const QWidget *widget, const QString &text)
{
    return QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text.left(40));
}

// The size a text needs in a place of the given width. Wrapped text is laid out as the control lays it
// out; a line that does not wrap is measured by its ink, so the blank side bearing after a last letter
// may overhang the place (as it does in the English design, drawn with a substitute font).
QSize needed(const QFontMetrics &metrics, int width, bool wrap, const QString &text)
{
    if (wrap)
        return metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text).size();
    QSize ink(0, 0);
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRect rect = metrics.tightBoundingRect(line);
        ink = QSize(std::max(ink.width(), rect.right() + 1), ink.height() + rect.height());
    }
    return ink;
}

void checkLabel(const QLabel *label, QStringList &clipped)
{
    const QString text = label->text();
    const QRect room = label->contentsRect();
    const QSize need = needed(label->fontMetrics(), room.width(), label->wordWrap(), text);
    if (need.width() > room.width() || need.height() > room.height())
        clipped << where(label, text)
                       + QStringLiteral(" needs %1x%2, has %3x%4")
                             .arg(need.width())
                             .arg(need.height())
                             .arg(room.width())
                             .arg(room.height());
}

void checkButton(const QAbstractButton *button, QStringList &clipped)
{
    const QString text = shown(button->text());
    int room = button->width() - 8;  // the bevel on either side
    if (qobject_cast<const QCheckBox *>(button))
        room = button->width() - button->style()->pixelMetric(QStyle::PM_IndicatorWidth)
               - button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    const QSize need = needed(button->fontMetrics(), room, false, text);
    if (need.width() > room || need.height() > button->height() - 4)
        clipped << where(button, text) + QStringLiteral(" does not fit its button");
}

void checkList(const QComboBox *list, QStringList &clipped)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = true;
    const int room =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
    for (int i = 0; i < list->count(); ++i)
        if (list->fontMetrics().horizontalAdvance(list->itemText(i)) > room)
            clipped << where(list, list->itemText(i)) + QStringLiteral(" is wider than its list");
}

void checkMenuBar(const QMenuBar *bar, QStringList &clipped)
{
    for (QAction *action : bar->actions())
        if (action->isVisible() && !bar->rect().contains(bar->actionGeometry(action)))
            clipped << QStringLiteral("menu \"%1\" does not fit the menu bar").arg(action->text());
}

// Every text of the window that is cut off or runs outside its container. The description of the result
// window and the report are left out: they scroll.
QStringList clippedTexts(QWidget &window)
{
    QStringList clipped;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || qobject_cast<QScrollArea *>(widget->parentWidget()->parentWidget()))
            continue;
        const bool showsText = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
                               || qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget);
        if (showsText && !widget->parentWidget()->rect().contains(widget->geometry()))
            clipped << where(widget, widget->objectName()) + QStringLiteral(" runs outside its container");
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
            checkLabel(label, clipped);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            checkButton(button, clipped);
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            checkList(list, clipped);
        else if (auto *box = qobject_cast<QGroupBox *>(widget);
                 box && box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width())
            clipped << where(box, box->title()) + QStringLiteral(" is wider than its frame");
        else if (auto *edit = qobject_cast<QLineEdit *>(widget);
                 edit && edit->fontMetrics().horizontalAdvance(edit->text()) > edit->contentsRect().width() - 4)
            clipped << where(edit, edit->text()) + QStringLiteral(" is wider than its box");
        else if (auto *bar = qobject_cast<QMenuBar *>(widget))
            checkMenuBar(bar, clipped);
    }
    return clipped;
}

void enterReading(frmMain &entry, const QString &name, int monthIndex, const QString &day, const QString &year)
{
    entry.txtName->setText(name);
    entry.cboMonth->setCurrentIndex(monthIndex);
    entry.cboDate->setCurrentText(day);
    entry.cboYear->setCurrentText(year);
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
            for (const char *window : {"frmMain", "frmJavaneseAstrology", "frmSave", "frmAbout", "frmNagScreen2"})
                QTest::addRow("%s %s", window, language)
                    << QString::fromLatin1(language) << QString::fromLatin1(window);
    }
    void noTextIsCutOff()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        speak(language);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        // 2 October 2001, a Selasa Legi: the longest description.
        enterReading(set.main(), QStringLiteral("Siti Rahayu"), 9, QStringLiteral("2"), QStringLiteral("2001"));
        set.main().Calculate();
        const QMap<QString, QWidget *> windows{{"frmMain", &set.main()},
                                               {"frmJavaneseAstrology", &set.result()},
                                               {"frmSave", &set.report()},
                                               {"frmAbout", &set.about()},
                                               {"frmNagScreen2", &set.nag()}};
        QWidget *shownWindow = windows.value(window);
        shownWindow->show();
        QApplication::processEvents();
        QStringList clipped = clippedTexts(*shownWindow);
        if (window == "frmNagScreen2")  // the promotion drawn at load is one of four
            for (const char *promotion : frmNagScreen2::Promotions) {
                set.nag().Label2->setText(frmNagScreen2::tr(promotion));
                checkLabel(set.nag().Label2, clipped);
            }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
    }

    // The saved reading is data: the same 20 bytes in every language, and it opens again as the same
    // date whatever the language it was saved in.
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
        QVERIFY(set.report().RTB->toPlainText().contains(reportDate));
        set.report().cmdSave->click();
        QFile saved(fake.fileDialogs.nextSaveName), expected(QStringLiteral(WETONARA_TEST_DATA "/abc-7-June-1980.jav"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), expected.readAll());

        set.report().close();
        set.result().cmdBack->click();
        fake.fileDialogs.nextOpenName = expected.fileName();
        set.main().cmdOpen->click();
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(set.reading().BirthMonth, QStringLiteral("June"));
        QCOMPARE(set.result().resultText(1), QStringLiteral("Sabtu"));
    }
};

QTEST_MAIN(tst_IndonesianScreens)
#include "tst_IndonesianScreens.moc"

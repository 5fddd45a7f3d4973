// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "platform/qt/QtMessageBoxes.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"

#include <QTemporaryDir>

using namespace driver;

namespace {

// What the first copy is doing when a later copy offers it a file.
enum class Doing { OnEntry, OnResult, AboutOpen, ReportOpen, MessageOpen, Leaving, TwoAtOnce };

const QString Saved = QStringLiteral(WETONARA_TEST_DATA "/abc-7-June-1980.jav");
// 7 June 1980 was a Saturday, 29,012 days after Tuesday 1 January 1901 (Pahing): 29,012 = 5 * 5802 + 2,
// two market days on from Pahing, Wage.
const QStringList SavedResults{QStringLiteral("Wage"), QStringLiteral("Sabtu"), QStringLiteral("Saturday")};
// The proclamation's reading, what the result window shows before the offer.
const QStringList ProclamationResults{QStringLiteral("Legi"), QStringLiteral("Jumat"), QStringLiteral("Friday")};

QStringList shownResults(WindowSet &set)
{
    QStringList texts;
    if (frmJavaneseAstrology *result = set.openResult(); result && result->isVisible())
        for (int i = 0; i < 3; ++i)
            texts.append(indexed<QLabel>(*result, "lblJavaneseResult", i)->text());
    return texts;
}

}  // namespace

class tst_ReadingHandOver : public QObject
{
    Q_OBJECT
private slots:
    void runningCopyIsOffered_data()
    {
        QTest::addColumn<int>("doing");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("visibleAfter");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("results");
        const auto row = [](const char *name, Doing doing, bool damaged, bool taken, const QStringList &visible,
                            const QStringList &messages, const QStringList &results) {
            QTest::newRow(name) << int(doing) << damaged << taken << visible << messages << results;
        };
        row("entry window: the reading opens at once", Doing::OnEntry, false, true, {Result}, {}, SavedResults);
        row("result window: back first, then the reading", Doing::OnResult, false, true, {Result}, {}, SavedResults);
        row("damaged file: the Open move's refusal", Doing::OnEntry, true, true, {Entry},
            {QStringLiteral("Please Check The File.")}, {});
        row("damaged file on the result window: back, then the refusal", Doing::OnResult, true, true, {Entry},
            {QStringLiteral("Please Check The File.")}, {});
        row("about box in front: refused, nothing opens later", Doing::AboutOpen, false, false, {Entry}, {}, {});
        row("report in front: refused, reading kept", Doing::ReportOpen, false, false, {Result}, {},
            ProclamationResults);
        row("message box in front: refused", Doing::MessageOpen, false, false, {Entry}, {}, {});
        row("leaving through the companion screen: refused", Doing::Leaving, false, false, {Companion}, {}, {});
        row("two at once, the first damaged: its refusal, then the second", Doing::TwoAtOnce, true, true, {Result},
            {QStringLiteral("Please Check The File.")}, SavedResults);
    }

    void runningCopyIsOffered()
    {
        QFETCH(int, doing);
        QFETCH(bool, damaged);
        QFETCH(bool, taken);
        QFETCH(QStringList, visibleAfter);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, results);
        QTemporaryDir scratch;
        QString path = Saved;
        if (damaged) {
            path = scratch.filePath(QStringLiteral("damaged.jav"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\xB6\r\n", 3) == 3);
        }
        // Real modal boxes, where a row needs one; they outlive the rows' waits for the event loop.
        platform::QtMessageBoxes boxes;
        Run run;
        QVERIFY(run.fake.handOver.receiver.ready && run.fake.handOver.receiver.take);
        const auto offer = [&] { return run.fake.handOver.deliver(path); };
        std::optional<bool> answer;
        switch (Doing(doing)) {
        case Doing::OnEntry: answer = offer(); break;
        case Doing::OnResult:
            calculateProclamation(run);
            answer = offer();
            break;
        case Doing::AboutOpen:
            QVERIFY(whileModal([&] { run.set.about().openOver(run.set.openMain()); },
                               [&](QWidget *) { answer = offer(); }));
            break;
        case Doing::ReportOpen:
            calculateProclamation(run);
            QVERIFY(whileModal([&] { child<QPushButton>(run.set.result(), "cmdSave")->click(); },
                               [&](QWidget *) { answer = offer(); }));
            break;
        case Doing::MessageOpen:
            QVERIFY(whileModal(
                [&] {
                    boxes.show({QStringLiteral("Please Enter Your Name"), {}, {}, {}});
                },
                [&](QWidget *) { answer = offer(); }));
            break;
        case Doing::Leaving:
            run.set.main().close();
            answer = offer();
            break;
        case Doing::TwoAtOnce:
            // The refusal is a real modal box: the second file must wait for it, not be lost behind it.
            run.fake.messages.onShow = [&](const platform::Message &message) {
                whileModal([&] { boxes.show(message); }, [](QWidget *) {});
            };
            answer = offer() && run.fake.handOver.deliver(Saved);
            break;
        }
        QCOMPARE(answer, std::optional<bool>(taken));
        // The file opens from the event loop, after the answer; a refused one never does.
        QTest::qWait(50);
        freeClosedWindows();
        QCOMPARE(visibleWindows(), visibleAfter);
        QCOMPARE(run.fake.messages.texts(), messages);
        QCOMPARE(shownResults(run.set), results);
        if (taken && !damaged)
            QCOMPARE(run.set.reading().PersonName, QStringLiteral("abc"));
    }
};

QTEST_MAIN(tst_ReadingHandOver)
#include "tst_ReadingHandOver.moc"

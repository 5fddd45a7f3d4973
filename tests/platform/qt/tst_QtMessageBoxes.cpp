// SPDX-License-Identifier: MIT
#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace platform;

// Which window a real message box belongs to, and whether it stays on top: what keeps it from opening
// under a topmost window. Each box is looked at and answered while it is open.
class tst_QtMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void boxBelongsToTheWindowInFront_data();
    void boxBelongsToTheWindowInFront();
    void returnGivesTheDefaultAnswer_data();
    void returnGivesTheDefaultAnswer();
    void aBoxClosedByTheProgramIsNoAnswer_data();
    void aBoxClosedByTheProgramIsNoAnswer();
};

namespace {

struct Seen
{
    QWidget *parent = nullptr;
    bool onTop = false;
    int boxes = 0;
};

// Runs `during` on the box once it is modal, records it, and presses its Esc.
void whenOpen(Seen &seen, const std::function<void(QMessageBox *)> &during = {})
{
    QTimer::singleShot(0, [&seen, during] {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.parent = box->parentWidget();
        seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        ++seen.boxes;
        if (during)
            during(box);
        if (box)
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

}  // namespace

void tst_QtMessageBoxes::boxBelongsToTheWindowInFront_data()
{
    QTest::addColumn<QString>("front");
    QTest::addColumn<bool>("ownedByFront");
    QTest::addColumn<bool>("onTop");

    QTest::newRow("an ordinary window owns its box") << "ordinary" << true << false;
    QTest::newRow("a topmost window owns its box, which stays on top too") << "topmost" << true << true;
    QTest::newRow("with no window of ours in front the box stays on top") << "none" << false << true;
    QTest::newRow("a box raised while another is open belongs to that one") << "box" << true << false;
    QTest::newRow("the owner closed and freed under its box") << "freed" << true << true;
}

void tst_QtMessageBoxes::boxBelongsToTheWindowInFront()
{
    QFETCH(QString, front);
    QFETCH(bool, ownedByFront);
    QFETCH(bool, onTop);
    QPointer<QWidget> window = new QWidget;
    if (front == QLatin1String("topmost") || front == QLatin1String("freed"))
        window->setWindowFlag(Qt::WindowStaysOnTopHint);
    if (front != QLatin1String("none")) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QtMessageBoxes boxes;
    Seen first;
    Seen second;
    QWidget *expectedOwner = window;
    QMessageBox *firstBox = nullptr;
    if (front == QLatin1String("box")) {
        whenOpen(first, [&](QMessageBox *box) {
            firstBox = box;
            whenOpen(second);
            QCOMPARE(boxes.show({QStringLiteral("second"), QStringLiteral("T")}), MessageAnswer::Ok);
        });
    } else {
        whenOpen(first, [&](QMessageBox *) {
            if (front == QLatin1String("freed"))
                delete window;
        });
    }

    // Esc says No; a box that went with its owner was answered by no one.
    QCOMPARE(boxes.show({QStringLiteral("first"), QStringLiteral("T"), MessageIcon::Critical, MessageButtons::YesNo}),
             front == QLatin1String("freed") ? MessageAnswer::None : MessageAnswer::No);
    const Seen &looked = front == QLatin1String("box") ? second : first;
    if (front == QLatin1String("box"))
        expectedOwner = firstBox;
    QCOMPARE(first.boxes, 1);
    QCOMPARE(looked.parent == expectedOwner && expectedOwner, ownedByFront);
    QCOMPARE(looked.onTop, onTop);
    QVERIFY(!QApplication::activeModalWidget());
    delete window;
}

void tst_QtMessageBoxes::returnGivesTheDefaultAnswer_data()
{
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("a message is acknowledged") << MessageButtons::Ok << MessageAnswer::Ok;
    QTest::newRow("an ordinary question is agreed to") << MessageButtons::YesNo << MessageAnswer::Yes;
    QTest::newRow("a question that replaces something is declined")
        << MessageButtons::YesNoDefaultNo << MessageAnswer::No;
}

// A hurried Return takes the default button; it must never replace a file the user did not mean to.
void tst_QtMessageBoxes::returnGivesTheDefaultAnswer()
{
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageAnswer, answer);
    QTimer::singleShot(0, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
    });
    QtMessageBoxes boxes;
    QCOMPARE(boxes.show({QStringLiteral("question"), QStringLiteral("T"), MessageIcon::Information, buttons}), answer);
}

void tst_QtMessageBoxes::aBoxClosedByTheProgramIsNoAnswer_data()
{
    QTest::addColumn<MessageButtons>("buttons");
    QTest::newRow("a message") << MessageButtons::Ok;
    QTest::newRow("a question") << MessageButtons::YesNo;
}

// As when the run ends while the box is open (logout, a signal): its loop returns with no button pressed.
void tst_QtMessageBoxes::aBoxClosedByTheProgramIsNoAnswer()
{
    QFETCH(MessageButtons, buttons);
    QTimer::singleShot(0, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->done(QDialog::Rejected);
    });
    QtMessageBoxes boxes;
    QCOMPARE(boxes.show({QStringLiteral("question"), QStringLiteral("T"), MessageIcon::Information, buttons}),
             MessageAnswer::None);
}

QTEST_MAIN(tst_QtMessageBoxes)
#include "tst_QtMessageBoxes.moc"

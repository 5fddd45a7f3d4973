// SPDX-License-Identifier: MIT
#pragma once

// Drives the real windows on the fakes the way a person moves through the program, and reports what
// is on screen. Shared by the navigation tests and the stray-input tests.

#include "Identity.h"
#include "app/StartApplication.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/kit/FormDialog.h"
#include "ui/kit/FormWindow.h"
#include "ui/reading/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace driver {

using support::child;
using support::indexed;

inline const QString Entry = QStringLiteral("frmMain");
inline const QString Result = QStringLiteral("frmJavaneseAstrology");
inline const QString Report = QStringLiteral("frmSave");
inline const QString About = QStringLiteral("frmAbout");
inline const QString Companion = QStringLiteral("frmNagScreen2");
inline const QString Calendar = QStringLiteral("CalendarWindow");
inline const QString Match = QStringLiteral("MatchWindow");
inline const QStringList AllWindows{Entry, Result, Report, About, Companion, Calendar, Match};

inline QString page(const char *key)
{
    return Identity::SiteAddress + QStringLiteral("/wetonara/ssd.php?page=") + QLatin1String(key);
}

// One run of the program on the fakes, started the way the program starts.
struct Run
{
    explicit Run(QList<double> draws = {})
    {
        fake.random.values = std::move(draws);
        QVERIFY(Application::StartApplication(set));
        fake.messages.shown.clear();  // the update reminder is not what these tests look at
        fake.browser.opened.clear();
    }

    fakes::FakePlatform fake;
    WindowSet set{fake.platform()};
};

struct Birth
{
    QString name;
    QString month;
    QString day;
    QString year;
};

// 17 August 1945, the day of the proclamation, was a Friday, Jumat Legi.
inline const Birth Proclamation{QStringLiteral("Sukarni"), QStringLiteral("August"), QStringLiteral("17"),
                                QStringLiteral("1945")};

inline void enter(frmMain &entry, const Birth &birth)
{
    child<QLineEdit>(entry, "txtName")->setText(birth.name);
    child<QComboBox>(entry, "cboMonth")->setCurrentText(birth.month);
    child<QComboBox>(entry, "cboDate")->setCurrentText(birth.day);
    child<QComboBox>(entry, "cboYear")->setCurrentText(birth.year);
}

// A run on the result window with the proclamation's reading.
inline void calculateProclamation(Run &run)
{
    enter(*run.set.openMain(), Proclamation);
    child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
}

// The program's own windows, main windows and dialogs, with whether each is closing.
inline QList<QPair<QWidget *, bool>> forms()
{
    QList<QPair<QWidget *, bool>> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<FormWindow *>(window))
            found.append({form, form->isClosing()});
        else if (auto *dialog = qobject_cast<FormDialog *>(window))
            found.append({dialog, dialog->isClosing()});
        else if (AllWindows.contains(window->objectName()))  // the look-up windows, gone once closed
            found.append({window, false});
    }
    return found;
}

inline QStringList visibleWindows()
{
    QStringList names;
    for (const auto &[window, closing] : forms())
        if (window->isVisible())
            names.append(window->objectName());
    names.sort();
    return names;
}

// Live instances per window class, leaving out windows already closed and waiting to be freed.
inline int instances(const QString &name)
{
    int count = 0;
    for (const auto &[window, closing] : forms())
        count += window->objectName() == name && !closing;
    return count;
}

inline QAction *entryOf(QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QString::fromLatin1(name));
}

inline void freeClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Opens a modal window with `open` (one that returns at once, or one that waits for the window to close),
// runs `during` once it is up, then closes what is still modal. A window that never closes is closed by a
// fallback, so no case can hang. True when `during` ran on a modal window and nothing had to be forced.
inline bool whileModal(const std::function<void()> &open, const std::function<void(QWidget *)> &during)
{
    bool ran = false;
    bool forced = false;
    QTimer now;
    now.setSingleShot(true);
    QObject::connect(&now, &QTimer::timeout, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ran = true;
        during(modal);
        if (modal)
            modal->close();
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&] {
        while (QWidget *modal = QApplication::activeModalWidget()) {
            forced = true;
            modal->close();
        }
    });
    now.start(0);
    fallback.start(3000);
    open();
    (void)QTest::qWaitFor([&] { return ran || forced || !fallback.isActive(); }, 3500);
    return ran && !forced;
}

// A click that comes from the window system, so modality and closed windows apply as for a person.
inline void clickThroughWindow(QWidget *control, bool twice = false)
{
    QWindow *window = control->window()->windowHandle();
    const QPoint at = control->mapTo(control->window(), control->rect().center());
    if (twice)
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

}  // namespace driver

Q_DECLARE_METATYPE(driver::Birth)

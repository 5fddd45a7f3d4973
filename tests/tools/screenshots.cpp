// SPDX-License-Identifier: MIT
// Renders every window of the program to a PNG file, on whatever Qt platform is in use (offscreen in
// scripts/screenshots), so the layouts can be looked at without a display. A second argument names the
// language ("id"); without it the windows are in English.
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/kit/DateBox.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"
#include "weton/InterfaceLanguage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

using support::child;

namespace {

bool save(QWidget &window, const QString &folder, const QString &name)
{
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// Qt's own save dialog, which the program shows where the desktop offers none, in a folder of its own
// with a saved reading and a subfolder in it. The folder's list is filled in the background, so the
// picture waits for it.
bool saveFileDialog(const QString &folder)
{
    QTemporaryDir shown;
    if (!shown.isValid() || !QDir(shown.path()).mkdir(QStringLiteral("Arsip")))
        return false;
    QFile reading(QDir(shown.path()).filePath(QStringLiteral("Siti Rahayu.jav")));
    if (!reading.open(QIODevice::WriteOnly))
        return false;
    reading.close();
    QFileDialog dialog(nullptr, QStringLiteral("Wetonara"), shown.path(), QStringLiteral("Wetonara (*.jav)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return save(dialog, folder, QStringLiteral("FileDialog"));
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    if (argc > 2 && InterfaceLanguage::install(app, {QString::fromLatin1(argv[2])}) != QLatin1String(argv[2])) {
        std::fprintf(stderr, "no translation for %s\n", argv[2]);
        return 1;
    }
    fakes::FakePlatform fake;
    fake.clock.date = QDate(2001, 10, 24);  // today in the month the calendar shows
    WindowSet set(fake.platform());
    // Siti was born on 2 October 2001 after sunset: her weton is that of 3 October, Rabu Pahing, and every
    // window says why.
    frmMain &entry = set.main();
    child<QLineEdit>(entry, "txtName")->setText(QStringLiteral("Siti Rahayu"));
    child<QComboBox>(entry, "cboMonth")->setCurrentIndex(9);  // October
    child<QComboBox>(entry, "cboDate")->setCurrentText(QStringLiteral("2"));
    child<QComboBox>(entry, "cboYear")->setCurrentText(QStringLiteral("2001"));
    child<QCheckBox>(entry, "chkAfterSunset")->setChecked(true);
    bool ok = save(set.main(), folder, QStringLiteral("frmMain"));
    entry.Calculate();
    ok &= save(set.result(), folder, QStringLiteral("frmJavaneseAstrology"));
    ok &= save(set.report(), folder, QStringLiteral("frmSave"));
    ok &= save(set.about(), folder, QStringLiteral("frmAbout"));
    set.calendar().showFor(set.shownBirthDate(), set.shownAfterSunset());
    ok &= save(set.calendar(), folder, QStringLiteral("CalendarWindow"));
    // As small as it goes: the cells shrink and their texts end in an ellipsis.
    set.calendar().resize(set.calendar().minimumSizeHint());
    ok &= save(set.calendar(), folder, QStringLiteral("CalendarWindow-small"));
    set.match().showFor(set.shownBirthDate(), set.shownAfterSunset());
    child<DateBox>(set.match(), "secondDate")->setDate(QDate(1980, 6, 7));
    ok &= save(set.match(), folder, QStringLiteral("MatchWindow"));
    set.match().resize(set.match().minimumSizeHint());
    ok &= save(set.match(), folder, QStringLiteral("MatchWindow-small"));
    ok &= save(set.nag(), folder, QStringLiteral("frmNagScreen2"));
    ok &= saveFileDialog(folder);
    return ok ? 0 : 1;
}

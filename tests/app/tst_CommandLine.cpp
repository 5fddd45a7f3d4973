// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include <QDir>
#include <QtTest>

using Application::LaunchRequest;
using Action = LaunchRequest::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");  // relative to the current folder when it does not start with "/"
        QTest::addColumn<QString>("errorMentions");
        const auto row = [](const char *name, const QStringList &arguments, Action action, const QString &file,
                            const QString &mentions) {
            QTest::newRow(name) << arguments << int(action) << file << mentions;
        };
        row("nothing: starts as ever", {}, Action::Run, {}, {});
        row("absolute path kept as given", {"/home/x/Siti.jav"}, Action::Run, "/home/x/Siti.jav", {});
        row("relative path made absolute for a copy elsewhere", {"Siti.jav"}, Action::Run, "Siti.jav", {});
        row("spaces and non-ASCII kept", {"/tmp/d\u00e9j\u00e0 vu/S\u00eeti Ayu.jav"}, Action::Run,
            "/tmp/d\u00e9j\u00e0 vu/S\u00eeti Ayu.jav", {});
        row("name not cleaned: the extension check sees it as given", {"/a/../b.JAV"}, Action::Run, "/a/../b.JAV", {});
        row("after --, a name that starts with a dash is a file", {"--", "-x.jav"}, Action::Run, "-x.jav", {});
        row("--help", {"--help"}, Action::Help, {}, {});
        row("-h wins over a file", {"a.jav", "-h"}, Action::Help, {}, {});
        row("--version", {"--version"}, Action::Version, {}, {});
        row("-v", {"-v"}, Action::Version, {}, {});
        row("unknown option named", {"--open", "a.jav"}, Action::Refuse, {}, "--open");
        row("two files refused", {"a.jav", "b.jav"}, Action::Refuse, {}, "2");
        row("--help after -- is a second file", {"a.jav", "--", "--help"}, Action::Refuse, {}, "2");
        row("empty name refused", {""}, Action::Refuse, {}, "empty");
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        QFETCH(QString, errorMentions);
        const LaunchRequest request = Application::parseCommandLine(arguments);
        QCOMPARE(int(request.action), action);
        const QString expected =
            file.isEmpty() || file.startsWith(QLatin1Char('/')) ? file : QDir::currentPath() + QLatin1Char('/') + file;
        QCOMPARE(request.file, expected);
        QCOMPARE(request.error.isEmpty(), errorMentions.isEmpty());
        QVERIFY2(request.error.contains(errorMentions), qPrintable(request.error));
    }
};

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"

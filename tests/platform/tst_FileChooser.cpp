// SPDX-License-Identifier: MIT
#include "platform/qt/ChosenPath.h"
#include "platform/qt/FileChooser.h"
#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::ChosenPath;

namespace {

const platform::FileDialogRequest Request{QStringLiteral("Wetonara"), QStringLiteral("Wetonara (*.jav)"),
                                          QStringLiteral("jav")};

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

}  // namespace

class tst_FileChooser : public QObject
{
    Q_OBJECT
public:
    explicit tst_FileChooser(QString configFolder) : m_configFolder(std::move(configFolder)) {}

private slots:
    void typedNameLeadsTo_data();
    void typedNameLeadsTo();
    void dialogStoresNothing_data();
    void dialogStoresNothing();

private:
    QString m_configFolder;
};

void tst_FileChooser::typedNameLeadsTo_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("typed");  // "@" stands for the folder the chooser shows
    QTest::addColumn<ChosenPath::Kind>("kind");
    QTest::addColumn<QString>("path");  // relative to the shown folder
    using K = ChosenPath::Kind;
    QTest::newRow("save: a name without extension gets .jav") << true << "abc" << K::File << "abc.jav";
    QTest::newRow("save: a name with an extension keeps it") << true << "abc.txt" << K::File << "abc.txt";
    QTest::newRow("save over an existing reading asks first") << true << "old" << K::Existing << "old.jav";
    QTest::newRow("save into a missing folder is refused") << true << "nowhere/abc" << K::Missing << "nowhere/abc.jav";
    QTest::newRow("save: a folder's name goes into the folder") << true << "sub" << K::Folder << "sub";
    QTest::newRow("open: an existing reading") << false << "old.jav" << K::File << "old.jav";
    QTest::newRow("open: the name without extension finds the reading") << false << "old" << K::File << "old.jav";
    QTest::newRow("open: a missing file is refused") << false << "gone" << K::Missing << "gone";
    QTest::newRow("open: a full path is taken as it is") << false << "@/sub/../old.jav" << K::File << "old.jav";
    QTest::newRow("spaces only are no name") << true << "   " << K::Nothing << "";
}

void tst_FileChooser::typedNameLeadsTo()
{
    QFETCH(bool, saving);
    QFETCH(QString, typed);
    QFETCH(ChosenPath::Kind, kind);
    QFETCH(QString, path);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(touch(folder.filePath(QStringLiteral("old.jav"))));
    const ChosenPath chosen =
        platform::choosePath(folder.path(), typed.replace(QLatin1Char('@'), folder.path()), saving, "jav");
    QCOMPARE(chosen.kind, kind);
    QCOMPARE(chosen.path, path.isEmpty() ? QString() : folder.filePath(path));
}

void tst_FileChooser::dialogStoresNothing_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("typed");  // empty: the user cancels
    QTest::newRow("open cancelled") << false << "";
    QTest::newRow("save accepted") << true << "reading";
}

// The dialogs leave the user's configuration folder as they found it: no settings file of their own.
void tst_FileChooser::dialogStoresNothing()
{
    QFETCH(bool, saving);
    QFETCH(QString, typed);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());  // where a first dialog opens
    QTimer::singleShot(0, this, [typed] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileName")); name && !typed.isEmpty()) {
            name->setText(typed);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    platform::QtFileDialogs dialogs;
    const QString chosen = saving ? dialogs.saveFileName(Request) : dialogs.openFileName(Request);
    QCOMPARE(chosen, typed.isEmpty() ? QString() : folder.filePath(typed + QStringLiteral(".jav")));
    QCOMPARE(QDir(m_configFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

int main(int argc, char *argv[])
{
    // Qt's settings for the user go to XDG_CONFIG_HOME; the test watches a folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    tst_FileChooser test(config.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_FileChooser.moc"

// Qt's own texts in the message boxes and the file dialog come from our translation of Qt's contexts.
// Qt looks them up by its exact English source texts, so a translated entry whose source differs by one
// character would silently leave that text in English: here the real dialogs show what they say.
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "weton/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

namespace {

QStringList buttonTexts(const QDialogButtonBox &box)
{
    QStringList texts;
    for (QAbstractButton *button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

}  // namespace

Q_DECLARE_METATYPE(platform::MessageButtons)

class tst_QtDialogsInIndonesian : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(InterfaceLanguage::install(*qApp, {"id-ID"}), QStringLiteral("id")); }

    void messageBoxButtons_data()
    {
        QTest::addColumn<platform::MessageButtons>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("question") << platform::MessageButtons::YesNo << QStringList{"&Tidak", "&Ya"};
        QTest::newRow("message") << platform::MessageButtons::Ok << QStringList{"OK"};
    }
    void messageBoxButtons()
    {
        QFETCH(platform::MessageButtons, buttons);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = buttonTexts(*box->findChild<QDialogButtonBox *>());
            box->reject();
        });
        platform::QtMessageBoxes boxes;
        (void)boxes.show(
            {QStringLiteral("Pesan"), QStringLiteral("Wetonara"), platform::MessageIcon::Information, buttons});
        QTEST(shown, "texts");
    }

    void fileDialogTexts()
    {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                shown << dialog->findChild<QLabel *>(QString::fromLatin1(name))->text();
            shown << buttonTexts(*dialog->findChild<QDialogButtonBox *>());
            const QHeaderView *header = dialog->findChild<QTreeView *>()->header();
            for (int column = 0; column < header->count(); ++column)
                shown << header->model()->headerData(column, Qt::Horizontal).toString();
            dialog->reject();
        });
        platform::QtFileDialogs dialogs;
        QVERIFY(
            dialogs
                .saveFileName({QStringLiteral("Wetonara"), QStringLiteral("Wetonara (*.jav)"), QStringLiteral("jav")})
                .isEmpty());
        QCOMPARE(shown, (QStringList{"Cari di:", "&Nama berkas:", "Jenis berkas:", "&Simpan", "Batal", "Nama", "Ukuran",
                                     "Jenis", "Tanggal Diubah"}));
    }
};

QTEST_MAIN(tst_QtDialogsInIndonesian)
#include "tst_QtDialogsInIndonesian.moc"

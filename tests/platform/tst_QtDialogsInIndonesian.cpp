// Qt's own texts in the message boxes and the file dialog come from our translation of Qt's contexts.
// Qt looks them up by its exact English source texts, so an entry whose source differs by one character
// would silently leave that text in English: the real dialogs show here what they say.
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "weton/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Calls `open`, reads the texts of the modal dialog it opens, then cancels that dialog.
template <typename Open>
QStringList textsShownBy(Open open)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget *dialog = QApplication::activeModalWidget();
        for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            if (auto *label = dialog->findChild<QLabel *>(name))
                texts << label->text();
        QStringList buttons;  // in the order of their texts: each desktop orders them its own way
        for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
            buttons << button->text();
        buttons.sort();
        texts << buttons;
        if (auto *list = dialog->findChild<QTreeView *>())
            for (int column = 0; column < list->header()->count(); ++column)
                texts << list->model()->headerData(column, Qt::Horizontal).toString();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    open();
    return texts;
}

}  // namespace

class tst_QtDialogsInIndonesian : public QObject
{
    Q_OBJECT

private slots:
    void dialogsSpeakIndonesian()
    {
        QCOMPARE(InterfaceLanguage::install(*qApp, {"id-ID"}), QStringLiteral("id"));
        platform::QtMessageBoxes boxes;
        const auto ask = [&] {
            (void)boxes.show({"?", "Wetonara", platform::MessageIcon::Information, platform::MessageButtons::YesNo});
        };
        const auto tell = [&] { (void)boxes.show({"!", "Wetonara"}); };
        QCOMPARE(textsShownBy(ask), (QStringList{"&Tidak", "&Ya"}));
        QCOMPARE(textsShownBy(tell), QStringList{"OK"});
        platform::QtFileDialogs dialogs;
        const auto save = [&] { (void)dialogs.saveFileName({"Wetonara", "Wetonara (*.jav)", "jav"}); };
        QCOMPARE(textsShownBy(save), (QStringList{"Cari di:", "&Nama berkas:", "Jenis berkas:", "&Simpan", "Batal",
                                                  "Nama", "Ukuran", "Jenis", "Tanggal Diubah"}));
    }
};

QTEST_MAIN(tst_QtDialogsInIndonesian)
#include "tst_QtDialogsInIndonesian.moc"

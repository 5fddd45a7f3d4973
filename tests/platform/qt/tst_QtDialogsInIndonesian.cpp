// SPDX-License-Identifier: MIT
// Qt's own texts in the message boxes and its file dialog come from our translation of
// Qt's contexts. Qt looks them up by its exact English source texts, so an entry whose source differs by
// one character would silently leave that text in English: the real dialogs show here what they say.
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "weton/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Calls `open`, reads the texts of the modal dialog it opens (its buttons, its captions, then its tool tips,
// each sorted: each desktop orders buttons its own way), then cancels that dialog.
template <typename Open>
QStringList textsShownBy(Open open)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget *dialog = QApplication::activeModalWidget();
        QStringList buttons, captions, tips;
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (button->isVisible() && !button->text().isEmpty())
                buttons << button->text();
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().isEmpty())
                captions << label->text();
        for (QWidget *control : dialog->findChildren<QWidget *>())
            if (control->isVisible() && !control->toolTip().isEmpty())
                tips << control->toolTip();
        buttons.sort();
        captions.sort();
        tips.sort();
        texts << buttons << captions << tips;
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
    // Qt's file dialog keeps its state in the user's configuration folder: a folder of the test's own.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    void dialogsSpeakIndonesian()
    {
        QCOMPARE(InterfaceLanguage::install(*qApp, {"id-ID"}), QStringLiteral("id"));
        platform::QtMessageBoxes boxes;
        const auto ask = [&] {
            (void)boxes.show({"?", "Wetonara", platform::MessageIcon::Information, platform::MessageButtons::YesNo});
        };
        const auto tell = [&] { (void)boxes.show({"!", "Wetonara"}); };
        QCOMPARE(textsShownBy(ask), (QStringList{"&Tidak", "&Ya", "?"}));
        QCOMPARE(textsShownBy(tell), (QStringList{"OK", "!"}));
        platform::QtFileDialogs dialogs;
        const auto save = [&] { (void)dialogs.saveFileName({"Wetonara", "Wetonara (*.jav)"}); };
        const auto open = [&] { (void)dialogs.openFileName({"Wetonara", "Wetonara (*.jav)"}); };
        // Qt's own dialog here, as on a desktop that offers none.
        const QStringList shown{"Batal",        "&Nama berkas:", "Jenis berkas:", "Lihat di:",       "Buat Folder Baru",
                                "Folder Induk", "Kembali",       "Maju",          "Tampilan Daftar", "Tampilan Rinci"};
        QCOMPARE(textsShownBy(save), QStringList{"&Simpan"} + shown);
        QCOMPARE(textsShownBy(open), QStringList{"&Buka"} + shown);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(tst_QtDialogsInIndonesian)
#include "tst_QtDialogsInIndonesian.moc"

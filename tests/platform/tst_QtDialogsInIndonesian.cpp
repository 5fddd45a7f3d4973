// SPDX-License-Identifier: MIT
// Qt's own texts in the message boxes and the file chooser's standard buttons come from our translation of
// Qt's contexts. Qt looks them up by its exact English source texts, so an entry whose source differs by
// one character would silently leave that text in English: the real dialogs show here what they say.
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "weton/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

// Calls `open`, reads the texts of the modal dialog it opens (its buttons, then its captions, each sorted:
// each desktop orders buttons its own way), then cancels that dialog.
template <typename Open>
QStringList textsShownBy(Open open)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget *dialog = QApplication::activeModalWidget();
        QStringList buttons, captions;
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            if (button->isVisible())
                buttons << button->text();
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->isVisible() && !label->text().isEmpty())
                captions << label->text();
        buttons.sort();
        captions.sort();
        texts << buttons << captions;
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
        QCOMPARE(textsShownBy(ask), (QStringList{"&Tidak", "&Ya", "?"}));
        QCOMPARE(textsShownBy(tell), (QStringList{"OK", "!"}));
        platform::QtFileDialogs dialogs;
        const auto save = [&] { (void)dialogs.saveFileName({"Wetonara", "Wetonara (*.jav)", "jav"}); };
        const auto open = [&] { (void)dialogs.openFileName({"Wetonara", "Wetonara (*.jav)", "jav"}); };
        const QStringList captions{"&Lihat di:", "&Nama berkas:", "Jenis berkas:", "Wetonara (*.jav)"};
        QCOMPARE(textsShownBy(save), QStringList({"Batal", "Na&ik", "Simpan"}) + captions);
        QCOMPARE(textsShownBy(open), QStringList({"Batal", "Buka", "Na&ik"}) + captions);
    }
};

QTEST_MAIN(tst_QtDialogsInIndonesian)
#include "tst_QtDialogsInIndonesian.moc"

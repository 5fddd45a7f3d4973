// SPDX-License-Identifier: MIT
#include "InterfaceLanguage.h"

#include "GregorianMonths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace InterfaceLanguage {
namespace {

// Our own texts, and the few of Qt's own (standard buttons, file dialog) that Qt ships no translation of.
constexpr const char *TranslationNames[] = {"wetonara", "qtbase"};

QString languageOf(const QString &uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

}  // namespace

QString chooseFor(const QStringList &uiLanguages)
{
    for (const QString &wanted : uiLanguages) {
        QString language = languageOf(wanted);
        if (language == English || language == Indonesian)
            return language;
    }
    return English;
}

QString install(QCoreApplication &application, const QStringList &uiLanguages, const QString &folder)
{
    QString language = chooseFor(uiLanguages);
    if (language == English)
        return English;
    QList<QTranslator *> loaded;
    for (const char *name : TranslationNames) {
        auto *translator = new QTranslator(&application);
        const QString path = QStringLiteral("%1/%2_%3.qm").arg(folder, QLatin1String(name), language);
        if (!translator->load(path)) {
            // A half translation would mix languages on one screen: all of it or none of it.
            qDeleteAll(loaded);
            delete translator;
            return English;
        }
        loaded << translator;
    }
    for (QTranslator *translator : loaded)
        QCoreApplication::installTranslator(translator);
    // A translation that loads but does not name its own language (an empty or foreign file) is no
    // translation of this program.
    if (current() != language) {
        for (QTranslator *translator : loaded)
            QCoreApplication::removeTranslator(translator);
        qDeleteAll(loaded);
        return English;
    }
    return language;
}

QString current()
{
    // Like Qt's own QT_LAYOUT_DIRECTION entry: the translator writes the language's code here, so every
    // choice that depends on the language (content files, month names) follows the loaded translation.
    const QString code = QCoreApplication::translate("InterfaceLanguage", "en",
                                                     "Code of this translation's language; content/<code>/ holds "
                                                     "its content files");
    return code.isEmpty() ? English : code;
}

bool isEnglish() { return current() == English; }

QString shownMonthName(int index)
{
    QString english = GregorianMonths::name(index).toString();
    if (english.isEmpty() || isEnglish())
        return english;
    const QString shown = QLocale(current()).monthName(index + 1, QLocale::LongFormat);
    return shown.isEmpty() ? english : shown;
}

QString contentText(QStringView relativePath) { return contentTextIn(current(), relativePath); }

QString contentTextIn(const QString &language, QStringView relativePath)
{
    if (language != English) {
        QFile file(QStringLiteral(":/content/%1/%2").arg(language, relativePath));
        if (file.open(QIODevice::ReadOnly))
            return QString::fromUtf8(file.readAll());
    }
    QFile file(QStringLiteral(":/content/%1").arg(relativePath));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace InterfaceLanguage

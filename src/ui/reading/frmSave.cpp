// SPDX-License-Identifier: MIT
#include "frmSave.h"

#include "Identity.h"
#include "ReportDocument.h"
#include "files/SavedReading.h"
#include "ui/kit/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/kit/Messages.h"
#include "ui/kit/Printing.h"
#include "ui/kit/SaveFlow.h"
#include "ui/outreach/Branding.h"
#include "weton/CurrentReading.h"
#include "weton/Text.h"
#include "weton/WetonResult.h"

#include <QPushButton>
#include <QStringList>
#include <QStringView>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// Nothing of the report may be copied or dragged out, yet the system clipboard belongs to the user:
// the box shows the text and scrolls, but offers no selection, no context menu and no drag.
QTextEdit *reportBox(QWidget *parent, const char *name, const QRect &place)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setUndoRedoEnabled(false);
    box->setFont(Look::verdana(9.75));
    // The report's colours were chosen for a white page.
    Controls::setInputColours(box, Look::Black, Look::White);
    return box;
}

// The characters of the name that a saved reading cannot hold, each once, as the user would name
// them: whole characters (also those beyond the 16-bit range), invisible ones by their code.
QStringList unstorableShown(const QString &name)
{
    QStringList shown;
    for (char32_t code : QStringView(name).toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (SavedReading::unstorableCharacters(character).isEmpty())
            continue;
        const QString text = QChar::isPrint(code)
                                 ? character
                                 : QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
        if (!shown.contains(text))
            shown.append(text);
    }
    return shown;
}

QString withoutUnstorable(const QString &name)
{
    QString kept = name;
    for (QChar character : SavedReading::unstorableCharacters(name))
        kept.remove(character);
    return kept;
}

}  // namespace

frmSave::frmSave(const Services &services, const CurrentReading &reading, const WetonResult &result)
    : FormDialog(Identity::VersionCaption, 6540, 4695, Look::PaleYellow), m_services(services), m_reading(reading)
{
    setObjectName(QStringLiteral("frmSave"));
    buildLinks();
    buildReportBoxes();
    buildButtons();
    buildBranding();
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, RTB);
    Form_Load(result);
    cmdSave->setFocus();
}

void frmSave::buildLinks()
{
    const Controls::Text look{Look::verdana(8.25), Look::Green, Qt::AlignHCenter | Qt::AlignTop, false};
    Label14 = Branding::addForumLink(client(), "Label14", Branding::ForumShortCaption(), Look::rect(1155, 0, 4230, 195),
                                     look, m_services.browser);
    Label1 = Branding::addForumLink(client(), "Label1", Branding::VisitCaption(), Look::rect(1275, 180, 3990, 195),
                                    look, m_services.browser);
}

void frmSave::buildReportBoxes()
{
    RTB = reportBox(client(), "RTB", Look::rect(20, 390, 6500, 3000));
    // The print copies are kept but never read on screen: the box lies hidden under the report.
    RTB1 = reportBox(client(), "RTB1", Look::rect(30, 390, 6495, 3000));
    RTB1->setFocusPolicy(Qt::NoFocus);
    RTB1->stackUnder(RTB);
    RTB1->hide();
}

void frmSave::buildButtons()
{
    cmdSave =
        Controls::button(client(), "cmdSave", tr("&Save"), Look::rect(4200, 3450, 1125, 345), Look::verdana(8.25));
    cmdPrint =
        Controls::button(client(), "cmdPrint", tr("&Print"), Look::rect(5405, 3450, 1125, 345), Look::verdana(8.25));
    // No default button: Return presses the focused button only, as in every window.
    cmdSave->setAutoDefault(false);
    cmdPrint->setAutoDefault(false);
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
}

void frmSave::buildBranding()
{
    const Branding::OfferFrame built =
        Branding::addOfferFrame(client(), Look::rect(20, 3840, 6500, 855), 6105, m_services.browser);
    fraFullBrand = built.fraFullBrand;
    lblFullBrand = built.offers.lblFullBrand;
    lblCobrand = built.offers.lblCobrand;
}

void frmSave::Form_Load(const WetonResult &result)
{
    RTB->clear();
    QTextCursor cursor(RTB->document());
    ReportDocument::compose(cursor, m_reading, result);
    // The box's own caret was carried along to the end; at the top, the report opens at its beginning.
    RTB->moveCursor(QTextCursor::Start);
}

void frmSave::cmdPrint_Click()
{
    appendPrintCopy();
    Printing::print(m_services.printer, m_services.messages, *RTB->document(), platform::PageOrientation::Portrait);
}

void frmSave::appendPrintCopy()
{
    QTextCursor cursor(RTB1->document());
    cursor.movePosition(QTextCursor::End);
    // Each copy starts on a line of its own, so one copy's footer does not run into the next header.
    if (!RTB1->document()->isEmpty())
        cursor.insertText(QStringLiteral("\r\n"));
    cursor.insertText(ReportDocument::printCopy(RTB->toPlainText()));
}

void frmSave::cmdSave_Click()
{
    if (!mayLeaveOut(m_reading.PersonName))
        return;
    const QString path =
        SaveFlow::choosePath({m_services.messages, m_services.fileDialogs},
                             {Identity::ApplicationTitle, SavedReading::FileFilter}, SavedReading::Extension);
    if (!path.isEmpty())
        SaveFlow::write(m_services.messages, path, SavedReading::compose(m_reading), SaveTarget::Content::Reading);
}

// A saved reading holds only the characters of the Western code page that its scrambling can shift;
// the user decides whether the name may be stored without the others.
bool frmSave::mayLeaveOut(const QString &name)
{
    const QStringList left = unstorableShown(name);
    if (left.isEmpty())
        return true;
    if (Text::trimSpaces(withoutUnstorable(name)).isEmpty()) {
        Messages::show(m_services.messages,
                       tr("The reading cannot be saved: none of the characters of the name can be "
                          "kept in a saved reading."),
                       platform::MessageIcon::Critical);
        return false;
    }
    const QString question = tr("These characters of the name cannot be kept in a saved reading and "
                                "will be left out of the file: %1\n\nSave the reading without them?")
                                 .arg(left.join(QLatin1Char(' ')));
    return Messages::show(m_services.messages, question, platform::MessageIcon::Information,
                          platform::MessageButtons::YesNo)
           == platform::MessageAnswer::Yes;
}

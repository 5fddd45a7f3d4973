// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"
#include "ui/kit/FormDialog.h"

class LinkCaption;
class QGroupBox;
class QPushButton;
class QTextEdit;
struct CurrentReading;
struct WetonResult;

// The report window: the reading as one formatted document, printed or saved from here. Opened modal
// over the result window and composed afresh each time it opens; Esc closes it.
class frmSave final : public FormDialog
{
    Q_OBJECT
public:
    struct Services
    {
        platform::MessageBoxes &messages;
        platform::FileDialogs &fileDialogs;
        platform::Printer &printer;
        platform::Browser &browser;
    };

    // The report is composed of the reading and its outcome; Save writes the reading.
    frmSave(const Services &services, const CurrentReading &reading, const WetonResult &result);

private:
    void buildLinks();
    void buildReportBoxes();
    void buildButtons();
    void buildBranding();
    void Form_Load(const WetonResult &result);

    void cmdPrint_Click();
    void cmdSave_Click();
    void appendPrintCopy();
    bool mayLeaveOut(const QString &name);

    const Services m_services;
    const CurrentReading &m_reading;

    LinkCaption *Label14 = nullptr;
    LinkCaption *Label1 = nullptr;
    QTextEdit *RTB = nullptr;   // the report the user reads and prints
    QTextEdit *RTB1 = nullptr;  // never shown: one plain print copy per Print press
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    QGroupBox *fraFullBrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;
    LinkCaption *lblCobrand = nullptr;
};

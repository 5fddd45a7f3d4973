// SPDX-License-Identifier: MIT
#pragma once

#include "ui/kit/FormDialog.h"

class LinkCaption;
class QGroupBox;
class QPushButton;
class QTextEdit;
class WindowSet;

// The report window: the reading as one formatted document, printed or saved from here. Opened modal
// over the result window and composed afresh each time it opens; Esc closes it.
class frmSave final : public FormDialog
{
    Q_OBJECT
public:
    explicit frmSave(WindowSet &set);

    LinkCaption *Label14 = nullptr;
    LinkCaption *Label1 = nullptr;
    QTextEdit *RTB = nullptr;   // the report the user reads and prints
    QTextEdit *RTB1 = nullptr;  // never shown: one plain print copy per Print press
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    QGroupBox *fraFullBrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;
    LinkCaption *lblCobrand = nullptr;

private:
    void buildLinks();
    void buildReportBoxes();
    void buildButtons();
    void buildBranding();
    void Form_Load();

    void cmdPrint_Click();
    void cmdSave_Click();
    QString chooseSavePath();
    void appendPrintCopy();
    bool mayLeaveOut(const QString &name);

    WindowSet &m_set;
};

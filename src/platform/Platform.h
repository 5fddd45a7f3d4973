// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <functional>

class QTextDocument;

// Everything the program asks of the system goes through these small interfaces: thin Qt
// implementations for the program (platform/qt), fakes for the tests, so every window's logic runs
// headless and no modal box ever blocks a test.
namespace platform {

enum class MessageIcon { Information, Critical };
// Yes is the default button of a Yes/No box; a question whose Yes replaces something makes No the
// default, so a hurried Return keeps what is there.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
// None: the box went without an answer, because the run ended while it was open.
enum class MessageAnswer { Ok, Yes, No, None };

struct Message
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message &message) = 0;  // modal; returns the answer
};

struct FileDialogRequest
{
    QString title;
    QString filter;  // Qt filter syntax, e.g. "Wetonara (*.jav)"
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The desktop's own dialogs. Both return the chosen path, or an empty text when the user cancels. The
    // open dialog accepts only existing files. The save dialog returns the name as typed, adding no
    // extension and asking nothing about an existing file: the program names and asks about the file it
    // will really write.
    virtual QString openFileName(const FileDialogRequest &request) = 0;
    virtual QString saveFileName(const FileDialogRequest &request) = 0;
};

class Browser
{
public:
    virtual ~Browser() = default;
    // Hands the address to the user's browser and returns at once; whether it started is not reported.
    virtual void open(const QString &address) = 0;
};

enum class PrintOutcome { Printed, NoPrinter, Failed };
enum class PageOrientation { Portrait, Landscape };

class Printer
{
public:
    virtual ~Printer() = default;
    // Prints the whole document on the default printer as one job, with no dialog, on pages turned as
    // asked.
    virtual PrintOutcome print(const QTextDocument &document, PageOrientation orientation) = 0;
};

class SettingsArea
{
public:
    virtual ~SettingsArea() = default;
    // The per-user store of the program. An absent key, or a store that cannot be read, gives the
    // empty text; a write that cannot be stored is lost silently.
    virtual QString read(const QString &section, const QString &key) = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
};

class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this is the only running copy in the user's session (held until the process ends).
    virtual bool acquire() = 0;
};

class HandOver
{
public:
    // The running copy's side. `ready` is asked when a file is offered: true promises that the file will
    // be shown, and is the answer the later copy hears. `take` receives the file once the later copy has
    // heard that answer; it must return at once and show the file later.
    struct Receiver
    {
        std::function<bool()> ready;
        std::function<void(const QString &path)> take;
    };

    virtual ~HandOver() = default;
    // In a copy that is not the first: offers the file to the running copy and waits a few seconds for
    // its answer. True only when the running copy took the file and knows that this copy heard so; false
    // when it refused, did not answer in time, is not there or is not this user's.
    virtual bool offer(const QString &path) = 0;
    // In the running copy, once the single-instance lock is ours: from now on files offered by later
    // copies go to the receiver.
    virtual void listen(Receiver receiver) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual qint64 msecsSinceEpoch() const = 0;  // for seeding the random numbers
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 seed) = 0;
    virtual double next() = 0;  // in [0, 1)
};

class Process
{
public:
    virtual ~Process() = default;
    // Ends the run with the status: the event loop stops and main returns it.
    virtual void exit(int status) = 0;
};

struct Platform
{
    MessageBoxes &messages;
    FileDialogs &fileDialogs;
    Browser &browser;
    Printer &printer;
    SettingsArea &settings;
    InstanceLock &instanceLock;
    Clock &clock;
    RandomSource &random;
    Process &process;
    HandOver &handOver;
};

}  // namespace platform

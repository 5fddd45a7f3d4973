// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>

// Fakes of every platform service: they record what the program asked and answer as a test scripted.
namespace fakes {

class FakeMessageBoxes final : public platform::MessageBoxes
{
public:
    platform::MessageAnswer show(const platform::Message &message) override;

    QList<platform::Message> shown;
    // Answers for Yes/No boxes, used in order; when they run out the answer is No.
    QList<platform::MessageAnswer> answers;
    // Called while a box is "open", for tests that look at the windows at that moment.
    std::function<void(const platform::Message &)> onShow;

    QStringList texts() const;
};

class FakeFileDialogs final : public platform::FileDialogs
{
public:
    QString openFileName(const platform::FileDialogRequest &request) override;
    QString saveFileName(const platform::FileDialogRequest &request) override;

    QString nextOpenName;  // empty: the user cancels
    QString nextSaveName;
    QList<platform::FileDialogRequest> openRequests;
    QList<platform::FileDialogRequest> saveRequests;
};

class FakeBrowser final : public platform::Browser
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};

class FakePrinter final : public platform::Printer
{
public:
    platform::PrintOutcome print(const QTextDocument &document, platform::PageOrientation orientation) override;

    platform::PrintOutcome outcome = platform::PrintOutcome::Printed;
    QList<platform::PageOrientation> orientations;
    QStringList printedPlainTexts;
    QStringList printedHtml;
};

class FakeSettings final : public platform::SettingsArea
{
public:
    QString read(const QString &section, const QString &key) override;
    void write(const QString &section, const QString &key, const QString &value) override;

    QMap<QString, QString> values;  // "section/key" -> value
    int reads = 0;
    int writes = 0;
};

class FakeInstanceLock final : public platform::InstanceLock
{
public:
    bool acquire() override
    {
        ++attempts;
        return free;
    }
    bool free = true;
    int attempts = 0;
};

class FakeHandOver final : public platform::HandOver
{
public:
    bool offer(const QString &path) override
    {
        offered.append(path);
        return taken;
    }
    void listen(Receiver receiver) override { this->receiver = std::move(receiver); }
    // A later copy's offer reaching the program, as the real hand-over delivers it.
    bool deliver(const QString &path) const
    {
        const bool ready = receiver.ready();
        if (ready)
            receiver.take(path);
        return ready;
    }

    bool taken = true;  // what the running copy answers
    QStringList offered;
    Receiver receiver;  // set once the program listens
};

class FakeClock final : public platform::Clock
{
public:
    QDate today() const override { return date; }
    qint64 msecsSinceEpoch() const override { return msecs; }
    QDate date{2026, 12, 8};
    qint64 msecs = 1'700'000'000'000;
};

class FakeRandom final : public platform::RandomSource
{
public:
    void seed(quint64 seed) override { seeds.append(seed); }
    double next() override;

    QList<double> values;  // returned in order; 0.5 when they run out
    QList<quint64> seeds;
    int draws = 0;
};

class FakeProcess final : public platform::Process
{
public:
    void exit(int status) override { exits.append(status); }
    QList<int> exits;
};

class FakePlatform
{
public:
    platform::Platform &platform() { return m_platform; }
    // The same fakes around another printer (the system's, for the tests that print on paper).
    platform::Platform withPrinter(platform::Printer &other)
    {
        return {messages, fileDialogs, browser, other, settings, instanceLock, clock, random, process, handOver};
    }

    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeBrowser browser;
    FakePrinter printer;
    FakeSettings settings;
    FakeInstanceLock instanceLock;
    FakeHandOver handOver;
    FakeClock clock;
    FakeRandom random;
    FakeProcess process;

private:
    platform::Platform m_platform{messages,     fileDialogs, browser, printer, settings,
                                  instanceLock, clock,       random,  process, handOver};
};

}  // namespace fakes

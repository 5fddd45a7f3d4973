// SPDX-License-Identifier: MIT
#include "FileChooser.h"

#include "ChosenPath.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace platform {
namespace {

// For this run only: where the user last opened or saved a file.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

// "Wetonara (*.jav)" lists its patterns in brackets; a filter without brackets is one pattern list.
QStringList patternsOf(const QString &filter)
{
    static const QRegularExpression bracketed(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = bracketed.match(filter);
    return (match.hasMatch() ? match.captured(1) : filter).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace

FileChooser::FileChooser(const FileDialogRequest &request, bool saving, QWidget *parent)
    : QDialog(parent), m_saving(saving), m_defaultSuffix(request.defaultSuffix)
{
    setWindowTitle(request.title);
    buildControls(request.filter);
    const QString start =
        lastFolder().isEmpty() || !QFileInfo(lastFolder()).isDir() ? QDir::currentPath() : lastFolder();
    showFolder(start);
    m_nameBox->setFocus();
}

void FileChooser::buildControls(const QString &filter)
{
    m_model = new QFileSystemModel(this);
    m_model->setReadOnly(true);
    // The style's folder and file pictures, so folders stand out even on a desktop without an icon
    // theme. The provider outlives every chooser.
    static QFileIconProvider icons;
    m_model->setIconProvider(&icons);
    m_model->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setNameFilters(patternsOf(filter));
    m_model->setNameFilterDisables(false);  // hide other files rather than grey them
    m_folderBox = new QLineEdit(this);
    auto *up = new QPushButton(tr("&Up"), this);
    m_list = new QListView(this);
    m_list->setModel(m_model);
    m_list->setAccessibleName(tr("Files"));
    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("fileName"));
    auto *buttons = new QDialogButtonBox(m_saving ? QDialogButtonBox::Save : QDialogButtonBox::Open, this);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto *grid = new QGridLayout(this);
    const auto caption = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    grid->addWidget(caption(tr("&Look in:"), m_folderBox), 0, 0);
    grid->addWidget(m_folderBox, 0, 1);
    grid->addWidget(up, 0, 2);
    grid->addWidget(m_list, 1, 0, 1, 3);
    grid->addWidget(caption(tr("File &name:"), m_nameBox), 2, 0);
    grid->addWidget(m_nameBox, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Files of type:"), this), 3, 0);
    grid->addWidget(new QLabel(filter, this), 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);
    resize(560, 400);
    connect(up, &QPushButton::clicked, this, [this] { showFolder(QFileInfo(m_folder).path()); });
    connect(m_folderBox, &QLineEdit::returnPressed, this, [this] { showFolder(m_folderBox->text()); });
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (!m_model->isDir(index))
            m_nameBox->setText(m_model->fileName(index));
    });
    connect(m_list, &QListView::activated, this, &FileChooser::activated);
    connect(buttons, &QDialogButtonBox::accepted, this, &FileChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FileChooser::reject);
}

void FileChooser::showFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return;
    m_folder = QDir::cleanPath(QDir(folder).absolutePath());
    m_folderBox->setText(QDir::toNativeSeparators(m_folder));
    m_model->setRootPath(m_folder);
    m_list->setRootIndex(m_model->index(m_folder));
}

void FileChooser::activated(const QModelIndex &index)
{
    if (m_model->isDir(index)) {
        showFolder(m_model->filePath(index));
        return;
    }
    m_nameBox->setText(m_model->fileName(index));
    accept();
}

void FileChooser::accept()
{
    const ChosenPath chosen = choosePath(m_folder, m_nameBox->text(), m_saving, m_defaultSuffix);
    const QString shown = QDir::toNativeSeparators(chosen.path);
    switch (chosen.kind) {
    case ChosenPath::Kind::Nothing: return;
    case ChosenPath::Kind::Folder:
        showFolder(chosen.path);
        m_nameBox->clear();
        return;
    case ChosenPath::Kind::Missing:
        QMessageBox::warning(this, windowTitle(),
                             m_saving ? tr("%1\nThe folder does not exist. Please choose another folder.").arg(shown)
                                      : tr("%1\nThe file does not exist. Please check the name.").arg(shown));
        return;
    case ChosenPath::Kind::Existing:
        if (!mayReplace(shown))
            return;
        break;
    case ChosenPath::Kind::File: break;
    }
    m_chosen = chosen.path;
    lastFolder() = QFileInfo(chosen.path).path();
    QDialog::accept();
}

bool FileChooser::mayReplace(const QString &path)
{
    return QMessageBox::question(this, windowTitle(), tr("%1 already exists.\nDo you want to replace it?").arg(path),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

}  // namespace platform

// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QListView;
class QModelIndex;

namespace platform {

// The program's own open and save dialog. Qt's file dialog stores the folders a user visited in a
// settings file it shares with every Qt program of the user, each time a dialog object is destroyed,
// and offers no way to turn that off; this one stores nothing. It remembers the last folder for the
// rest of the run only.
class FileChooser final : public QDialog
{
    Q_OBJECT
public:
    FileChooser(const FileDialogRequest &request, bool saving, QWidget *parent);

    QString chosenPath() const { return m_chosen; }
    void accept() override;

private:
    void buildControls(const QString &filter);
    void showFolder(const QString &folder);
    void activated(const QModelIndex &index);
    bool mayReplace(const QString &path);

    bool m_saving;
    QString m_defaultSuffix;
    QString m_folder;
    QString m_chosen;
    QFileSystemModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QLineEdit *m_folderBox = nullptr;
    QLineEdit *m_nameBox = nullptr;
};

}  // namespace platform

#include "shell/save_dialog.h"

#include "shell/browser_download.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace strs {

QString SaveStartFolder(const QString& programFolder, QStandardPaths::StandardLocation usersFolder) {
    // The browser's files are downloads: the page's own memory has only the empty home.
    if (SavedFilesAreDownloads())
        return QDir::homePath();
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    const QString users = QStandardPaths::writableLocation(usersFolder);
    return !users.isEmpty() && QFileInfo(users).isDir() ? users : QDir::homePath();
}

void ConfigureSavePictureDialog(QFileDialog& dialog) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(PictureFilters());
    dialog.selectNameFilter(PictureFilters().first());
    dialog.setDefaultSuffix(QString());
    dialog.setDirectory(SaveStartFolder(QCoreApplication::applicationDirPath(), QStandardPaths::PicturesLocation));
    // The Save command asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
}

PictureType SelectedPictureType(const QFileDialog& dialog) {
    const qsizetype position = PictureFilters().indexOf(dialog.selectedNameFilter());
    return PictureTypeFromFilterIndex(int(position) + 1);
}

}  // namespace strs

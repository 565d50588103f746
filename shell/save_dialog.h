#pragma once
// The file dialogs of saving: where they first open, and the reused picture dialog.

#include "shell/picture_types.h"

#include <QStandardPaths>
#include <QString>

class QFileDialog;

namespace strs {

// Where a save dialog first opens: the program's folder where files can be written
// there, otherwise the user's folder of that kind (pictures, documents), else the home
// folder. An installed program's folder (/usr/bin) is not writable.
QString SaveStartFolder(const QString& programFolder, QStandardPaths::StandardLocation usersFolder);

// Sets up the reused save dialog: save mode, the file types with the first one
// selected, no default suffix, the start folder for pictures, no overwrite question of
// its own.
void ConfigureSavePictureDialog(QFileDialog& dialog);

// The file type chosen in a dialog set up by ConfigureSavePictureDialog.
PictureType SelectedPictureType(const QFileDialog& dialog);

}  // namespace strs

#include "shell/browser_download.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#endif

namespace strs {

#ifdef Q_OS_WASM
bool SavedFilesAreDownloads() { return true; }

void HandSavedFileToUser(const QString& fullName) {
    QFile file(fullName);
    if (!file.open(QIODevice::ReadOnly))
        return;  // just written: only a file system that lost it would get here
    const QByteArray content = file.readAll();
    file.close();
    file.remove();  // the next save of the same name asks no question about replacing it
    QFileDialog::saveFileContent(content, QFileInfo(fullName).fileName());
}
#else
bool SavedFilesAreDownloads() { return false; }

void HandSavedFileToUser(const QString&) {}
#endif

}  // namespace strs

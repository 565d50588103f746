#include "shell/file_saving.h"

#include "shell/browser_download.h"
#include "shell/error_guard.h"
#include "shell/file_writing.h"
#include "shell/name_dialog.h"
#include "shell/save_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace strs {

FileSaver::FileSaver(QObject* owner) : QObject(owner) {}

void FileSaver::setOverwriteQuestion(OverwriteQuestion question) {
    question_ = question ? std::move(question) : AskInMessageBox;
}

std::optional<CompletedName> FileSaver::AskWithDialog(QWidget* parent, const SaveRequest& request,
                                                      const QString& folder) {
    QStringList filters;
    for (const FileType& type : request.types)
        filters << type.filter;
    QFileDialog dialog(parent, request.title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // The question is asked about the name written, extension completed, not as typed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (QFileInfo(folder).isDir())
        dialog.selectFile(request.suggestedName);
    else
        dialog.selectFile(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return CompletedName{dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<QString> FileSaver::save(QWidget* parent, const SaveRequest& request, const Content& content) {
    if (SavedFilesAreDownloads())
        return offerToBrowser(parent, request, content);
    if (folder_.isEmpty())
        folder_ = SaveStartFolder(QCoreApplication::applicationDirPath(), request.folderKind);
    // A "No" to replacing a file, or a write that failed once its box is closed, brings the
    // dialog back with the name; a cancel ends the command without a file, and so does a
    // document that cannot be made (its error goes to the command's guard).
    while (true) {
        const std::optional<CompletedName> chosen =
            chooser_ ? chooser_(request, folder_) : AskWithDialog(parent, request, folder_);
        if (!chosen || chosen->name.isEmpty())
            return std::nullopt;
        const CompletedName file = CompleteName(chosen->name, request.types, chosen->type);
        folder_ = file.name;
        if (!SavedFilesAreDownloads() && !MayWriteOver(parent, file.name, question_))
            continue;
        const std::optional<QByteArray> bytes = content(file.type);
        if (!bytes)
            return std::nullopt;
        bool saved = false;
        RunGuarded(parent, [&] {
            WriteFile(*bytes, file.name, space_);
            saved = true;
        });
        if (saved) {
            folder_ = QFileInfo(file.name).absolutePath();
            return file.name;
        }
    }
}

std::optional<QString> FileSaver::offerToBrowser(QWidget* parent, const SaveRequest& request, const Content& content) {
    const std::optional<CompletedName> chosen =
        chooser_ ? chooser_(request, QString()) : AskNameAndType(parent, request.title, request.types, request.suggestedName);
    if (!chosen || chosen->name.isEmpty())
        return std::nullopt;
    const CompletedName file = CompleteName(chosen->name, request.types, chosen->type);
    std::optional<QString> saved;
    RunGuarded(parent, [&] {
        const std::optional<QByteArray> bytes = content(file.type);
        if (bytes && OfferToBrowser(*bytes, file.name))
            saved = file.name;
    });
    return saved;
}

}  // namespace strs

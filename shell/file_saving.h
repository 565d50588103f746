#pragma once
// Saving a document the program makes (a session, a report, a table of answers) under a
// name the user chooses: the file types offered, the name completed with the chosen
// type's extension unless it already ends in an offered type's, a question before an
// existing file of that name is replaced, the file written whole, and after a failure
// its error box and the dialog again with the name. In the browser the window asks only for
// the name and the type, and the browser saves the document in its own way
// (browser_download.h).

#include "core/atomic_file.h"
#include "shell/file_types.h"
#include "shell/overwrite_question.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace strs {

struct SaveRequest {
    QString title;          // the dialog's caption
    QList<FileType> types;  // the first is selected at first
    QString suggestedName;  // a file name without a folder, its extension left out
    QStandardPaths::StandardLocation folderKind = QStandardPaths::DocumentsLocation;
};

class FileSaver : public QObject {
    Q_OBJECT
public:
    // The document in the type of that index, made when the name is known; nothing when
    // the user cancelled its making (nothing is written then). A failure is thrown as a
    // strs::Error.
    using Content = std::function<std::optional<QByteArray>(int type)>;
    // Asks for a name: the name and the index of the type selected; nothing on cancel.
    using NameChooser = std::function<std::optional<CompletedName>(const SaveRequest& request, const QString& folder)>;

    explicit FileSaver(QObject* owner);

    // Asks, makes and writes the document, its dialogs and boxes over parent; the name
    // written, nothing when cancelled.
    std::optional<QString> save(QWidget* parent, const SaveRequest& request, const Content& content);

    // Seams for tests: nullptr restores the file dialog and the Yes/No box.
    void setNameChooser(NameChooser chooser) { chooser_ = std::move(chooser); }
    void setOverwriteQuestion(OverwriteQuestion question);
    void setDiskSpace(DiskSpace space) { space_ = space; }

private:
    static std::optional<CompletedName> AskWithDialog(QWidget* parent, const SaveRequest& request,
                                                      const QString& folder);
    // In the browser: the name and type asked in the window, the document handed to the
    // browser.
    std::optional<QString> offerToBrowser(QWidget* parent, const SaveRequest& request, const Content& content);

    NameChooser chooser_;
    OverwriteQuestion question_ = AskInMessageBox;
    DiskSpace space_;
    QString folder_;  // where the next dialog opens: the last folder used, or a name in it
};

}  // namespace strs

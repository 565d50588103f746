#include "shell/picture_file.h"

#include "core/errors.h"
#include "core/file_failure.h"
#include "shell/browser_download.h"
#include "shell/chart_svg.h"
#include "shell/chart_widget.h"
#include "shell/jpeg_codec.h"
#include "shell/translations.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMessageBox>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <optional>

#include <utility>

namespace strs {

namespace {

// The dialog's filters in the order of their indexes.
QStringList PictureFilters() {
    return {QStringLiteral("JPEG Image File (*.jpg)"), QStringLiteral("JPEG Image File (*.jpeg)"),
            QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("PNG Image File (*.png)"),
            QStringLiteral("SVG Drawing (*.svg)")};
}

OverwriteQuestion& InstalledQuestion() {
    static OverwriteQuestion question;
    return question;
}

bool AskWithMessageBox(QWidget* parent, const QString& fullName) {
    return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(),
                                 OverwriteQuestionText(fullName), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

// The window's language, whatever the locale's number format.
MessageLanguage UserLanguage() {
    return InstalledLanguage() == UiLanguage::Russian ? MessageLanguage::Russian : MessageLanguage::English;
}

// A device, pipe or socket (through a link, too): something a file must never replace.
bool IsSpecialFile(const QFileInfo& info) { return info.exists() && !info.isFile() && !info.isDir(); }

// The one place that turns a failed write into its message: the file's name and the
// cause in the user's language, read from the error number and what the file system
// shows now; a cause without a text of ours keeps the system's own words.
[[noreturn]] void ThrowCannotCreate(const QString& fullName, int systemError, const QString& systemText) {
    const QFileInfo name(fullName);
    // A write goes through a link to what it names, so that is what the facts are about.
    const QFileInfo target = name.isSymLink() ? QFileInfo(name.symLinkTarget()) : name;
    const FileFacts facts{target.absoluteDir().exists(), target.isDir(), IsSpecialFile(target), name.isSymLink()};
    QString reason = QString::fromStdString(FileFailureText(ClassifyFileFailure(systemError, facts), UserLanguage()));
    if (reason.contains(u"%1"))
        reason = reason.arg(QDir::toNativeSeparators(target.absolutePath()));
    throw FileCreateError(QDir::toNativeSeparators(fullName).toStdString(),
                          (reason.isEmpty() ? systemText : reason).toStdString());
}

// The system's text for a failed write: a short write (a full disk, a file size limit)
// leaves the reason in errno but not always in the device's error text.
QString WriteFailureReason(const QSaveFile& file, int systemError) {
    return systemError != 0 ? qt_error_string(systemError) : file.errorString();
}

qint64& SpaceLimit() {
    static qint64 limit = -1;
    return limit;
}

// Writes and flushes all of data, or, under a test's space limit, as much as fits, with
// errno telling why the rest was refused.
bool WriteWhole(QSaveFile& file, const QByteArray& data) {
    const qint64 limit = SpaceLimit();
    if (limit >= 0 && data.size() > limit) {
        file.write(data.constData(), limit);
        file.flush();
        errno = ENOSPC;
        return false;
    }
    return file.write(data) == data.size() && file.flush();
}

// BMP or PNG through Qt's own writers; a 32-bit picture without alpha is written as a
// 24-bit bitmap.
QByteArray EncodeWithQt(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, format))
        return {};
    return data;
}

QByteArray EncodePicture(const QImage& image, PictureType type) {
    switch (type) {
    case PictureType::Bmp:
        return EncodeWithQt(image, "BMP");
    case PictureType::Png:
    case PictureType::Svg:
        return EncodeWithQt(image, "PNG");
    case PictureType::Jpg:
    case PictureType::Jpeg:
        break;
    }
    return EncodeJpeg(image);
}

// The type whose extension the name ends with, in any case.
std::optional<PictureType> TypeNamedBy(const QString& fileName) {
    for (PictureType type :
         {PictureType::Jpeg, PictureType::Jpg, PictureType::Bmp, PictureType::Png, PictureType::Svg}) {
        if (fileName.endsWith(PictureExtension(type), Qt::CaseInsensitive))
            return type;
    }
    return std::nullopt;
}

}  // namespace

PictureFileName PictureFileFor(const QString& chosenName, PictureType selected) {
    if (const std::optional<PictureType> named = TypeNamedBy(chosenName))
        return {chosenName, *named};
    return {NameWithExtension(chosenName, selected), selected};
}

QString OverwriteQuestionText(const QString& shownName) {
    return QCoreApplication::translate("strs::PictureFile", "Файл %1 уже существует. Заменить?")
        .arg(shownName);
}

QString PictureExtension(PictureType type) {
    switch (type) {
    case PictureType::Jpg:
        return QStringLiteral(".jpg");
    case PictureType::Jpeg:
        return QStringLiteral(".jpeg");
    case PictureType::Bmp:
        return QStringLiteral(".bmp");
    case PictureType::Png:
        return QStringLiteral(".png");
    case PictureType::Svg:
        return QStringLiteral(".svg");
    }
    return QStringLiteral(".jpg");
}

QString NameWithExtension(const QString& name, PictureType type) {
    const QString extension = PictureExtension(type);
    if (name.endsWith(extension, Qt::CaseInsensitive))
        return name;
    return name + extension;
}

PictureType PictureTypeFromFileName(const QString& fileName) {
    if (const std::optional<PictureType> type = TypeNamedBy(fileName))
        return *type;
    throw Error("Unknown picture type of \"" + QDir::toNativeSeparators(fileName).toStdString()
                + "\"; use .jpg, .jpeg, .bmp, .png or .svg");
}

PictureType PictureTypeFromFilterIndex(int index) {
    switch (index) {
    case 2:
        return PictureType::Jpeg;
    case 3:
        return PictureType::Bmp;
    case 4:
        return PictureType::Png;
    case 5:
        return PictureType::Svg;
    default:
        return PictureType::Jpg;
    }
}

void WritePicture(const QImage& image, const QString& fullName, PictureType type) {
    const QByteArray data = EncodePicture(image, type);
    if (data.isEmpty())
        ThrowCannotCreate(fullName, 0, QStringLiteral("The picture could not be encoded"));
    WriteFileAtomically(data, fullName);
}

void WriteChartPicture(const ChartWidget& chart, const QString& fullName, PictureType type) {
    if (type != PictureType::Svg) {
        WritePicture(chart.renderImage(), fullName, type);
        return;
    }
    const QByteArray data = ChartSvg(chart);
    if (data.isEmpty())
        ThrowCannotCreate(fullName, 0, QStringLiteral("The drawing could not be made"));
    WriteFileAtomically(data, fullName);
}

void WriteFileAtomically(const QByteArray& data, const QString& fullName) {
    // QSaveFile writes beside the target and renames over it only on commit, so the
    // target is either the complete new picture or whatever it was before.
    // QSaveFile would put a regular file in place of a device or pipe; those are refused.
    if (IsSpecialFile(QFileInfo(fullName)))
        ThrowCannotCreate(fullName, 0, {});
    QSaveFile file(fullName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotCreate(fullName, errno, file.errorString());
    // A failed flush of the last buffered bytes does not always make commit() fail, so
    // it is checked here, before the temporary file can replace the target.
    errno = 0;
    if (!WriteWhole(file, data)) {
        const int systemError = errno;
        const QString systemText = WriteFailureReason(file, systemError);
        file.cancelWriting();
        ThrowCannotCreate(fullName, systemError, systemText);
    }
    errno = 0;
    if (!file.commit())
        ThrowCannotCreate(fullName, errno, file.errorString());
}

void SetPictureFileSpaceLimit(qint64 bytes) { SpaceLimit() = bytes; }

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

void SetOverwriteQuestion(OverwriteQuestion question) { InstalledQuestion() = std::move(question); }

std::optional<QString> SaveChartPicture(QWidget* parent, const ChartWidget& chart, const QString& chosenName,
                                        PictureType type) {
    const auto [fullName, chosenType] = PictureFileFor(chosenName, type);
    const QFileInfo target(fullName);
    if (target.isFile()) {  // a folder or a device fails in the write, without a question
        const QString shownName = QDir::toNativeSeparators(fullName);
        const OverwriteQuestion& question = InstalledQuestion();
        const bool replace = question ? question(parent, shownName) : AskWithMessageBox(parent, shownName);
        if (!replace)
            return std::nullopt;
    }
    WriteChartPicture(chart, fullName, chosenType);
    return fullName;
}

}  // namespace strs

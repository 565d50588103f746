// Saving a chart's picture: names, file types, the replace question and failed writes.

#include "core/errors.h"
#include "shell/chart_preview.h"
#include "shell/chart_widget.h"
#include "shell/colours.h"
#include "shell/jpeg_codec.h"
#include "shell/picture_file.h"
#include "shell/save_dialog.h"
#include "shell/save_dialog_preview.h"
#include "shell/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLibraryInfo>
#include <QListView>
#include <QLocale>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <csignal>
#endif

using strs::PictureType;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

// Names in a folder, so that a leftover temporary file would show (pipes, devices and
// broken links too).
QStringList FolderContents(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

// A chart like the upper chart of the first page after a run.
std::unique_ptr<strs::ChartWidget> MakeChart() {
    auto chart = std::make_unique<strs::ChartWidget>();
    chart->resize(409, 209);
    chart->setTitleLines({QStringLiteral("Случайная величина")});
    strs::ChartSeries* s =
        chart->addSeries(QStringLiteral("Series11"), strs::ChartSeries::Kind::Line, strs::clRed);
    for (int i = 0; i < 200; ++i)
        s->appendValue(std::sin(i * 0.1) * 3, strs::clRed);
    return chart;
}

// How a test makes file writes beyond 1000 bytes fail while the fault lives.
enum class WriteFault {
    FullDisk,       // a small disk passed to the saving code, on every system
    FileSizeLimit,  // the process's file size limit (POSIX): the system itself refuses
};

class InjectedWriteFault {
public:
    explicit InjectedWriteFault(WriteFault kind) : kind_(kind) {
        if (kind_ == WriteFault::FullDisk) {
            active_ = true;
            return;
        }
#ifdef Q_OS_UNIX
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = kLimit;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
#endif
    }
    ~InjectedWriteFault() {
        if (kind_ == WriteFault::FullDisk)
            return;
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
#endif
    }
    InjectedWriteFault(const InjectedWriteFault&) = delete;
    InjectedWriteFault& operator=(const InjectedWriteFault&) = delete;

    bool active() const { return active_; }
    // The disk the write is to be given.
    strs::DiskSpace space() const {
        return kind_ == WriteFault::FullDisk ? strs::DiskSpace{kLimit} : strs::DiskSpace{};
    }
    // The system's reason the error message must quote.
    QString reason() const {
        return kind_ == WriteFault::FullDisk ? QStringLiteral("На диске не хватает места.")
                                             : QStringLiteral("Файл больше, чем разрешено записывать.");
    }

private:
    static constexpr int kLimit = 1000;
    WriteFault kind_;
    bool active_ = false;
#ifdef Q_OS_UNIX
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
#endif
};

void AddWriteFaultRows() {
    QTest::addColumn<WriteFault>("fault");
    QTest::newRow("full disk") << WriteFault::FullDisk;
#ifdef Q_OS_UNIX
    QTest::newRow("file size limit") << WriteFault::FileSizeLimit;
#endif
}

}  // namespace

class SavingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Every test answers the replace question itself (save()); a test that does not expect
    // the question fails if it comes.
    void init() {
        questions_.clear();
        answer_ = false;
    }

    // ---- names and types

    void extensionIsAppendedOnlyWhenMissing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected");
        QTest::newRow("jpg added") << QStringLiteral("/tmp/a") << 1 << QStringLiteral("/tmp/a.jpg");
        QTest::newRow("jpeg added") << QStringLiteral("/tmp/a") << 2 << QStringLiteral("/tmp/a.jpeg");
        QTest::newRow("bmp added") << QStringLiteral("/tmp/a") << 3 << QStringLiteral("/tmp/a.bmp");
        QTest::newRow("jpg kept") << QStringLiteral("a.jpg") << 1 << QStringLiteral("a.jpg");
        QTest::newRow("JPG kept, any case") << QStringLiteral("a.JPG") << 1 << QStringLiteral("a.JPG");
        QTest::newRow("Jpeg kept") << QStringLiteral("a.Jpeg") << 2 << QStringLiteral("a.Jpeg");
        QTest::newRow("BMP kept") << QStringLiteral("a.BMP") << 3 << QStringLiteral("a.BMP");
        QTest::newRow("jpg under bmp") << QStringLiteral("a.jpg") << 3 << QStringLiteral("a.jpg.bmp");
        QTest::newRow("jpeg under jpg") << QStringLiteral("a.jpeg") << 1 << QStringLiteral("a.jpeg.jpg");
        QTest::newRow("jpg under jpeg") << QStringLiteral("a.jpg") << 2 << QStringLiteral("a.jpg.jpeg");
        QTest::newRow("dot only") << QStringLiteral("a.") << 1 << QStringLiteral("a..jpg");
        QTest::newRow("cyrillic") << QStringLiteral("график") << 3 << QStringLiteral("график.bmp");
    }
    void extensionIsAppendedOnlyWhenMissing() {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, expected);
        QCOMPARE(strs::NameWithExtension(name, PictureType(type)), expected);
    }

    // In the dialog a typed extension of an offered type wins over the selected type.
    void typedExtensionChoosesTheType_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::newRow("png under svg") << QStringLiteral("typed.png") << 5 << QStringLiteral("typed.png") << 4;
        QTest::newRow("JPG under bmp") << QStringLiteral("a.JPG") << 3 << QStringLiteral("a.JPG") << 1;
        QTest::newRow("jpeg under jpg") << QStringLiteral("a.jpeg") << 1 << QStringLiteral("a.jpeg") << 2;
        QTest::newRow("no extension") << QStringLiteral("a") << 5 << QStringLiteral("a.svg") << 5;
        QTest::newRow("another extension") << QStringLiteral("a.txt") << 4 << QStringLiteral("a.txt.png") << 4;
    }
    void typedExtensionChoosesTheType() {
        QFETCH(QString, chosen);
        QFETCH(int, selected);
        QFETCH(QString, name);
        QFETCH(int, type);
        const strs::PictureFileName file = strs::PictureFileFor(chosen, PictureType(selected));
        QCOMPARE(file.name, name);
        QCOMPARE(int(file.type), type);
    }
    void savingATypedPngWithSvgSelectedWritesAPng() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("typed.png"));
        auto chart = MakeChart();
        QVERIFY(save(*chart, path, PictureType::Svg));
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("typed.png")});
        QVERIFY(ReadAll(path).startsWith("\x89PNG"));
    }

    // An installed program's folder takes no files: the dialogs start in the user's own.
    void startFolderIsTheProgramsOnlyWhereWritable() {
        QTemporaryDir folder;
        QCOMPARE(strs::SaveStartFolder(folder.path(), QStandardPaths::PicturesLocation), folder.path());
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        const QString fallback =
            strs::SaveStartFolder(folder.filePath(QStringLiteral("missing")), QStandardPaths::PicturesLocation);
        QCOMPARE(fallback, QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
    }

    void typeFromFileName() {
        QCOMPARE(strs::PictureTypeFromFileName(QStringLiteral("x.jpg")), PictureType::Jpg);
        QCOMPARE(strs::PictureTypeFromFileName(QStringLiteral("/a/b/x.JPEG")), PictureType::Jpeg);
        QCOMPARE(strs::PictureTypeFromFileName(QStringLiteral("x.Bmp")), PictureType::Bmp);
        QCOMPARE(strs::PictureTypeFromFileName(QStringLiteral("x.PNG")), PictureType::Png);
        QCOMPARE(strs::PictureTypeFromFileName(QStringLiteral("x.Svg")), PictureType::Svg);
        QVERIFY_THROWS_EXCEPTION(strs::Error, strs::PictureTypeFromFileName(QStringLiteral("x.gif")));
        QVERIFY_THROWS_EXCEPTION(strs::Error, strs::PictureTypeFromFileName(QStringLiteral("jpg")));
    }

    void typeFromFilterIndex() {
        QCOMPARE(strs::PictureTypeFromFilterIndex(1), PictureType::Jpg);
        QCOMPARE(strs::PictureTypeFromFilterIndex(2), PictureType::Jpeg);
        QCOMPARE(strs::PictureTypeFromFilterIndex(3), PictureType::Bmp);
        QCOMPARE(strs::PictureTypeFromFilterIndex(4), PictureType::Png);
        QCOMPARE(strs::PictureTypeFromFilterIndex(5), PictureType::Svg);
        QCOMPARE(strs::PictureTypeFromFilterIndex(0), PictureType::Jpg);
    }

    void dialogIsSetUpForPictures() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        strs::ConfigureSavePictureDialog(dialog);
        strs::AddPreviewToSaveDialog(dialog);  // the preview changes none of the settings
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(
            dialog.nameFilters(),
            (QStringList{QStringLiteral("JPEG Image File (*.jpg)"),
                         QStringLiteral("JPEG Image File (*.jpeg)"), QStringLiteral("Bitmaps (*.bmp)"),
                         QStringLiteral("PNG Image File (*.png)"), QStringLiteral("SVG Drawing (*.svg)")}));
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("JPEG Image File (*.jpg)"));
        QCOMPARE(strs::SelectedPictureType(dialog), PictureType::Jpg);
        QVERIFY(dialog.defaultSuffix().isEmpty());
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(QDir(dialog.directory()).canonicalPath(),
                 QDir(QCoreApplication::applicationDirPath()).canonicalPath());

        dialog.selectNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
        QCOMPARE(strs::SelectedPictureType(dialog), PictureType::Bmp);
        dialog.selectNameFilter(QStringLiteral("JPEG Image File (*.jpeg)"));
        QCOMPARE(strs::SelectedPictureType(dialog), PictureType::Jpeg);
        dialog.selectNameFilter(QStringLiteral("SVG Drawing (*.svg)"));
        QCOMPARE(strs::SelectedPictureType(dialog), PictureType::Svg);
    }

    // Under a Russian locale the texts Qt translates are Russian, and the sidebar and
    // every column of the list are wide enough for theirs.
    void dialogFitsItsRussianTexts() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                           + QStringLiteral("/qtbase_ru.qm")))
            QSKIP("Qt's Russian translation is not installed beside this Qt");
        strs::InstallTranslations(strs::UiLanguage::Russian);
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Папка"));
        QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Date Modified"),
                 QStringLiteral("Дата изменения"));
        QFileDialog dialog;
        strs::ConfigureSavePictureDialog(dialog);
        strs::AddPreviewToSaveDialog(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QHeaderView* header = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))->header();
        for (int i = 0; i < header->count(); ++i)
            QVERIFY2(header->sectionSize(i) >= header->sectionSizeHint(i), qPrintable(QString::number(i)));
        const auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
        const QString computer = QCoreApplication::translate("QFileSystemModel", "Computer");
        QVERIFY(sidebar->width()
                >= sidebar->fontMetrics().horizontalAdvance(computer) + sidebar->iconSize().width());
        QVERIFY(dialog.findChild<strs::ChartPreview*>()->isVisible());
        dialog.hide();
    }

    // ---- writing

    void savedJpegDecodesToTheChartSize_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("jpg") << 1 << QStringLiteral("chart.jpg");
        QTest::newRow("jpeg") << 2 << QStringLiteral("chart.jpeg");
    }
    void savedJpegDecodesToTheChartSize() {
        QFETCH(int, type);
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto chart = MakeChart();
        const std::optional<QString> written =
            save(*chart, folder.filePath(QStringLiteral("chart")), PictureType(type));

        QCOMPARE(FolderContents(folder.path()), QStringList{fileName});
        QCOMPARE(written, std::optional(folder.filePath(fileName)));  // the name the download takes
        const QByteArray data = ReadAll(folder.filePath(fileName));
        QVERIFY(data.startsWith("\xFF\xD8"));
        const QImage decoded = strs::DecodeJpeg(data);
        QCOMPARE(decoded.size(), QSize(409, 209));

        // It is the chart's picture: close to the rendering, pixel by pixel on average.
        const QImage rendered = chart->renderImage().convertToFormat(QImage::Format_RGB32);
        const QImage got = decoded.convertToFormat(QImage::Format_RGB32);
        double difference = 0;
        for (int y = 0; y < 209; ++y)
            for (int x = 0; x < 409; ++x)
                difference += std::abs(qGray(rendered.pixel(x, y)) - qGray(got.pixel(x, y)));
        QVERIFY2(difference / (409 * 209) < 6, qPrintable(QString::number(difference / (409 * 209))));
        QVERIFY(questions_.isEmpty());
    }

    void savedBitmapIsTheChartPixelForPixel() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto chart = MakeChart();
        save(*chart, folder.filePath(QStringLiteral("chart")), PictureType::Bmp);

        const QString path = folder.filePath(QStringLiteral("chart.bmp"));
        const QByteArray data = ReadAll(path);
        QVERIFY(data.startsWith("BM"));
        QCOMPARE(int(quint8(data[28])) | int(quint8(data[29])) << 8, 24);  // bits per pixel
        QImage read(path);
        QCOMPARE(read.size(), QSize(409, 209));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32),
                 chart->renderImage().convertToFormat(QImage::Format_RGB32));
    }

    void answeringNoKeepsTheExistingFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.bmp"));
        const QByteArray old("an older file, not a picture");
        WriteAll(path, old);
        auto chart = MakeChart();

        answer_ = false;
        save(*chart, folder.filePath(QStringLiteral("old")), PictureType::Bmp);
        QCOMPARE(questions_, QStringList{QDir::toNativeSeparators(path)});
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("old.bmp")});
    }

    void answeringYesReplacesTheExistingFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.bmp"));
        WriteAll(path, "an older file, not a picture");
        auto chart = MakeChart();

        answer_ = true;
        save(*chart, path, PictureType::Bmp);
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(QImage(path).size(), QSize(409, 209));
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("old.bmp")});
    }

    // ---- failed writes

    void missingFolderGivesTheFileCreateMessage() {
        QTemporaryDir folder;
        const QString asked = folder.filePath(QStringLiteral("нет такой папки/график"));
        const QString expectedName = QDir::toNativeSeparators(asked + QStringLiteral(".jpg"));
        auto chart = MakeChart();
        try {
            save(*chart, asked, PictureType::Jpg);
            QFAIL("no error for a folder that does not exist");
        } catch (const strs::FileCreateError& e) {
            const QString message = QString::fromUtf8(e.what());
            const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(expectedName);
            QCOMPARE(message, prefix + QStringLiteral("Такой папки нет."));
        }
        QVERIFY(FolderContents(folder.path()).isEmpty());
    }

    void targetThatIsAFolderGivesTheFileCreateMessage() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("taken.bmp"));
        QVERIFY(QDir().mkdir(path));
        auto chart = MakeChart();
        try {
            strs::WritePicture(chart->renderImage(), path, PictureType::Bmp);
            QFAIL("no error for a name that is a folder");
        } catch (const strs::FileCreateError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Cannot create file \"%1\". Под этим именем уже есть папка.")
                         .arg(QDir::toNativeSeparators(path)));
        }
        // Through the Save command no question is asked for a folder.
        QVERIFY_THROWS_EXCEPTION(strs::FileCreateError,
                                 save(*chart, path, PictureType::Bmp));
        QVERIFY(questions_.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("taken.bmp")});
    }

#ifdef Q_OS_UNIX
    // A pipe and a device keep being what they are, and a link into a missing folder names
    // that folder; the Save command asks no question for any of them.
    void namesThatAreNoFileAreNeverReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("device") << QStringLiteral("device");
        QTest::newRow("link into a missing folder") << QStringLiteral("link");
    }
    void namesThatAreNoFileAreNeverReplaced() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("node.png"));
        const QByteArray native = QFile::encodeName(path);
        QString cause = QStringLiteral("Под этим именем устройство, канал или сокет, а не файл; его нельзя заменить.");
        if (kind == u"pipe") {
            QCOMPARE(mkfifo(native.constData(), 0644), 0);
        } else if (kind == u"device") {
            if (mknod(native.constData(), S_IFCHR | 0644, makedev(1, 7)) != 0)
                QSKIP("making a device node needs root");
        } else {
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("nowhere/t.png")), path));
            cause = QStringLiteral("Это ссылка в папку, которой нет: %1.")
                        .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("nowhere"))));
        }
        struct stat before {};
        QCOMPARE(lstat(native.constData(), &before), 0);

        auto chart = MakeChart();
        try {
            strs::WritePicture(chart->renderImage(), path, PictureType::Png);
            QFAIL("no error for a name that is no file");
        } catch (const strs::FileCreateError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), cause));
        }
        QVERIFY_THROWS_EXCEPTION(strs::FileCreateError,
                                 save(*chart, path, PictureType::Png));
        QVERIFY(questions_.isEmpty());
        struct stat after {};
        QCOMPARE(lstat(native.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("node.png")});
    }
#endif

    // The causes this machine can bring about, each named as what it is, in the window's
    // language (a folder that exists but takes no files, a name the system refuses).
    void causeIsNamedInTheUsersLanguage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("reason");
        // Windows (as seen under Wine) reports an over-long name with another error, so the
        // rows below are checked where that error is known.
#ifdef Q_OS_LINUX
        const QString tooLong = QDir::tempPath() + QLatin1Char('/') + QString(300, QLatin1Char('x'));
        QTest::newRow("long name") << tooLong << QLocale::Russian
                                   << QStringLiteral("Недопустимое имя файла.");
        QTest::newRow("long name, English")
            << tooLong << QLocale::English << QStringLiteral("The file name is not valid.");
        QTest::newRow("/proc") << QStringLiteral("/proc/chart") << QLocale::Russian
                               << QStringLiteral("В этой папке нельзя создавать файлы.");
#else
        QSKIP("the causes below are produced and known on Linux");
#endif
    }
    void causeIsNamedInTheUsersLanguage() {
        QFETCH(QString, name);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, reason);
        strs::InstallTranslations(language == QLocale::Russian ? strs::UiLanguage::Russian
                                                               : strs::UiLanguage::English);
        auto chart = MakeChart();
        QString message;
        try {
            save(*chart, name, PictureType::Bmp);
        } catch (const strs::FileCreateError& e) {
            message = QString::fromUtf8(e.what());
        }
        strs::InstallTranslations(strs::UiLanguage::Russian);
        QCOMPARE(
            message,
            QStringLiteral("Cannot create file \"%1.bmp\". %2").arg(QDir::toNativeSeparators(name), reason));
    }

    void failedWriteLeavesTheExistingFileWhole_data() { AddWriteFaultRows(); }
    void failedWriteLeavesTheExistingFileWhole() {
        QFETCH(WriteFault, fault);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.jpg"));
        const QByteArray old(64, 'x');
        WriteAll(path, old);
        auto chart = MakeChart();

        answer_ = true;
        {
            // Writes stop at 1000 bytes, far less than the picture needs.
            InjectedWriteFault limit(fault);
            QVERIFY(limit.active());
            try {
                save(*chart, path, PictureType::Jpg, limit.space());
                QFAIL("the cut-off write went unnoticed");
            } catch (const strs::FileCreateError& e) {
                const QString message = QString::fromUtf8(e.what());
                QCOMPARE(message, QStringLiteral("Cannot create file \"%1\". %2")
                                      .arg(QDir::toNativeSeparators(path), limit.reason()));
            }
        }
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("kept.jpg")});
    }

    void failedBufferedWriteLeavesTheExistingFileWhole_data() { AddWriteFaultRows(); }
    void failedBufferedWriteLeavesTheExistingFileWhole() {
        QFETCH(WriteFault, fault);
        // A small picture stays in the file's buffer until the end, so the failure shows
        // only when the last bytes go out.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("small.bmp"));
        const QByteArray old(64, 'x');
        WriteAll(path, old);
        QImage small(40, 20, QImage::Format_RGB32);
        small.fill(Qt::white);
        {
            InjectedWriteFault limit(fault);
            QVERIFY(limit.active());
            try {
                strs::WritePicture(small, path, PictureType::Bmp, limit.space());
                QFAIL("the cut-off write went unnoticed");
            } catch (const strs::FileCreateError& e) {
                QCOMPARE(QString::fromUtf8(e.what()),
                         QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(path), limit.reason()));
            }
        }
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(FolderContents(folder.path()), QStringList{QStringLiteral("small.bmp")});

        // Without the limit the same write succeeds.
        strs::WritePicture(small, path, PictureType::Bmp);
        QCOMPARE(QImage(path).size(), QSize(40, 20));
    }

private:
    // The Save command's steps, answering the replace question as the test says.
    std::optional<QString> save(const strs::ChartWidget& chart, const QString& name, PictureType type,
                                strs::DiskSpace space = {}) {
        const auto ask = [this](QWidget*, const QString& fullName) {
            questions_.append(fullName);
            return answer_;
        };
        return strs::SaveChartPicture(nullptr, chart, name, type, ask, space);
    }

    QStringList questions_;
    bool answer_ = false;
};

QTEST_MAIN(SavingTest)
#include "tst_saving.moc"

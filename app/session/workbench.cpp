#include "app/session/workbench.h"

#include "app/main_window.h"
#include "app/scripting/session_file.h"
#include "app/scripting/window_actions.h"
#include "app/session/class_keys.h"
#include "app/session/press_capture.h"
#include "app/session/report_dialog.h"
#include "app/session/report_file.h"
#include "core/errors.h"
#include "core/information_option.h"
#include "matematic/random.h"
#include "shell/error_guard.h"
#include "shell/translations.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

#include <exception>

namespace strs::session {

namespace {

QString Version() { return QString::fromUtf8(ProgramVersion().data(), qsizetype(ProgramVersion().size())); }

// The session files' type.
QList<FileType> SessionFileTypes() {
    return {{QCoreApplication::translate("strs::session::Workbench", "Сеанс STRS (*.strs)"), QStringLiteral(".strs")}};
}

// What the program was when a new start under another locale began, and is again if
// the start is given up.
class ProgramState {
public:
    ProgramState() : language_(InstalledLanguage()), generator_(RandomGeneratorState()) {}
    void restore() const {
        QLocale::setDefault(locale_);
        InstallTranslations(language_);
        SetRandomGeneratorState(generator_);
    }

private:
    QLocale locale_;
    UiLanguage language_;
    std::uint32_t generator_;
};

// A wait cursor while the record is replayed.
class Busy {
public:
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};

}  // namespace

Workbench::Workbench(std::unique_ptr<TForm1> window) : saver_(new FileSaver(this)) { adopt(std::move(window)); }

Workbench::~Workbench() = default;

void Workbench::adopt(std::unique_ptr<TForm1> window) {
    window_ = std::move(window);
    recorder_ = window_->findChild<replay::SessionRecorder*>();
    if (recorder_ == nullptr)
        recorder_ = new replay::SessionRecorder(*window_);
    TForm1& w = *window_;
    w.addWindowCommand(tr("Сохранить сеанс…"), QStringLiteral("SaveSession"), QKeySequence::Save, [this] { saveSession(); });
    w.addWindowCommand(tr("Открыть сеанс…"), QStringLiteral("OpenSession"), QKeySequence::Open, [this] { openSession(); });
    w.addWindowCommand(tr("Отчёт…"), QStringLiteral("Report"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { makeReport(); });
    w.addWindowCommand(tr("Ответы по вариантам…"), QStringLiteral("ClassKeys"), QKeySequence(), [this] { makeClassKeys(); });
}

bool Workbench::ask(const QString& text) const {
    if (question_)
        return question_(text);
    return QMessageBox::question(window_.get(), QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

QString Workbench::chooseFileToOpen(const QString& title, const QString& filter) const {
    if (openChooser_)
        return openChooser_(title, filter);
    return QFileDialog::getOpenFileName(window_.get(), title, QString(), filter);
}

void Workbench::saveSession() {
    const QStringList lines = recorder_->sessionLines();
    saver_->save(window_.get(),
                 {tr("Сохранить сеанс"), SessionFileTypes(), tr("сеанс"), QStandardPaths::DocumentsLocation},
                 [&lines](int) -> std::optional<QByteArray> { return replay::SessionFileText(lines, replay::HeaderNow()); });
}

void Workbench::openSession() {
    const QString title = tr("Открыть сеанс");
    const QString filter = tr("Сеанс STRS (*.strs);;Все файлы (*)");
#ifdef Q_OS_WASM
    if (!openChooser_) {
        QFileDialog::getOpenFileContent(filter, [this](const QString& name, const QByteArray& bytes) {
            if (!name.isEmpty())
                RunGuarded(window_.get(), [&] { openSessionFile(bytes, name); });
        });
        return;
    }
#endif
    const QString name = chooseFileToOpen(title, filter);
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(tr("Не удаётся прочитать %1: %2").arg(name, file.errorString()).toStdString());
    openSessionFile(file.readAll(), name);
}

bool Workbench::openSessionFile(const QByteArray& bytes, const QString& name) {
    const QString shown = QFileInfo(name).fileName();
    replay::SessionScript script;
    try {
        script = replay::ReadSessionFile(bytes, *window_);
    } catch (const replay::ScriptError& e) {
        throw Error(tr("Сеанс %1 не открыт: %2").arg(shown, QString::fromUtf8(e.what())).toStdString());
    }
    if (!recorder_->record().presses().empty()
        && !ask(tr("Открыть сеанс %1? Всё, что показывают страницы сейчас, заменится им.").arg(shown)))
        return false;

    // A fresh start under the session's locale, the generator at its start state.
    const ProgramState before;
    QLocale::setDefault(QLocale(script.localeName));
    InstallTranslations(ChosenLanguage(QLocale()));
    ResetRandomGenerator();
    auto fresh = std::make_unique<TForm1>();
    auto* recorder = new replay::SessionRecorder(*fresh);
    // A press that failed when it was recorded fails again: silently, its record says why.
    const ErrorPresenter presenter = CurrentErrorPresenter();
    SetErrorPresenter([](const QString&) {});
    std::exception_ptr failure;
    try {
        for (std::size_t i = 0; i < script.actions.size(); ++i) {
            if (const auto time = script.pressTimes.find(i); time != script.pressTimes.end())
                recorder->setNextPressTime(time->second);
            replay::PerformWindowAction(*fresh, script.actions[i]);
            QCoreApplication::processEvents();
        }
    } catch (...) {
        failure = std::current_exception();
    }
    SetErrorPresenter(presenter);
    if (failure) {  // whatever went wrong, the student's window and its state stay
        fresh.reset();
        before.restore();
        try {
            std::rethrow_exception(failure);
        } catch (const replay::ScriptError& e) {
            throw Error(tr("Сеанс %1 не открыт: %2").arg(shown, QString::fromUtf8(e.what())).toStdString());
        }
    }

    fresh->move(window_->pos());
    const bool wasShown = window_->isVisible();
    std::unique_ptr<TForm1> old = std::move(window_);
    adopt(std::move(fresh));
    if (wasShown)
        window_->show();
    // The command may come from the old window's own menu or keys: it goes once they are done.
    old->hide();
    old.release()->deleteLater();
    emit windowReplaced(window_.get());
    return true;
}

void Workbench::makeReport() {
    const replay::SessionRecord& record = recorder_->record();
    if (record.presses().empty())
        throw Error(tr("В сеансе ещё не было нажатий «Обновить»: отчёту не о чем рассказать.").toStdString());
    std::optional<std::vector<std::size_t>> chosen;
    if (reportChooser_) {
        chosen = reportChooser_(record.presses());
    } else {
        ReportDialog dialog(record.presses(), window_.get());
        if (dialog.exec() == QDialog::Accepted)
            chosen = dialog.chosen();
    }
    if (!chosen || chosen->empty())
        return;
    const QStringList sessionText =
        QString::fromUtf8(replay::SessionFileText(recorder_->sessionLines(), replay::HeaderNow())).split(u'\n', Qt::SkipEmptyParts);
    saver_->save(window_.get(), {tr("Сохранить отчёт"), ReportFileTypes(), tr("отчёт"), QStandardPaths::DocumentsLocation},
                 [&](int type) -> std::optional<QByteArray> {
                     const Busy busy;
                     const ReportContent content{window_->windowTitle(), Version(), QDateTime::currentDateTime(),
                                                 CapturePresses(record, *chosen), sessionText};
                     return ReportBytes(content, ReportType(type));
                 });
}

void Workbench::writeClassKeys(QIODevice& table) {
    QStringList badRows;
    const std::optional<QString> written = saver_->save(
        window_.get(), {tr("Сохранить ответы по вариантам"), ClassKeyFileTypes(), tr("ответы"), QStandardPaths::DocumentsLocation},
        [&](int type) { return MakeClassKeys(window_.get(), table, ClassKeyFormat(type), badRows); });
    // The bad rows, listed once the keys of the others are written.
    if (written && !badRows.isEmpty())
        throw Error(tr("Строки таблицы, которые не вошли в ответы:\n%1").arg(badRows.join(u'\n')).toStdString());
}

void Workbench::makeClassKeys() {
    const QString filter = tr("Таблица вариантов (*.csv *.txt *.tsv);;Все файлы (*)");
#ifdef Q_OS_WASM
    if (!openChooser_) {
        QFileDialog::getOpenFileContent(filter, [this](const QString& name, const QByteArray& bytes) {
            if (name.isEmpty())
                return;
            QByteArray held = bytes;
            QBuffer table(&held);
            table.open(QIODevice::ReadOnly);
            RunGuarded(window_.get(), [&] { writeClassKeys(table); });
        });
        return;
    }
#endif
    const QString name = chooseFileToOpen(tr("Таблица вариантов"), filter);
    if (name.isEmpty())
        return;
    QFile table(name);
    if (!table.open(QIODevice::ReadOnly))
        throw Error(tr("Не удаётся прочитать %1: %2").arg(name, table.errorString()).toStdString());
    writeClassKeys(table);
}

}  // namespace strs::session

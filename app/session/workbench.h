#pragma once
// The workbench as a student uses it: the main window with its session record, and the
// window's commands beside the charts' own: «Сохранить сеанс…» (Ctrl+S), «Открыть
// сеанс…» (Ctrl+O), «Отчёт…» (Ctrl+P) and «Ответы по вариантам…». Opening a session starts
// afresh, a new window under the session's locale with the generator at its start, and
// carries the file out, so that every page shows what it showed when it was saved.

#include "app/scripting/session_recorder.h"
#include "shell/file_saving.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;
class QWidget;

namespace strs {
class TForm1;
}

namespace strs::session {

class Workbench : public QObject {
    Q_OBJECT
public:
    // Takes the main window the start-up made (not shown yet).
    explicit Workbench(std::unique_ptr<TForm1> window);
    ~Workbench() override;

    TForm1& window() const { return *window_; }
    const replay::SessionRecorder& recorder() const { return *recorder_; }

    void saveSession();
    void openSession();
    void makeReport();
    void makeClassKeys();

    // Opens the session in these bytes (named by name in messages): false, with a message,
    // when the file cannot be carried out, and the current session left as it was.
    bool openSessionFile(const QByteArray& bytes, const QString& name);

    // Seams for tests: where files are saved and which are opened, and the answers to the
    // questions (replacing the current session); nullptr restores the dialogs.
    FileSaver& saver() const { return *saver_; }
    using FileChooser = std::function<QString(const QString& title, const QString& filter)>;
    void setOpenChooser(FileChooser chooser) { openChooser_ = std::move(chooser); }
    using Question = std::function<bool(const QString& text)>;
    void setQuestion(Question question) { question_ = std::move(question); }
    using ReportChooser = std::function<std::optional<std::vector<std::size_t>>(const std::vector<replay::RecordedPress>&)>;
    void setReportChooser(ReportChooser chooser) { reportChooser_ = std::move(chooser); }

signals:
    // A new main window has taken the old one's place (a session was opened).
    void windowReplaced(strs::TForm1* window);

private:
    void adopt(std::unique_ptr<TForm1> window);
    void writeClassKeys(QIODevice& table);
    bool ask(const QString& text) const;
    QString chooseFileToOpen(const QString& title, const QString& filter) const;

    std::unique_ptr<TForm1> window_;
    replay::SessionRecorder* recorder_ = nullptr;  // a child of the window
    FileSaver* saver_;
    FileChooser openChooser_;
    Question question_;
    ReportChooser reportChooser_;
};

}  // namespace strs::session

#include "app/session/replay_report.h"

#include "app/main_window.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/session_file.h"
#include "app/scripting/session_recorder.h"
#include "app/scripting/window_actions.h"
#include "app/session/press_capture.h"
#include "app/session/report_dialog.h"
#include "app/session/report_file.h"
#include "core/errors.h"
#include "core/information_option.h"
#include "shell/file_writing.h"

namespace strs::session {

namespace {

void WriteReport(replay::ReplaySession& session, const replay::ScriptLine& line) {
    replay::RequireArgs(line, 1, "report PATH.pdf|PATH.odt");
    const QString path = line.args[0];
    const QList<FileType> types = ReportFileTypes();
    const CompletedName file = CompleteName(path, types, -1);
    if (file.name != path)
        throw replay::ScriptError(line.number, QStringLiteral("a report is a .pdf or an .odt file"));
    const replay::SessionRecorder& recorder = session.recorder();
    const QStringList sessionText =
        QString::fromUtf8(replay::SessionFileText(recorder.sessionLines(), replay::HeaderNow())).split(u'\n', Qt::SkipEmptyParts);
    const ReportContent content{session.window().windowTitle(),
                                QString::fromUtf8(ProgramVersion().data(), qsizetype(ProgramVersion().size())),
                                QDateTime::currentDateTime(),
                                CapturePresses(recorder.record(), DefaultReportPresses(recorder.record().presses())),
                                sessionText};
    try {
        WriteFile(ReportBytes(content, ReportType(file.type)), path);
    } catch (const Error& e) {
        throw replay::ScriptError(line.number, QString::fromUtf8(e.what()));
    }
}

}  // namespace

void AddReportAction(replay::ReplaySession& session) { session.addAction(QStringLiteral("report"), WriteReport); }

}  // namespace strs::session

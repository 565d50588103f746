#include "app/scripting/replay_session.h"

#include "app/main_window.h"
#include "core/errors.h"
#include "core/text_encoding.h"
#include "matematic/random.h"
#include "shell/chart_export.h"
#include "shell/chart_widget.h"
#include "shell/error_guard.h"
#include "shell/numeric_field.h"
#include "shell/picture_file.h"
#include "shell/radio_group.h"
#include "shell/translations.h"
#include "app/scripting/session_file.h"
#include "app/scripting/session_recorder.h"
#include "app/scripting/snapshot.h"
#include "app/scripting/window_actions.h"
#include "shell/file_writing.h"

#include <QApplication>
#include <QComboBox>
#include <QIODevice>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLocale>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace strs::replay {

ReplaySession::ReplaySession(std::function<void(const QByteArray&)> print, Windows windows)
    : print_(std::move(print)),
      windows_(windows),
      pixmapCacheLimit_(QPixmapCache::cacheLimit()),
      presenter_(CurrentErrorPresenter()),
      language_(InstalledLanguage()),
      generator_(RandomGeneratorState()) {
    // The style caches pictures of controls under names that hold their palette's key, and
    // every new window brings new palettes: the cache would keep a name for each control of
    // every window since the first. Uncached, a restart leaves nothing behind. The program
    // around the session (the browser's page) gets its cache back afterwards.
    QPixmapCache::setCacheLimit(0);
    SetErrorPresenter([this](const QString& text) { errors_ << text; });
    restart();
}

ReplaySession::~ReplaySession() {
    window_.reset();
    SetErrorPresenter(presenter_);
    QPixmapCache::setCacheLimit(pixmapCacheLimit_);
    QLocale::setDefault(locale_);
    InstallTranslations(language_);
    SetRandomGeneratorState(generator_);
}

void ReplaySession::restart() {
    // A fresh program start: a new window in the locale's language, and the generator
    // back at its start state.
    window_.reset();
    InstallTranslations(ChosenLanguage(QLocale()));
    ResetRandomGenerator();
    window_ = std::make_unique<TForm1>();
    recorder_ = new SessionRecorder(*window_);
    if (windows_ == Windows::Shown) {
        window_->show();
        window_->activateWindow();
    }
    QApplication::processEvents();
}

void ReplaySession::runScript(const QString& script) {
    const QStringList lines = script.split(u'\n');
    for (int i = 0; i < lines.size(); ++i)
        execute(ParseScriptLine(lines[i], i + 1));
}

void ReplaySession::runStream(QIODevice& input) {
    for (int number = 1;; ++number) {
        // At most kLongestLine + 1 bytes: one more than a line may hold shows it is too long.
        QByteArray bytes = input.readLine(kLongestLine + 2);
        if (bytes.isEmpty())
            return;  // the end of the input
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        else if (bytes.size() > kLongestLine)
            throw ScriptError(number, QStringLiteral("longer than %1 bytes").arg(kLongestLine));
        if (const auto bad = FirstInvalidUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
            throw ScriptError(number, QStringLiteral("a byte that is not UTF-8: \\x%1 at byte %2")
                                          .arg(uint(std::uint8_t(bytes[qsizetype(*bad)])), 2, 16, QLatin1Char('0'))
                                          .arg(*bad + 1));
        execute(ParseScriptLine(QString::fromUtf8(bytes), number));
    }
}

void ReplaySession::execute(const ScriptLine& line) {
    perform(line);
    // What the action set off (repaints, deferred deletions) is handled before the next
    // one, as between two actions of a real user; left queued, it piles up over a script.
    QApplication::processEvents();
}

void ReplaySession::perform(const ScriptLine& line) {
    TForm1& w = *window_;
    const QString& a = line.action;
    if (a.isEmpty())
        return;

    if (IsWindowAction(line)) {
        PerformWindowAction(w, line);
        return;
    }
    if (a == QLatin1String("save")) {
        RequireArgs(line, 2, "save CHART PATH");
        auto* chart = FindNamed<ChartWidget>(w, line, line.args[0], "chart");
        const QString path = line.args[1];
        RunGuarded(&w, [this, chart, &path] { WriteChartPicture(*chart, path, PictureTypeFromFileName(path), space_); });
    } else if (a == QLatin1String("savedata")) {
        RequireArgs(line, 2, "savedata CHART PATH");
        auto* chart = FindNamed<ChartWidget>(w, line, line.args[0], "chart");
        const QString path = line.args[1];
        RunGuarded(&w, [this, chart, &path] { WriteChartData(*chart, path, space_); });
    } else if (a == QLatin1String("copy")) {
        RequireArgs(line, 1, "copy CHART");
        CopyChartPicture(*FindNamed<ChartWidget>(w, line, line.args[0], "chart"));
    } else if (a == QLatin1String("shot")) {
        // A picture of the whole window as it stands, e.g. for an answer key.
        RequireArgs(line, 1, "shot PATH.png");
        // Written as the chart pictures are: an old file stays whole when the write fails.
        QApplication::processEvents();
        try {
            WritePicture(w.grab().toImage(), line.args[0], PictureType::Png, space_);
        } catch (const FileCreateError& e) {
            throw ScriptError(line.number, QString::fromStdString(e.what()));
        }
    } else if (a == QLatin1String("dump")) {
        RequireArgs(line, 0, "dump");
        QApplication::processEvents();
        const QJsonObject snapshot = TakeSnapshot(w, errors_, w.creditDrawCount());
        errors_.clear();
        print_(QJsonDocument(snapshot).toJson(QJsonDocument::Compact));
    } else if (a == QLatin1String("session")) {
        // The record so far, as a session file.
        RequireArgs(line, 1, "session PATH.strs");
        try {
            WriteFile(SessionFileText(recorder_->sessionLines(), HeaderNow()), line.args[0], space_);
        } catch (const FileCreateError& e) {
            throw ScriptError(line.number, QString::fromStdString(e.what()));
        }
    } else if (actions_.contains(a)) {
        actions_[a](*this, line);
    } else if (a == QLatin1String("restart")) {
        RequireArgs(line, 0, "restart");
        restart();
    } else if (a == QLatin1String("locale")) {
        // A fresh start under another locale (its decimal separator and, unless
        // STRS_LANGUAGE says otherwise, its language), e.g. "locale ru_RU".
        RequireArgs(line, 1, "locale NAME");
        const QLocale locale(line.args[0]);
        if (locale == QLocale::c() && line.args[0] != QLatin1String("C"))
            throw ScriptError(line.number, QStringLiteral("unknown locale '%1'").arg(line.args[0]));
        QLocale::setDefault(locale);
        restart();
    } else {
        throw ScriptError(line.number, QStringLiteral("unknown action '%1'").arg(Escaped(a)));
    }
}

}  // namespace strs::replay

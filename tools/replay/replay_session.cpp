#include "tools/replay/replay_session.h"

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
#include "tools/replay/snapshot.h"

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

namespace {

int toInt(const ScriptLine& line, int index, int low, int high) {
    bool ok = false;
    const int value = line.args.value(index).toInt(&ok);
    if (!ok || value < low || value > high)
        throw ScriptError(line.number, QStringLiteral("'%1' is not a number from %2 to %3")
                                           .arg(line.args.value(index))
                                           .arg(low)
                                           .arg(high));
    return value;
}

void requireArgs(const ScriptLine& line, int count, const char* usage) {
    if (line.args.size() != count)
        throw ScriptError(line.number, QStringLiteral("usage: %1").arg(QString::fromLatin1(usage)));
}

// The component of that exact name; an empty name, which Qt would match with any, is
// no component's name.
template <typename T>
T* findNamed(TForm1& w, const ScriptLine& line, const QString& name, const char* what) {
    auto* found = name.isEmpty() ? nullptr : w.findChild<T*>(name);
    if (!found)
        throw ScriptError(line.number,
                          QStringLiteral("no %1 named '%2'").arg(QString::fromLatin1(what), Escaped(name)));
    return found;
}

// The index of the page the widget sits on, however deep inside it.
int PageHolding(const QTabWidget& pages, const QWidget& widget) {
    for (int i = 0; i < pages.count(); ++i)
        if (pages.widget(i)->isAncestorOf(&widget))
            return i;
    return pages.currentIndex();
}

}  // namespace

ReplaySession::ReplaySession(std::function<void(const QByteArray&)> print)
    : print_(std::move(print)), pixmapCacheLimit_(QPixmapCache::cacheLimit()) {
    // The style caches pictures of controls under names that hold their palette's key, and
    // every new window brings new palettes: the cache would keep a name for each control of
    // every window since the first. Uncached, a restart leaves nothing behind. The program
    // around the session (the browser's page) gets its cache back afterwards.
    QPixmapCache::setCacheLimit(0);
    SetErrorPresenter([this](const QString& text) { errors_ << text; });
    restart();
}

ReplaySession::~ReplaySession() {
    SetErrorPresenter(nullptr);
    QPixmapCache::setCacheLimit(pixmapCacheLimit_);
}

void ReplaySession::restart() {
    // A fresh program start: a new window in the locale's language, and the generator
    // back at its start state.
    window_.reset();
    InstallTranslations(ChosenLanguage(QLocale()));
    ResetRandomGenerator();
    window_ = std::make_unique<TForm1>();
    window_->show();
    window_->activateWindow();
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

void ReplaySession::typeInto(QWidget* target, const QString& text) {
    for (QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    QApplication::processEvents();
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

    auto* pages = findNamed<QTabWidget>(w, line, QStringLiteral("PageControl1"), "page control");
    if (a == QLatin1String("page")) {
        requireArgs(line, 1, "page N (1-4)");
        pages->setCurrentIndex(toInt(line, 0, 1, 4) - 1);
    } else if (a == QLatin1String("set")) {
        requireArgs(line, 2, "set FIELD TEXT");
        // Replaces the whole text at once, as a paste over a selection would.
        findNamed<NumericField>(w, line, line.args[0], "field")->setText(line.args[1]);
    } else if (a == QLatin1String("type")) {
        requireArgs(line, 2, "type FIELD TEXT");
        auto* field = findNamed<NumericField>(w, line, line.args[0], "field");
        pages->setCurrentIndex(PageHolding(*pages, *field));
        field->setFocus();
        field->end(false);
        typeInto(field, line.args[1]);
    } else if (a == QLatin1String("select")) {
        requireArgs(line, 2, "select CB1 N");
        auto* list = findNamed<QComboBox>(w, line, line.args[0], "drop-down list");
        list->setCurrentIndex(toInt(line, 1, 0, list->count() - 1));
    } else if (a == QLatin1String("radio")) {
        requireArgs(line, 2, "radio RG2|RG4 N");
        auto* group = findNamed<RadioGroup>(w, line, line.args[0], "radio group");
        group->button(toInt(line, 1, 0, group->count() - 1))->click();
    } else if (a == QLatin1String("press")) {
        requireArgs(line, 1, "press BB1|BitBtn1|BB3|BitBtn2");
        findNamed<QPushButton>(w, line, line.args[0], "button")->click();
    } else if (a == QLatin1String("keys")) {
        requireArgs(line, 1, "keys TEXT");
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        typeInto(target, line.args[0]);
    } else if (a == QLatin1String("save")) {
        requireArgs(line, 2, "save CHART PATH");
        auto* chart = findNamed<ChartWidget>(w, line, line.args[0], "chart");
        const QString path = line.args[1];
        RunGuarded(&w, [this, chart, &path] { WriteChartPicture(*chart, path, PictureTypeFromFileName(path), space_); });
    } else if (a == QLatin1String("savedata")) {
        requireArgs(line, 2, "savedata CHART PATH");
        auto* chart = findNamed<ChartWidget>(w, line, line.args[0], "chart");
        const QString path = line.args[1];
        RunGuarded(&w, [this, chart, &path] { WriteChartData(*chart, path, space_); });
    } else if (a == QLatin1String("copy")) {
        requireArgs(line, 1, "copy CHART");
        CopyChartPicture(*findNamed<ChartWidget>(w, line, line.args[0], "chart"));
    } else if (a == QLatin1String("shot")) {
        // A picture of the whole window as it stands, e.g. for an answer key.
        requireArgs(line, 1, "shot PATH.png");
        // Written as the chart pictures are: an old file stays whole when the write fails.
        QApplication::processEvents();
        try {
            WritePicture(w.grab().toImage(), line.args[0], PictureType::Png, space_);
        } catch (const FileCreateError& e) {
            throw ScriptError(line.number, QString::fromStdString(e.what()));
        }
    } else if (a == QLatin1String("dump")) {
        requireArgs(line, 0, "dump");
        QApplication::processEvents();
        const QJsonObject snapshot = TakeSnapshot(w, errors_, w.creditDrawCount());
        errors_.clear();
        print_(QJsonDocument(snapshot).toJson(QJsonDocument::Compact));
    } else if (a == QLatin1String("restart")) {
        requireArgs(line, 0, "restart");
        restart();
    } else if (a == QLatin1String("locale")) {
        // A fresh start under another locale (its decimal separator and, unless
        // STRS_LANGUAGE says otherwise, its language), e.g. "locale ru_RU".
        requireArgs(line, 1, "locale NAME");
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

#include "app/scripting/window_actions.h"

#include "shell/numeric_field.h"
#include "shell/radio_group.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

namespace strs::replay {

namespace {

int ToInt(const ScriptLine& line, int index, int low, int high) {
    bool ok = false;
    const int value = line.args.value(index).toInt(&ok);
    if (!ok || value < low || value > high)
        throw ScriptError(line.number, QStringLiteral("'%1' is not a number from %2 to %3")
                                           .arg(line.args.value(index))
                                           .arg(low)
                                           .arg(high));
    return value;
}

// The index of the page the widget sits on, however deep inside it.
int PageHolding(const QTabWidget& pages, const QWidget& widget) {
    for (int i = 0; i < pages.count(); ++i)
        if (pages.widget(i)->isAncestorOf(&widget))
            return i;
    return pages.currentIndex();
}

void TypeInto(QWidget* target, const QString& text) {
    for (QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
    QApplication::processEvents();
}

// The line's components and values, checked; the action to carry it out, or none for a
// line that is not a window action.
std::function<void()> Resolve(TForm1& w, const ScriptLine& line) {
    const QString& a = line.action;
    auto* pages = FindNamed<QTabWidget>(w, line, QStringLiteral("PageControl1"), "page control");
    if (a == QLatin1String("page")) {
        RequireArgs(line, 1, "page N (1-4)");
        const int page = ToInt(line, 0, 1, 4);
        return [pages, page] { pages->setCurrentIndex(page - 1); };
    }
    if (a == QLatin1String("set")) {
        RequireArgs(line, 2, "set FIELD TEXT");
        auto* field = FindNamed<NumericField>(w, line, line.args[0], "field");
        // Replaces the whole text at once, as a paste over a selection would.
        return [field, text = line.args[1]] { field->setText(text); };
    }
    if (a == QLatin1String("type")) {
        RequireArgs(line, 2, "type FIELD TEXT");
        auto* field = FindNamed<NumericField>(w, line, line.args[0], "field");
        return [pages, field, text = line.args[1]] {
            pages->setCurrentIndex(PageHolding(*pages, *field));
            field->setFocus();
            field->end(false);
            TypeInto(field, text);
        };
    }
    if (a == QLatin1String("select")) {
        RequireArgs(line, 2, "select CB1 N");
        auto* list = FindNamed<QComboBox>(w, line, line.args[0], "drop-down list");
        const int index = ToInt(line, 1, 0, list->count() - 1);
        return [list, index] { list->setCurrentIndex(index); };
    }
    if (a == QLatin1String("radio")) {
        RequireArgs(line, 2, "radio RG2|RG4 N");
        auto* group = FindNamed<RadioGroup>(w, line, line.args[0], "radio group");
        QRadioButton* button = group->button(ToInt(line, 1, 0, group->count() - 1));
        return [button] { button->click(); };
    }
    if (a == QLatin1String("press")) {
        RequireArgs(line, 1, "press BB1|BitBtn1|BB3|BitBtn2");
        auto* button = FindNamed<QPushButton>(w, line, line.args[0], "button");
        return [button] { button->click(); };
    }
    if (a == QLatin1String("keys")) {
        RequireArgs(line, 1, "keys TEXT");
        return [&w, text = line.args[0]] {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            TypeInto(target, text);
        };
    }
    return {};
}

}  // namespace

void RequireArgs(const ScriptLine& line, int count, const char* usage) {
    if (line.args.size() != count)
        throw ScriptError(line.number, QStringLiteral("usage: %1").arg(QString::fromLatin1(usage)));
}

bool IsWindowAction(const ScriptLine& line) {
    static const QStringList kActions{QStringLiteral("page"),  QStringLiteral("set"),   QStringLiteral("type"),
                                      QStringLiteral("select"), QStringLiteral("radio"), QStringLiteral("press"),
                                      QStringLiteral("keys")};
    return kActions.contains(line.action);
}

void CheckWindowAction(TForm1& window, const ScriptLine& line) { Resolve(window, line); }

void PerformWindowAction(TForm1& window, const ScriptLine& line) {
    if (const std::function<void()> action = Resolve(window, line))
        action();
}

}  // namespace strs::replay

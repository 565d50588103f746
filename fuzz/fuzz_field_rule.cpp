// Fuzzes the numeric-field rule with random edit sequences on a live NumericField.
//
// Input, readable so that seeds can be written by hand:
//   byte 0   flags: bit 0 lone minus allowed, bit 1 point locale (else comma locale),
//            bits 2-3 the default text set silently at start (none, "1,2", "0,9", "4")
//   then     steps, each an opcode byte and its arguments:
//     S text\n      setText                I pos text\n   insert at pos
//     B pos         backspace at pos       D pos          delete at pos
//     P pos len text\n  select and insert over the selection (a paste)
//     K text\n      type the text key by key
//     k n           a special key (Backspace, Delete, arrows, Home, End, Ctrl+A/Z/Y, Shift+Left)
//     Z             replace an exact "0" (as the labs do before reading)
//     L             switch to the other locale; from then on only the termination is
//                   checked, since a text accepted before may no longer convert
//   any other opcode byte picks a step by its value; a position or length written as a
//   digit '0'..'9' is that number, any other byte its value, taken modulo what fits.
// After every step the field must hold an empty text, a lone "-" (where allowed) or a
// text the labs convert; its last accepted text must convert; a text that failed must
// have been taken back to the last accepted text with the caret at the end; and the
// rule must have ended after at most one nested change.

#include "core/errors.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QSignalBlocker>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

// One change and the nested change that takes it back.
constexpr std::size_t kMaxChangesPerStep = 2;
constexpr std::size_t kMaxTextBytes = 40;

// The step being checked, for the report of a violation.
struct Step {
    const strs::NumericField* field = nullptr;
    const std::vector<QString>* changes = nullptr;
    bool allowLoneMinus = false;
    char op = 0;
    QString textBefore;
    QString acceptedBefore;
};
Step g_step;

void PrintContext() {
    if (!g_step.field)
        return;
    const auto quoted = [](const QString& text) { return (u'"' + text + u'"').toUtf8(); };
    std::fprintf(stderr, "separator '%s', lone minus %s, step '%c'\n",
                 strs::DecimalSeparator().toLatin1() == '.' ? "." : ",",
                 g_step.allowLoneMinus ? "allowed" : "no", g_step.op);
    std::fprintf(stderr, "before: text %s, last accepted %s\n", quoted(g_step.textBefore).constData(),
                 quoted(g_step.acceptedBefore).constData());
    std::fprintf(stderr, "after:  text %s, last accepted %s, caret %d\n",
                 quoted(g_step.field->text()).constData(), quoted(g_step.field->lastAccepted()).constData(),
                 static_cast<int>(g_step.field->cursorPosition()));
    for (const QString& change : *g_step.changes)
        std::fprintf(stderr, "changed to %s\n", quoted(change).constData());
}

[[noreturn]] void Violation(const char* condition, int line) {
    std::fprintf(stderr, "%s:%d: violated: %s\n", __FILE__, line, condition);
    PrintContext();
    std::abort();
}

#define REQUIRE(condition)                                                                                   \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            Violation(#condition, __LINE__);                                                                 \
    } while (false)

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return pos_ >= size_; }

    std::uint8_t Byte() { return AtEnd() ? 0 : data_[pos_++]; }

    int Number() {
        const std::uint8_t b = Byte();
        return b >= '0' && b <= '9' ? b - '0' : b;
    }

    // Up to a newline (consumed) or the end; decoded as UTF-8.
    QString Text() {
        const std::size_t start = pos_;
        while (pos_ < size_ && data_[pos_] != '\n' && pos_ - start < kMaxTextBytes)
            ++pos_;
        const QByteArray bytes(reinterpret_cast<const char*>(data_ + start),
                               static_cast<qsizetype>(pos_ - start));
        if (pos_ < size_ && data_[pos_] == '\n')
            ++pos_;
        return QString::fromUtf8(bytes);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

bool Converts(const QString& text) {
    try {
        const double value = strs::StrToFloat(text);
        double again = 0.0;
        REQUIRE(strs::TryStrToFloat(text, again) && again == value);
        return true;
    } catch (const strs::ConversionError&) {
        double ignored = 0.0;
        REQUIRE(!strs::TryStrToFloat(text, ignored));
        return false;
    }
}

bool Allowed(const QString& text, bool allowLoneMinus) {
    return text.isEmpty() || (allowLoneMinus && text == QStringLiteral("-")) || Converts(text);
}

int Position(Input& in, const QString& text) { return in.Number() % static_cast<int>(text.size() + 1); }

void SendKey(strs::NumericField& field, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&field, &release);
}

void TypeKey(strs::NumericField& field, QChar c) {
    const char16_t u = c.unicode();
    int key = Qt::Key_unknown;
    if (u >= u'a' && u <= u'z')
        key = Qt::Key_A + (u - u'a');
    else if (u >= 0x20 && u < 0x7F)
        key = u;  // Qt's codes for printable ASCII
    SendKey(field, key, Qt::NoModifier, QString(c));
}

void SpecialKey(strs::NumericField& field, int choice) {
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    static const Key kKeys[] = {
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Y, Qt::ControlModifier},    {Qt::Key_Left, Qt::ShiftModifier},
    };
    const Key& k = kKeys[static_cast<std::size_t>(choice) % std::size(kKeys)];
    SendKey(field, k.key, k.modifiers);
}

// One field for one input; every step is followed by the checks.
class Session {
public:
    Session(QWidget* window, bool allowLoneMinus, bool pointLocale, const char* commaDefault)
        : field_(window, allowLoneMinus), allowLoneMinus_(allowLoneMinus), pointLocale_(pointLocale) {
        SetLocale(pointLocale);
        const QString silentDefault = strs::LocalizedText(commaDefault);
        {
            // As the main window sets its defaults: the text has not passed the rule.
            const QSignalBlocker quiet(&field_);
            field_.setText(silentDefault);
        }
        QObject::connect(&field_, &QLineEdit::textChanged,
                         [this](const QString& text) { changes_.push_back(text); });
        g_step = {&field_, &changes_, allowLoneMinus, 0, {}, {}};
    }
    ~Session() { g_step.field = nullptr; }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void Run(Input& in) {
        while (!in.AtEnd()) {
            static const char kOpcodes[] = "SIBDPKkZL";
            std::uint8_t op = in.Byte();
            if (!std::memchr(kOpcodes, op, sizeof kOpcodes - 1))
                op = kOpcodes[op % (sizeof kOpcodes - 1)];
            const QString text = field_.text();
            switch (op) {
            case 'S': {
                const QString setTo = in.Text();
                const QString accepted = field_.lastAccepted();
                Step('S', [&] { field_.setText(setTo); });
                // The text set stays if it may, else the last accepted one is back.
                if (!localeSwitched_)
                    REQUIRE(field_.text() == (Allowed(setTo, allowLoneMinus_) ? setTo : accepted));
                break;
            }
            case 'I': {
                const int position = Position(in, text);
                const QString inserted = in.Text();
                Step('I', [&] {
                    field_.setCursorPosition(position);
                    field_.insert(inserted);
                });
                break;
            }
            case 'B': {
                const int position = Position(in, text);
                Step('B', [&] {
                    field_.setCursorPosition(position);
                    field_.backspace();
                });
                break;
            }
            case 'D': {
                const int position = Position(in, text);
                Step('D', [&] {
                    field_.setCursorPosition(position);
                    field_.del();
                });
                break;
            }
            case 'P': {
                const int start = Position(in, text);
                const int length = in.Number() % static_cast<int>(text.size() - start + 1);
                const QString pasted = in.Text();
                Step('P', [&] {
                    field_.setSelection(start, length);
                    field_.insert(pasted);
                });
                break;
            }
            case 'K':
                for (const QChar c : in.Text())
                    Step('K', [&] { TypeKey(field_, c); });
                break;
            case 'k': {
                const int choice = in.Number();
                Step('k', [&] { SpecialKey(field_, choice); });
                break;
            }
            case 'Z':
                Step('Z', [&] { field_.replaceExactZero(); });
                if (!localeSwitched_)
                    REQUIRE(field_.text()
                            == (text == QStringLiteral("0") ? strs::LocalizedText("0,001") : text));
                break;
            case 'L':
                localeSwitched_ = true;
                pointLocale_ = !pointLocale_;
                SetLocale(pointLocale_);
                break;
            }
        }
    }

private:
    template <typename Action>
    void Step(char op, Action action) {
        const QString textBefore = field_.text();
        const QString acceptedBefore = field_.lastAccepted();
        g_step.op = op;
        g_step.textBefore = textBefore;
        g_step.acceptedBefore = acceptedBefore;
        changes_.clear();

        action();

        const QString textAfter = field_.text();
        const QString acceptedAfter = field_.lastAccepted();
        if (!changes_.empty())
            changedSinceStart_ = true;

        // The rule ends: one change, and at most one nested change taking it back.
        REQUIRE(changes_.size() <= kMaxChangesPerStep);
        if (localeSwitched_)
            return;
        // Only texts the labs can read (or that may still become one) stay in the field.
        REQUIRE(Allowed(textAfter, allowLoneMinus_));
        REQUIRE(acceptedAfter.isEmpty() || Converts(acceptedAfter));
        if (!textAfter.isEmpty() && Converts(textAfter)) {
            // A passing text is remembered, unless it is the silent default never changed.
            REQUIRE(acceptedAfter == textAfter || !changedSinceStart_);
            REQUIRE(field_.value() == strs::StrToFloat(textAfter));
        }

        bool failed = false;
        for (const QString& text : changes_)
            failed = failed || !Allowed(text, allowLoneMinus_);
        if (failed) {
            // Taken back to the last accepted text, caret at its end, nothing selected.
            REQUIRE(changes_.size() == 2);
            REQUIRE(textAfter == acceptedBefore && acceptedAfter == acceptedBefore);
            REQUIRE(field_.cursorPosition() == textAfter.size() && !field_.hasSelectedText());
        } else if (!changes_.empty()) {
            REQUIRE(changes_.size() == 1 && changes_.front() == textAfter);
        } else {
            REQUIRE(textAfter == textBefore && acceptedAfter == acceptedBefore);
        }
    }

    static void SetLocale(bool pointLocale) {
        QLocale::setDefault(pointLocale ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::Russian, QLocale::Russia));
        REQUIRE(strs::DecimalSeparator() == (pointLocale ? QLatin1Char('.') : QLatin1Char(',')));
    }

    strs::NumericField field_;
    bool allowLoneMinus_;
    bool pointLocale_;
    bool localeSwitched_ = false;
    std::vector<QString> changes_;
    bool changedSinceStart_ = false;
};

void RunSequence(Input& in) {
    const std::uint8_t flags = in.Byte();
    static const char* const kDefaults[] = {"", "1,2", "0,9", "4"};
    // The fields live in a window, as the program's do; it outlives every input.
    static QWidget* const window = new QWidget;
    Session session(window, flags & 1, flags & 2, kDefaults[(flags >> 2) & 3]);
    session.Run(in);
}

}  // namespace

// Every input builds a widget and frees it again; with the default 256 MB quarantine
// each input lands on fresh pages and page faults take most of the time. 16 MB still
// holds the blocks of many inputs, so a use after free is caught all the same.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

// Fontconfig keeps a few blocks of its own cache unreachable for good; not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_field_rule";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends and is never destroyed: libFuzzer leaves through
    // exit(), where tearing the application down after Qt's own globals crashes.
    static QApplication* const app = new QApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Input in(data, size);
    RunSequence(in);
    return 0;
}

#include "app/scripting/session_recorder.h"

#include "app/main_window.h"
#include "app/scripting/page_controls.h"
#include "app/scripting/replay_script.h"
#include "shell/error_guard.h"
#include "shell/numeric_field.h"
#include "shell/radio_group.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <tuple>

namespace strs::replay {

namespace {

// What the page's choice is and what is chosen: the law, the order; nothing on page 3.
std::pair<QString, QString> ChoiceShown(const QWidget& page, int number) {
    if (const auto* laws = page.findChild<QComboBox*>(LawListName()))
        return {laws->accessibleName(), laws->currentText()};
    if (const auto* order = page.findChild<RadioGroup*>(OrderSwitchName(number)); order != nullptr)
        return {order->title(), order->itemIndex() >= 0 ? order->button(order->itemIndex())->text() : QString()};
    return {};
}

}  // namespace

SessionRecorder::SessionRecorder(TForm1& window)
    : QObject(&window), window_(window), record_(QLocale().name()) {
    setObjectName(QStringLiteral("SessionRecorder"));
    const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        watchPage(i + 1, *pages->widget(i));
}

void SessionRecorder::watchPage(int page, QWidget& widget) {
    for (const NumericField* field : widget.findChildren<NumericField*>())
        recordedTexts_[field] = field->text();
    if (auto* laws = widget.findChild<QComboBox*>(LawListName()))
        connect(laws, &QComboBox::currentIndexChanged, this,
                [this](int law) { record_.add(QStringLiteral("select %1 %2").arg(LawListName()).arg(law)); });
    if (auto* order = widget.findChild<RadioGroup*>(OrderSwitchName(page)); order != nullptr)
        connect(order, &RadioGroup::clicked, this, [this, order] {
            record_.add(QStringLiteral("radio %1 %2").arg(order->objectName()).arg(order->itemIndex()));
        });
    if (auto* refresh = widget.findChild<QPushButton*>(RefreshButtonName(page))) {
        // The texts as they were when the button went down: the press itself may change
        // them (a variance of 0 becomes 0,001), and its own replay will do the same.
        connect(refresh, &QPushButton::pressed, this, [this, page] { pressStarts(page); });
        connect(refresh, &QPushButton::clicked, this, [this, page] { pressEnded(page); });
    }
}

QStringList SessionRecorder::sessionLines() const {
    QStringList lines = record_.lines();
    for (const NumericField* field : window_.findChildren<NumericField*>())
        if (const auto recorded = recordedTexts_.find(field); recorded != recordedTexts_.end() && field->text() != recorded->second)
            lines << QStringLiteral("set %1 %2").arg(field->objectName(), Quoted(field->text()));
    const auto* pages = window_.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    lines << QStringLiteral("page %1").arg(pages->currentIndex() + 1);
    return lines;
}

void SessionRecorder::pressStarts(int page) {
    const auto* pages = window_.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    textsAtPress_.clear();
    for (const NumericField* field : pages->widget(page - 1)->findChildren<NumericField*>())
        textsAtPress_[field] = field->text();
    errorsBeforePress_ = ShownErrorCount();
}

void SessionRecorder::pressEnded(int page) {
    const auto* pages = window_.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const QWidget& pageWidget = *pages->widget(page - 1);
    RecordedPress press;
    press.page = page;
    press.time = nextPressTime_.value_or(QDateTime::currentDateTime());
    nextPressTime_.reset();
    std::tie(press.choiceCaption, press.choice) = ChoiceShown(pageWidget, page);
    for (const NumericField* field : pageWidget.findChildren<NumericField*>()) {
        const QString text = textsAtPress_.count(field) != 0 ? textsAtPress_[field] : field->text();
        if (field->isVisibleTo(&pageWidget))
            press.parameters.emplace_back(field->accessibleName(), text);
        if (recordedTexts_[field] != text) {
            record_.add(QStringLiteral("set %1 %2").arg(field->objectName(), Quoted(text)));
            recordedTexts_[field] = text;
        }
    }
    if (ShownErrorCount() != errorsBeforePress_)
        press.error = LastShownError();
    record_.addPress(QStringLiteral("press ") + RefreshButtonName(page), std::move(press));
    textsAtPress_.clear();
}

}  // namespace strs::replay

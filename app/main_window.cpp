#include "app/main_window.h"

#include "app/chart_saving.h"
#include "app/page_keys.h"
#include "app/window_commands.h"
#include "app/window_on_screen.h"
#include "labs/ar_sequence/ar_sequence_page.h"
#include "labs/kalman/kalman_page.h"
#include "labs/random_variable/random_variable_page.h"
#include "labs/wiener/wiener_page.h"
#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "shell/focus_frame.h"
#include "shell/pictures.h"
#include "shell/ui_texts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTabWidget>

namespace strs {

namespace {

// A lab page as a tab of the page control. The page is made inside the tab control so
// that it takes the window's font from its first component on.
template <typename Page>
void AddPage(QTabWidget* tabs, const QString& caption) {
    auto* page = new Page(tabs);
    tabs->addTab(page, caption);
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    RegisterPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Статистическая теория радиотехнических систем"));
    setFont(WindowFont());
    PaintWindowColour(this);
    setFixedSize(kClientWidth, kClientHeight);
    move(202, 189);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->setGeometry(0, 0, kClientWidth, kClientHeight);
    tabs->setAccessibleName(tr("Лабораторные работы"));
    ReadAsWindow(this);
    AddPage<RandomVariablePage>(tabs, tr("Лаб. №1"));
    AddPage<ArSequencePage>(tabs, tr("Лаб. №2"));
    AddPage<KalmanPage>(tabs, tr("Лаб. №3"));
    AddPage<WienerPage>(tabs, tr("Лаб. №4"));
    tabs->setCurrentIndex(0);
    OfferPageKeys(*tabs);
    new FocusFrame(this);

    saving_ = new ChartSaving(this);
    for (ChartWidget* chart : findChildren<ChartWidget*>())
        saving_->offerFor(chart);

    // Every key typed anywhere in the window reaches pr first (key preview).
    qApp->installEventFilter(this);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

QAction* TForm1::addWindowCommand(const QString& text, const QString& objectName, const QKeySequence& shortcut,
                                  std::function<void()> command) {
    if (commands_ == nullptr)
        commands_ = new WindowCommands(*this, *findChild<QTabWidget*>(QStringLiteral("PageControl1")));
    return commands_->add(text, objectName, shortcut, std::move(command));
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        KeepOnScreen(*this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: a typed character reaches pr once, before the focused control, and
    // then goes on unchanged to that control.
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool firstDelivery = widget != nullptr
                                   && (widget == QApplication::focusWidget()
                                       || (QApplication::focusWidget() == nullptr && widget == this));
        if (firstDelivery && widget->window() == this) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            for (QChar c : text)
                pr(c);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace strs

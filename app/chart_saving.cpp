#include "app/chart_saving.h"

#include "shell/chart_export.h"
#include "shell/chart_widget.h"
#include "shell/error_guard.h"

#include <QAction>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace strs {

ChartSaving::ChartSaving(QWidget* window)
    : QObject(window), window_(window), contecst_(new QMenu(window)),
      SavePictureDialog_(new QFileDialog(window)) {
    setObjectName(QStringLiteral("ChartSaving"));
    contecst_->setObjectName(QStringLiteral("contecst"));
    SavePictureDialog_->setObjectName(QStringLiteral("SavePictureDialog"));
    ConfigureSavePictureDialog(*SavePictureDialog_);

    // The menu's commands, in their order.
    N1_ = addCommand(QStringLiteral("Сохранить"), QStringLiteral("N1"), [this](ChartWidget&) { N1Click(); });
    addCommand(QStringLiteral("Копировать"), QStringLiteral("CopyPicture"), CopyChartPicture);
    addCommand(QStringLiteral("Сохранить данные…"), QStringLiteral("SaveData"),
               [this](ChartWidget& chart) { saveData(chart); });
}

QAction* ChartSaving::addCommand(const QString& text, const QString& objectName, ChartCommand command) {
    QAction* action = contecst_->addAction(text);
    action->setObjectName(objectName);
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        RunGuarded(window_, [this, &command] {
            if (saveTarget_ != nullptr)
                command(*saveTarget_);
        });
    });
    return action;
}

void ChartSaving::offerFor(ChartWidget* chart) {
    connect(chart, &ChartWidget::contextMenuRequested, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { con(c); }); });
    connect(chart, &ChartWidget::menuKeyPressed, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { openFromKeyboard(c); }); });
}

void ChartSaving::con(ChartWidget* chart) { openFor(chart, QCursor::pos()); }

void ChartSaving::openFromKeyboard(ChartWidget* chart) {
    openFor(chart, chart->mapToGlobal(chart->rect().center()));
}

void ChartSaving::openFor(ChartWidget* chart, const QPoint& globalPosition) {
    saveTarget_ = chart;
    contecst_->popup(globalPosition);
}

void ChartSaving::saveData(ChartWidget& chart) {
    QString name;
    if (dataChooser_) {
        name = dataChooser_();
    } else {
        name = QFileDialog::getSaveFileName(window_, QStringLiteral("Сохранить данные"), QString(),
                                            QStringLiteral("CSV (*.csv)"));
        if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".csv");
    }
    if (!name.isEmpty())
        WriteChartData(chart, name);
}

void ChartSaving::N1Click() {
    if (saveTarget_ == nullptr)
        return;
    const std::optional<ChosenFile> chosen = chooser_ ? chooser_() : askWithDialog();
    if (!chosen || chosen->name.isEmpty())
        return;
    SaveChartPicture(window_, *saveTarget_, chosen->name, chosen->type);
}

std::optional<ChartSaving::ChosenFile> ChartSaving::askWithDialog() {
    if (SavePictureDialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = SavePictureDialog_->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return ChosenFile{files.first(), SelectedPictureType(*SavePictureDialog_)};
}

}  // namespace strs

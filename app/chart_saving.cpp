#include "app/chart_saving.h"

#include "shell/chart_widget.h"
#include "shell/error_guard.h"

#include <QAction>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>

namespace strs {

ChartSaving::ChartSaving(QWidget* window)
    : QObject(window), window_(window), menu_(new QMenu(window)), dialog_(new QFileDialog(window)) {
    setObjectName(QStringLiteral("ChartSaving"));
    menu_->setObjectName(QStringLiteral("contecst"));
    saveAction_ = menu_->addAction(QStringLiteral("Сохранить"));
    saveAction_->setObjectName(QStringLiteral("N1"));
    dialog_->setObjectName(QStringLiteral("SavePictureDialog"));
    ConfigureSavePictureDialog(*dialog_);

    connect(saveAction_, &QAction::triggered, this, [this] { RunGuarded(window_, [this] { saveChart(); }); });
}

void ChartSaving::offerFor(ChartWidget* chart) {
    connect(chart, &ChartWidget::contextMenuRequested, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { openMenuFor(c); }); });
}

void ChartSaving::openMenuFor(ChartWidget* chart) {
    target_ = chart;
    menu_->popup(QCursor::pos());
}

void ChartSaving::saveChart() {
    if (target_ == nullptr)
        return;
    const std::optional<ChosenFile> chosen = chooser_ ? chooser_() : askWithDialog();
    if (!chosen || chosen->name.isEmpty())
        return;
    SaveChartPicture(window_, *target_, chosen->name, chosen->type);
}

std::optional<ChartSaving::ChosenFile> ChartSaving::askWithDialog() {
    if (dialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog_->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return ChosenFile{files.first(), SelectedPictureType(*dialog_)};
}

}  // namespace strs

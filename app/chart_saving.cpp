#include "app/chart_saving.h"

#include "shell/chart_preview.h"
#include "shell/chart_widget.h"
#include "shell/error_guard.h"
#include "shell/save_dialog_preview.h"

#include <QAction>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>

namespace strs {

ChartSaving::ChartSaving(QWidget* window)
    : QObject(window), window_(window), contecst_(new QMenu(window)),
      SavePictureDialog_(new QFileDialog(window)) {
    setObjectName(QStringLiteral("ChartSaving"));
    contecst_->setObjectName(QStringLiteral("contecst"));
    N1_ = contecst_->addAction(QStringLiteral("Сохранить"));
    N1_->setObjectName(QStringLiteral("N1"));
    SavePictureDialog_->setObjectName(QStringLiteral("SavePictureDialog"));
    ConfigureSavePictureDialog(*SavePictureDialog_);
    preview_ = AddPreviewToSaveDialog(*SavePictureDialog_);

    connect(N1_, &QAction::triggered, this, [this] { RunGuarded(window_, [this] { N1Click(); }); });
}

void ChartSaving::offerFor(ChartWidget* chart) {
    connect(chart, &ChartWidget::contextMenuRequested, this,
            [this](ChartWidget* c) { RunGuarded(window_, [this, c] { con(c); }); });
}

void ChartSaving::con(ChartWidget* chart) {
    saveTarget_ = chart;
    preview_->setChart(chart);
    contecst_->popup(QCursor::pos());
}

void ChartSaving::N1Click() {
    if (saveTarget_ == nullptr)
        return;
    // A "No" to replacing a file brings the dialog back with the name kept, to choose
    // another; only a cancel ends the command without a file.
    while (true) {
        const std::optional<ChosenFile> chosen = chooser_ ? chooser_() : askWithDialog();
        if (!chosen || chosen->name.isEmpty())
            return;
        if (SaveChartPicture(window_, *saveTarget_, chosen->name, chosen->type))
            return;
        SavePictureDialog_->selectFile(chosen->name);
    }
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

// The charts' context menu, the Save command and the legend panels' move handlers.

#include "shell/main_window.h"

#include "shell/legend_panel.h"
#include "shell/picture_file.h"

#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>

namespace strs {

void TForm1::con(ChartWidget* chart)
{
    // The menu opens where the cursor is now, not where the request says.
    saveTarget = chart;
    contecst->popup(QCursor::pos());
}

void TForm1::N1Click()
{
    if (saveTarget == nullptr || SavePictureDialog == nullptr)
        return;
    if (SavePictureDialog->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = SavePictureDialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return;
    SaveChartPicture(this, *saveTarget, chosen.first(), SelectedPictureType(*SavePictureDialog));
}

void TForm1::PanZverVniz()
{
    Panel1->StartMove();
}

void TForm1::ImDaw()
{
    Panel1->StartMove();
}

void TForm1::PanZverVniz2()
{
    Panel2->StartMove();
}

void TForm1::ImDaw2()
{
    Panel2->StartMove();
}

}  // namespace strs

#include "shell/name_dialog.h"

#include "shell/accessibility.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace strs {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(strs::NameDialog)
};

}  // namespace

std::optional<CompletedName> AskNameAndType(QWidget* parent, const QString& title, const QList<FileType>& types,
                                            const QString& suggestedName, int selectedType) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BrowserSaveDialog"));
    dialog.setWindowTitle(title);
    auto* name = new QLineEdit(suggestedName, &dialog);
    name->setObjectName(QStringLiteral("FileName"));
    name->selectAll();
    auto* type = new QComboBox(&dialog);
    type->setObjectName(QStringLiteral("FileType"));
    for (const FileType& t : types)
        type->addItem(t.filter);
    type->setCurrentIndex(selectedType);
    Describe(name, Texts::tr("Имя файла"), Texts::tr("Браузер сохранит файл под этим именем"));
    Describe(type, Texts::tr("Тип файла"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // An empty name saves nothing.
    QObject::connect(name, &QLineEdit::textChanged, &dialog, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Save)->setEnabled(!text.trimmed().isEmpty());
    });
    auto* form = new QFormLayout(&dialog);
    form->addRow(Texts::tr("Имя файла:"), name);
    form->addRow(Texts::tr("Тип файла:"), type);
    form->addRow(buttons);
    name->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CompletedName{name->text().trimmed(), type->currentIndex()};
}

}  // namespace strs

#include "shell/overwrite_question.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace strs {

bool AskInMessageBox(QWidget* parent, const QString& shownName) {
    return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), OverwriteQuestionText(shownName),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

QString OverwriteQuestionText(const QString& shownName) {
    return QCoreApplication::translate("strs::PictureFile", "Файл %1 уже существует. Заменить?").arg(shownName);
}

bool MayWriteOver(QWidget* parent, const QString& fullName, const OverwriteQuestion& ask) {
    if (!QFileInfo(fullName).isFile())
        return true;
    const QString shownName = QDir::toNativeSeparators(fullName);
    return ask ? ask(parent, shownName) : AskInMessageBox(parent, shownName);
}

}  // namespace strs

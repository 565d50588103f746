#include "shell/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace strs {

namespace {

// The few texts of the file dialog that Qt's Russian translation lacks: the type column
// names folders and drives in a context the translation does not have yet.
class RussianToolkitGaps : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || sourceText == nullptr
            || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const char* const kTexts[][2] = {
            {"Folder", "Папка"}, {"Drive", "Диск"}, {"File", "Файл"}, {"Shortcut", "Ярлык"}};
        for (const auto& text : kTexts)
            if (std::strcmp(sourceText, text[0]) == 0)
                return QString::fromUtf8(text[1]);
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void InstallToolkitTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    if (QLocale().language() == QLocale::Russian)
        QCoreApplication::installTranslator(new RussianToolkitGaps(&app));
}

}  // namespace strs

#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <cstring>

// Must stand outside any namespace.
static void registerTranslationResource() {
    Q_INIT_RESOURCE(translations);
#ifdef Q_OS_WASM
    Q_INIT_RESOURCE(toolkit_translations);
#endif
}

namespace strs {

namespace {

UiLanguage& Installed() {
    static UiLanguage language = UiLanguage::Russian;
    return language;
}

// Replaces the translator held in `slot` by one loaded from the file; no file, no
// translator (the source texts are shown).
void Replace(QPointer<QTranslator>& slot, const QString& file, const QString& folder) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        slot = translator;
    } else {
        delete translator;
    }
}

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

// Qt's folder of its translations; in the browser, which has none, the program's copy.
QString ToolkitTranslationsFolder() {
#ifdef Q_OS_WASM
    return QStringLiteral(":/toolkit-translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

UiLanguage ChosenLanguage(const QLocale& locale) {
    const QByteArray wanted = qgetenv("STRS_LANGUAGE").trimmed().toLower();
    if (wanted == "ru")
        return UiLanguage::Russian;
    if (wanted == "en")
        return UiLanguage::English;
    return locale.language() == QLocale::Russian ? UiLanguage::Russian : UiLanguage::English;
}

void InstallTranslations(UiLanguage language) {
    static const bool registered = (registerTranslationResource(), true);
    (void)registered;
    static QPointer<QTranslator> program;
    static QPointer<QTranslator> toolkit;
    static QPointer<QTranslator> toolkitGaps;

    const bool english = language == UiLanguage::English;
    // The program's texts are Russian already; only English needs a translation.
    // The Russian file only chooses the plural forms of the Russian source texts.
    Replace(program, english ? QStringLiteral("strs_en") : QStringLiteral("strs_ru"), QStringLiteral(":/translations"));
    Replace(toolkit, english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_ru"), ToolkitTranslationsFolder());
    if (toolkitGaps) {
        QCoreApplication::removeTranslator(toolkitGaps);
        delete toolkitGaps;
    }
    if (!english) {
        toolkitGaps = new RussianToolkitGaps(QCoreApplication::instance());
        QCoreApplication::installTranslator(toolkitGaps);
    }
    Installed() = language;
}

QString LanguageCode(UiLanguage language) {
    return language == UiLanguage::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

UiLanguage InstalledLanguage() { return Installed(); }

QString LocalizedPicturePath(const QString& stem) {
    const QString suffix = InstalledLanguage() == UiLanguage::English ? QStringLiteral("_en") : QString();
    return QStringLiteral(":/pictures/%1%2.jpg").arg(stem, suffix);
}

}  // namespace strs

#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

Language g_installed = Language::Swedish;

} // namespace

Language ChooseLanguage(const std::string& setting, const QStringList& desktopLanguages)
{
    if (setting == "sv")
        return Language::Swedish;
    if (setting == "en")
        return Language::English;
    for (const QString& language : desktopLanguages)
        if (language.startsWith(QLatin1String("sv"), Qt::CaseInsensitive))
            return Language::Swedish;
    return Language::English;
}

const char* LanguageCode(Language language)
{
    return language == Language::English ? "en" : "sv";
}

void InstallLanguage(Language language)
{
    g_installed = language;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (language == Language::English) {
        // Built into the program: English needs nothing installed beside it.
        if (translator->load(QStringLiteral(":/i18n/ordkamp_en.qm")))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
        return;
    }
    // Qt's own Swedish (file dialogs, edit menus) where the system has it.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_sv", "qt_sv"})
        if (translator->load(QString::fromLatin1(name), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    delete translator;
}

Language InstalledLanguage()
{
    return g_installed;
}

#include "wordlists/LanguageNames.h"

#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStringList>

namespace {

QStringList Words(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text.toCaseFolded() + QLatin1Char(' ')) {
        if (c.isLetter()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

// Every word of every name of each language: its English name and the
// names its locales give it.
const QHash<QLocale::Language, QSet<QString>>& NameWords()
{
    static const QHash<QLocale::Language, QSet<QString>> words = [] {
        QHash<QLocale::Language, QSet<QString>> table;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            if (locale.language() == QLocale::C)
                continue;
            QSet<QString>& names = table[locale.language()];
            for (const QString& word :
                 Words(QLocale::languageToString(locale.language()) + QLatin1Char(' ') + locale.nativeLanguageName()))
                names.insert(word);
        }
        return table;
    }();
    return words;
}

QString CodeOf(QLocale::Language language)
{
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return {};
    const QString code = QLocale::languageToCode(language, QLocale::ISO639Part1);
    return code.isEmpty() ? QLocale::languageToCode(language) : code;
}

} // namespace

QString LanguageOfLocaleName(const QString& name)
{
    const QString bare = name.section(QLatin1Char('@'), 0, 0);
    if (bare.isEmpty() || bare == QLatin1String("C"))
        return {};
    return CodeOf(QLocale(bare).language());
}

QString LanguageOfDescription(const QString& description)
{
    const QStringList words = Words(description);
    QLocale::Language best = QLocale::AnyLanguage;
    int bestCount = 0;
    bool tie = false;
    for (auto it = NameWords().cbegin(); it != NameWords().cend(); ++it) {
        QSet<QString> found;
        for (const QString& word : words)
            if (it.value().contains(word))
                found.insert(word);
        const int count = static_cast<int>(found.size());
        if (count > bestCount) {
            best = it.key();
            bestCount = count;
            tie = false;
        } else if (count == bestCount && count > 0) {
            tie = true;
        }
    }
    return tie ? QString() : CodeOf(best);
}

QString NativeLanguageName(const QString& code)
{
    const QLocale::Language language = QLocale(code).language();
    QHash<QString, int> votes;
    QString best;
    for (const QLocale& locale : QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString name = locale.nativeLanguageName();
        const int count = ++votes[name];
        if (count > votes.value(best) || (count == votes.value(best) && name < best))
            best = name;
    }
    return best.isEmpty() ? code : best;
}

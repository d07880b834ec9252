#include "res/Strings.h"

#include "Version.h"

#include <QCoreApplication>

#include <unordered_map>

namespace {

const std::unordered_map<unsigned, const char*>& Table()
{
    static const std::unordered_map<unsigned, const char*> table = {
        {IDS_WEB_LINK, "URL:https://ordkamp.example.org/"},
        {IDS_MAIL_LINK, "mailto:ordkamp@example.org"},
        {IDS_README_LINK, QT_TRANSLATE_NOOP("Strings", "readme.txt")}, // each language's readme
        {IDS_LOAD_FAILED,
         QT_TRANSLATE_NOOP("Strings",
                           "Det gick inte att läsa in ordlistan under programstarten. Lägg till några "
                           "ord manuellt i \"Redigera ordlista\".")},
        {IDS_LIST_TOO_LARGE,
         QT_TRANSLATE_NOOP("Strings",
                           "Ordlistan är större än 256 MB och lästes inte in. Lägg till några ord "
                           "manuellt i \"Redigera ordlista\".")},
        {IDS_LOADING, QT_TRANSLATE_NOOP("Strings", "\r\nLäser in ordlistan. Vänta....")},
        {IDS_INI_FILE, "ordkamp.ini"},
        {IDS_QUICK_HELP,
         QT_TRANSLATE_NOOP(
             "Strings",
             "Ordkamp {version} är uppbyggt av tre olika ordlekar. Det gäller att lista ut lösningen på tid.\n\n"
             "Hänga Gubbe: Här spelar du hängagubbe, gissar du fel förlorar du tid.\n\n"
             "Anagram: Här visas ett ord med omkastade bokstäver. Skriv ordet.\n\n"
             "Mixord: Tre ord har blandats. Först bokstaven byter plats mellan orden. Sen andra, sen "
             "tredje... osv. Skriv ett av orden.\n\n"
             "För varje ord du klarar ökar din bonus med ett poäng. Misslyckas du, nollställs den.\n\n"
             "Poängberäkning: Poängen beräknas på hur långt ordet är, din bonus, och den tid du har kvar. "
             "Har du ett ord på sju bokstäver, och har fem bokstäver som minimum får du tre poäng (7-5+1). "
             "Till detta värde läggs din bonus, har du klarat två ord i rad tidigare har du fem poäng "
             "(3+2). Denna poäng multipliceras sedan med den tid som du har kvar.\n\n"
             "HighScore: Poängberäkningen för highscorelistan är lite annorlunda. Här räknas tiden som "
             "120 sekunder, och den tid du har över multipliceras med hela ordets längd.\n\n"
             "Fastnat? Ledtråd (F3) visar en bit av ordet och kostar lika många sekunder som tidsavdraget i "
             "hänga gubbe. Ge upp (F6) avslutar turen utan poäng och visar svaret. Paus (Ctrl+P) stannar "
             "klockan och döljer ordet; en tangent i Gissa fortsätter.\n\n"
             "I ReadMe-filen finns mer detaljerade (enklare :-) förklaringar.")},
        {IDS_QUICK_HELP_TITLE, QT_TRANSLATE_NOOP("Strings", "Snabbstart")},
        {IDS_RESET_SCORES, QT_TRANSLATE_NOOP("Strings", "Vill du verkligen nollställa alla poäng?")},
        {IDS_README_FAILED, QT_TRANSLATE_NOOP("Strings", "Det gick inte att öppna ReadMe-filen.")},
        {IDS_EXIT, QT_TRANSLATE_NOOP("Strings", "Vill du verkligen avsluta?")},
        {IDS_AVAILABLE, QT_TRANSLATE_NOOP("Strings", "Tillgängliga ord: %d")},
        {IDS_COLUMN_NAME, QT_TRANSLATE_NOOP("Strings", "Namn")},
        {IDS_COLUMN_BONUS, QT_TRANSLATE_NOOP("Strings", "Bonus")},
        {IDS_COLUMN_POINTS, QT_TRANSLATE_NOOP("Strings", "Poäng")},
        {IDS_GAME_HANGMAN, QT_TRANSLATE_NOOP("Strings", "Hänga Gubbe")},
        {IDS_GAME_HANGMAN + 1, QT_TRANSLATE_NOOP("Strings", "Anagram")},
        {IDS_GAME_HANGMAN + 2, QT_TRANSLATE_NOOP("Strings", "Mixord")},
        {IDS_GAME_HANGMAN + 3, QT_TRANSLATE_NOOP("Strings", "(Växlande)")},
        {IDS_GAME_HANGMAN + 4, QT_TRANSLATE_NOOP("Strings", "(Slumpmässigt)")},
        {IDS_ROUND, QT_TRANSLATE_NOOP("Strings", " - Omgång: %d ")},
        {IDS_WELCOME,
         QT_TRANSLATE_NOOP("Strings", "Välkommen till Ordkamp 2!\r\nLägg till en spelare innan du börjar.")},
        {IDS_NEXT_PLAYER, QT_TRANSLATE_NOOP("Strings", "\r\nNästa spelare: %s")},
        {IDS_RIGHT, QT_TRANSLATE_NOOP("Strings", "Rätt, %d poäng! (%s)")},
        {IDS_WRONG, QT_TRANSLATE_NOOP("Strings", "Tyvärr! Rätt svar: %s")},
        {IDS_ADD_PLAYER, QT_TRANSLATE_NOOP("Strings", "\r\nLägg till minst en spelare.")},
        {IDS_TOO_FEW_WORDS,
         QT_TRANSLATE_NOOP("Strings",
                           "Det finns inte tillräckligt med ord tillgängliga. Ändra reglerna eller "
                           "lägg till fler ord i ordlistan.")},
        {IDS_NEW_HIGHSCORE, QT_TRANSLATE_NOOP("Strings", "Grattis, nytt highscore!")},
        {IDS_TOP_TEN, QT_TRANSLATE_NOOP("Strings", "Grattis, ett top-tio-resultat!")},
        {IDS_PRESS_KEY, QT_TRANSLATE_NOOP("Strings", "Tryck på en tangent för att starta...")},
        {IDS_HOW_TO_START,
         QT_TRANSLATE_NOOP("Strings", "Tryck på en tangent i \"Gissa\" eller klicka här för att börja.")},
        {IDS_HINT_LINE, QT_TRANSLATE_NOOP("Strings", "Ledtråd: %s\u2026")},
        {IDS_WORD_LIST_MENU, QT_TRANSLATE_NOOP("Strings", "&Ordlista")},
        {IDS_STANDARD_LIST, QT_TRANSLATE_NOOP("Strings", "Standardlistan (%s)")},
        {IDS_ALL_WORDS, QT_TRANSLATE_NOOP("Strings", "Alla ord")},
        {IDS_LIST_ITEM, QT_TRANSLATE_NOOP("Strings", "%s (%d ord)")},
        {IDS_LIST_ITEM_SKIPPED, QT_TRANSLATE_NOOP("Strings", "%s (%d ord, %d överhoppade)")},
        {IDS_LIST_UNAVAILABLE,
         QT_TRANSLATE_NOOP("Strings", "Ordlistan \"%s\" kunde inte läsas in. Standardlistan används.")},
        {IDS_AVAILABLE_IN_LIST, QT_TRANSLATE_NOOP("Strings", "Tillgängliga ord: %d (%s)")},
        {IDS_ALL_WORDS_IN, QT_TRANSLATE_NOOP("Strings", "Alla ord (%s)")},
        {IDS_EDIT_LIST_TITLE, QT_TRANSLATE_NOOP("Strings", "Redigera ordlista (%s)")},
        {IDS_IMPORT_UNFIT,
         QT_TRANSLATE_NOOP("Strings",
                           "\"%s\" lades inte till: %d av dess %d ord har bokstäver som "
                           "ordlistans fil inte kan hålla. Orden är på ett språk som Ordkamp inte kan spela.")},
        {IDS_LETTER_TILES_MENU, QT_TRANSLATE_NOOP("Strings", "&Bokstavsbrickor")},
        {IDS_START_BUTTON, QT_TRANSLATE_NOOP("Strings", "&Starta")},
        {IDS_BACKSPACE_BUTTON, QT_TRANSLATE_NOOP("Strings", "Ta tillbaka en bokstav")},
        {IDS_TILE_RIGHT, QT_TRANSLATE_NOOP("Strings", "%s, rätt")},
        {IDS_TILE_WRONG, QT_TRANSLATE_NOOP("Strings", "%s, fel")},
        {IDS_TILE_PLACED, QT_TRANSLATE_NOOP("Strings", "%s, lagd")},
        {IDS_MATCH_MENU, QT_TRANSLATE_NOOP("Strings", "&Match")},
        {IDS_MATCH_ENDLESS, QT_TRANSLATE_NOOP("Strings", "&Utan slut")},
        {IDS_MATCH_ROUNDS, QT_TRANSLATE_NOOP("Strings", "%d omgångar")},
        {IDS_MATCH_OTHER, QT_TRANSLATE_NOOP("Strings", "&Annat antal omgångar...")},
        {IDS_MATCH_OTHER_PROMPT, QT_TRANSLATE_NOOP("Strings", "Antal omgångar (1–99):")},
        {IDS_NEW_MATCH, QT_TRANSLATE_NOOP("Strings", "&Ny match\tCtrl+N")},
        {IDS_ROUND_OF_MATCH, QT_TRANSLATE_NOOP("Strings", " - Omgång %d av %d ")},
        {IDS_NEXT_PLAYER_LAST_ROUND, QT_TRANSLATE_NOOP("Strings", "Nästa spelare: %s (sista omgången)")},
        {IDS_MATCH_WON, QT_TRANSLATE_NOOP("Strings", "%s vann med %d poäng.")},
        {IDS_MATCH_AND, QT_TRANSLATE_NOOP("Strings", " och ")},
        {IDS_MATCH_STANDING, QT_TRANSLATE_NOOP("Strings", "%d: %s, %d poäng, längsta serie %d")},
        {IDS_MATCH_CHART, QT_TRANSLATE_NOOP("Strings", "Poäng efter varje omgång")},
        {IDS_MATCH_ROUND_AXIS, QT_TRANSLATE_NOOP("Strings", "Omgång")},
        {IDS_MATCH_TABLE_ROUND, QT_TRANSLATE_NOOP("Strings", "Omgång %d: %s")},
        {IDS_MATCH_NEXT_TIME, QT_TRANSLATE_NOOP("Strings", "Den nya längden gäller från nästa match (\"Ny match\").")},
        {IDS_A11Y_RESULTS, QT_TRANSLATE_NOOP("Strings", "Matchens resultat")},
        {IDS_PAUSED,
         QT_TRANSLATE_NOOP("Strings", "Paus \u2014 tryck på en tangent i Gissa eller klicka här för att fortsätta.")},
        {IDS_A11Y_DISPLAY, QT_TRANSLATE_NOOP("Strings", "Spelplan")},
        {IDS_A11Y_TIME_LEFT, QT_TRANSLATE_NOOP("Strings", "Tid kvar")},
        {IDS_A11Y_PLAYERS, QT_TRANSLATE_NOOP("Strings", "Spelare")},
        {IDS_A11Y_WORDS, QT_TRANSLATE_NOOP("Strings", "Orden i listan")},
        {IDS_A11Y_HIGHSCORES, QT_TRANSLATE_NOOP("Strings", "Highscorelista")},
        {IDS_A11Y_DASH, QT_TRANSLATE_NOOP("Strings", "streck")},
        {IDS_A11Y_SECONDS_LEFT, QT_TRANSLATE_NOOP("Strings", "%d sekunder kvar")},
        {IDS_LANGUAGE_MENU, QT_TRANSLATE_NOOP("Strings", "S&pråk")},
        {IDS_LANGUAGE_CHANGED, QT_TRANSLATE_NOOP("Strings", "Språket byts när Ordkamp startas nästa gång.")},
        {IDS_SAVE_FAILED,
         QT_TRANSLATE_NOOP("Strings",
                           "Det gick inte att spara inställningarna och highscorelistorna i filen:\n%s\n(%s)\n\n"
                           "Försök igen (till exempel sedan du frigjort utrymme på disken), eller avbryt "
                           "för att avsluta utan att spara.")},
        {IDS_FOLDER_FAILED,
         QT_TRANSLATE_NOOP("Strings",
                           "Det gick inte att förbereda din mapp för ordlista och inställningar:\n%s\n"
                           "Ordlistan kan saknas, och inställningar och highscore kan inte sparas.")},
        {IDS_SETTINGS_UNREADABLE,
         QT_TRANSLATE_NOOP("Strings",
                           "Det gick inte att läsa inställningsfilen:\n%s\n(%s)\n\n"
                           "Spelet använder standardinställningar och tomma highscorelistor, och "
                           "filen skrivs inte över när du avslutar.")},
        {IDS_FILE_NOT_REGULAR, QT_TRANSLATE_NOOP("Strings", "det är inte en vanlig fil")},
        {IDS_FILE_TOO_LARGE, QT_TRANSLATE_NOOP("Strings", "filen är större än 256 MB")},
        {IDS_FILE_READ_ONLY, QT_TRANSLATE_NOOP("Strings", "filen är skrivskyddad")},
        {IDS_OVERWRITE_LIST,
         QT_TRANSLATE_NOOP("Strings", "Du kommer att skriva över standardordlistan. Vill du göra det?")},
        {IDS_LIST_NOT_SAVED, QT_TRANSLATE_NOOP("Strings", "Det gick inte att spara filen \"%s\".")},
        {IDS_LIST_NOT_OPENED, QT_TRANSLATE_NOOP("Strings", "Det gick inte att öppna filen \"%s\".")},
        {IDS_LIST_CHANGED,
         QT_TRANSLATE_NOOP("Strings",
                           "Filen \"%s\" har ändrats av ett annat program sedan ordlistan lästes in. "
                           "Vill du skriva över den ändå?")},
        {IDS_SAVED_AS_WINDOWS1252,
         QT_TRANSLATE_NOOP("Strings",
                           "Ordlistan lästes in som UTF-8. Den har sparats i spelets eget format "
                           "(Windows-1252), som även Ordkamp för Windows läser:\n%s")},
        {IDS_WORD_COUNT, QT_TRANSLATE_NOOP("Strings", "Antal ord: %d")},
        {IDS_SORT_ALPHABETICAL, QT_TRANSLATE_NOOP("Strings", "Bokstavsordning")},
        {IDS_SORT_BY_LENGTH, QT_TRANSLATE_NOOP("Strings", "Storlek")},
        {IDS_IMPORT_TITLE, QT_TRANSLATE_NOOP("Strings", "Importera ord")},
        {IDS_IMPORT_FILTER, QT_TRANSLATE_NOOP("Strings", "Ordlistor (*.kvtml *.txt *.se);;Alla filer (*)")},
        {IDS_IMPORT_FAILED, QT_TRANSLATE_NOOP("Strings", "Det gick inte att importera filen \"%s\".")},
        {IDS_HIGHSCORE_COLUMN, "#"},
        {IDS_HIGHSCORE_COLUMN + 1, QT_TRANSLATE_NOOP("Strings", "Namn")},
        {IDS_HIGHSCORE_COLUMN + 2, QT_TRANSLATE_NOOP("Strings", "Datum")},
        {IDS_HIGHSCORE_COLUMN + 3, QT_TRANSLATE_NOOP("Strings", "Tid")},
        {IDS_HIGHSCORE_COLUMN + 4, QT_TRANSLATE_NOOP("Strings", "Längd")},
        {IDS_HIGHSCORE_COLUMN + 5, QT_TRANSLATE_NOOP("Strings", "Poäng")},
        {IDS_RESET_HIGHSCORE, QT_TRANSLATE_NOOP("Strings", "Vill du verkligen nollställa highscorelistan för %s?")},
        {IDS_APP_TITLE, "Ordkamp"},
    };
    return table;
}

} // namespace

QString LoadString(unsigned id)
{
    const auto found = Table().find(id);
    if (found == Table().end())
        return {};
    // The chosen language's text where there is one; "{version}" is the build's.
    return QCoreApplication::translate("Strings", found->second)
        .replace(QStringLiteral("{version}"), QStringLiteral(ORDKAMP_VERSION));
}

QString FormatString(unsigned id, const QStringList& args)
{
    const QString pattern = LoadString(id);
    QString text;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool placeholder =
            pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 'd' || pattern[i + 1] == 's');
        if (!placeholder) {
            text += pattern[i];
            continue;
        }
        text += next < args.size() ? args[next++] : QString();
        ++i;
    }
    return text;
}

#include "res/Strings.h"

#include "Version.h"

#include <unordered_map>

namespace {

const std::unordered_map<unsigned, const char*>& Table()
{
    static const std::unordered_map<unsigned, const char*> table = {
        {IDS_ABOUTBOX, "&Om Ordkamp..."},
        {IDS_WEB_LINK, "URL:https://ordkamp.example.org/"},
        {IDS_MAIL_LINK, "mailto:ordkamp@example.org"},
        {IDS_README_LINK, "readme.txt"},
        {IDS_LOAD_FAILED, "Det gick inte att läsa in ordlistan under programstarten. Lägg till några "
                          "ord manuellt i \"Redigera ordlista\"."},
        {IDS_TIMER_FAILED, "Det gick inte att starta Ordkamp (timerfel). Stäng några program, och "
                           "försök igen."},
        {IDS_LIST_TOO_LARGE, "Ordlistan är större än 256 MB och lästes inte in. Lägg till några ord "
                             "manuellt i \"Redigera ordlista\"."},
        {IDS_LOADING, "\r\nLäser in ordlistan. Vänta...."},
        {IDS_INI_FILE, "ordkamp.ini"},
        {IDS_WORD_FILE, "ordkamp.se"},
        {IDS_QUICK_HELP,
         "Ordkamp " ORDKAMP_VERSION " är uppbyggt av tre olika ordlekar. Det gäller att lista ut lösningen på tid.\n\n"
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
         "I ReadMe-filen finns mer detaljerade (enklare :-) förklaringar."},
        {IDS_QUICK_HELP_TITLE, "Snabbstart"},
        {IDS_RESET_SCORES, "Vill du verkligen nollställa alla poäng?"},
        {IDS_README_FAILED, "Det gick inte att öppna ReadMe-filen."},
        {IDS_EXIT, "Vill du verkligen avsluta?"},
        {IDS_AVAILABLE, "Tillgängliga ord: %d"},
        {IDS_COLUMN_NAME, "Namn"},
        {IDS_COLUMN_BONUS, "Bonus"},
        {IDS_COLUMN_POINTS, "Poäng"},
        {IDS_GAME_HANGMAN, "Hänga Gubbe"},
        {IDS_GAME_HANGMAN + 1, "Anagram"},
        {IDS_GAME_HANGMAN + 2, "Mixord"},
        {IDS_GAME_HANGMAN + 3, "(Växlande)"},
        {IDS_GAME_HANGMAN + 4, "(Slumpmässigt)"},
        {IDS_ROUND, " - Omgång: %d "},
        {IDS_WELCOME, "Välkommen till Ordkamp 2!\r\nLägg till en spelare innan du börjar."},
        {IDS_NEXT_PLAYER, "\r\nNästa spelare: %s"},
        {IDS_RIGHT, "Rätt, %d poäng! (%s)"},
        {IDS_WRONG, "Tyvärr! Rätt svar: %s"},
        {IDS_ADD_PLAYER, "\r\nLägg till minst en spelare."},
        {IDS_TOO_FEW_WORDS, "Det finns inte tillräckligt med ord tillgängliga. Ändra reglerna eller "
                            "lägg till fler ord i ordlistan."},
        {IDS_NEW_HIGHSCORE, "Grattis, nytt highscore!"},
        {IDS_TOP_TEN, "Grattis, ett top-tio-resultat!"},
        {IDS_PRESS_KEY, "Tryck på en tangent för att starta..."},
        {IDS_HOW_TO_START, "Tryck på en tangent i \"Gissa\" för att börja."},
        {IDS_HINT_LINE, "Ledtråd: %s\u2026"},
        {IDS_WORD_LIST_MENU, "&Ordlista"},
        {IDS_STANDARD_LIST, "Standardlistan (ordkamp.se)"},
        {IDS_ALL_WORDS, "Alla ord"},
        {IDS_LIST_ITEM, "%s (%d ord)"},
        {IDS_LIST_ITEM_SKIPPED, "%s (%d ord, %d överhoppade)"},
        {IDS_LIST_UNAVAILABLE, "Ordlistan \"%s\" kunde inte läsas in. Standardlistan används."},
        {IDS_AVAILABLE_IN_LIST, "Tillgängliga ord: %d (%s)"},
        {IDS_PAUSED, "Paus \u2014 tryck på en tangent i Gissa för att fortsätta."},
        {IDS_A11Y_DISPLAY, "Spelplan"},
        {IDS_A11Y_TIME_LEFT, "Tid kvar"},
        {IDS_A11Y_PLAYERS, "Spelare"},
        {IDS_A11Y_WORDS, "Orden i listan"},
        {IDS_A11Y_HIGHSCORES, "Highscorelista"},
        {IDS_A11Y_DASH, "streck"},
        {IDS_A11Y_SECONDS_LEFT, "%d sekunder kvar"},
        {IDS_SAVE_FAILED, "Det gick inte att spara inställningarna och highscorelistorna i filen:\n%s\n(%s)\n\n"
                          "Försök igen (till exempel sedan du frigjort utrymme på disken), eller avbryt "
                          "för att avsluta utan att spara."},
        {IDS_FOLDER_FAILED, "Det gick inte att förbereda din mapp för ordlista och inställningar:\n%s\n"
                            "Ordlistan kan saknas, och inställningar och highscore kan inte sparas."},
        {IDS_SETTINGS_UNREADABLE, "Det gick inte att läsa inställningsfilen:\n%s\n(%s)\n\n"
                                  "Spelet använder standardinställningar och tomma highscorelistor, och "
                                  "filen skrivs inte över när du avslutar."},
        {IDS_FILE_NOT_REGULAR, "det är inte en vanlig fil"},
        {IDS_FILE_TOO_LARGE, "filen är större än 256 MB"},
        {IDS_FILE_READ_ONLY, "filen är skrivskyddad"},
        {IDS_OVERWRITE_LIST, "Du kommer att skriva över standardordlistan. Vill du göra det?"},
        {IDS_LIST_NOT_SAVED, "Det gick inte att spara filen \"%s\"."},
        {IDS_LIST_NOT_OPENED, "Det gick inte att öppna filen \"%s\"."},
        {IDS_LIST_CHANGED, "Filen \"%s\" har ändrats av ett annat program sedan ordlistan lästes in. "
                           "Vill du skriva över den ändå?"},
        {IDS_SAVED_AS_WINDOWS1252, "Ordlistan lästes in som UTF-8. Den har sparats i spelets eget format "
                                   "(Windows-1252), som även Ordkamp för Windows läser:\n%s"},
        {IDS_WORD_COUNT, "Antal ord: %d"},
        {IDS_SORT_ALPHABETICAL, "Bokstavsordning"},
        {IDS_SORT_BY_LENGTH, "Storlek"},
        {IDS_IMPORT_TITLE, "Importera ord"},
        {IDS_IMPORT_FILTER, "Ordlistor (*.kvtml *.txt *.se);;Alla filer (*)"},
        {IDS_IMPORT_FAILED, "Det gick inte att importera filen \"%s\"."},
        {IDS_HIGHSCORE_COLUMN, "#"},
        {IDS_HIGHSCORE_COLUMN + 1, "Namn"},
        {IDS_HIGHSCORE_COLUMN + 2, "Datum"},
        {IDS_HIGHSCORE_COLUMN + 3, "Tid"},
        {IDS_HIGHSCORE_COLUMN + 4, "Längd"},
        {IDS_HIGHSCORE_COLUMN + 5, "Poäng"},
        {IDS_RESET_HIGHSCORE, "Vill du verkligen nollställa highscorelistan för %s?"},
        {IDS_APP_TITLE, "Ordkamp"},
    };
    return table;
}

} // namespace

QString LoadString(unsigned id)
{
    const auto found = Table().find(id);
    return found == Table().end() ? QString() : QString::fromUtf8(found->second);
}

QString FormatString(unsigned id, const QStringList& args)
{
    const QString pattern = LoadString(id);
    QString text;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size()
            && (pattern[i + 1] == 'd' || pattern[i + 1] == 's');
        if (!placeholder) {
            text += pattern[i];
            continue;
        }
        text += next < args.size() ? args[next++] : QString();
        ++i;
    }
    return text;
}

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv_SE">
<context>
    <name>Buttons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nej</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Försök igen</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>Stäng</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Om Ordkamp 2...</source>
        <translation>About Ordkamp 2...</translation>
    </message>
    <message>
        <source>Highscore</source>
        <translation>Highscore</translation>
    </message>
    <message>
        <source>Redigera ordlista</source>
        <translation>Edit word list</translation>
    </message>
    <message>
        <source>Freeware från Ordkamp-projektet</source>
        <translation>Freeware from the Ordkamp project</translation>
    </message>
    <message>
        <source>ReadMe-filen.</source>
        <translation>the ReadMe file.</translation>
    </message>
    <message>
        <source>För mer information (hjälp och liknande) läs i </source>
        <translation>For more information (help and the like) read </translation>
    </message>
    <message>
        <source>&amp;Nya ord:</source>
        <translation>&amp;New words:</translation>
    </message>
    <message>
        <source>&amp;Lägg till/sortera</source>
        <translation>&amp;Add/sort</translation>
    </message>
    <message>
        <source>&amp;Sortera i: </source>
        <translation>&amp;Sort by: </translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ordlista:</source>
        <translation>&amp;Word list:</translation>
    </message>
    <message>
        <source>&amp;Radera </source>
        <translation>&amp;Delete </translation>
    </message>
    <message>
        <source>&amp;Antal ord:</source>
        <translation>N&amp;umber of words:</translation>
    </message>
    <message>
        <source>&amp;Öppna ordlista</source>
        <translation>&amp;Open word list</translation>
    </message>
    <message>
        <source>S&amp;para ordlista</source>
        <translation>Sa&amp;ve word list</translation>
    </message>
    <message>
        <source>&amp;Importera...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>&amp;Visa för speltyp:</source>
        <translation>&amp;Show for game:</translation>
    </message>
    <message>
        <source>Poängen beräknas på din tid och hur långt ordet var som du löste. För tiden får du 120 poäng minus den tid som det tog att lösa ordet. Detta multipliceras med ordets längd och därifrån får man fram slutsumman.</source>
        <translation>The points come from your time and the length of the word you solved. For the time you get 120 points less the seconds it took to solve the word. This is multiplied by the length of the word, which gives the total.</translation>
    </message>
    <message>
        <source>&amp;Nollställ...</source>
        <translation>&amp;Reset...</translation>
    </message>
    <message>
        <source>&amp;Ny:</source>
        <translation>&amp;New:</translation>
    </message>
    <message>
        <source>&amp;Lägg till</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Sätt som nästa</source>
        <translation>Play next</translation>
    </message>
    <message>
        <source>&amp;Radera spelare</source>
        <translation>&amp;Delete player</translation>
    </message>
    <message>
        <source>&amp;Gissa:</source>
        <translation>&amp;Guess:</translation>
    </message>
    <message>
        <source>Regler</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Tid hängag&amp;ubbe:</source>
        <translation>Hangman &amp;time:</translation>
    </message>
    <message>
        <source>Tid anagra&amp;m:</source>
        <translation>Anagra&amp;m time:</translation>
    </message>
    <message>
        <source>Tid mi&amp;xord:</source>
        <translation>Mi&amp;xword time:</translation>
    </message>
    <message>
        <source>Spel&amp;typ:</source>
        <translation>Game t&amp;ype:</translation>
    </message>
    <message>
        <source>Hänga gubbe, tidsa&amp;vdrag:</source>
        <translation>Hangman &amp;penalty:</translation>
    </message>
    <message>
        <source>M&amp;insta antal bokstäver:</source>
        <translation>Fe&amp;west letters:</translation>
    </message>
    <message>
        <source>H&amp;ögsta antal bokstäver:</source>
        <translation>M&amp;ost letters:</translation>
    </message>
    <message>
        <source>Tillgängliga ord:</source>
        <translation>Available words:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Arkiv</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Redigera ordlista...	Ctrl+E</source>
        <translation>&amp;Edit word list...	Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Avsluta</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Spel</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Ledtråd	F3</source>
        <translation>&amp;Hint	F3</translation>
    </message>
    <message>
        <source>&amp;Ge upp	F6</source>
        <translation>&amp;Give up	F6</translation>
    </message>
    <message>
        <source>&amp;Paus	Ctrl+P</source>
        <translation>&amp;Pause	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Nollställ poänglistan...	F2</source>
        <translation>&amp;Reset scores...	F2</translation>
    </message>
    <message>
        <source>&amp;Highscore...	F4</source>
        <translation>High&amp;score...	F4</translation>
    </message>
    <message>
        <source>Lj&amp;ud	Ctrl+M</source>
        <translation>So&amp;und	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Hjälp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Snabbstart...	Shift+F1</source>
        <translation>&amp;Quick start...	Shift+F1</translation>
    </message>
    <message>
        <source>Öppna &amp;ReadMe-filen...	F1</source>
        <translation>Open the &amp;ReadMe file...	F1</translation>
    </message>
    <message>
        <source>&amp;Om...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>readme.txt</source>
        <translation>ReadMe-en.txt</translation>
    </message>
    <message>
        <source>Det gick inte att läsa in ordlistan under programstarten. Lägg till några ord manuellt i &quot;Redigera ordlista&quot;.</source>
        <translation>The word list could not be read at start. Add some words by hand in &quot;Edit word list&quot;.</translation>
    </message>
    <message>
        <source>Ordlistan är större än 256 MB och lästes inte in. Lägg till några ord manuellt i &quot;Redigera ordlista&quot;.</source>
        <translation>The word list is larger than 256 MB and was not read. Add some words by hand in &quot;Edit word list&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Läser in ordlistan. Vänta....</source>
        <translation><byte value="xd"/>
Reading the word list. Please wait....</translation>
    </message>
    <message>
        <source>Ordkamp {version} är uppbyggt av tre olika ordlekar. Det gäller att lista ut lösningen på tid.

Hänga Gubbe: Här spelar du hängagubbe, gissar du fel förlorar du tid.

Anagram: Här visas ett ord med omkastade bokstäver. Skriv ordet.

Mixord: Tre ord har blandats. Först bokstaven byter plats mellan orden. Sen andra, sen tredje... osv. Skriv ett av orden.

För varje ord du klarar ökar din bonus med ett poäng. Misslyckas du, nollställs den.

Poängberäkning: Poängen beräknas på hur långt ordet är, din bonus, och den tid du har kvar. Har du ett ord på sju bokstäver, och har fem bokstäver som minimum får du tre poäng (7-5+1). Till detta värde läggs din bonus, har du klarat två ord i rad tidigare har du fem poäng (3+2). Denna poäng multipliceras sedan med den tid som du har kvar.

HighScore: Poängberäkningen för highscorelistan är lite annorlunda. Här räknas tiden som 120 sekunder, och den tid du har över multipliceras med hela ordets längd.

Fastnat? Ledtråd (F3) visar en bit av ordet och kostar lika många sekunder som tidsavdraget i hänga gubbe. Ge upp (F6) avslutar turen utan poäng och visar svaret. Paus (Ctrl+P) stannar klockan och döljer ordet; en tangent i Gissa fortsätter.

I ReadMe-filen finns mer detaljerade (enklare :-) förklaringar.</source>
        <translation>Ordkamp {version} is made of three word games. The point is to find the answer in time. The words are Swedish.

Hangman: Guess the word letter by letter; a wrong letter costs you time.

Anagram: A word is shown with its letters shuffled. Type the word.

Mixword: Three words have been mixed. The first letters swap places between the words, then the second, then the third, and so on. Type one of the words.

For every word you solve your bonus grows by one point. When you fail, it goes back to zero.

Points: The points depend on the length of the word, your bonus and the time you have left. A word of seven letters with five letters as the minimum gives three points (7-5+1). Your bonus is added to that: if you have solved two words in a row before, you have five points (3+2). These points are then multiplied by the seconds you have left.

HighScore: The highscore list counts a little differently. The time counts as 120 seconds, and the seconds you have over are multiplied by the whole length of the word.

Stuck? Hint (F3) shows a little of the word and costs as many seconds as the hangman penalty. Give up (F6) ends the turn without points and shows the answer. Pause (Ctrl+P) stops the clock and hides the word; a key in Guess goes on.

The ReadMe file has more detailed (simpler :-) explanations.</translation>
    </message>
    <message>
        <source>Snabbstart</source>
        <translation>Quick start</translation>
    </message>
    <message>
        <source>Vill du verkligen nollställa alla poäng?</source>
        <translation>Do you really want to reset all the scores?</translation>
    </message>
    <message>
        <source>Det gick inte att öppna ReadMe-filen.</source>
        <translation>The ReadMe file could not be opened.</translation>
    </message>
    <message>
        <source>Vill du verkligen avsluta?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>Tillgängliga ord: %d</source>
        <translation>Available words: %d</translation>
    </message>
    <message>
        <source>Namn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Poäng</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Hänga Gubbe</source>
        <translation>Hangman</translation>
    </message>
    <message>
        <source>Anagram</source>
        <translation>Anagram</translation>
    </message>
    <message>
        <source>Mixord</source>
        <translation>Mixword</translation>
    </message>
    <message>
        <source>(Växlande)</source>
        <translation>(Alternating)</translation>
    </message>
    <message>
        <source>(Slumpmässigt)</source>
        <translation>(Random)</translation>
    </message>
    <message>
        <source> - Omgång: %d </source>
        <translation> - Round: %d </translation>
    </message>
    <message>
        <source>Välkommen till Ordkamp 2!<byte value="xd"/>
Lägg till en spelare innan du börjar.</source>
        <translation>Welcome to Ordkamp 2!<byte value="xd"/>
Add a player before you start.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Nästa spelare: %s</source>
        <translation><byte value="xd"/>
Next player: %s</translation>
    </message>
    <message>
        <source>Rätt, %d poäng! (%s)</source>
        <translation>Right, %d points! (%s)</translation>
    </message>
    <message>
        <source>Tyvärr! Rätt svar: %s</source>
        <translation>Sorry! The answer: %s</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Lägg till minst en spelare.</source>
        <translation><byte value="xd"/>
Add at least one player.</translation>
    </message>
    <message>
        <source>Det finns inte tillräckligt med ord tillgängliga. Ändra reglerna eller lägg till fler ord i ordlistan.</source>
        <translation>There are not enough words available. Change the rules or add more words to the word list.</translation>
    </message>
    <message>
        <source>Grattis, nytt highscore!</source>
        <translation>Congratulations, a new highscore!</translation>
    </message>
    <message>
        <source>Grattis, ett top-tio-resultat!</source>
        <translation>Congratulations, a top ten result!</translation>
    </message>
    <message>
        <source>Tryck på en tangent för att starta...</source>
        <translation>Press a key to start...</translation>
    </message>
    <message>
        <source>Tryck på en tangent i &quot;Gissa&quot; eller klicka här för att börja.</source>
        <translation>Press a key in &quot;Guess&quot; or click here to begin.</translation>
    </message>
    <message>
        <source>Ledtråd: %s…</source>
        <translation>Hint: %s…</translation>
    </message>
    <message>
        <source>&amp;Ordlista</source>
        <translation>&amp;Word list</translation>
    </message>
    <message>
        <source>Standardlistan (%s)</source>
        <translation>The standard list (%s)</translation>
    </message>
    <message>
        <source>Alla ord</source>
        <translation>All words</translation>
    </message>
    <message>
        <source>%s (%d ord)</source>
        <translation>%s (%d words)</translation>
    </message>
    <message>
        <source>%s (%d ord, %d överhoppade)</source>
        <translation>%s (%d words, %d skipped)</translation>
    </message>
    <message>
        <source>Ordlistan &quot;%s&quot; kunde inte läsas in. Standardlistan används.</source>
        <translation>The word list &quot;%s&quot; could not be read. The standard list is used.</translation>
    </message>
    <message>
        <source>Tillgängliga ord: %d (%s)</source>
        <translation>Available words: %d (%s)</translation>
    </message>
    <message>
        <source>Alla ord (%s)</source>
        <translation>All words (%s)</translation>
    </message>
    <message>
        <source>Redigera ordlista (%s)</source>
        <translation>Edit word list (%s)</translation>
    </message>
    <message>
        <source>&quot;%s&quot; lades inte till: %d av dess %d ord har bokstäver som ordlistans fil inte kan hålla. Orden är på ett språk som Ordkamp inte kan spela.</source>
        <translation>&quot;%s&quot; was not added: %d of its %d words have letters that the word list&apos;s file cannot hold. The words are in a language Ordkamp cannot play.</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>&amp;Utan slut</source>
        <translation>&amp;Endless</translation>
    </message>
    <message>
        <source>%d omgångar</source>
        <translation>%d rounds</translation>
    </message>
    <message>
        <source>&amp;Annat antal omgångar...</source>
        <translation>&amp;Other number of rounds...</translation>
    </message>
    <message>
        <source>Antal omgångar (1–99):</source>
        <translation>Number of rounds (1–99):</translation>
    </message>
    <message>
        <source>&amp;Ny match	Ctrl+N</source>
        <translation>&amp;New match	Ctrl+N</translation>
    </message>
    <message>
        <source> - Omgång %d av %d </source>
        <translation> - Round %d of %d </translation>
    </message>
    <message>
        <source>Nästa spelare: %s (sista omgången)</source>
        <translation>Next player: %s (last round)</translation>
    </message>
    <message>
        <source>%s vann med %d poäng.</source>
        <translation>%s won with %d points.</translation>
    </message>
    <message>
        <source> och </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%d: %s, %d poäng, längsta serie %d</source>
        <translation>%d: %s, %d points, longest streak %d</translation>
    </message>
    <message>
        <source>Poäng efter varje omgång</source>
        <translation>Points after each round</translation>
    </message>
    <message>
        <source>Omgång</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Omgång %d: %s</source>
        <translation>Round %d: %s</translation>
    </message>
    <message>
        <source>Den nya längden gäller från nästa match (&quot;Ny match&quot;).</source>
        <translation>The new length applies from the next match (&quot;New match&quot;).</translation>
    </message>
    <message>
        <source>Matchens resultat</source>
        <translation>Results of the match</translation>
    </message>
    <message>
        <source>Paus — tryck på en tangent i Gissa eller klicka här för att fortsätta.</source>
        <translation>Pause — press a key in Guess or click here to go on.</translation>
    </message>
    <message>
        <source>&amp;Bokstavsbrickor</source>
        <translation>&amp;Letter tiles</translation>
    </message>
    <message>
        <source>&amp;Starta</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Ta tillbaka en bokstav</source>
        <translation>Take back a letter</translation>
    </message>
    <message>
        <source>%s, rätt</source>
        <translation>%s, right</translation>
    </message>
    <message>
        <source>%s, fel</source>
        <translation>%s, wrong</translation>
    </message>
    <message>
        <source>%s, lagd</source>
        <translation>%s, placed</translation>
    </message>
    <message>
        <source>Spelplan</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Tid kvar</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Spelare</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Orden i listan</source>
        <translation>The words of the list</translation>
    </message>
    <message>
        <source>Highscorelista</source>
        <translation>Highscore list</translation>
    </message>
    <message>
        <source>streck</source>
        <translation>dash</translation>
    </message>
    <message>
        <source>%d sekunder kvar</source>
        <translation>%d seconds left</translation>
    </message>
    <message>
        <source>S&amp;pråk</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Språket byts när Ordkamp startas nästa gång.</source>
        <translation>The language changes the next time Ordkamp starts.</translation>
    </message>
    <message>
        <source>Det gick inte att spara inställningarna och highscorelistorna i filen:
%s
(%s)

Försök igen (till exempel sedan du frigjort utrymme på disken), eller avbryt för att avsluta utan att spara.</source>
        <translation>The settings and highscore lists could not be saved in the file:
%s
(%s)

Try again (for example after freeing space on the disk), or cancel to quit without saving.</translation>
    </message>
    <message>
        <source>Det gick inte att förbereda din mapp för ordlista och inställningar:
%s
Ordlistan kan saknas, och inställningar och highscore kan inte sparas.</source>
        <translation>Your folder for the word list and settings could not be prepared:
%s
The word list may be missing, and settings and highscores cannot be saved.</translation>
    </message>
    <message>
        <source>Det gick inte att läsa inställningsfilen:
%s
(%s)

Spelet använder standardinställningar och tomma highscorelistor, och filen skrivs inte över när du avslutar.</source>
        <translation>The settings file could not be read:
%s
(%s)

The game uses the standard settings and empty highscore lists, and the file is not written over when you quit.</translation>
    </message>
    <message>
        <source>det är inte en vanlig fil</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>filen är större än 256 MB</source>
        <translation>the file is larger than 256 MB</translation>
    </message>
    <message>
        <source>filen är skrivskyddad</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>Du kommer att skriva över standardordlistan. Vill du göra det?</source>
        <translation>You are about to write over the standard word list. Do you want to do that?</translation>
    </message>
    <message>
        <source>Det gick inte att spara filen &quot;%s&quot;.</source>
        <translation>The file &quot;%s&quot; could not be saved.</translation>
    </message>
    <message>
        <source>Det gick inte att öppna filen &quot;%s&quot;.</source>
        <translation>The file &quot;%s&quot; could not be opened.</translation>
    </message>
    <message>
        <source>Filen &quot;%s&quot; har ändrats av ett annat program sedan ordlistan lästes in. Vill du skriva över den ändå?</source>
        <translation>The file &quot;%s&quot; has been changed by another program since the word list was read. Do you want to write over it anyway?</translation>
    </message>
    <message>
        <source>Ordlistan lästes in som UTF-8. Den har sparats i spelets eget format (Windows-1252), som även Ordkamp för Windows läser:
%s</source>
        <translation>The word list was read as UTF-8. It has been saved in the game&apos;s own format (Windows-1252), which Ordkamp for Windows reads too:
%s</translation>
    </message>
    <message>
        <source>Antal ord: %d</source>
        <translation>Number of words: %d</translation>
    </message>
    <message>
        <source>Bokstavsordning</source>
        <translation>Alphabetical order</translation>
    </message>
    <message>
        <source>Storlek</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Importera ord</source>
        <translation>Import words</translation>
    </message>
    <message>
        <source>Ordlistor (*.kvtml *.txt *.se);;Alla filer (*)</source>
        <translation>Word lists (*.kvtml *.txt *.se);;All files (*)</translation>
    </message>
    <message>
        <source>Det gick inte att importera filen &quot;%s&quot;.</source>
        <translation>The file &quot;%s&quot; could not be imported.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tid</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Längd</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Vill du verkligen nollställa highscorelistan för %s?</source>
        <translation>Do you really want to reset the highscore list for %s?</translation>
    </message>
</context>
</TS>

// The windows with the list of all words (about 120 000): the game window
// from construction to a painted, loaded window, and the word-list editor's
// opening, re-sorting, deleting a selection and OK. The editor's opening,
// re-sorting, adding one word and OK also with two million synthetic words
// (argument 1).
// The word-list menu's first opening with the desktop's Swedish vocabulary
// files (argument 0) and with every language's (argument 1, with the
// system's registered word lists too).
// Runs offscreen.
//
// ORDKAMP_BENCH_WORDLIST names another list to use in place of all words.

#include "app/WordGameDlg.h"
#include "editor/WordListDlg.h"
#include "profile/Profile.h"
#include "res/Strings.h"
#include "wordlists/WordListCatalog.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>

#include "SyntheticList.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

CWordEngine LoadedEngine(const std::string& path)
{
    CWordEngine engine;
    engine.m_strFileName = path;
    engine.LoadWordList();
    return engine;
}

CWordEngine& GameEngine()
{
    static CWordEngine engine = [] {
        const char* path = std::getenv("ORDKAMP_BENCH_WORDLIST");
        return LoadedEngine(path && *path ? path : ORDKAMP_LARGE_WORDLIST);
    }();
    return engine;
}

CWordEngine& TwoMillionWords()
{
    static CWordEngine engine = [] {
        const std::string path = WriteSyntheticList(2'000'000);
        CWordEngine loaded = LoadedEngine(path);
        std::filesystem::remove(path);
        return loaded;
    }();
    return engine;
}

CWordEngine& ListOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? GameEngine() : TwoMillionWords();
}

std::unique_ptr<CWordListDlg> OpenEditor(CWordEngine& game = GameEngine())
{
    auto editor = std::make_unique<CWordListDlg>();
    editor->m_pGameEngine = &game;
    editor->show();
    return editor;
}

// Start-up as the player sees it: the window is built, painted with the
// loading text, the settings and the word list are read and the welcome
// text is shown.
void BM_StartGameWindow(benchmark::State& state)
{
    QTemporaryDir folder;
    QFile::copy(QString::fromStdString(GameEngine().m_strFileName), folder.filePath("ordkamp.se"));
    SetAppPathOverride(folder.path().toStdString());
    for (auto _ : state) {
        CWordGameDlg window;
        window.OnInitDialog();
        // The list is read after the first paint, from the event loop.
        for (int i = 0; i < 10000 && window.m_strDisplay == LoadString(IDS_LOADING); ++i)
            QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.m_engine.m_words.size());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    SetAppPathOverride({});
}
BENCHMARK(BM_StartGameWindow)->Unit(benchmark::kMillisecond);

void BM_OpenWordListMenu(benchmark::State& state)
{
    QTemporaryDir folder, swedish;
    QFile::copy(QStringLiteral(ORDKAMP_LARGE_WORDLIST), folder.filePath("ordkamp-alla.se"));
    QFile::copy(QStringLiteral(ORDKAMP_STANDARD_WORDLIST), folder.filePath("ordkamp.se"));
    QDir(swedish.path()).mkpath("apps/kvtml");
    QFile::link("/usr/share/apps/kvtml/sv", swedish.filePath("apps/kvtml/sv"));
    SetAppPathOverride(folder.path().toStdString());
    qputenv("XDG_DATA_HOME", folder.filePath("nothing").toUtf8());
    qputenv("XDG_DATA_DIRS", state.range(0) == 0 ? swedish.path().toUtf8() : QByteArray("/usr/share"));
    if (state.range(0) == 0)
        SetSystemWordListFoldersOverride(folder.filePath("no-registry"), folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CWordGameDlg>();
        window->OnInitDialog();
        window->EnsureWordListLoaded();
        QMenu* menu = nullptr;
        for (QMenu* candidate : window->findChildren<QMenu*>())
            if (candidate->title() == LoadString(IDS_WORD_LIST_MENU))
                menu = candidate;
        state.ResumeTiming();
        emit menu->aboutToShow();
        benchmark::DoNotOptimize(menu->actions().size());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    SetSystemWordListFoldersOverride({}, {});
    SetAppPathOverride({});
}
BENCHMARK(BM_OpenWordListMenu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OpenEditor(benchmark::State& state)
{
    CWordEngine& game = ListOf(state);
    for (auto _ : state) {
        auto editor = OpenEditor(game);
        benchmark::DoNotOptimize(editor->m_engine.m_words.size());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One new word each time, typed into "Ny:" with the list in the chosen
// order ("Storlek", the order it opens in).
void BM_AddOneWord(benchmark::State& state)
{
    auto editor = OpenEditor(ListOf(state));
    editor->m_comboSort->setCurrentIndex(SORT_BY_LENGTH);
    unsigned serial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QString word = QStringLiteral("qxz");
        for (unsigned n = ++serial; n > 0; n /= 26)
            word += QChar(u'a' + n % 26);
        editor->m_strNewWords = word;
        editor->UpdateData(false);
        state.ResumeTiming();
        editor->OnAddSort();
    }
}
BENCHMARK(BM_AddOneWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ResortEditor(benchmark::State& state)
{
    auto editor = OpenEditor(ListOf(state));
    int mode = SORT_BY_LENGTH;
    for (auto _ : state) {
        editor->m_comboSort->setCurrentIndex(mode);
        editor->OnAddSort();
        mode = 1 - mode;
    }
}
BENCHMARK(BM_ResortEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A selection of 1 000 scattered words, the way a player builds one.
void BM_DeleteSelection(benchmark::State& state)
{
    auto editor = OpenEditor();
    for (auto _ : state) {
        state.PauseTiming();
        editor->m_engine.CopyWordsFrom(GameEngine());
        editor->FillWordList();
        QItemSelection selection;
        const QAbstractItemModel* model = editor->m_listWords->model();
        for (int row = 0; row < model->rowCount() && selection.size() < 1000; row += 97)
            selection.select(model->index(row, 0), model->index(row, 0));
        editor->m_listWords->selectionModel()->select(selection, QItemSelectionModel::Select);
        state.ResumeTiming();
        editor->OnDeleteWords();
    }
}
BENCHMARK(BM_DeleteSelection)->Unit(benchmark::kMillisecond);

void BM_DeleteAll(benchmark::State& state)
{
    auto editor = OpenEditor();
    for (auto _ : state) {
        state.PauseTiming();
        editor->m_engine.CopyWordsFrom(GameEngine());
        editor->FillWordList();
        editor->m_listWords->selectAll();
        state.ResumeTiming();
        editor->OnDeleteWords();
    }
}
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond);

// OK after the list was sorted alphabetically: the game gets it by length.
void BM_EditorOK(benchmark::State& state)
{
    CWordEngine game;
    auto editor = OpenEditor(ListOf(state));
    editor->m_pGameEngine = &game;
    editor->m_comboSort->setCurrentIndex(SORT_ALPHABETICAL);
    editor->OnAddSort();
    for (auto _ : state)
        editor->OnOK();
}
BENCHMARK(BM_EditorOK)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

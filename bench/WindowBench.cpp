// The windows with the default list (about 120 000 words): the game window
// from construction to a painted, loaded window, and the word-list editor's
// opening, re-sorting, deleting a selection and OK. Runs offscreen.
//
// ORDKAMP_BENCH_WORDLIST names another list to use.

#include "app/WordGameDlg.h"
#include "editor/WordListDlg.h"
#include "profile/Profile.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

CWordEngine& GameEngine()
{
    static CWordEngine engine = [] {
        CWordEngine e;
        const char* path = std::getenv("ORDKAMP_BENCH_WORDLIST");
        e.m_strFileName = path && *path ? path : ORDKAMP_LARGE_WORDLIST;
        e.LoadWordList();
        return e;
    }();
    return engine;
}

std::unique_ptr<CWordListDlg> OpenEditor()
{
    auto editor = std::make_unique<CWordListDlg>();
    editor->m_pGameEngine = &GameEngine();
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
        benchmark::DoNotOptimize(window.m_engine.m_words.size());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    SetAppPathOverride({});
}
BENCHMARK(BM_StartGameWindow)->Unit(benchmark::kMillisecond);

void BM_OpenEditor(benchmark::State& state)
{
    for (auto _ : state) {
        auto editor = OpenEditor();
        benchmark::DoNotOptimize(editor->m_engine.m_words.size());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_ResortEditor(benchmark::State& state)
{
    auto editor = OpenEditor();
    int mode = SORT_BY_LENGTH;
    for (auto _ : state) {
        editor->m_comboSort->setCurrentIndex(mode);
        editor->OnAddSort();
        mode = 1 - mode;
    }
}
BENCHMARK(BM_ResortEditor)->Unit(benchmark::kMillisecond);

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

void BM_EditorOK(benchmark::State& state)
{
    CWordEngine game;
    auto editor = OpenEditor();
    editor->m_pGameEngine = &game;
    for (auto _ : state)
        editor->OnOK();
}
BENCHMARK(BM_EditorOK)->Unit(benchmark::kMillisecond);

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

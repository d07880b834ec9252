#pragma once

#include "EngineFixtures.h"
#include "TempFolder.h"
#include "app/WordGameDlg.h"
#include "platform/Beep.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "profile/IniFile.h"
#include "profile/Profile.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

// A game window started in a folder of its own, with message boxes, beeps
// and the desktop answered by the test.
struct GameWindow : ::testing::Test {
    TempFolder folder;
    std::unique_ptr<CWordGameDlg> dlg;
    std::vector<std::pair<QString, unsigned>> boxes;
    int answer = IDYES;
    std::vector<unsigned> sounds; // the type of every beep and sound, in order
    std::vector<QString> opened;
    intptr_t shellResult = 42;
    std::vector<QStringList> started; // programs started, each with its arguments
    bool startResult = true;

    void SetUp() override
    {
        SetAppPathOverride(folder.Path().string());
        SetMessageBoxHook([this](const QString& text, unsigned type) {
            boxes.emplace_back(text, type);
            return answer;
        });
        SetBeepHook([this](unsigned type) { sounds.push_back(type); });
        SetShellOpenHook([this](const QString& target) {
            opened.push_back(target);
            return shellResult;
        });
        SetStartProgramHook([this](const QString& program, const QStringList& arguments) {
            started.push_back(QStringList{program} + arguments);
            return startResult;
        });
    }

    void TearDown() override
    {
        dlg.reset();
        SetMessageBoxHook({});
        SetBeepHook({});
        SetShellOpenHook({});
        SetStartProgramHook({});
        SetAppPathOverride({});
    }

    void WriteWords(const std::vector<std::string>& words)
    {
        std::string text;
        for (const std::string& word : words)
            text += word + "\r\n";
        // The standard list of the window's language: it plays from the start.
        WriteBytes(folder.File(StandardListName(LanguageCode(InstalledLanguage())).toStdString()), text);
    }

    // The window as a player meets it: shown, painted, its list read; its
    // draws the same in every run.
    void Start()
    {
        dlg = std::make_unique<CWordGameDlg>();
        dlg->m_engine.m_random.Seed(1);
        ASSERT_TRUE(dlg->OnInitDialog());
        dlg->EnsureWordListLoaded(); // as its first paint does
        QApplication::setActiveWindow(dlg.get()); // shortcuts reach the active window only
    }

    template <typename T = QWidget>
    T* Control(int id) const
    {
        return DialogControl<T>(dlg.get(), id);
    }

    QLineEdit* Guess() const { return Control<QLineEdit>(IDC_GUESS); }
    QAction* Action(int command) const { return dlg->findChild<QAction*>(QString::number(command)); }
    // A menu item without a command of its own, by its text.
    QAction* ActionNamed(const QString& text) const
    {
        for (QAction* action : dlg->findChildren<QAction*>())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    void AddPlayer(const QString& name)
    {
        Control<QLineEdit>(IDC_NEW_PLAYER)->setText(name);
        QTest::mouseClick(Control<QPushButton>(IDC_ADD_PLAYER), Qt::LeftButton);
    }

    void ChooseGame(int game)
    {
        Control<QComboBox>(IDC_GAME_TYPE)->setCurrentIndex(game);
        dlg->OnSelchangeGameType();
    }

    void Type(const QString& text) { QTest::keyClicks(Guess(), text); }

    void Tick(int times = 1)
    {
        while (times-- > 0)
            dlg->OnTimer();
    }

    void Select(int row) { Control<QTreeWidget>(IDC_PLAYERS)->setCurrentItem(Row(row)); }

    QTreeWidgetItem* Row(int row) const { return Control<QTreeWidget>(IDC_PLAYERS)->topLevelItem(row); }
    QString Cell(int row, int column) const { return Row(row)->text(column); }
    bool Bold(int row) const { return Row(row)->font(0).bold(); }
};

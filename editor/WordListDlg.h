#pragma once

#include "engine/WordEngine.h"

#include "controls/TemplateDialog.h"
#include <QString>

class CWordListModel;
class QComboBox;
class QListView;

// The word-list editor: works on a copy of the game's words in an engine of
// its own, and hands the result back to the game only on OK.
class CWordListDlg : public CTemplateDialog {
public:
    explicit CWordListDlg(QWidget* parent = nullptr);
    ~CWordListDlg() override;

    int DoModal();
    void UpdateData(bool saveAndValidate);

    void OnShowWindow();
    void FillWordList();
    void OnAddSort();
    void OnDeleteWords();
    void OnOpenList();
    void OnSaveList();
    // Adds the words of a vocabulary or text file (UTF-8 or Windows-1252,
    // words apart by white space) as added text is added; nothing is
    // written before "Spara ordlista".
    void OnImport();
    void OnOK();
    void OnCancelButton();

    CWordEngine* m_pGameEngine = nullptr;
    // The settings file, whose lock every save of the list is made under,
    // so that two windows saving at once take turns and each sees the
    // other's words; empty: the list's own file.
    std::string m_strLockFile;
    CWordEngine m_engine;
    QListView* m_listWords = nullptr;
    QComboBox* m_comboSort = nullptr;
    QString m_strNewWords;
    QString m_strWordCount;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CWordListModel* m_model = nullptr;
    bool m_bSetUp = false;
};

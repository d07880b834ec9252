#pragma once

#include <QAbstractListModel>

#include "engine/WordList.h"

// A view's window onto an engine's word list: rows are converted to text
// only when they are shown, so a list of any length opens at once.
class CWordListModel : public QAbstractListModel {
public:
    explicit CWordListModel(const CWordList& words, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The list has changed under the model.
    void Refill();

private:
    const CWordList& m_words;
};

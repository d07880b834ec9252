#include "editor/WordListModel.h"

#include "platform/Windows1252.h"

CWordListModel::CWordListModel(const CWordList& words, QObject* parent)
    : QAbstractListModel(parent)
    , m_words(words)
{
}

int CWordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_words.size());
}

QVariant CWordListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<std::size_t>(index.row()) >= m_words.size())
        return {};
    return FromWindows1252(m_words[static_cast<std::size_t>(index.row())]);
}

void CWordListModel::Refill()
{
    beginResetModel();
    endResetModel();
}

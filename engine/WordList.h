#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// The words of a list in one buffer, each behind a byte holding its length,
// and the list's order as 4-byte offsets into that buffer: two million words
// cost their letters plus five bytes each, and reordering or removing words
// moves offsets, never text. The text of removed words is reclaimed once it
// outgrows the text kept. A word is at most 255 bytes.
class CWordList {
public:
    enum class Order { None, Alphabetical, ByLength };

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const CWordList* list, std::size_t row)
            : m_list(list)
            , m_row(row)
        {
        }
        std::string_view operator*() const { return (*m_list)[m_row]; }
        std::string_view operator[](difference_type n) const { return (*m_list)[m_row + n]; }
        const_iterator& operator++()
        {
            ++m_row;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_row;
            return old;
        }
        const_iterator& operator--()
        {
            --m_row;
            return *this;
        }
        const_iterator operator--(int)
        {
            const_iterator old = *this;
            --m_row;
            return old;
        }
        const_iterator& operator+=(difference_type n)
        {
            m_row += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n)
        {
            m_row -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b)
        {
            return static_cast<difference_type>(a.m_row) - static_cast<difference_type>(b.m_row);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.m_row == b.m_row; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.m_row <=> b.m_row; }

    private:
        const CWordList* m_list = nullptr;
        std::size_t m_row = 0;
    };
    using iterator = const_iterator;
    using value_type = std::string_view;
    using size_type = std::size_t;

    CWordList() = default;
    CWordList(std::initializer_list<std::string_view> words);

    std::size_t size() const { return m_offsets.size(); }
    bool empty() const { return m_offsets.empty(); }
    std::string_view operator[](std::size_t row) const
    {
        const char* at = m_text.data() + m_offsets[row];
        return {at + 1, static_cast<unsigned char>(*at)};
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }
    // The order the list is known to be in, every word once; None after an
    // append.
    Order order() const { return m_order; }

    void push_back(std::string_view word);
    void clear();
    // Removes the rows given (ascending, each once, all inside the list).
    void EraseRows(const std::vector<std::size_t>& rows);

    // Replaces the list with the words `clean` makes of the lines of
    // `contents`, in the file's order. `clean(line, word)` sets `word` and
    // says whether to keep it; a word is never longer than its line, so the
    // words are written over the contents' own bytes and a file's list costs
    // no second copy of it.
    void AssignFromLines(std::string&& contents,
                         const std::function<bool(std::string_view line, std::string& word)>& clean);

    // Sorts the list by collation (by length first when byLength is set) and
    // keeps byte-equal words once. Nothing to do when it is in that order.
    void SortUnique(bool byLength);
    // Inserts the words of `added` that the list lacks; both must be in the
    // same known order, which the list keeps.
    void MergeSorted(const CWordList& added);

    friend bool operator==(const CWordList& a, const CWordList& b);

private:
    void Compact();

    std::string m_text;
    std::vector<uint32_t> m_offsets;
    std::size_t m_deadBytes = 0;
    Order m_order = Order::None;
};

// The letters the words use, each once, in byte order: a letter board offers
// them for the list in play.
std::string DistinctLetters(const CWordList& words);

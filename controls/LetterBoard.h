#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

// A board of letter tiles to play by mouse or touch, with buttons beside it.
// It knows no game: it shows the letters it is given, marked as it is told,
// and says which tile was pressed.

enum class TileMark {
    Free, // can be chosen
    Placed, // in the guess being built: chosen again, it is taken back
    Right, // a tried letter in the word
    Wrong, // a tried letter not in the word
    Disabled, // cannot be chosen now
};

struct TileRow {
    QString letters;
    std::vector<TileMark> marks; // one a letter; Free where missing
};

// A tile: pressed by a click, a tap (a touch that ends on it, once), Space,
// Enter or Return; it never takes the focus from where the player types.
class CTile : public QPushButton {
public:
    explicit CTile(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CLetterBoard : public QWidget {
public:
    explicit CLetterBoard(QWidget* parent);

    // The tiles, a row of letters each, laid out from the left; a row too
    // long for the board's width goes on in the next line. Rows of equal
    // length line up in columns. `names(letter, mark)` names each tile for
    // screen readers.
    void SetRows(const std::vector<TileRow>& rows, const std::function<QString(QChar, TileMark)>& names);
    // A button in the column at the board's right, in the order added.
    QPushButton* AddButton(const QString& text);

    CTile* Tile(int row, int index) const;
    bool HasTile(int row, int index) const;
    // The height that holds `lines` lines of tiles of `tile` pixels, or the
    // buttons' column, whichever is taller.
    int HeightFor(int lines, int tile) const;

    std::function<void(int row, int index)> onTile;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    std::vector<std::vector<CTile*>> m_tiles;
    std::vector<QPushButton*> m_buttons;
};

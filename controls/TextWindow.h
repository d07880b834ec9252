#pragma once

#include <QDialog>

class QPlainTextEdit;

// How a text window lays out its lines: paragraphs wrapped to the window
// (the quick help), or lines kept as written, scrolling sideways where one
// is too long (a readme, already wrapped by its author).
enum class TextLines { Wrapped, AsWritten };

// A read-only, scrollable window of plain text, as large as its text but
// never larger than the screen; Esc closes it. The quick help, and the
// readme when the desktop cannot open it.
class CTextWindow : public QDialog {
public:
    CTextWindow(const QString& title, const QString& text, TextLines lines, QWidget* parent = nullptr);

    QPlainTextEdit* m_text = nullptr;
};

// Shows the text in a CTextWindow and waits until it is closed.
void ShowTextWindow(QWidget* parent, const QString& title, const QString& text, TextLines lines);

#include "controls/TextWindow.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 76; // a readme's line, with room to spare

} // namespace

CTextWindow::CTextWindow(const QString& title, const QString& text, TextLines lines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    if (lines == TextLines::AsWritten)
        m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(text); // never rich text: a readme is plain
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);

    const QFontMetrics metrics(m_text->font());
    const QMargins margins = layout->contentsMargins();
    const int frame = 2 * m_text->frameWidth() + 2 * static_cast<int>(m_text->document()->documentMargin());
    int textWidth = metrics.averageCharWidth() * kColumns;
    if (lines == TextLines::AsWritten)
        for (const QString& line : text.split('\n'))
            textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, textWidth, 1 << 24), Qt::TextWordWrap, text);
    QSize wanted(textWidth + frame + margins.left() + margins.right() + 20, // 20: the scroll bar
                 wrapped.height() + frame + margins.top() + margins.bottom() + metrics.lineSpacing());
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

void ShowTextWindow(QWidget* parent, const QString& title, const QString& text, TextLines lines)
{
    CTextWindow window(title, text, lines, parent);
    window.exec();
}

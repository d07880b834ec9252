#pragma once

#include <QLabel>

#include <cstdint>

// Link styles.
enum : uint32_t {
    HLS_UNDERLINE = 0x01,
    HLS_HOVERCOLOR = 0x02,
    HLS_AUTOSIZE = 0x04,
    HLS_OPENONDOWN = 0x08,
    HLS_FOCUSONCLICK = 0x10,
    HLS_NOHANDCURSOR = 0x20,
    HLS_NOACTIVECOLOR = 0x40,
};

// A static text of a dialog turned into a link: link colours, underlined,
// sized to its text, a hand cursor and a tooltip with the target; a click
// (or Space) opens the target through the desktop, with the web-page
// handler as fallback, and reports a failure.
class CHyperLink : public QLabel {
public:
    CHyperLink();

    // Takes the place of the dialog's static with that id (its position,
    // text, alignment and name) and becomes the link.
    void SubclassDlgItem(int id, QWidget* dialog);
    void SetLink(const QString& target);

    // The colour the text is drawn in now.
    QColor CtlColor() const;
    void FitWindowToText();
    void FollowLink();
    void OnMouseMove(const QPoint& point);

    // Opens a target: the desktop first, then the web-page handler. A
    // ShellExecute-style result, above 32 for success.
    static intptr_t OpenLink(const QString& target);
    static void ReportOpenError(int code);

    bool m_bActive = false;
    bool m_bHover = false;
    bool m_bVisited = false;
    uint32_t m_dwLinkStyle = HLS_UNDERLINE | HLS_AUTOSIZE | HLS_FOCUSONCLICK;
    QString m_strLink;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PreSubclassWindow();
    bool m_bAttached = false;
};

#include "controls/HyperLink.h"

#include "controls/LinkFallback.h"
#include "platform/Beep.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kLinkColour(0, 0, 255);
const QColor kActiveColour(0, 128, 128);
const QColor kVisitedColour(128, 0, 128);
const QColor kHoverColour(255, 0, 0);

// "URL:" is the wrapper RFC 3986 (appendix C) allows around a link in
// text; the desktop wants the link itself.
QString WithoutUrlWrapper(const QString& target)
{
    return target.startsWith(QStringLiteral("URL:")) ? target.mid(4) : target;
}

// A link to a screen reader: its text, where it leads, and a press that
// opens it.
class CHyperLinkAccessible : public QAccessibleWidget {
public:
    explicit CHyperLinkAccessible(CHyperLink* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* link = static_cast<const CHyperLink*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return link->text();
        case QAccessible::Value:
            return WithoutUrlWrapper(link->m_strLink);
        default:
            return QAccessibleWidget::text(kind);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.traversed = static_cast<const CHyperLink*>(widget())->m_bVisited;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<CHyperLink*>(widget())->FollowLink();
    }
};

QAccessibleInterface* HyperLinkAccessible(const QString&, QObject* object)
{
    auto* link = dynamic_cast<CHyperLink*>(object);
    return link ? new CHyperLinkAccessible(link) : nullptr;
}

} // namespace

CHyperLink::CHyperLink()
{
    setTextFormat(Qt::PlainText);
    static const bool installed = (QAccessible::installFactory(HyperLinkAccessible), true);
    (void)installed;
}

void CHyperLink::SubclassDlgItem(int id, QWidget* dialog)
{
    auto* original = dialog->findChild<QLabel*>(QString::number(id), Qt::FindDirectChildrenOnly);
    if (!original)
        return;
    setParent(dialog);
    setFont(original->font());
    setGeometry(original->geometry());
    setAlignment(original->alignment());
    setText(original->text());
    stackUnder(original);
    delete original;
    setObjectName(QString::number(id));
    PreSubclassWindow();
    show();
}

void CHyperLink::PreSubclassWindow()
{
    m_bAttached = true;
    if (m_strLink.isEmpty())
        m_strLink = text();
    if (text().isEmpty())
        setText(m_strLink);
    QFont underlined = font();
    underlined.setUnderline((m_dwLinkStyle & HLS_UNDERLINE) != 0);
    setFont(underlined);
    FitWindowToText();
    if (!(m_dwLinkStyle & HLS_NOHANDCURSOR))
        setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    // Reachable with Tab always, so that the keyboard and a screen reader
    // find it; a click gives it the focus when the style says so.
    setFocusPolicy((m_dwLinkStyle & HLS_FOCUSONCLICK) ? Qt::StrongFocus : Qt::TabFocus);
    setToolTip(m_strLink);
}

void CHyperLink::SetLink(const QString& target)
{
    m_strLink = target;
    if (!m_bAttached)
        return;
    hide();
    FitWindowToText();
    setToolTip(target);
    show();
}

void CHyperLink::FitWindowToText()
{
    if (!(m_dwLinkStyle & HLS_AUTOSIZE))
        return;
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int textHeight = metrics.height();
    const int borderWidth = width() - contentsRect().width();
    const int borderHeight = height() - contentsRect().height();
    QRect rect = geometry().adjusted(0, 0, -borderWidth, -borderHeight);

    if (alignment() & Qt::AlignVCenter) {
        const int shrink = (rect.height() - textHeight) / 2;
        rect.adjust(0, shrink, 0, -shrink);
    } else {
        rect.setHeight(textHeight);
    }
    if (alignment() & Qt::AlignHCenter) {
        const int shrink = (rect.width() - textWidth) / 2;
        rect.adjust(shrink, 0, -shrink, 0);
    } else if (alignment() & Qt::AlignRight) {
        rect.setLeft(rect.right() + 1 - textWidth);
    } else {
        rect.setWidth(textWidth);
    }
    setGeometry(rect.x(), rect.y(), rect.width() + borderWidth, rect.height() + borderHeight);
}

QColor CHyperLink::CtlColor() const
{
    if (m_bHover && (m_dwLinkStyle & HLS_HOVERCOLOR))
        return kHoverColour;
    if (!(m_dwLinkStyle & HLS_NOACTIVECOLOR) && m_bActive)
        return kActiveColour;
    if (m_bVisited)
        return kVisitedColour;
    return kLinkColour;
}

void CHyperLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(CtlColor());
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

void CHyperLink::OnMouseMove(const QPoint& point)
{
    if (!m_bHover) {
        m_bHover = true;
        update();
    } else if (!rect().contains(point)) {
        m_bHover = false;
        update();
    }
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->position().toPoint());
}

void CHyperLink::leaveEvent(QEvent*)
{
    // Qt tells when the pointer leaves; no mouse capture is needed for it.
    if (m_bHover) {
        m_bHover = false;
        update();
    }
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dwLinkStyle & HLS_FOCUSONCLICK)
        setFocus(Qt::MouseFocusReason);
    if (m_dwLinkStyle & HLS_OPENONDOWN)
        FollowLink();
    m_bActive = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    // Qt sends the release to the pressed widget wherever it happens; a
    // press dragged off the link and released elsewhere opens nothing.
    if (event->button() == Qt::LeftButton && m_bActive && !(m_dwLinkStyle & HLS_OPENONDOWN)
        && rect().contains(event->position().toPoint()))
        FollowLink();
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    m_bActive = true;
    update();
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    m_bHover = false;
    m_bActive = false;
    update();
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        FollowLink();
    else
        QLabel::keyPressEvent(event);
}

void CHyperLink::FollowLink()
{
    const intptr_t result = OpenLink(m_strLink);
    if (result > 32) {
        m_bVisited = true;
        update();
        return;
    }
    AppBeep(MB_ICONEXCLAMATION);
    ReportOpenError(static_cast<int>(result));
}

intptr_t CHyperLink::OpenLink(const QString& target)
{
    const QString link = WithoutUrlWrapper(target);
    const intptr_t result = ShellOpen(link);
    if (result > 32)
        return result;
    const QString registered = WebPageHandlerCommand();
    if (registered.isEmpty())
        return result;
    const std::optional<QStringList> arguments = FallbackArguments(registered, link);
    if (!arguments)
        return result;
    // Started directly, never through a shell: the link is one argument.
    const QString program = arguments->first();
    return StartProgram(program, arguments->mid(1)) ? SE_OPENED : SE_ERR_FILE_NOT_FOUND;
}

void CHyperLink::ReportOpenError(int code)
{
    AppMessageBox(nullptr, OpenErrorText(code), MB_OK | MB_ICONEXCLAMATION);
}

#include "platform/DialogTemplate.h"

#include "platform/UpDownEdit.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTreeWidget>

namespace {

// The property that names the edit an up-down id stands for.
constexpr char kUpDownBuddies[] = "ordkampUpDownBuddies";

QWidget* MakeControl(QWidget* parent, const ControlTemplate& c)
{
    const QString text = QCoreApplication::translate("Dialogs", c.text); // the chosen language's, where there is one
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::WrappedLabel:
    case ControlKind::RightLabel: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.kind == ControlKind::CentredLabel)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (c.kind == ControlKind::RightLabel)
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setWordWrap(c.kind == ControlKind::WrappedLabel);
        return label;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(parent);
        icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return icon;
    }
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::MultiLineEdit: {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        return edit;
    }
    case ControlKind::NumberEdit:
        return new CUpDownEdit(parent);
    case ControlKind::Button:
    case ControlKind::DefaultButton: {
        // As on a Windows dialog: a push button with the focus is the default
        // (Enter presses it); once the focus leaves the buttons, the
        // template's default button is the default again.
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(true);
        button->setDefault(c.kind == ControlKind::DefaultButton);
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::DropDownList: {
        auto* combo = new QComboBox(parent);
        // Its size hint follows the items added later, not those of its first look.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return combo;
    }
    case ControlKind::VerticalProgress: {
        auto* bar = new QProgressBar(parent);
        bar->setOrientation(Qt::Vertical);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Display: {
        auto* display = new QPlainTextEdit(parent);
        display->setReadOnly(true);
        display->setFocusPolicy(Qt::ClickFocus);
        display->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        display->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        display->document()->setDocumentMargin(1);
        QTextOption option = display->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        display->document()->setDefaultTextOption(option);
        return display;
    }
    case ControlKind::ReportList: {
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        list->setItemsExpandable(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSortingEnabled(false);
        list->header()->setSectionsClickable(false);
        list->header()->setSectionsMovable(false);
        return list;
    }
    case ControlKind::WordList: {
        auto* list = new QListView(parent);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setUniformItemSizes(true); // a long list stays fast
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return list;
    }
    case ControlKind::UpDown:
        break;
    }
    return nullptr;
}

} // namespace

int NeededWidth(QWidget* control)
{
    control->ensurePolished(); // the style's own font and metrics, as when shown
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->wordWrap() || label->text().isEmpty())
            return 0;
        const int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
        const int measured =
            metrics.size(flags, label->text()).width() + label->width() - label->contentsRect().width();
        return std::max(measured, label->sizeHint().width());
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        // What the style adds around the text, asked with the button's own
        // options; measured on a wide text so that the style's smallest
        // button (80 px in some) does not count: that is a look, not a need.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->isDefault() || button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        constexpr int kWide = 1000;
        const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
        const int around = button->style()
                               ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(kWide, text.height()), button)
                               .width()
            - kWide;
        return text.width() + around;
    }
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->sizeHint().width(); // its widest item, as the style draws it
    return 0;
}

namespace {

// Widens `control` by `delta`, moving the siblings to its right on its rows
// and growing the group boxes around it; `moved` keeps each sibling from
// moving twice.
void Widen(QWidget* control, int delta, std::vector<QWidget*>& moved)
{
    const QRect old = control->geometry();
    control->resize(old.width() + delta, old.height());
    const QList<QWidget*> siblings = control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* sibling : siblings) {
        const QRect other = sibling->geometry();
        const bool sameRows = other.top() <= old.bottom() && other.bottom() >= old.top();
        if (sibling == control || !sameRows || other.left() <= old.right() - 1
            || std::find(moved.begin(), moved.end(), sibling) != moved.end())
            continue;
        sibling->move(other.x() + delta, other.y());
        moved.push_back(sibling);
    }
    for (QWidget* sibling : siblings)
        if (qobject_cast<QGroupBox*>(sibling) && sibling != control && sibling->geometry().contains(old))
            Widen(sibling, delta, moved);
}

} // namespace

QSize FitControlsToText(QWidget* dialog, QSize client)
{
    QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* child) { return qobject_cast<const QMenuBar*>(child); });
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    int rightmost = 0;
    for (const QWidget* control : controls)
        rightmost = std::max(rightmost, control->geometry().right());
    const int margin = client.width() - 1 - rightmost;

    for (QWidget* control : controls) {
        // Measured again after widening: a style's room for text need not
        // grow pixel for pixel with the control.
        for (int delta = NeededWidth(control) - control->width(), tries = 0; delta > 0 && tries < 3;
             delta = NeededWidth(control) - control->width(), ++tries) {
            std::vector<QWidget*> moved;
            Widen(control, delta, moved);
        }
    }
    for (const QWidget* control : controls)
        client.setWidth(std::max(client.width(), control->geometry().right() + 1 + margin));
    return client;
}

QFont DialogFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

namespace {

// Dialog units to pixels for the given font: its average character width
// and its height, measured once for all the template's controls.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int width =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        m_baseX = (width / 26 + 1) / 2;
        m_baseY = metrics.height();
    }

    QRect ToPixels(const QRect& units) const
    {
        return QRect(units.x() * m_baseX / 4, units.y() * m_baseY / 8, units.width() * m_baseX / 4,
                     units.height() * m_baseY / 8);
    }

private:
    int m_baseX, m_baseY;
};

} // namespace

QSize BuildDialog(QWidget* parent, const DialogTemplate& dialog, int top)
{
    const DialogUnits units(parent->font());
    QVariantMap buddies;
    QWidget* previous = nullptr;
    QLabel* pendingMnemonic = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.kind == ControlKind::UpDown) {
            buddies.insert(QString::number(c.id), previous ? previous->objectName() : QString());
            continue;
        }
        QWidget* control = MakeControl(parent, c);
        QRect rect = units.ToPixels(QRect(c.x, c.y, c.cx, c.cy));
        if (c.kind == ControlKind::DropDownList) // the template's height is the open list's
            rect.setHeight(control->sizeHint().height());
        control->setGeometry(rect.translated(0, top));
        if (c.id != IDC_STATIC)
            control->setObjectName(QString::number(c.id));
        control->setEnabled(!c.disabled);

        if (pendingMnemonic && c.kind != ControlKind::GroupBox)
            pendingMnemonic->setBuddy(control);
        pendingMnemonic = nullptr;
        if (auto* label = qobject_cast<QLabel*>(control); label && label->text().contains('&'))
            pendingMnemonic = label;
        previous = control;
    }
    parent->setProperty(kUpDownBuddies, buddies);
    return units.ToPixels(QRect(0, 0, dialog.cx, dialog.cy)).size() + QSize(0, top);
}

QWidget* DialogControl(const QWidget* parent, int id)
{
    QString name = QString::number(id);
    const QVariantMap buddies = parent->property(kUpDownBuddies).toMap();
    if (buddies.contains(name))
        name = buddies.value(name).toString();
    return parent->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

#include "DialogTemplate.h"

#include "UpDownEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The property that names the edit an up-down id stands for.
constexpr char kUpDownBuddies[] = "ordkampUpDownBuddies";

QWidget* MakeControl(QWidget* parent, const ControlTemplate& c)
{
    const QString text = QString::fromUtf8(c.text);
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
    case ControlKind::DropDownList:
        return new QComboBox(parent);
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

QFont DialogFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

QRect DialogUnitsToPixels(const QFont& font, const QRect& units)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseX = (width / 26 + 1) / 2;
    const int baseY = metrics.height();
    return QRect(units.x() * baseX / 4, units.y() * baseY / 8, units.width() * baseX / 4,
                 units.height() * baseY / 8);
}

QSize BuildDialog(QWidget* parent, const DialogTemplate& dialog, int top)
{
    const QFont font = parent->font();
    QVariantMap buddies;
    QWidget* previous = nullptr;
    QLabel* pendingMnemonic = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        if (c.kind == ControlKind::UpDown) {
            buddies.insert(QString::number(c.id), previous ? previous->objectName() : QString());
            continue;
        }
        QWidget* control = MakeControl(parent, c);
        QRect rect = DialogUnitsToPixels(font, QRect(c.x, c.y, c.cx, c.cy));
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
    return DialogUnitsToPixels(font, QRect(0, 0, dialog.cx, dialog.cy)).size() + QSize(0, top);
}

QWidget* DialogControl(const QWidget* parent, int id)
{
    QString name = QString::number(id);
    const QVariantMap buddies = parent->property(kUpDownBuddies).toMap();
    if (buddies.contains(name))
        name = buddies.value(name).toString();
    return parent->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

#include "controls/AboutDlg.h"

#include "controls/ReadMe.h"
#include "res/AboutTemplate.h"
#include "res/EditorTemplates.h"
#include "res/Images.h"
#include "res/Strings.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kAtanHalf = 0.4636476090008061;
constexpr double kAtanOneAndHalf = 0.982793723247329;
constexpr double kRootFive = 2.23606797749979;
constexpr double kRootThirteen = 3.605551275463989;

// Where the figure stands in the window, and its size.
constexpr double kFigureX = 27.0;
constexpr double kFigureY = 70.0;
constexpr double kFigureScale = 5.0;
constexpr double kHalfSide = 3.8; // figure units; beyond the farthest vertex at any angle

struct Polar {
    double r, phi;
};

} // namespace

void DrawFigure(QPainter& dc, double cx, double cy, double angle, double s)
{
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    const int left = static_cast<int>(cx - kHalfSide * s);
    const int top = static_cast<int>(cy - kHalfSide * s);
    const int side = static_cast<int>(2 * (kHalfSide * s));
    dc.fillRect(left, top, side, side, QApplication::palette().color(QPalette::Window));
    dc.setPen(QPen(Qt::black, 0)); // one pixel wide

    const double a = angle + kPi;
    const double ox = cx + 0.5;
    const double oy = cy + 0.5;
    const auto place = [&](Polar v) {
        return QPoint(static_cast<int>(ox - s * v.r * std::cos(v.phi + a)),
                      static_cast<int>(oy + s * v.r * std::sin(v.phi + a)));
    };
    const auto stroke = [&](std::initializer_list<Polar> vertices) {
        QPolygon line;
        for (const Polar& v : vertices)
            line << place(v);
        dc.drawPolyline(line);
    };
    stroke({{kRootThirteen, kAtanOneAndHalf}, {1, kPi / 2}, {kRootThirteen, kPi - kAtanOneAndHalf}});
    stroke({{kRootThirteen, -kAtanOneAndHalf},
            {kRootThirteen, kAtanOneAndHalf + kPi},
            {kRootFive, kPi - kAtanHalf},
            {kRootFive, kAtanHalf},
            {kRootFive, -kAtanHalf},
            {kRootFive, -(kPi - kAtanHalf)}});
    stroke({{1, kPi / 2}, {3, -kPi / 2}});
    dc.restore();
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : CTemplateDialog(AboutDialogTemplate(), QCoreApplication::translate("Dialogs", "Om Ordkamp 2..."), parent)
{
    auto* icon = DialogControl<QLabel>(this, IDC_ABOUT_ICON);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->installEventFilter(this);
    connect(DialogControl<QPushButton>(this, IDOK_BUTTON), &QPushButton::clicked, this, &QDialog::accept);
}

int CAboutDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

bool CAboutDlg::OnInitDialog()
{
    m_linkReadMe = new CHyperLink;
    m_linkReadMe->SubclassDlgItem(IDC_README_LINK, this);
    m_linkWeb = new CHyperLink;
    m_linkWeb->SubclassDlgItem(IDC_WEB_LINK, this);
    m_linkMail = new CHyperLink;
    m_linkMail->SubclassDlgItem(IDC_MAIL_LINK, this);

    m_linkWeb->SetLink(LoadString(IDS_WEB_LINK));
    m_linkMail->SetLink(LoadString(IDS_MAIL_LINK));
    m_linkReadMe->SetLink(AppFolderFile(ReadMeFileName()));
    m_bFollowMouse = false;
    m_fAngle = 0.0f;
    FitToText();

    // Pointer moves anywhere in the window turn the figure: over the window
    // itself (mouseMoveEvent) and over its controls.
    setMouseTracking(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
    return true;
}

void CAboutDlg::OnIconClicked()
{
    m_bFollowMouse = true;
}

void CAboutDlg::OnPointerMoved(const QPoint& globalPosition)
{
    if (!m_bFollowMouse)
        return;
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    const float x0 = static_cast<float>(origin.x() + kFigureX);
    const float y0 = static_cast<float>(origin.y() + kFigureY);
    const double dx = globalPosition.x() - double{x0};
    if (dx == 0)
        return;
    m_fAngle = static_cast<float>(std::atan((globalPosition.y() - double{y0}) / dx));
    if (globalPosition.x() < x0)
        m_fAngle = static_cast<float>(m_fAngle + kPi);
    m_fAngle = static_cast<float>(-m_fAngle - kPi / 2);
    RedrawFigure();
}

void CAboutDlg::RedrawFigure()
{
    const int reach = static_cast<int>(kHalfSide * kFigureScale) + 2;
    repaint(QRect(static_cast<int>(kFigureX) - reach, static_cast<int>(kFigureY) - reach, 2 * reach, 2 * reach));
}

void CAboutDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    DrawFigure(painter, kFigureX, kFigureY, double{m_fAngle}, kFigureScale);
}

void CAboutDlg::mouseMoveEvent(QMouseEvent* event)
{
    OnPointerMoved(event->globalPosition().toPoint());
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == DialogControl(this, IDC_ABOUT_ICON))
        OnIconClicked();
    if (event->type() == QEvent::MouseMove)
        OnPointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return QDialog::eventFilter(watched, event);
}

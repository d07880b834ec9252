#pragma once

#include "controls/HyperLink.h"

#include "controls/TemplateDialog.h"

class QPainter;

// Draws the About window's little figure: a V over a box, centred at
// (cx, cy), `scale` pixels per figure unit, turned anticlockwise by `angle`
// radians (0 upright). Its square is erased first with the window colour.
void DrawFigure(QPainter& dc, double cx, double cy, double angle, double scale);

// The About window: icon, name and version, links to the web page, mail
// and readme, and a figure that turns towards the pointer once the icon has
// been clicked.
class CAboutDlg : public CTemplateDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    int DoModal();
    bool OnInitDialog();
    void OnIconClicked();
    void OnPointerMoved(const QPoint& globalPosition);
    void RedrawFigure();

    CHyperLink* m_linkReadMe = nullptr;
    CHyperLink* m_linkWeb = nullptr;
    CHyperLink* m_linkMail = nullptr;
    bool m_bFollowMouse = false;
    float m_fAngle = 0.0f;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

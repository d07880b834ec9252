#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QPushButton;

// The results of a match, drawn: a podium of the first three with their
// faces, every player's place, points and longest streak, and a chart of the
// points after each round, one line a player in colours that also differ by
// their markers and dashes. It draws what it is given and knows no rule.

struct MatchStanding {
    QString name;
    uint32_t points = 0;
    unsigned place = 0;
    QPixmap face;
    QString text; // the standing as a line of text ("1: Anna, 523 poäng, längsta serie 4")
};

struct MatchChartLine {
    QString name;
    unsigned joined = 0; // the round (from 0) its first point is after
    std::vector<uint32_t> points; // after each round from then on
};

struct MatchResultsView {
    std::vector<MatchStanding> standings; // in order of place
    std::vector<MatchChartLine> lines; // in the roster's order
    unsigned rounds = 0;
    QString summary; // what a screen reader says of the results
    QString table; // the chart as text: the points per round
    QString chartTitle; // above the chart
    QString roundAxis; // under it
};

class CMatchResults : public QWidget {
public:
    explicit CMatchResults(QWidget* parent);

    void SetResults(const MatchResultsView& view);
    QPushButton* NewMatchButton() const { return m_newMatch; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DrawPodium(QPainter& painter, const QRect& room) const;
    void DrawChart(QPainter& painter, const QRect& room) const;

    MatchResultsView m_view;
    QPushButton* m_newMatch = nullptr;
};

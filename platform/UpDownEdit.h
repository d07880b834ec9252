#pragma once

#include <QSpinBox>

// An edit for digits with up-down arrows. The arrows stay within their own
// range, one unit per click, while typing takes any number of digits: the
// program, not the control, decides what a typed value becomes.
class CUpDownEdit : public QSpinBox {
public:
    explicit CUpDownEdit(QWidget* parent = nullptr);

    void SetArrowRange(int lowest, int highest);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_nLowest = 0;
    int m_nHighest = 100;
};

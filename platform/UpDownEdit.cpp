#include "platform/UpDownEdit.h"

#include <algorithm>
#include <climits>

CUpDownEdit::CUpDownEdit(QWidget* parent)
    : QSpinBox(parent)
{
    setRange(0, INT_MAX);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CUpDownEdit::SetArrowRange(int lowest, int highest)
{
    m_nLowest = lowest;
    m_nHighest = highest;
}

void CUpDownEdit::stepBy(int steps)
{
    setValue(std::clamp(value() + steps, m_nLowest, m_nHighest));
    selectAll();
}

QAbstractSpinBox::StepEnabled CUpDownEdit::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < m_nHighest)
        enabled |= StepUpEnabled;
    if (value() > m_nLowest)
        enabled |= StepDownEnabled;
    return enabled;
}

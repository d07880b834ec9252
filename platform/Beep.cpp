#include "Beep.h"

#include <QApplication>

namespace {

std::function<void(unsigned)>& Hook()
{
    static std::function<void(unsigned)> hook;
    return hook;
}

} // namespace

void AppBeep(unsigned type)
{
    if (Hook())
        Hook()(type);
    else
        QApplication::beep();
}

void SetBeepHook(std::function<void(unsigned type)> hook)
{
    Hook() = std::move(hook);
}

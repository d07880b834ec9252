#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QWidget;

// Opening a document or link through the desktop, with ShellExecute's
// result codes: above 32 is success.
enum : intptr_t { SE_ERR_FILE_NOT_FOUND = 2, SE_ERR_NO_ASSOCIATION = 31, SE_OPENED = 33 };

intptr_t ShellOpen(const QString& target);

// Tests answer without opening anything; an empty function restores the
// desktop.
void SetShellOpenHook(std::function<intptr_t(const QString& target)> hook);

// Starts a program with its arguments, detached and never through a shell
// (WinExec's stand-in). True when it started.
bool StartProgram(const QString& program, const QStringList& arguments);

// Tests answer without starting anything; an empty function restores the
// real start.
void SetStartProgramHook(std::function<bool(const QString& program, const QStringList& arguments)> hook);

// The desktop's dialog for choosing a file to open (GetOpenFileName's
// stand-in); empty when the player cancels.
QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& filter);

// Tests answer without a dialog; an empty function restores the dialog.
void SetChooseFileHook(std::function<QString(const QString& title)> hook);

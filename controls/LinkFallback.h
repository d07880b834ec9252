#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// When the desktop will not open a link, the program registered for web
// pages is started with the link instead.

// The registered command line cut at its argument placeholder ("%1" in
// quotes, %1, or a desktop-entry %u, %U, %f, %F; everything from it on is
// dropped), then split into program and arguments by the desktop-entry
// quoting rules, with the target appended as one argument of its own.
// Nothing when there is no program, or when the command line with a blank
// and the target would not fit the 520 bytes the Windows program allowed.
std::optional<QStringList> FallbackArguments(const QString& registered, const QString& target);

// The desktop-entry rules for an Exec value: blanks separate arguments;
// double quotes group, and inside them a backslash escapes ", `, $ and \;
// "%%" stands for "%".
QStringList SplitDesktopExec(const QString& command);

// The Exec line of the desktop's default handler for web pages, as xdg-mime
// reports it; empty when there is none. Tests set a lookup of their own; an
// empty function restores the desktop's.
QString WebPageHandlerCommand();
void SetWebPageHandlerLookup(std::function<QString()> lookup);

// The message for a failed open: "Can't open link:\n\n" and the reason for
// a ShellExecute-style code.
QString OpenErrorText(int code);

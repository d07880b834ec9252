#pragma once

#include <QString>

class QWidget;

// The readme's name in the program's language (the Swedish "readme.txt";
// found whatever its case on disk).
QString ReadMeFileName();

// Opens a file of the readme's folder (the program folder, or an installed
// program's shared folder) in the desktop's application for it.
// The name is matched whatever its case on disk. True when the desktop
// accepted the request; nothing is shown on failure.
bool OpenReadMe(QString fileName);

// Shows a file of the readme's folder (Windows-1252 text) in a window of the
// game, for a desktop that cannot open it. False when it cannot be read.
bool ShowReadMeInside(QWidget* parent, const QString& fileName);

// The path of a file of the readme's folder, with the name as it is spelt on
// disk when a file of that name in another case exists there.
QString AppFolderFile(const QString& fileName);

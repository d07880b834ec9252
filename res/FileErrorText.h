#pragma once

#include "engine/SafeFile.h"

#include <QString>

// Why a file could not be read or written, in a few words for a message.
QString FileErrorText(const FileResult& result);

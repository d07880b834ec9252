#pragma once

#include <QIcon>
#include <QPixmap>

// The three 16 x 16 player faces: 0 leader (smiling, blue), 1 middle
// (neutral, grey), 2 last (sad, red).
enum : int { FACE_LEADER = 0, FACE_MIDDLE = 1, FACE_LAST = 2 };
QPixmap PlayerFace(int face);

// The program's icon: a letter tile, at any size or in the usual sizes.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

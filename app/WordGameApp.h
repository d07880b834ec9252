#pragma once

// The application object: runs the game window modally; the program ends
// when it closes.
class CWordGameApp {
public:
    bool InitInstance();
};

#include "WordGameApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CWordGameApp game;
    game.InitInstance();
    return 0;
}

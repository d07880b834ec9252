// A Qt window with nothing of the game in it: a dialog of the size the game
// opens at (910×512 on a 96-dpi screen with the default font), a menu bar of
// three menus and the kinds of controls the game shows. bench/start-figures.sh
// measures it beside the game, as the floor that Qt Widgets itself costs.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTreeWidget>

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar); // as the game does
    QApplication application(argc, argv);
    QDialog window;
    window.resize(910, 512);
    auto* menuBar = new QMenuBar(&window);
    for (const char* title : {"Arkiv", "Spel", "Hj\u00E4lp"})
        menuBar->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Avsluta"));
    menuBar->setGeometry(0, 0, 910, 24);
    auto* display = new QTextEdit(&window);
    display->setGeometry(10, 34, 580, 300);
    display->setPlainText(QStringLiteral("V\u00E4lkommen!"));
    auto* rules = new QGroupBox(QStringLiteral("Regler"), &window);
    rules->setGeometry(600, 34, 300, 300);
    for (int row = 0; row < 5; ++row) {
        (new QLabel(QStringLiteral("Regel"), rules))->setGeometry(10, 30 + 40 * row, 120, 24);
        (new QSpinBox(rules))->setGeometry(140, 30 + 40 * row, 80, 24);
    }
    (new QComboBox(&window))->setGeometry(10, 344, 200, 24);
    (new QLineEdit(&window))->setGeometry(220, 344, 200, 24);
    (new QTreeWidget(&window))->setGeometry(10, 378, 410, 124);
    (new QProgressBar(&window))->setGeometry(430, 478, 360, 24);
    (new QPushButton(QStringLiteral("Starta"), &window))->setGeometry(800, 474, 100, 30);
    window.show();
    return application.exec();
}

// The smallest Qt 6 Widgets program with the same kinds and number of
// controls as Velmora's main window: a menu bar with two menus of three and
// four entries, three frames, eleven labels, eight fields and a button,
// placed by hand. What Velmora's start-up is measured against.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow ventana;
    auto* cliente = new QWidget(&ventana);
    ventana.setCentralWidget(cliente);
    QMenu* a = ventana.menuBar()->addMenu(QStringLiteral("&A"));
    a->addAction(QStringLiteral("&1"));
    a->addSeparator();
    a->addAction(QStringLiteral("&2"));
    QMenu* b = ventana.menuBar()->addMenu(QStringLiteral("&B"));
    b->addAction(QStringLiteral("&3"));
    b->addAction(QStringLiteral("&4"));
    b->addSeparator();
    b->addAction(QStringLiteral("&5"));
    for (int i = 0; i < 3; ++i) {
        auto* marco = new QGroupBox(QStringLiteral("Marco"), cliente);
        marco->setGeometry(8 + i * 100, 0, 96, 130);
        for (int j = 0; j < 3 && !(i == 2 && j == 2); ++j) {
            (new QLabel(QStringLiteral("Etiqueta"), marco))->setGeometry(8, 16 + j * 40, 80, 14);
            (new QLineEdit(marco))->setGeometry(8, 32 + j * 40, 60, 20);
        }
    }
    for (int i = 0; i < 3; ++i) {
        (new QLabel(QStringLiteral("Etiqueta"), cliente))->setGeometry(8 + i * 60, 150, 56, 14);
    }
    (new QPushButton(QStringLiteral("Boton"), cliente))->setGeometry(200, 170, 80, 25);
    cliente->setFixedSize(310, 200);
    ventana.show();
    return app.exec();
}

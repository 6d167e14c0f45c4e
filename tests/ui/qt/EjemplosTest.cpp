// The examples window, opened from the menu as a user would.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "Escenarios.h"
#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/ConstructorVentana.h"
#include "ui/qt/VentanaVelmora.h"

using velmora::prueba::CerrarModal;
using velmora::prueba::VentanaDePrueba;

namespace {

// What the examples window showed while it was open.
struct VistaEjemplos {
    std::vector<std::string> filas;
    int seleccionadas = -1;
    QString foco;
    QString pie;
    Qt::Alignment alineacionPie;
    bool barraVertical = true;
    bool filasVisibles = false;
    QRect lista, pieRect;
    bool icono = false;
    Qt::WindowFlags banderas;
};

VistaEjemplos Ver(QWidget* ventana) {
    VistaEjemplos v;
    auto* lista = ventana->findChild<QListWidget*>(QStringLiteral("lstEjemplos"));
    auto* pie = ventana->findChild<QLabel*>(QStringLiteral("Label1"));
    if (!lista || !pie) return v;
    for (int i = 0; i < lista->count(); ++i)
        v.filas.push_back(lista->item(i)->text().toStdString());
    v.seleccionadas = int(lista->selectedItems().size());
    v.foco = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    v.pie = pie->text();
    v.alineacionPie = pie->alignment();
    v.barraVertical = lista->verticalScrollBar()->isVisible();
    v.filasVisibles = true;
    for (int i = 0; i < lista->count(); ++i) {
        if (!lista->viewport()->rect().contains(lista->visualItemRect(lista->item(i)))) {
            v.filasVisibles = false;
        }
    }
    v.lista = lista->geometry();
    v.pieRect = pie->geometry();
    v.icono = !ventana->windowIcon().isNull();
    v.banderas = ventana->windowFlags();
    return v;
}

}  // namespace

class EjemplosTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { velmora::qt::PrepararAplicacion(); }

    void ordenadosYReconstruidosEnCadaApertura() {
        const VentanaDePrueba principal;
        for (int vez = 1; vez <= 3; ++vez) {
            VistaEjemplos v;
            const auto visto = CerrarModal([&] { principal.Disparar("menuEjemplos"); },
                                           [&](QWidget* ventana) { v = Ver(ventana); });
            QVERIFY(visto.abierto);
            QCOMPARE(visto.nombre, QStringLiteral("Ejemplos"));
            QCOMPARE(visto.titulo, QStringLiteral("Ejemplos :"));
            QVERIFY(velmora::prueba::EjemplosComoSeVen(v.filas));
            QCOMPARE(v.seleccionadas, 0);
            QCOMPARE(v.foco, QStringLiteral("lstEjemplos"));
            QCOMPARE(v.pie, QStringLiteral("Ejemplos cogidos de la revista Coche Actual"));
            QVERIFY(v.alineacionPie & Qt::AlignHCenter);
            QVERIFY2(!v.barraVertical && v.filasVisibles,
                     "the sixteen rows show without scrolling");
            QCOMPARE(v.pieRect.left(), v.lista.left());
            QCOMPARE(v.pieRect.width(), v.lista.width());
            QVERIFY(v.pieRect.top() > v.lista.bottom());
            QVERIFY(v.icono);
            QVERIFY(v.banderas & Qt::WindowCloseButtonHint);
            QVERIFY(!(v.banderas & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        }
        // The main window takes input again.
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(EjemplosTest)
#include "EjemplosTest.moc"

// The formula window: the fraction's parts stand where a reader expects
// them, the main bar is unbroken over "PCD - PCG", nothing takes the focus.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

using velmora::prueba::CerrarModal;
using velmora::prueba::VentanaDePrueba;

class FormulaTest : public QObject {
    Q_OBJECT

  private:
    // Geometry and texts of the window's elements, read while it is open.
    QMap<QString, QRect> cajas;
    QMap<QString, QString> textos;
    QWidget* encimaDeLaBarra = nullptr;  // what is on top where Line1 crosses Label2
    QString nombreEncima;
    int enfocables = -1;

    void Ver(QWidget* ventana) {
        enfocables = 0;
        for (QWidget* w : ventana->findChildren<QWidget*>()) {
            cajas[w->objectName()] = w->geometry();
            if (auto* e = qobject_cast<QLabel*>(w)) textos[w->objectName()] = e->text();
            if (w->focusPolicy() != Qt::NoFocus) ++enfocables;
        }
        const QRect etiqueta = cajas.value(QStringLiteral("Label2"));
        const QRect linea = cajas.value(QStringLiteral("Line1"));
        const QPoint cruce(etiqueta.center().x(), linea.top());
        encimaDeLaBarra = ventana->childAt(cruce);
        nombreEncima = encimaDeLaBarra ? encimaDeLaBarra->objectName() : QString();
    }

  private Q_SLOTS:
    void initTestCase() {
        velmora::qt::PrepararAplicacion();
        const VentanaDePrueba principal;
        const auto visto = CerrarModal([&] { principal.Disparar("menuFormula"); },
                                       [&](QWidget* ventana) { Ver(ventana); });
        QVERIFY(visto.abierto);
        QCOMPARE(visto.titulo, QStringLiteral("Formula"));
        QCOMPARE(visto.nombre, QStringLiteral("Formula"));
    }

    void textosExactos() {
        QCOMPARE(textos.value(QStringLiteral("Label1")),
                 QStringLiteral("Formula matemática para la realización de los calculos es:"));
        QCOMPARE(textos.value(QStringLiteral("Label2")), QStringLiteral("PCD - PCG"));
        QCOMPARE(textos.value(QStringLiteral("Label10")),
                 QStringLiteral("PG    - Precio del litro de gasolina"));
        QCOMPARE(textos.size(), 12);
    }

    void numeradoresSobreSusBarrasYElMenosANivel() {
        const QRect linea2 = cajas.value(QStringLiteral("Line2"));
        const QRect linea3 = cajas.value(QStringLiteral("Line3"));
        const QRect linea4 = cajas.value(QStringLiteral("Line4"));
        const QRect linea1 = cajas.value(QStringLiteral("Line1"));
        QCOMPARE(linea2.height(), 1);
        QCOMPARE(linea3.top(), linea2.top());
        QCOMPARE(linea4.top(), linea2.top());
        // The minus sign stands between the two bars, shorter than either.
        QVERIFY(linea2.right() < linea3.left() && linea3.right() < linea4.left());
        QVERIFY(linea3.width() < linea2.width());

        auto encima = [&](const char* etiqueta, const QRect& barra) {
            const QRect caja = cajas.value(QLatin1String(etiqueta));
            return caja.bottom() < barra.top() && caja.left() >= barra.left() &&
                   caja.right() <= barra.right();
        };
        auto debajo = [&](const char* etiqueta, const QRect& barra) {
            const QRect caja = cajas.value(QLatin1String(etiqueta));
            return caja.top() > barra.top() && caja.left() >= barra.left() &&
                   caja.right() <= barra.right();
        };
        QVERIFY(encima("Label3", linea2));  // CMG * PG
        QVERIFY(debajo("Label4", linea2));  // 100
        QVERIFY(encima("Label5", linea4));  // CMD * PGas
        QVERIFY(debajo("Label6", linea4));  // 100
        // The main bar spans both small fractions and the minus sign.
        QVERIFY(linea1.left() <= linea2.left() && linea1.right() >= linea4.right());
        QVERIFY(cajas.value(QStringLiteral("Label2")).top() < linea1.top());
    }

    void barraPrincipalSobreElNumerador() {
        QVERIFY(
            cajas.value(QStringLiteral("Label2")).intersects(cajas.value(QStringLiteral("Line1"))));
        QCOMPARE(nombreEncima, QStringLiteral("Line1"));
    }

    void nadaTomaElFoco() { QCOMPARE(enfocables, 0); }
};

QTEST_MAIN(FormulaTest)
#include "FormulaTest.moc"

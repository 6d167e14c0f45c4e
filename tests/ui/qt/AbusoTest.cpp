// Abuse of every field through the real widgets (tests/apoyo/Abuso.h):
// thousands of random steps that type, paste, drop and clear random texts
// and press "Calcular" or choose the menu entry, the window checked against
// the calculation core after every calculation.
//
// Seeded and bounded: VELMORA_SEMILLA repeats a run, VELMORA_PASOS sets the
// number of steps (default 1500), and the steps stop after 25 seconds (a
// sanitizer's build takes them slower), well inside the test's own limit.
#include <QtTest>

#include "Abuso.h"
#include "VentanaDePrueba.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

class AbusoTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { velmora::qt::PrepararAplicacion(); }

    void nadaDeLoQueSeEscribeRompeNada() {
        const unsigned semilla = velmora::prueba::Semilla();
        const int pasos = qEnvironmentVariableIsSet("VELMORA_PASOS")
                              ? qEnvironmentVariableIntValue("VELMORA_PASOS")
                              : 1500;
        qInfo("semilla %u (VELMORA_SEMILLA=%u repeats this run), %d pasos", semilla, semilla,
              pasos);
        velmora::prueba::VentanaDePrueba v;
        velmora::prueba::ConductorQt conductor(v);
        const auto informe = velmora::prueba::Abusar(
            conductor, velmora::qt::VentanaVelmora::ConfiguracionRegionalDelSistema(), semilla,
            pasos, std::chrono::seconds(25));
        qInfo("%s", informe.Resumen().c_str());
        QVERIFY2(informe.Bien(), velmora::prueba::Lineas(informe.fallos).c_str());
    }
};

QTEST_MAIN(AbusoTest)
#include "AbusoTest.moc"

// Abuse of every field: thousands of random steps that type, paste and clear
// random texts in random fields and press "Calcular" or choose the menu
// entry. A paste longer than a field takes is refused whole with one
// message, the field unchanged; a key press into a full field likewise. After every calculation the
// window must agree with the calculation core given the same texts: either the label shows the
// core's caption and no message was shown, or exactly the core's one message was shown and the
// label kept its caption; and the calculation changed no field.
//
// Seeded and bounded: VELMORA_SEMILLA repeats a run, VELMORA_PASOS sets the
// number of steps (default 2000), and the test stops after 60 seconds.
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "Modales.h"
#include "VentanaDePrueba.h"
#include "calc/Campos.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"
#include "ui/Entrada.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

using velmora::prueba::CerrarCadaModal;
using velmora::prueba::Teclear;
using velmora::prueba::VentanaDePrueba;

namespace {

class Generador {
  public:
    explicit Generador(quint32 semilla) : azar_(semilla) {}

    int Entre(int a, int b) { return int(azar_.bounded(a, b + 1)); }
    bool Probabilidad(double p) { return azar_.generateDouble() < p; }

    // A text built from the pieces users and pastes bring.
    QString Texto() {
        static const QStringList piezas = {
            QStringLiteral("0"),
            QStringLiteral("1"),
            QStringLiteral("5"),
            QStringLiteral("9"),
            QStringLiteral("15"),
            QStringLiteral("2600000"),
            QStringLiteral(","),
            QStringLiteral("."),
            QStringLiteral("+"),
            QStringLiteral("-"),
            QStringLiteral("E"),
            QStringLiteral("e"),
            QStringLiteral("D"),
            QStringLiteral("E+"),
            QStringLiteral("E-"),
            QStringLiteral("E400"),
            QStringLiteral("E38"),
            QStringLiteral("1E308"),
            QStringLiteral("9999999999999999999999999"),
            QStringLiteral(" "),
            QStringLiteral("\t"),
            QStringLiteral("\n"),
            QStringLiteral("\r"),
            QStringLiteral("abc"),
            QStringLiteral("ñ"),
            QStringLiteral("é"),
            QStringLiteral("€"),
            QStringLiteral("\u0663"),  // ARABIC-INDIC DIGIT THREE
            QStringLiteral("\uff13"),  // FULLWIDTH DIGIT THREE
            QStringLiteral("\u200f"),  // RIGHT-TO-LEFT MARK
            QStringLiteral("\u202e"),  // RIGHT-TO-LEFT OVERRIDE
            QStringLiteral("\u202f"),  // NARROW NO-BREAK SPACE
            QStringLiteral("\ufffd"),  // what a lone surrogate becomes
            QString(QChar(0x01)),
            QString(QChar(0x7f)),
            QString(QChar(0x00)),
        };
        QString texto;
        const int n = Entre(0, 6);
        for (int i = 0; i < n; ++i) texto += piezas[Entre(0, int(piezas.size()) - 1)];
        return texto;
    }

    // A figure a user might really type, written by the user's convention.
    QString Cifra() {
        const QLocale local = QLocale::system();
        switch (Entre(0, 3)) {
            case 0:
                return QString::number(Entre(0, 3000000));
            case 1:
                return local.toString(Entre(0, 3000000));
            case 2:
                return local.toString(Entre(0, 2000) / 10.0, 'f', 1);
            default:
                return QString::number(Entre(-5, 200));
        }
    }

    // A paste of about a megabyte (refused whole), or as long as a field
    // takes: digits that overflow, a long fraction, or noise.
    QString Enorme() {
        const qsizetype largo =
            Probabilidad(0.5) ? qsizetype(1) << 20 : qsizetype(velmora::kLargoMaximoCampo) - 2;
        switch (Entre(0, 2)) {
            case 0:
                return QString(largo + 2, QLatin1Char('7'));
            case 1:
                return QStringLiteral("0") + QLocale::system().decimalPoint() +
                       QString(largo, QLatin1Char('3'));
            default:
                return QString(largo + 1, QChar(0x0663)) + QStringLiteral("1");
        }
    }

  private:
    QRandomGenerator azar_;
};

}  // namespace

class AbusoTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { velmora::qt::PrepararAplicacion(); }

    void nadaDeLoQueSeEscribeRompeNada() {
        quint32 semilla = QRandomGenerator::system()->generate();
        if (qEnvironmentVariableIsSet("VELMORA_SEMILLA")) {
            semilla = quint32(qEnvironmentVariable("VELMORA_SEMILLA").toULong());
        }
        const int pasos = qEnvironmentVariableIsSet("VELMORA_PASOS")
                              ? qEnvironmentVariableIntValue("VELMORA_PASOS")
                              : 2000;
        qInfo("semilla %u (VELMORA_SEMILLA=%u repeats this run), %d pasos", semilla, semilla,
              pasos);
        Generador g(semilla);

        const VentanaDePrueba v;
        QLabel* resultado = v.Resultado();
        QList<QLineEdit*> campos;
        for (const velmora::Campo& c : velmora::kCampos) campos << v.Campo(c.id);
        const velmora::ConfiguracionRegional config =
            velmora::qt::VentanaVelmora::ConfiguracionRegionalDelSistema();

        QElapsedTimer reloj;
        reloj.start();
        int calculos = 0, mensajes = 0, resultados = 0, rechazos = 0;
        for (int paso = 0; paso < pasos && reloj.elapsed() < 60000; ++paso) {
            const int indice = g.Entre(0, int(campos.size()) - 1);
            QLineEdit* campo = campos[indice];
            // The refusal of a text too long for this field.
            const QString demasiadoLargo = QString::fromStdString(
                velmora::MensajeTextoDemasiadoLargo(velmora::kCampos[indice].id));
            const int que = paso % 250 == 125 ? 3 : g.Entre(0, 9);
            if (que <= 2) {  // type; a field already full refuses each key
                const QString texto = g.Probabilidad(0.5) ? g.Cifra() : g.Texto();
                campo->setFocus();
                const QStringList vistos = CerrarCadaModal([&] { Teclear(campo, texto); });
                for (const QString& visto : vistos) QCOMPARE(visto, demasiadoLargo);
                QVERIFY(campo->text().size() <= qsizetype(velmora::kLargoMaximoCampo));
            } else if (que <= 4) {  // select all and paste
                // A huge paste now and then, and surely every 250 steps.
                const QString texto = (paso % 250 == 125 || g.Probabilidad(0.004)) ? g.Enorme()
                                      : g.Probabilidad(0.5)                        ? g.Cifra()
                                                                                   : g.Texto();
                QGuiApplication::clipboard()->setText(texto);
                campo->setFocus();
                if (g.Probabilidad(0.7)) campo->selectAll();
                const QString antes = campo->text();
                // What the field takes of a paste: its first line, cleaned.
                const qsizetype pegado =
                    qsizetype(velmora::ui::TextoPegado(texto.toStdU16String()).size());
                const bool cabe = antes.size() - campo->selectedText().size() + pegado <=
                                  qsizetype(velmora::kLargoMaximoCampo);
                const QStringList vistos = CerrarCadaModal(
                    [&] { QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier); });
                if (cabe) {
                    QVERIFY2(vistos.isEmpty(), qPrintable(vistos.join(QLatin1Char('/'))));
                } else {
                    ++rechazos;
                    QCOMPARE(vistos, QStringList{demasiadoLargo});
                    QCOMPARE(campo->text(), antes);
                }
            } else if (que == 5) {  // clear
                campo->selectAll();
                QTest::keyClick(campo, Qt::Key_Delete);
            } else {  // calculate, by the button or the menu
                ++calculos;
                const QStringList antes = v.TextosDeCampos();
                velmora::TextosCampos textos;
                for (const velmora::Campo& c : velmora::kCampos) {
                    textos[c.id] = v.Campo(c.id)->text().toStdString();
                }
                const velmora::Desenlace nucleo = velmora::OperacionCalcular(textos, config);
                const QString etiquetaAntes = resultado->text();

                const QStringList vistos = CerrarCadaModal([&] {
                    if (que <= 7) {
                        QTest::mouseClick(v.Boton(), Qt::LeftButton);
                    } else {
                        v.Disparar("menuCalcular");
                    }
                });

                const QString contexto = QStringLiteral("paso %1, campos [%2]")
                                             .arg(paso)
                                             .arg(antes.join(QStringLiteral("|")).left(300));
                if (const auto* r = std::get_if<velmora::Resultado>(&nucleo)) {
                    ++resultados;
                    QVERIFY2(vistos.isEmpty(), qPrintable(contexto + QStringLiteral(": ") +
                                                          vistos.join(QLatin1Char('/'))));
                    QCOMPARE(resultado->text(), QString::fromStdString(r->texto));
                } else {
                    ++mensajes;
                    QVERIFY2(vistos.size() == 1, qPrintable(contexto));
                    QCOMPARE(vistos.first(),
                             QString::fromStdString(std::get<velmora::Mensaje>(nucleo).texto));
                    QCOMPARE(resultado->text(), etiquetaAntes);
                }
                QVERIFY2(v.TextosDeCampos() == antes, qPrintable(contexto));
            }
            // Now and then start again from the worked example, so that
            // calculations that succeed stay frequent.
            if (g.Probabilidad(0.05)) {
                for (const velmora::Campo& c : velmora::kCampos) {
                    const std::string_view texto =
                        velmora::prueba::kEjemploResuelto[std::size_t(c.id)];
                    v.Campo(c.id)->setText(
                        QString::fromUtf8(texto.data(), qsizetype(texto.size())));
                }
            }
        }
        qInfo("%d calculos: %d resultados, %d mensajes; %d textos rechazados; en %lld ms", calculos,
              resultados, mensajes, rechazos, reloj.elapsed());
        QVERIFY(resultados > 0 && mensajes > 0 && rechazos > 0);
    }
};

QTEST_MAIN(AbusoTest)
#include "AbusoTest.moc"

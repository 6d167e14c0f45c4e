// The main window as the tests through the real widgets meet it: built,
// shown and exposed on construction, destroyed with the fixture. Finds its
// controls by name (a missing or mistyped control fails the test run at
// once), types into fields as a user does and chooses menu entries by name.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>

#include "Jugador.h"
#include "Textos.h"
#include "calc/Campos.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora::qt {
class VentanaVelmora;
}

namespace velmora::prueba {

// The child of `padre` named `nombre`, of type T; stops the run when there is none.
template <typename T>
T* Hijo(const QObject* padre, std::string_view nombre) {
    const QString buscado = QString::fromUtf8(nombre.data(), qsizetype(nombre.size()));
    T* hijo = padre->findChild<T*>(buscado);
    if (!hijo) {
        qFatal("%s has no %s named %s", qPrintable(padre->objectName()),
               T::staticMetaObject.className(), qPrintable(buscado));
    }
    return hijo;
}

// Types `texto` into `campo` a key at a time. Tab and line feed are the keys
// Tab and Return; every other character arrives as the text of a key press,
// the way a keyboard layout or an input method delivers it.
void Teclear(QWidget* campo, const QString& texto);

// Every control of `ventana` whose content does not fit its box with the
// font in use, each with the reason; empty when every caption, field, button
// and list row is whole.
QStringList Recortes(QWidget* ventana);

class VentanaDePrueba {
  public:
    VentanaDePrueba();
    ~VentanaDePrueba();

    qt::VentanaVelmora& Ventana() const { return *ventana_; }
    QLineEdit* Campo(IdCampo id) const;
    QLabel* Resultado() const;
    QPushButton* Boton() const;
    QAction* Accion(std::string_view nombre) const;

    // Chooses the menu entry `nombre`. Its handler is queued and runs once
    // the event loop does (CerrarModal and processEvents run it).
    void Disparar(std::string_view nombre) const;

    // Replaces a field's text as a user does: select all, delete, type.
    void Escribir(IdCampo id, const QString& texto) const;
    // Types every field's text of a row.
    void Escribir(const FilaTextos& fila) const;
    // The worked example with the prices written by the user's own
    // regional settings ("2.600.000" in Spanish, "2,600,000" in English).
    void EjemploResuelto() const;

    // The texts of the eight fields, in the order of kCampos.
    QStringList TextosDeCampos() const;

  private:
    std::unique_ptr<qt::VentanaVelmora> ventana_;
};

// The shared scenarios' steps through the real widgets (Jugador.h): keys,
// Ctrl+V, a drop, the button and the menu entry.
class ConductorQt final : public Conductor {
  public:
    explicit ConductorQt(VentanaDePrueba& v) : v_(v) {}

    void Escribir(const FilaTextos& fila) override;
    std::vector<std::string> Campos() override;
    std::string Resultado() override;
    Visto Calcular(Via via, const char* resultado) override;
    std::optional<Visto> Entrar(IdCampo id, const std::string& texto, Modo modo,
                                bool caja) override;

  private:
    VentanaDePrueba& v_;
};

}  // namespace velmora::prueba

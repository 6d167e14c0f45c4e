#include "Ejemplos.h"

#include <QListWidget>

#include "VentanaFija.h"
#include "ui/DisenoEjemplos.h"

namespace velmora::qt {

using namespace velmora::ui;

namespace {

// A row of a sorted list that ignores case when it is placed.
class FilaOrdenada : public QListWidgetItem {
  public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& otra) const override {
        return text().compare(otra.text(), Qt::CaseInsensitive) < 0;
    }
};

}  // namespace

void Ejemplos::Agregar(QListWidget* lista, const QString& fila) {
    lista->addItem(new FilaOrdenada(fila));
}

void Ejemplos::PonerEjemplos(QListWidget* lstEjemplos) {
    for (const char* fila : kFilasEjemplos) Agregar(lstEjemplos, QString::fromUtf8(fila));
}

void Ejemplos::Mostrar() {
    MostrarVentanaFija(kDisenoEjemplos, [](const ControlesConstruidos& controles) {
        // Form_Load
        PonerEjemplos(controles.Buscar<QListWidget>("lstEjemplos"));
    });
}

Ejemplos& FormularioEjemplos() {
    static Ejemplos formulario;
    return formulario;
}

}  // namespace velmora::qt

#include "Fichas.h"

#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace almacen {

QHBoxLayout *enFila(std::initializer_list<QWidget *> controles)
{
    auto *fila = new QHBoxLayout;
    for (QWidget *control : controles)
        fila->addWidget(control);
    return fila;
}

fw::DBEdit *cajaDeSoloLectura(ds::RecordSet &datos, const QString &columna, const char *nombre, QWidget *parent)
{
    auto *caja = new fw::DBEdit(datos, columna, parent);
    caja->setObjectName(QLatin1String(nombre));
    caja->setEnabled(false);
    return caja;
}

QToolButton *botonDeCodigo(const char *nombre, QWidget *parent)
{
    auto *boton = new QToolButton(parent);
    boton->setObjectName(QLatin1String(nombre));
    boton->setFocusPolicy(Qt::NoFocus);
    return boton;
}

QFormLayout *agregarPestana(QTabWidget *paginas, const QString &titulo)
{
    auto *pagina = new QWidget;
    auto *formulario = new QFormLayout(pagina);
    paginas->addTab(pagina, titulo);
    return formulario;
}

fw::DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos, const QString &columna)
{
    auto *pagina = new QWidget;
    auto *memo = new fw::DBMemo(datos, columna, pagina);
    memo->setObjectName(QStringLiteral("mem") + columna.left(1) + columna.mid(1).toLower());
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memo);
    paginas->addTab(pagina, QStringLiteral("COMENTARIO"));
    return memo;
}

} // namespace almacen
